#pragma once

#include "core/base/Ports.h"
#include "core/printing/PrintDocument.h"

#include <QDateTime>
#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

// Message and input boxes answered from queues; every box shown is recorded.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        enum Kind { Message, Question, Input } kind;
        QString text;
        Icon icon;
        Echo echo = Echo::Plain;
    };

    void message(const QString& text, Icon icon) override { shown.append({Shown::Message, text, icon}); }
    bool question(const QString& text) override {
        shown.append({Shown::Question, text, Icon::None});
        if (onQuestion) onQuestion(text);
        return questions.isEmpty() ? (++unexpected, false) : questions.dequeue();
    }
    std::optional<QString> input(const QString& prompt, Echo echo) override {
        shown.append({Shown::Input, prompt, Icon::None, echo});
        return inputs.isEmpty() ? (++unexpected, std::nullopt) : inputs.dequeue();
    }

    ScriptedDialogs& answer(bool yes) {
        questions.enqueue(yes);
        return *this;
    }
    ScriptedDialogs& type(const QString& text) {
        inputs.enqueue(text);
        return *this;
    }
    // The next input box is cancelled.
    ScriptedDialogs& cancel() {
        inputs.enqueue(std::nullopt);
        return *this;
    }

    // The texts of the boxes of one kind, in order.
    QStringList textsOf(Shown::Kind kind) const {
        QStringList out;
        for (const Shown& s : shown)
            if (s.kind == kind) out.append(s.text);
        return out;
    }
    QStringList messages() const { return textsOf(Shown::Message); }
    QStringList questionTexts() const { return textsOf(Shown::Question); }
    QStringList prompts() const { return textsOf(Shown::Input); }
    void clear() { shown.clear(); }

    // Runs when a question is asked, before it is answered (to look at the files at that moment).
    std::function<void(const QString&)> onQuestion;
    QQueue<bool> questions;
    QQueue<std::optional<QString>> inputs;
    QList<Shown> shown;
    int unexpected = 0; // questions or inputs that had no queued answer
};

// A clock that stands still until told otherwise.
class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 5), QTime(14, 35, 0))) : at(start) {}
    QDateTime now() const override { return at; }
    QDateTime at;
};

// Keeps every print job; fails every job while `failing` is set.
class RecordingPrinter : public Printer {
public:
    bool print(const PrintDocument& document) override {
        attempts.append(document);
        if (failing) return false;
        jobs.append(document);
        return true;
    }
    bool openDrawer() override {
        ++drawerOpenings;
        return !failing;
    }
    int columns() const override { return paperColumns; }

    QList<PrintDocument> jobs;     // jobs that printed
    QList<PrintDocument> attempts; // every job offered, printed or not
    bool failing = false;
    int drawerOpenings = 0; // every drawer opening asked for
    int paperColumns = 48;
};

// Records what would have been opened and each beep.
class FakeShell : public Shell {
public:
    bool open(const QString& path) override {
        opened.append(path);
        return opens;
    }
    void beep() override { ++beeps; }
    QStringList opened;
    bool opens = true;
    int beeps = 0;
};

#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

class PrintDocument;

// The program's ways out to the person and the machine. The counter uses only these interfaces; the
// windows give Qt implementations and the tests give scripted ones.

// Modal message boxes and input boxes. Every box carries the program title as its title.
class Dialogs {
public:
    enum class Icon { None, Information, Warning, Error };
    // How an input box shows what is typed: as typed, or hidden (the user key).
    enum class Echo { Plain, Masked };

    virtual ~Dialogs() = default;
    // A message with an OK button.
    virtual void message(const QString& text, Icon icon) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool question(const QString& text) = 0;
    // An input box with an empty field; no answer when it is cancelled.
    virtual std::optional<QString> input(const QString& prompt, Echo echo = Echo::Plain) = 0;
    // The About box: the program's title and a few lines about it.
    virtual void about(const QString& /*title*/, const QString& /*text*/) {}
};

// The time of day and the date; the timers read time only through it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// A printer takes one whole job at a time; false when any part of it failed (no printer, an error,
// the job's deadline passed).
class Printer {
public:
    virtual ~Printer() = default;
    virtual bool print(const PrintDocument& document) = 0;
    // Opens the cash drawer without printing; false where the printer has no drawer or it failed.
    virtual bool openDrawer() { return false; }
    // The characters one line of its paper holds in a fixed-pitch font: 48 on an 80 mm receipt (the
    // strip the system and PDF printers draw too), 32 on 58 mm.
    virtual int columns() const { return 48; }
};

// The desktop around the program.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document with the desktop's viewer; false when that failed.
    virtual bool open(const QString& path) = 0;
    virtual void beep() = 0;
};

// The four ports the counter is given.
struct Ports {
    Dialogs& dialogs;
    Clock& clock;
    Printer& printer;
    Shell& shell;
};

#include "ScriptedPorts.h"

void ScriptedDialogs::message(const QString& text, Icon icon) {
    shown.append({Shown::Message, text, icon});
}

bool ScriptedDialogs::question(const QString& text) {
    shown.append({Shown::Question, text, Icon::None});
    if (onQuestion) onQuestion(text);
    if (questions.isEmpty()) {
        ++unexpected;
        return false;
    }
    return questions.dequeue();
}

QString ScriptedDialogs::input(const QString& prompt) {
    shown.append({Shown::Input, prompt, Icon::None});
    if (inputs.isEmpty()) {
        ++unexpected;
        return {};
    }
    return inputs.dequeue();
}

namespace {
QStringList textsOf(const QList<ScriptedDialogs::Shown>& shown, ScriptedDialogs::Shown::Kind kind) {
    QStringList out;
    for (const auto& s : shown)
        if (s.kind == kind) out.append(s.text);
    return out;
}
} // namespace

QStringList ScriptedDialogs::messages() const {
    return textsOf(shown, Shown::Message);
}
QStringList ScriptedDialogs::questionTexts() const {
    return textsOf(shown, Shown::Question);
}
QStringList ScriptedDialogs::prompts() const {
    return textsOf(shown, Shown::Input);
}

bool RecordingPrinter::record(const QString& call) {
    current.calls.append(call);
    return !failing;
}

bool RecordingPrinter::pageSetup() {
    return record(QStringLiteral("setup"));
}
bool RecordingPrinter::setFontName(const QString& name) {
    return record(QStringLiteral("font ") + name);
}
bool RecordingPrinter::setFontSize(double points) {
    return record(QStringLiteral("size ") + QString::number(points));
}
bool RecordingPrinter::setBold(bool bold) {
    return record(QStringLiteral("bold ") + QString::number(int(bold)));
}

bool RecordingPrinter::printLine(const QString& text) {
    if (failing) return record(QStringLiteral("line ") + text);
    current.lines.append(QString(text).split(QStringLiteral("\r\n")));
    return record(QStringLiteral("line ") + text);
}

bool RecordingPrinter::endJob() {
    jobs.append(current);
    current = Job();
    return true;
}

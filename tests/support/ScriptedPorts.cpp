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

std::optional<QString> ScriptedDialogs::input(const QString& prompt, Echo echo) {
    shown.append({Shown::Input, prompt, Icon::None, echo});
    if (inputs.isEmpty()) {
        ++unexpected;
        return std::nullopt;
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

bool RecordingPrinter::print(const PrintDocument& document) {
    attempts.append(document);
    if (failing) return false;
    jobs.append(document);
    return true;
}

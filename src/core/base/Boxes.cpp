#include "Boxes.h"

#include <QScopedValueRollback>

void Boxes::say(const QString& message, Dialogs::Icon icon) {
    const QScopedValueRollback<int> open(m_open, m_open + 1);
    m_dialogs.message(message, icon);
}

bool Boxes::ask(const QString& question) {
    const QScopedValueRollback<int> open(m_open, m_open + 1);
    return m_dialogs.question(question);
}

QString Boxes::prompt(const QString& question) {
    return promptOrCancel(question).value_or(QString());
}

std::optional<QString> Boxes::promptOrCancel(const QString& question) {
    const QScopedValueRollback<int> open(m_open, m_open + 1);
    return m_dialogs.input(question);
}

bool Boxes::grantedByKey(const QString& question, const QString& userKey, const QString& wrong) {
    QString answer;
    {
        const QScopedValueRollback<int> open(m_open, m_open + 1);
        answer = m_dialogs.input(question, Dialogs::Echo::Masked).value_or(QString());
    }
    if (answer == userKey) return true;
    if (!userKey.isEmpty() && answer.isEmpty()) return false;
    say(wrong, Dialogs::Icon::Error);
    return false;
}

std::optional<QString> Boxes::askUntil(const QString& question,
                                       const std::function<bool(const QString&)>& accept) {
    for (;;) {
        const QString answer = prompt(question);
        if (answer.trimmed().isEmpty()) return std::nullopt;
        if (accept(answer)) return answer;
    }
}

bool Boxes::printJob(Printer& printer, const PrintDocument& document) {
    return printerJob([&printer, &document] { return printer.print(document); });
}

bool Boxes::printerJob(const std::function<bool()>& run) {
    const QScopedValueRollback<int> open(m_open, m_open + 1);
    return run();
}

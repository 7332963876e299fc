#pragma once

#include "core/base/Ports.h"

#include <QString>

#include <functional>
#include <optional>

// The counter's boxes over the Dialogs port. While one is open the busy count is above zero and the
// timers skip their ticks.
class Boxes {
public:
    explicit Boxes(Dialogs& dialogs) : m_dialogs(dialogs) {}

    void say(const QString& message, Dialogs::Icon icon);
    bool ask(const QString& question);
    // An input box; a cancelled box gives an empty text, as a blank answer does.
    QString prompt(const QString& question);
    // An input box where an empty answer is an answer: no answer only when it was cancelled.
    std::optional<QString> promptOrCancel(const QString& question);
    // Asks for the user key, masked as it is typed: with a key set, an empty answer stops quietly; any other
    // answer but the key shows `wrong` as an error. With no key set, only an empty answer is granted.
    bool grantedByKey(const QString& question, const QString& userKey, const QString& wrong);
    // Asks until the answer is accepted; a blank answer cancels (no value).
    std::optional<QString> askUntil(const QString& question,
                                    const std::function<bool(const QString&)>& accept);

    // One print job; while it runs it counts as an open box, so no timer tick runs inside it.
    bool printJob(Printer& printer, const PrintDocument& document);
    bool printerJob(const std::function<bool()>& run);

    bool busy() const { return m_open > 0; }

private:
    Dialogs& m_dialogs;
    int m_open = 0;
};

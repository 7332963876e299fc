#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

// The system's printers (the CUPS queues) as Qt's printer information lists them. Asking CUPS can
// block for minutes when the print server hangs, so the question runs on a worker thread and the
// answer arrives in the window's event loop: the list, or at the deadline the news that none came.
class PrinterQueues : public QObject {
    Q_OBJECT

public:
    explicit PrinterQueues(QObject* parent = nullptr);

    // Starts asking; either listed() or unanswered() follows, once.
    void ask(int deadlineMs);
    // True while a question is still out on its thread (also after unanswered()).
    bool asking() const;

    struct State; // shared with the worker thread

Q_SIGNALS:
    void listed(const QStringList& names, const QString& defaultName);
    void unanswered();

private:
    std::shared_ptr<State> m_state;
    QTimer m_poll;
    QTimer m_deadline;
};

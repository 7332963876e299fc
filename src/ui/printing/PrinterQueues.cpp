#include "PrinterQueues.h"

#include <QPrinterInfo>

#include <mutex>
#include <thread>

struct PrinterQueues::State {
    std::mutex mutex;
    bool done = false;
    QStringList names;
    QString defaultName;
};

PrinterQueues::PrinterQueues(QObject* parent) : QObject(parent) {
    m_poll.setInterval(20);
    m_deadline.setSingleShot(true);
    connect(&m_poll, &QTimer::timeout, this, [this] {
        QStringList names;
        QString defaultName;
        {
            const std::lock_guard<std::mutex> lock(m_state->mutex);
            if (!m_state->done) return;
            names = m_state->names;
            defaultName = m_state->defaultName;
        }
        m_poll.stop();
        m_deadline.stop();
        Q_EMIT listed(names, defaultName);
    });
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        m_poll.stop();
        Q_EMIT unanswered();
    });
}

void PrinterQueues::ask(int deadlineMs) {
    if (m_poll.isActive()) return;
    auto state = std::make_shared<State>();
    m_state = state;
    std::thread([state] {
        const QStringList names = QPrinterInfo::availablePrinterNames();
        const QString defaultName = QPrinterInfo::defaultPrinterName();
        const std::lock_guard<std::mutex> lock(state->mutex);
        state->names = names;
        state->defaultName = defaultName;
        state->done = true;
    }).detach();
    m_poll.start();
    m_deadline.start(deadlineMs);
}

bool PrinterQueues::asking() const {
    if (!m_state) return false;
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    return !m_state->done;
}

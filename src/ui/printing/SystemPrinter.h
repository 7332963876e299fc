#pragma once

#include "core/base/Ports.h"
#include "ui/printing/JobDeadline.h"

#include <QString>

// The desktop's printer through CUPS: the default printer, or the one named. Each job is drawn as a
// receipt PDF and handed to CUPS, which renders it with the printer's own driver; the job counts as
// printed once CUPS has sent it whole to the printer. A job that CUPS has not finished by the deadline
// (a printer that stopped, a hung print server) fails and is cancelled.
class SystemPrinter : public Printer {
public:
    explicit SystemPrinter(const QString& name = QString(), int deadlineMs = JobDeadline::kDefaultMs,
                           const QString& cupsServer = QString())
        : m_name(name), m_deadlineMs(deadlineMs), m_cupsServer(cupsServer) {}

    bool print(const PrintDocument& document) override;

private:
    QString m_name;
    int m_deadlineMs;
    QString m_cupsServer;
    bool m_busy = false; // a job waiting in the event loop; another one arriving meanwhile fails
};

#pragma once

#include "core/base/Ports.h"
#include "ui/printing/JobDeadline.h"

#include <QString>

#include <memory>

// The desktop's printer through CUPS (QPrinter, no dialog): the default printer, or the one named.
// Looking printers up and sending the job can block for minutes when a print server accepts and never
// answers, so the whole job runs on a worker thread while the window's event loop waits for it until
// the deadline. A job still stuck then is abandoned (it ends on its own, or with the program); until
// it ends, new jobs fail at once rather than piling up.
class SystemPrinter : public Printer {
public:
    explicit SystemPrinter(const QString& name = QString(), int deadlineMs = JobDeadline::kDefaultMs)
        : m_name(name), m_deadlineMs(deadlineMs) {}

    bool print(const PrintDocument& document) override;

    struct Job; // shared with the worker thread

private:
    QString m_name;
    int m_deadlineMs;
    std::shared_ptr<Job> m_last;
};

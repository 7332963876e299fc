#pragma once

#include "core/base/Ports.h"
#include "core/printing/PrinterSettings.h"
#include "ui/printing/JobDeadline.h"

#include <QString>

#include <memory>

// The printer the settings name: the PDF folder, an ESC/POS printer or the system's printer. A receipt
// printer whose address names no target, or a folder left empty, gives a printer that fails every job.
// `cupsServer` stands for the system's CUPS server (empty: the system's own).
std::unique_ptr<Printer> makePrinter(const PrinterSettings& settings, const Clock& clock,
                                     int deadlineMs = JobDeadline::kDefaultMs,
                                     const QString& cupsServer = QString());

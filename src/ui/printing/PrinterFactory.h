#pragma once

#include "core/base/Ports.h"
#include "ui/printing/JobDeadline.h"

#include <QString>

#include <memory>

// How the printer was chosen on the command line.
struct PrinterOptions {
    QString printTo;     // --print-to DIR: PDF and text files into a folder
    QString printer;     // --printer NAME, or escpos:/dev/usb/lp0, escpos:tcp://HOST:9100, escpos:cups:QUEUE
    int paper = 80;      // --paper 58|80 (ESC/POS)
    int codepage = 1252; // --codepage 1252|858 (ESC/POS)
    bool cut = true;     // --no-cut
    bool drawer = true;  // --no-drawer
    int deadlineMs = JobDeadline::kDefaultMs;
};

// The printer the options name: the PDF folder, an ESC/POS printer or the system's printer. An ESC/POS
// target that cannot be read gives a printer that fails every job.
std::unique_ptr<Printer> makePrinter(const PrinterOptions& options, const Clock& clock);

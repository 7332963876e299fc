#pragma once

#include "app/Ports.h"

// Stands for a printer when none can be reached: every call fails, so the counter shows its print
// warning and the sale stays recorded.
class UnavailablePrinter : public Printer {
public:
    bool pageSetup() override { return false; }
    bool setFontName(const QString&) override { return false; }
    bool setFontSize(double) override { return false; }
    bool setBold(bool) override { return false; }
    bool printLine(const QString&) override { return false; }
    bool endJob() override { return true; }
};

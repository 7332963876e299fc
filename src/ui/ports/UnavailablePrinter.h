#pragma once

#include "core/base/Ports.h"

// Stands for a printer when none can be reached: every job fails, so the counter shows its print
// warning and the sale stays recorded.
class UnavailablePrinter : public Printer {
public:
    bool print(const PrintDocument&) override { return false; }
};

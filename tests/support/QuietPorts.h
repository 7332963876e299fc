#pragma once

// Ports for the programs that drive the counter without a person at it (screenshots, benchmarks):
// every box is answered No or Cancel at once, and nothing is opened.

#include "core/base/Ports.h"

class SilentDialogs : public Dialogs {
public:
    void message(const QString&, Icon) override {}
    bool question(const QString&) override { return false; }
    std::optional<QString> input(const QString&, Echo) override { return std::nullopt; }
};

class NoShell : public Shell {
public:
    bool open(const QString&) override { return false; }
    void beep() override {}
};

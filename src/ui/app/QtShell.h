#pragma once

#include "app/Ports.h"

// Documents open in the desktop's viewer.
class QtShell : public Shell {
public:
    bool open(const QString& path) override;
    void beep() override;
};

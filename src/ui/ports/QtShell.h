#pragma once

#include "core/base/Ports.h"

// Documents open in the desktop's viewer through xdg-open. Opening is refused, truthfully, when
// the document is missing, xdg-open is not installed or no application is set for the
// document's type, so the counter can say that the help cannot be shown.
class QtShell : public Shell {
public:
    bool open(const QString& path) override;
    void beep() override;
};

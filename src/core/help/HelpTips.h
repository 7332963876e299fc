#pragma once

#include "core/base/Language.h"
#include "core/note/Note.h"

#include <QString>

class Boxes;
class Shell;

// The help document (F1) and the tip on what to do next (F2).
class HelpTips {
public:
    HelpTips(const QString& dataDir, const Language& language, Shell& shell, Boxes& boxes)
        : m_dataDir(dataDir), m_language(language), m_shell(shell), m_boxes(boxes) {}

    void lblHelp_Click();
    // The tip for the step of the sale (1..5); true when the cashier is to type the cash next.
    bool eTip(bool editing, SaleStep step);

private:
    QString m_dataDir;
    Language m_language;
    Shell& m_shell;
    Boxes& m_boxes;
};

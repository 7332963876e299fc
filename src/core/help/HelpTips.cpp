#include "HelpTips.h"

#include "core/base/Boxes.h"
#include "core/base/TextFile.h"
#include "core/shop/AppTexts.h"

#include <QDir>

#include <algorithm>
#include <array>

void HelpTips::lblHelp_Click() {
    const QString help = QDir(m_dataDir).filePath(m_language(AppTexts::HelpFile));
    if (!TextFile::eFind(help)) {
        m_boxes.say(m_language(AppTexts::HelpMissing), Dialogs::Icon::Information);
        return;
    }
    if (!m_shell.open(help)) m_boxes.say(m_language(AppTexts::HelpFailed), Dialogs::Icon::Warning);
}

bool HelpTips::eTip(bool editing, SaleStep step) {
    if (editing) {
        m_boxes.say(m_language(AppTexts::TipEditing), Dialogs::Icon::Information);
        return false;
    }
    static const std::array<Text, 5> kTips = {AppTexts::TipStep1, AppTexts::TipStep2, AppTexts::TipStep3,
                                              AppTexts::TipStep4, AppTexts::TipStep5};
    const int shown = std::clamp(int(step), int(SaleStep::Nothing), int(SaleStep::CashCovers));
    m_boxes.say(m_language(kTips[std::size_t(shown - 1)]), Dialogs::Icon::Information);
    return step == SaleStep::TypingCash;
}

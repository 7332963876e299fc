#include "Currency.h"

#include "app/AppTexts.h"
#include "app/Boxes.h"
#include "items/ItemLine.h"
#include "note/NoteTexts.h"

#include <array>

void Currency::pick(const QStringList& record, const QStringList& itemLines) {
    m_symbol = QStringLiteral("$");
    if (!record.isEmpty())
        m_symbol = ItemLine::symbolOf(record.first());
    else if (!itemLines.isEmpty())
        m_symbol = ItemLine::symbolOf(itemLines.first());
    if (itemLines.isEmpty()) m_symbol = QStringLiteral("$");
}

bool Currency::choose(int index, bool recordStarted, bool noteUsed) {
    static const std::array<QString, 3> kSymbols = {QStringLiteral("$"), QStringLiteral("€"),
                                                    QStringLiteral("£")};
    if (index < 0 || index >= int(kSymbols.size())) return false;
    if (recordStarted) {
        m_boxes.say(m_language(AppTexts::CurrencyOnlyBefore), Dialogs::Icon::Information);
        return false;
    }
    if (noteUsed) {
        m_boxes.say(m_language(NoteTexts::CancelCurrentFirst), Dialogs::Icon::Information);
        return false;
    }
    m_symbol = kSymbols[std::size_t(index)];
    return true;
}

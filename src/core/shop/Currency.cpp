#include "Currency.h"

#include "core/base/Boxes.h"
#include "core/shop/AppTexts.h"

#include <array>

QString Currency::symbolOf(QStringView firstLine) {
    for (const QString& s : {QStringLiteral("$"), QStringLiteral("€"), QStringLiteral("£")})
        if (firstLine.contains(s)) return s;
    return QStringLiteral("$");
}

void Currency::pick(const QStringList& record, const QStringList& itemLines) {
    m_symbol = QStringLiteral("$");
    if (!record.isEmpty())
        m_symbol = symbolOf(record.first());
    else if (!itemLines.isEmpty())
        m_symbol = symbolOf(itemLines.first());
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
        m_boxes.say(m_language(AppTexts::CancelCurrentFirst), Dialogs::Icon::Information);
        return false;
    }
    m_symbol = kSymbols[std::size_t(index)];
    return true;
}

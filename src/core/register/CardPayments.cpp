#include "CardPayments.h"

#include "core/base/Boxes.h"
#include "core/base/Numbers.h"
#include "core/note/NoteTexts.h"
#include "core/note/Notes.h"
#include "core/register/RegisterLines.h"
#include "core/register/RegisterTexts.h"
#include "core/shop/Currency.h"

CardPayments::CardPayments(const Language& language, Notes& notes, Currency& currency, Boxes& boxes)
    : m_language(language), m_notes(notes), m_currency(currency), m_boxes(boxes) {}

bool CardPayments::mayPay() {
    const int n = m_notes.current();
    if (!m_notes.at(n).used) return false;
    if (n == 0 || !m_notes.at(0).used) return true;
    m_boxes.say(m_language(NoteTexts::CompleteRecordFirst), Dialogs::Icon::Information);
    return false;
}

void CardPayments::closeByCard(int n, const QString& time) {
    m_notes.closeSale(n, RegisterLines::cardSale(time, m_currency.symbol(), m_notes.at(n).total, m_language));
}

std::optional<CardPayments::Entry> CardPayments::eCreditCard(const QString& time) {
    const QString& symbol = m_currency.symbol();
    const auto answer = m_boxes.askUntil(m_language(RegisterTexts::CardEntryPrompt) + u' ' + symbol,
                                         [](const QString& typed) { return Numbers::amount(typed) >= 0; });
    if (!answer) return std::nullopt;
    const double amount = Numbers::amount(*answer);
    if (amount <= 0) return Entry{RegisterLines::drawerOpened(time, m_language), false};
    Entry entry{RegisterLines::simpleCard(time, symbol, amount, m_language), true};
    m_notes.appendLine(0, entry.line);
    m_notes.selectLast(0);
    return entry;
}

void CardPayments::eSumCard() {
    if (m_notes.at(0).used) {
        m_boxes.say(m_language(NoteTexts::CompleteRecordFirst), Dialogs::Icon::Information);
        return;
    }
    const double sum = RegisterLines::cardSum(m_notes.at(0).lines, m_currency.symbol(), m_language);
    if (sum <= 0)
        m_boxes.say(m_language(RegisterTexts::NoCardSum), Dialogs::Icon::Information);
    else
        m_boxes.say(m_language(RegisterTexts::CardSum) + QStringLiteral(" [") + m_currency.symbol() +
                        Numbers::amountText(sum) + u']',
                    Dialogs::Icon::Information);
}

void CardPayments::eNumbCard() {
    const int count = RegisterLines::cardCount(m_notes.at(0).lines, m_language);
    if (count == 0)
        m_boxes.say(m_language(RegisterTexts::NoCardCount), Dialogs::Icon::Information);
    else
        m_boxes.say(m_language(RegisterTexts::CardCount) + QStringLiteral(" [") + QString::number(count) +
                        u']',
                    Dialogs::Icon::Information);
}

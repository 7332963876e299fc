#include "Amounts.h"

#include "core/base/Boxes.h"
#include "core/base/Numbers.h"
#include "core/note/NoteTexts.h"
#include "core/note/Notes.h"
#include "core/shop/Currency.h"
#include "core/shop/SettingsStore.h"

Amounts::Amounts(const Language& language, Notes& notes, Currency& currency, SettingsStore& settings,
                 Boxes& boxes)
    : m_language(language), m_notes(notes), m_currency(currency), m_settings(settings), m_boxes(boxes) {}

void Amounts::setTotalText(const QString& value) {
    m_totalText = value;
    // lblTotal1_Change: the change follows the total.
    const double total = Numbers::amount(m_totalText);
    const double cash = Numbers::amount(m_cashText);
    if (total <= 0 || cash <= 0) {
        setChangeText(QStringLiteral("0.00"));
        setChangeMoney(m_currency.symbol());
    } else {
        eCambio();
    }
    const bool visible = total != 0;
    if (visible != m_menuVisible) {
        m_menuVisible = visible;
        Q_EMIT menusChanged();
    }
    Q_EMIT changed();
}

void Amounts::setCashText(const QString& value) {
    m_cashText = value;
    Note& x = m_notes.front();
    x.cash = Numbers::amount(value);
    if (x.used) x.step = SaleStep::TypingCash;
    const double total = Numbers::amount(m_totalText);
    if (total > 0 && (x.cashEnough || total <= x.cash)) eCambio();
    Q_EMIT changed();
}

void Amounts::setChangeText(const QString& value) {
    m_changeText = value;
    m_notes.front().change = Numbers::amount(value);
    Q_EMIT changed();
}

void Amounts::setChangeMoney(const QString& value) {
    m_changeMoney = value;
    Q_EMIT changed();
}

QString Amounts::showTotal(const Note& note) {
    const QString shown = Numbers::amountText(note.total);
    setTotalText(shown);
    return shown;
}

void Amounts::showNote(const Note& note) {
    const double cash = note.cash;
    const double change = note.change;
    setTotalText(Numbers::format(note.total, Numbers::Picture::Plain));
    setCashText(Numbers::format(cash, Numbers::Picture::Plain));
    setChangeText(Numbers::format(change, Numbers::Picture::Plain));
}

void Amounts::clear() {
    setTotalText(QStringLiteral("0.00"));
    setCashText(QStringLiteral("0.00"));
    setChangeText(QStringLiteral("0.00"));
    setChangeMoney(m_currency.symbol());
}

void Amounts::cashFocusIn() {
    if (Numbers::amount(m_cashText) == 0) setCashText(QString());
}

void Amounts::cashFocusOut() {
    const double cash = Numbers::amount(m_cashText);
    setCashText(Numbers::format(cash, Numbers::Picture::Plain));
    if (cash >= 1000) setCashText(Numbers::format(cash, Numbers::Picture::Grouped));
}

void Amounts::eCambio() {
    Note& x = m_notes.front();
    if (!x.used) return;
    const double cash = Numbers::amount(m_cashText);
    // The change follows the total as shown (in cents), so the two always add up to the cash.
    const double shownTotal = Numbers::amount(Numbers::amountText(x.total));
    setChangeText(Numbers::format(cash - shownTotal, Numbers::Picture::Plain));
    const double c = Numbers::leading(m_changeText);
    if (c < 0) {
        setChangeText(m_language(NoteTexts::NotEnough));
        setChangeMoney(QString());
        x.cashEnough = false;
    } else if (c == 0) {
        setChangeText(m_language(NoteTexts::NoChange));
        setChangeMoney(QString());
        x.cashEnough = true;
        x.step = SaleStep::CashCovers;
        Q_EMIT saveWanted();
    } else {
        if (c >= 1000) setChangeText(Numbers::format(c, Numbers::Picture::Grouped));
        setChangeMoney(m_currency.symbol());
        x.cashEnough = true;
        x.step = SaleStep::CashCovers;
        const double top = m_settings.values().topNote.value_or(0.0);
        if (top > 0 && c > top && c != m_lastChange) {
            m_boxes.say(m_language(NoteTexts::VeryHighCash), Dialogs::Icon::Information);
            Q_EMIT cashFocusWanted();
        }
        Q_EMIT saveWanted();
    }
    m_lastChange = c;
}

QString Amounts::cashTicketText() const {
    return m_currency.symbol() + Numbers::amountText(Numbers::amount(m_cashText));
}

QString Amounts::changeTicketText() const {
    return m_currency.symbol() + Numbers::amountText(Numbers::amount(m_changeText));
}

void Amounts::payInCash() {
    if (m_notes.front().used) m_notes.front().step = SaleStep::TypingCash;
    Q_EMIT cashFocusWanted();
}

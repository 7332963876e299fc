#include "CashMovements.h"

#include "core/base/Boxes.h"
#include "core/base/Cp1252.h"
#include "core/base/Numbers.h"
#include "core/note/NoteTexts.h"
#include "core/note/Notes.h"
#include "core/register/RegisterLines.h"
#include "core/register/RegisterTexts.h"
#include "core/shop/Currency.h"

CashMovements::CashMovements(const Language& language, Notes& notes, Currency& currency, Boxes& boxes)
    : m_language(language), m_notes(notes), m_currency(currency), m_boxes(boxes) {}

bool CashMovements::mayBook(bool editorOnRegister) {
    if (!m_notes.at(0).used && !editorOnRegister) return true;
    m_boxes.say(m_language(NoteTexts::CompleteRecordFirst), Dialogs::Icon::Information);
    return false;
}

std::optional<QString> CashMovements::book(MovementKind kind, const QString& time) {
    const bool entry = kind == MovementKind::Entry;
    const QString& symbol = m_currency.symbol();
    const QString question =
        m_language(entry ? RegisterTexts::EntryPrompt : RegisterTexts::WithdrawalPrompt) + u' ' + symbol;
    const auto answer = m_boxes.askUntil(question, Numbers::acceptableAmount);
    if (!answer) return std::nullopt;
    const double amount = Numbers::amount(*answer);
    QString line;
    if (amount > 0) {
        // Cancel at the reason books nothing; OK with an empty reason books the movement without one.
        const auto typed = m_boxes.promptOrCancel(
            m_language(entry ? RegisterTexts::EntryReason : RegisterTexts::WithdrawalReason) +
            QStringLiteral(": "));
        if (!typed) return std::nullopt;
        const QString reason = storable(*typed);
        const QString booked = entry
                                   ? RegisterLines::cashEntry(time, symbol, amount, reason, m_language)
                                   : RegisterLines::cashWithdrawal(time, symbol, amount, reason, m_language);
        m_notes.appendLine(0, booked);
        // The notice carries the line up to its "]", without the reason.
        line = booked.left(booked.size() - reason.size() - 1);
    } else {
        line = RegisterLines::drawerOpened(time, m_language);
        m_notes.appendLine(0, line);
    }
    m_notes.selectLast(0);
    return line;
}

QString CashMovements::storable(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            out += u' ';
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += u'?';
            ++i;
        } else {
            out += Cp1252::canEncode(c) ? c : QChar(u'?');
        }
    }
    return out;
}

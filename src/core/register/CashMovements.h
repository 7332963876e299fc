#pragma once

#include "core/base/Language.h"

#include <QString>

#include <optional>

class Boxes;
class Currency;
class Notes;

// Money put into the drawer or taken out of it.
enum class MovementKind { Entry, Withdrawal };

// Money put into or taken out of the drawer without a sale: an amount, a reason, one line in the day
// register. An amount of 0 books that the drawer was opened without money changing hands.
class CashMovements {
public:
    CashMovements(const Language& language, Notes& notes, Currency& currency, Boxes& boxes);

    // A movement waits while a sale is open in the record note or the register is in the editor; the
    // refusal is shown. Simple card entries follow the same rule.
    bool mayBook(bool editorOnRegister);
    // Asks the amount (again while it is negative) and, above 0, the reason; appends the line to the
    // record note and selects it. The booked line without its reason, for the notice; nothing on a
    // blank answer.
    std::optional<QString> book(MovementKind kind, const QString& time);

    // A typed text as a register line can hold it: characters the file's code page lacks become "?",
    // line breaks become blanks.
    static QString storable(const QString& text);

private:
    Language m_language;
    Notes& m_notes;
    Currency& m_currency;
    Boxes& m_boxes;
};

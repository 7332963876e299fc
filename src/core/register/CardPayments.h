#pragma once

#include "core/base/Language.h"

#include <QString>

#include <optional>

class Boxes;
class Currency;
class Notes;

// Money paid by card never enters the drawer: card lines begin with asterisks and stay out of the
// cash total and the sale count. A note paid by card, a simple card entry, and their sum and count.
class CardPayments {
public:
    CardPayments(const Language& language, Notes& notes, Currency& currency, Boxes& boxes);

    // The note in front may be paid by card: it has open lines, and a side note waits while a sale is
    // open in the record note (the refusal is shown).
    bool mayPay();
    // The note's sale closes with its card line; a side note's lines move into the record note.
    void closeByCard(int n, const QString& time);

    // A simple card entry: the amount is asked (again while negative). Above 0 the card line is
    // appended to the record note; 0 gives the drawer-opened line for the notice only.
    struct Entry {
        QString line;
        bool booked = false;
    };
    std::optional<Entry> eCreditCard(const QString& time);

    // The messages with the sum and the number of the day's card lines.
    void eSumCard();
    void eNumbCard();

private:
    Language m_language;
    Notes& m_notes;
    Currency& m_currency;
    Boxes& m_boxes;
};

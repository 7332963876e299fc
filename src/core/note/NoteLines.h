#pragma once

#include "core/base/Language.h"

#include <QString>
#include <QStringList>

// Every line a note holds, and reading them back: item lines, discount and interest lines, the
// replay of a note's total after a line is cancelled, the cancel caption and the ticket's lines.
namespace NoteLines {

// True when lines begins with every line of prefix. Lines are compared by their storage first: a line
// that did not change is the very same string, so a day of lines costs a pointer comparison each.
bool startsWithLines(const QStringList& lines, const QStringList& prefix);

// A line to add to a note and what it adds to the running total.
struct Added {
    QString line;
    double amount = 0.0;
};

// "2 x MILK of $1.50 = $3.00", "2 x MILK of $1.50 (-10%) = $2.70", or "1 x BAG free" for no price.
// An empty description is written as the default item.
Added item(const QString& quantity, const QString& description, const QString& discount, double price,
           const QString& symbol, const Language& language);
// The description field holds the "(none)" placeholder (accents and case aside).
bool isPlaceholder(const QString& description, const QString& noneText);

// A discount or an interest: its line and what it does to the running total.
struct Adjustment {
    QString line;
    bool percent = false;
    double value = 0.0;
    int sign = -1; // -1 discount, +1 interest
    double applied(double total) const;
};
// An answer to the discount or interest prompt is taken when it is not negative and, as a percentage,
// not above 99.
bool acceptable(const QString& answer);
Adjustment discount(const QString& answer, const QString& symbol, const Language& language);
Adjustment interest(const QString& answer, const QString& symbol, const Language& language);

// The total of lines[first..] read back: item amounts added, adjustments applied with the value
// written in their line.
double replayTotal(const QStringList& lines, int first, const QString& symbol, const Language& language);

// A booking's own line ("---" or "***" first: a total, a movement, a card payment), which no cancel
// takes back.
bool isBooking(QStringView line);

// "Cancel [2 x MILK of $1.50]": the entry that cancels the line.
QString cancelCaption(const QString& line, const Language& language);

// The ticket's text of record[saleStart+1 .. last-1]: each line up to its "=", ended by CR LF.
QString ticketText(const QStringList& record, int saleStart);

} // namespace NoteLines

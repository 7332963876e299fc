#pragma once

#include "core/base/Language.h"

#include <QList>
#include <QString>
#include <QStringList>

class RegisterEntry;

// A day of the register at a glance: how many sales and movements of each kind, for how much, the
// cash the drawer should hold, and the counts of the drawer with their differences. It is what the
// X report (at any time), the Z report (at the cut) and a report over past days print; it is built
// from register entries only (RegisterEntry.h tells how a line is read) and changes nothing.
//
// The rules, in the order of the day's lines:
// - A sale total is a cash sale; its amount is the sale's total, never the cash the customer handed
//   over (the change given is not in the register at all).
// - A sale paid by card and a simple card entry are tallied apart; neither touches the cash.
// - Cash entries add to the cash, withdrawals subtract (their amounts are tallied positive).
// - A cancelled sale is counted and carries no amount. Lines of items, discounts and interest, the
//   drawer opened without money, and lines of no known kind count for nothing.
// - expectedCash is the register's cash total, added in the same order as the record tab's total, so
//   the two agree to the last bit.
// - A count of the drawer is compared with the cash total of the lines before it: what the record tab
//   showed when it was booked. Every count is kept in order; the last one is the day's count, the
//   earlier ones are superseded but stay listed. After a cut the register starts afresh, so a count
//   booked then is compared with the lines after the cut only.
struct DaySummary {
    struct Tally {
        int count = 0;
        double amount = 0.0;
    };

    // One count of the drawer.
    struct Count {
        QString time;          // "18:05", as the line carries it
        double counted = 0.0;  // the cash counted, from the line
        double expected = 0.0; // the cash total of the lines before the count
        // Counted minus expected, both taken to cents (CashCount::differenceOf).
        double difference() const;
    };

    Tally cashSales;
    Tally cardSales;
    Tally cardEntries;
    Tally entries;
    Tally withdrawals;
    int cancelled = 0;
    double expectedCash = 0.0;
    QList<Count> counts;

    // The day's count: the last one booked; nothing when the drawer was not counted.
    const Count* lastCount() const { return counts.isEmpty() ? nullptr : &counts.last(); }

    // The summary of entries read in the order of the day (a whole file read by RegisterEntry::readFile,
    // or the record note).
    static DaySummary of(const QList<RegisterEntry>& entries);
    // The summary of register lines read with the currency symbol and in the language given.
    static DaySummary of(const QStringList& lines, const QString& symbol, const Language& language);

    // One more entry, after those already added: a reader may build a summary line by line.
    void add(const RegisterEntry& entry);
};

#include "DaySummary.h"

#include "core/register/CashCount.h"
#include "core/register/RegisterEntry.h"

double DaySummary::Count::difference() const {
    return CashCount::differenceOf(counted, expected);
}

DaySummary DaySummary::of(const QList<RegisterEntry>& entries) {
    DaySummary summary;
    for (const RegisterEntry& entry : entries)
        summary.add(entry);
    return summary;
}

DaySummary DaySummary::of(const QStringList& lines, const QString& symbol, const Language& language) {
    DaySummary summary;
    for (const QString& line : lines)
        summary.add(RegisterEntry::read(line, symbol, language));
    return summary;
}

void DaySummary::add(const RegisterEntry& entry) {
    // The cash total as the record tab adds it, entry by entry in the order of the day; the other
    // kinds would add 0, which changes no sum.
    const auto tally = [&entry](Tally& t) {
        const double amount = entry.amount();
        ++t.count;
        t.amount += amount;
        return amount;
    };
    switch (entry.kind()) {
    case RegisterEntry::Kind::SaleTotal:
        expectedCash += tally(cashSales);
        break;
    case RegisterEntry::Kind::CashEntry:
        expectedCash += tally(entries);
        break;
    case RegisterEntry::Kind::CashWithdrawal:
        expectedCash += -tally(withdrawals);
        break;
    case RegisterEntry::Kind::CardSale:
        tally(cardSales);
        break;
    case RegisterEntry::Kind::SimpleCard:
        tally(cardEntries);
        break;
    case RegisterEntry::Kind::Cancelled:
        ++cancelled;
        break;
    case RegisterEntry::Kind::Count:
        counts.append(Count{entry.time(), entry.amount(), expectedCash});
        break;
    default:
        break;
    }
}

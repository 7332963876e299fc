#pragma once

#include "core/base/Language.h"
#include "core/register/RegisterEntry.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// One day of one shop folder read from its register files: what the reports sum (sales, movements,
// counts of the drawer, items sold, sales per hour) and the day's sales one by one.
//
// A sale is the lines after the previous operation's closing line up to its own closing line: a sale
// total ("[TOTAL …]", paid in cash) or a card sale. Its items count for the best sellers; the items of
// a cancelled sale, and of a sale left open at the end of a file, do not.
namespace SalesDay {

// The descriptions of the items sold, each kept once for the whole history.
class ItemNames {
public:
    int idOf(const QString& description);
    const QString& name(int id) const { return m_names[id]; }
    int size() const { return int(m_names.size()); }

private:
    QHash<QString, int> m_ids;
    QStringList m_names;
};

struct Tally {
    double quantity = 0.0;
    double amount = 0.0;
};

// A count of the drawer: the amount counted, and what the line says was expected and the difference
// (counted less expected), when it says so readably.
struct DrawerCount {
    QDate date;
    QString time;
    double counted = 0.0;
    std::optional<double> expected;
    std::optional<double> difference;
};

// One sale as the list of a day shows it; `ordinal` finds it again in its day's files.
struct SaleRow {
    QDate date;
    int folder = 0;
    int ordinal = 0;
    QString time;
    double amount = 0.0;
    bool card = false;
    int items = 0; // item lines
};

// One sale with its lines, for its ticket.
struct PastSale {
    SaleRow row;
    QStringList lines; // the sale's lines before its closing line, as written
    QString totalLine; // the closing line
    QString symbol;
    int firstLine = 0; // where the sale stands in its file: its first line and its closing line
    int closingLine = 0;
};

struct Summary {
    QDate date;
    int folder = 0;
    int cashSales = 0;
    double cashAmount = 0.0;
    int cardSales = 0;
    double cardAmount = 0.0;
    int cancelled = 0;
    int entries = 0;
    double entryAmount = 0.0;
    int withdrawals = 0;
    double withdrawalAmount = 0.0;
    int cardEntries = 0; // simple card entries, money by card without a sale
    double cardEntryAmount = 0.0;
    std::array<int, 24> hourSales{};
    std::array<double, 24> hourAmount{};
    QList<DrawerCount> counts;
    std::vector<std::pair<int, Tally>> items; // item id and its tally, by id
    int unreadable = 0;                       // files of the day that could not be read
};

// Where a day's lines come from: files, and the register in memory standing for the file it is saved to.
struct Sources {
    QStringList files;
    QString memoryFile;      // the file the lines in memory stand for (its name tells the language)
    QStringList memoryLines; // read after the files
};

struct Day {
    Summary summary;
    QList<SaleRow> sales;
    QList<PastSale> details; // only when asked for
};

// Reads the day's files, one pass over each file's entries.
Day read(const QDate& date, int folder, const Sources& sources, ItemNames& names, bool withDetails = false);

// The closed sale that the line `row` of a register in memory belongs to (one of its lines or its
// closing line); nothing for a line of no closed sale.
std::optional<PastSale> saleAt(const QStringList& lines, int row, const QString& symbol,
                               const Language& language);

// What a count line says after its brackets: the first amount is the expected one; the difference is
// the counted amount less it. A line that says less keeps its counted amount alone.
DrawerCount readCount(const RegisterEntry& entry, const QString& symbol);

// The hour of a "14:35" time; -1 when it cannot be read.
int hourOf(const QString& time);

} // namespace SalesDay

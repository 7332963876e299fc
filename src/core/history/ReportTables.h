#pragma once

#include "core/base/Language.h"
#include "core/history/History.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The report's tables, as the window shows them, the exports write them and the print-out lists them:
// the figures of a period, its best sellers and its sales.
namespace ReportTables {

// One figure: its name, how many and how much (either may be absent), and for a count of the drawer
// what was expected and the difference.
struct FigureRow {
    QString label;
    std::optional<int> count;
    std::optional<double> amount;
    std::optional<double> expected;
    std::optional<double> difference;
};
QList<FigureRow> figureRows(const History::Figures& figures, const Language& language);

// A folder as the report names it: its last name, or the whole path when that is empty.
QString folderName(const QString& folder);

// "$1,234.50" by the counter's amount rule.
QString money(double amount, const QString& symbol);

// The CSV files: RFC 4180 (fields with a comma, a quote or a line break quoted, quotes doubled, CR LF
// after every record), UTF-8 with a byte-order mark so that spreadsheet programs read the accents.
// Amounts are plain numbers with "." ("1234.5"), dates "2026-12-05". One file per table:
// - figures: folder, figure, number, amount, expected, difference; every folder together first, then
//   each folder on its own when there are several;
// - best sellers: description, quantity, amount, most sold first;
// - sales: date, time, folder, payment, amount, item lines.
QList<QStringList> figuresTable(const History& history, const Period& period, const Language& language);
QList<QStringList> bestSellersTable(const History& history, const Period& period, int folder,
                                    const Language& language);
QList<QStringList> salesTable(const History& history, const Period& period, int folder,
                              const Language& language);

QByteArray csv(const QList<QStringList>& rows);
// The records of a CSV text (a byte-order mark is passed over); for reading an export back.
QList<QStringList> parseCsv(const QByteArray& bytes);

} // namespace ReportTables

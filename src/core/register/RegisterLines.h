#pragma once

#include "core/base/Language.h"

#include <QString>
#include <QStringList>

// The kinds of line the day register holds, how each is written, and how the totals read them.
// Every reader scans the record note's lines; none reads the file.
namespace RegisterLines {

// ---- Writing ----
// "-----(14:35)------------------------------> [TOTAL $125.50]"
QString saleTotal(const QString& time, const QString& symbol, double amount);
// "-----(14:35)------------------------------> CANCELADO"
QString cancelled(const QString& time, const Language& language);
// "-----(09:05)-------> [RETIRO $50.00] cambio" (the reason may be empty: the line then ends in "] ")
QString cashEntry(const QString& time, const QString& symbol, double amount, const QString& reason,
                  const Language& language);
QString cashWithdrawal(const QString& time, const QString& symbol, double amount, const QString& reason,
                       const Language& language);
// "-----(09:05)-------> [CAJA ABIERTA]"
QString drawerOpened(const QString& time, const Language& language);
// "*****(18:41)**************************** [TARJETA $86.00]"
QString cardSale(const QString& time, const QString& symbol, double amount, const Language& language);
// "*****(18:41)********* [TARJETA $86.00]"
QString simpleCard(const QString& time, const QString& symbol, double amount, const Language& language);

// ---- Reading ----
// Cash lines begin with "---", card lines with "***".
bool isCashLine(const QString& line);
bool isCardLine(const QString& line);
// Lines that close an operation ("-", "*" or "=" first) rather than list an item.
bool closesOperation(const QString& line);

// The amount of a counted line: the text after the first currency symbol, commas removed, read as a
// leading number (it stops at the "]"); 0 when the line has no symbol.
double amountOf(QStringView line, const QString& symbol);

// Cash lines: a "TOTAL" adds, otherwise an entry adds, otherwise a withdrawal subtracts; keywords in
// the current language, found in the line whatever its case. The sum starts from `from`, the total of
// the lines before these.
double cashTotal(const QStringList& lines, const QString& symbol, const Language& language,
                 double from = 0.0);

// Cash lines holding "TOTAL".
int saleCount(const QStringList& lines);
// Card lines holding the card keyword.
double cardSum(const QStringList& lines, const QString& symbol, const Language& language);
int cardCount(const QStringList& lines, const Language& language);

} // namespace RegisterLines

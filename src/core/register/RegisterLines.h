#pragma once

#include "core/base/Language.h"

#include <QString>
#include <QStringList>

// The lines the day register holds, each written here, and the day's totals read from them. Every
// total reads the record note's lines; none reads the file.
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
// "=====(18:05)=====> [ARQUEO $1,450.00] esperado $1,462.50 faltante $12.50": the cash counted in the
// brackets, then the cash expected and the difference after its word ("sobrante", "faltante"), or
// "cuadra" alone when they agree. It begins with "=", so no cash or card total ever reads it.
QString cashCount(const QString& time, const QString& symbol, double counted, double expected,
                  const Language& language);

// ---- Reading ----
// The day's totals, each read from the lines as register entries (RegisterEntry.h tells how a line is
// read; keywords only inside the brackets, in the current language, in any case).

// Lines that close an operation ("-", "*" or "=" first) rather than list an item.
bool closesOperation(const QString& line);

// The cash the drawer should hold: sale totals and entries add, withdrawals subtract. The sum starts
// from `from`, the total of the lines before these.
double cashTotal(const QStringList& lines, const QString& symbol, const Language& language,
                 double from = 0.0);
// The sale totals (a sale paid by card has none).
int saleCount(const QStringList& lines, const Language& language);
// The card sales and simple card entries: their sum and their number.
double cardSum(const QStringList& lines, const QString& symbol, const Language& language);
int cardCount(const QStringList& lines, const Language& language);

} // namespace RegisterLines

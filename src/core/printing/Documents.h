#pragma once

#include "core/base/Language.h"
#include "core/printing/PrintDocument.h"
#include "core/register/CashCount.h"
#include "core/register/DaySummary.h"
#include "core/shop/ShopInfo.h"

#include <QString>
#include <QStringList>

#include <optional>

// The print-outs of the counter, built from plain values: the sale ticket (customer copy, single
// ticket or business copy), the register report, the notice of a cash movement and the shop's data.
// Every text break is CR LF; a PrintDocument prints a text holding CR LF as several lines.
namespace Documents {

// The shop's own lines as read from the shop information file.
struct Shop {
    QString name;    // the brand caption
    QString address; // line 2
    QString phone;   // line 3
    QString extra;   // line 4, printed in capitals
    QString remark;  // line 6, the series heading above the ticket number
    QString legend;  // line 7, the thank-you legend
};

// The shop's lines as the window read them at the load.
Shop shopOf(const ShopInfo& info);

// Everything a sale ticket prints.
struct TicketData {
    Shop shop;
    QString dateText;     // "05/12/2026"
    QString timeText;     // "14:35", the time of the sale
    int ticketNumber = 1; // the number this ticket carries; 0 for a sale whose number is not known
    QString itemText;     // the sale's item lines, each ended by CR LF
    QString cashText;     // "$500.00"; empty when not known (a past sale read from its register)
    QString changeText;   // "$104.00"
    bool paidByCard = false;
    QString symbol; // the currency symbol
    Language language;
};

// The series and number lines: the remark in capitals (when it is not blank) and "Ticket No. 007",
// each ended by CR LF. The number has at least three digits.
QString eSerie(const QString& remark, int number);

// The ticket's amount without symbol, from the sale's total line (the register's last line): the text
// after the first currency symbol up to the next one, without a closing "]". Nothing when the line has
// no symbol (the ticket cannot be made).
std::optional<QString> ticketAmount(const QString& totalLine, const QString& symbol);

// The ticket body: address, phone, extra line, date, time, series, "Descripción:" and the items. A
// ticket without a number carries the remark alone as its series.
QString ticketBody(const TicketData& data);

// One printed copy: the shop name in bold, the body, the amount in 10 points, cash and change (or the
// card note; neither for a cash sale whose cash is not known), the legend (nothing when it is empty) and the
// tail. `businessCopy` only sets the kind.
PrintDocument ticket(const TicketData& data, const QString& body, const QString& amount,
                     const QString& legend, bool businessCopy);
// The customer copy or single ticket (the shop's legend) and the business copy ("N-E-G-O-C-I-O").
PrintDocument customerTicket(const TicketData& data, const QString& amount);
PrintDocument businessTicket(const TicketData& data, const QString& amount);

// The register report: heading, every register line (an operation's closing line followed by an
// empty line), and the cash total.
struct ReportData {
    QString shopName;
    QString dateText;  // "05/12/2026"
    QString timeText;  // "14:35", now
    QStringList lines; // the record note
    QString symbol;
    Language language;
};
PrintDocument report(const ReportData& data);
// "TOTAL EN CAJA $1,500.00": the cash total of the register lines.
QString cashTotalText(const QStringList& lines, const QString& symbol, const Language& language);

// The text of a cash movement's notice: the series lines, "Movimiento:", the register line without its
// reason, fifteen line breaks and ".".
QString movementNotice(const QString& remark, int number, const QString& line, const Language& language);
// The notice: the shop name in bold, then the address (when not blank), an empty line and the text.
PrintDocument notice(const QString& shopName, const QString& address, const QString& info);

// The day's summary on a receipt, in a fixed-pitch font and in columns on `columns` characters (32 on
// 58 mm paper, 48 on 80 mm): cash sales, entries, withdrawals and the cash expected; card sales and
// simple card entries; cancelled sales; then the day's count of the drawer with its difference.
struct SummaryData {
    QString shopName;
    QString dateText; // "05/12/2026"
    QString timeText; // "18:05", now
    DaySummary summary;
    QString symbol;
    int columns = 48;
    Language language;
};
// Printed at any time, headed "CORTE X".
PrintDocument xReport(const SummaryData& data);
// Printed right after the cut's register report, headed "CORTE Z" and the split-off file's name.
PrintDocument zReport(const SummaryData& data, const QString& fileName);

// The notice of a count of the drawer: the shop's name and address, "ARQUEO DE CAJA", the date and
// time of the count, each banknote and coin counted (when counted so), the cash counted, expected and
// the difference; in columns as the summary.
struct CountNoticeData {
    QString shopName;
    QString address;
    QString dateText;
    QString timeText; // the time of the count
    CashCount count;
    int columns = 48;
    Language language;
};
PrintDocument countNotice(const CountNoticeData& data);

// The shop's data behind the user key: the name in bold, address, phone and extra line (each only when
// not blank), an empty line and "...".
PrintDocument shopData(const Shop& shop, const Language& language);

// The printer's test page: the shop name in bold, "PRUEBA DE IMPRESIÓN", the date and time, the accented
// letters and the euro sign, a ruler as wide as 58 mm paper (32 columns) and one as wide as 80 mm
// paper (48 columns), the amount size, and the tail. It opens the drawer where the printer has one on.
PrintDocument testPage(const QString& shopName, const QString& dateTimeText, const Language& language);

} // namespace Documents

#include "Documents.h"

#include "core/base/Numbers.h"
#include "core/printing/PrintTexts.h"
#include "core/register/RegisterLines.h"

namespace Documents {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString fontName() {
    return QString::fromLatin1(PrintTexts::FontName);
}

bool filled(const QString& text) {
    return !text.trimmed().isEmpty();
}

// "000": at least three digits, zero-padded; a minus sign stays in front.
QString threeDigits(int number) {
    const QString digits = QString::number(qAbs(qint64(number))).rightJustified(3, u'0');
    return number < 0 ? u'-' + digits : digits;
}

// Three empty lines, a line holding only "." and one more empty line: the tail that lets the
// paper be torn off below the text.
void tail(PrintDocument& document) {
    document.line(QString()).line(QString()).line(QString()).line(QStringLiteral(".")).line(QString());
}

// Columns of the summary and the count notice: a label on the left, a count right-aligned in its
// column and an amount right-aligned at the paper's edge. A text too long for its place pushes what
// follows to the right, one blank apart, and the printer wraps what passes the edge.
constexpr qsizetype kAmountWidth = 12;

QString row(const QString& label, const QString& count, const QString& amount, int columns) {
    QString line = label;
    const auto put = [&line](const QString& text, qsizetype end) {
        if (text.isEmpty()) return;
        const qsizetype at = end - text.size();
        line += line.size() < at ? QString(at - line.size(), u' ') : QStringLiteral(" ");
        line += text;
    };
    put(count, columns - kAmountWidth);
    put(amount, columns);
    return line;
}

QString money(const QString& symbol, double amount) {
    return symbol + Numbers::amountText(amount);
}

QString indented(const QString& label) {
    return QStringLiteral("  ") + label;
}

// The counted cash, the expected and the difference under its word ("Faltante $12.50").
void countRows(PrintDocument& document, double counted, double expected, const QString& symbol, int columns,
               const Language& language) {
    const double difference = CashCount::differenceOf(counted, expected);
    document.line(row(indented(language(PrintTexts::Counted)), {}, money(symbol, counted), columns));
    document.line(row(indented(language(PrintTexts::Expected)), {}, money(symbol, expected), columns));
    document.line(row(indented(language(CashCount::balanceWord(CashCount::balanceOf(difference)))), {},
                      money(symbol, qAbs(difference)), columns));
}

// The shop's name in bold over the fixed-pitch columns. At 6.5 points 48 columns fit the 72 mm that
// an 80 mm receipt prints on, also where a printer's dots round each character's width up.
PrintDocument columnsDocument(PrintDocument::Kind kind, const QString& shopName) {
    PrintDocument document(kind);
    document.font(QString::fromLatin1(PrintTexts::ColumnsFontName)).size(6.5).bold(true);
    document.line(QString());
    document.line(shopName.toUpper());
    document.bold(false);
    return document;
}

PrintDocument summary(PrintDocument::Kind kind, const SummaryData& data, const QString& fileName) {
    const Language& language = data.language;
    const DaySummary& day = data.summary;
    const int columns = data.columns;
    const QString rule(columns, u'-');
    const auto tally = [&](const Text& label, const DaySummary::Tally& t) {
        return row(indented(language(label)), QString::number(t.count), money(data.symbol, t.amount),
                   columns);
    };
    PrintDocument document = columnsDocument(kind, data.shopName);
    document.line(language(kind == PrintDocument::Kind::ZReport ? PrintTexts::ZReport : PrintTexts::XReport));
    if (!fileName.isEmpty()) document.line(fileName);
    document.line(data.dateText + u' ' + data.timeText);
    document.line(rule);
    document.line(language(PrintTexts::CashHeading));
    document.line(tally(PrintTexts::Sales, day.cashSales));
    document.line(tally(PrintTexts::Entries, day.entries));
    document.line(tally(PrintTexts::Withdrawals, day.withdrawals));
    document.line(
        row(indented(language(PrintTexts::Expected)), {}, money(data.symbol, day.expectedCash), columns));
    document.line(language(PrintTexts::CardHeading));
    document.line(tally(PrintTexts::Sales, day.cardSales));
    document.line(tally(PrintTexts::Entries, day.cardEntries));
    document.line(row(language(PrintTexts::CancelledSales), QString::number(day.cancelled), {}, columns));
    document.line(rule);
    if (const DaySummary::Count* count = day.lastCount()) {
        document.line(language(PrintTexts::CountHeading) + u' ' + count->time);
        countRows(document, count->counted, count->expected, data.symbol, columns, language);
    } else {
        document.line(language(PrintTexts::NoCount));
    }
    tail(document);
    return document;
}

} // namespace

Shop shopOf(const ShopInfo& info) {
    return Shop{info.brand, info.address, info.phone, info.extra, info.remark, info.legend};
}

QString eSerie(const QString& remark, int number) {
    const QString numberLine = QStringLiteral("Ticket No. ") + threeDigits(number) + kCrLf;
    return filled(remark) ? remark.toUpper() + kCrLf + numberLine : numberLine;
}

std::optional<QString> ticketAmount(const QString& totalLine, const QString& symbol) {
    const qsizetype at = symbol.isEmpty() ? -1 : totalLine.indexOf(symbol);
    if (at < 0) return std::nullopt;
    QString amount = totalLine.mid(at + symbol.size());
    const qsizetype next = amount.indexOf(symbol);
    if (next >= 0) amount.truncate(next);
    if (amount.endsWith(u']')) amount.chop(1);
    return amount;
}

QString ticketBody(const TicketData& data) {
    const Language& language = data.language;
    QString body;
    if (filled(data.shop.address)) body += data.shop.address + kCrLf;
    if (filled(data.shop.phone)) body += kCrLf + language(PrintTexts::Phone) + u' ' + data.shop.phone;
    if (filled(data.shop.extra)) body += kCrLf + data.shop.extra.toUpper();
    body += kCrLf + language(PrintTexts::Date) + u' ' + data.dateText;
    body += kCrLf + language(PrintTexts::Time) + u' ' + data.timeText + kCrLf;
    if (data.ticketNumber > 0)
        body += eSerie(data.shop.remark, data.ticketNumber);
    else if (filled(data.shop.remark))
        body += data.shop.remark.toUpper() + kCrLf;
    body += kCrLf + language(PrintTexts::Description);
    body += kCrLf + data.itemText;
    return body;
}

PrintDocument ticket(const TicketData& data, const QString& body, const QString& amount,
                     const QString& legend, bool businessCopy) {
    const Language& language = data.language;
    PrintDocument document(businessCopy ? PrintDocument::Kind::BusinessCopy : PrintDocument::Kind::Ticket);
    document.font(fontName()).size(7).bold(true);
    document.line(QString());
    document.line(data.shop.name.toUpper());
    document.bold(false).line(body);
    document.size(10).line(language(PrintTexts::Amount) + u' ' + data.symbol + amount);
    document.size(7);
    if (data.paidByCard) {
        document.line(language(PrintTexts::CardPurchase));
    } else if (!data.cashText.isEmpty()) {
        document.line(language(PrintTexts::Cash) + u' ' + data.cashText);
        document.line(language(PrintTexts::Change) + u' ' + data.changeText);
    }
    if (!legend.isEmpty()) document.line(QString()).line(legend);
    tail(document);
    return document;
}

PrintDocument customerTicket(const TicketData& data, const QString& amount) {
    return ticket(data, ticketBody(data), amount, data.shop.legend, false);
}

PrintDocument businessTicket(const TicketData& data, const QString& amount) {
    return ticket(data, ticketBody(data), amount, data.language(PrintTexts::BusinessLegend), true);
}

QString cashTotalText(const QStringList& lines, const QString& symbol, const Language& language) {
    return language(PrintTexts::CashTotal) + u' ' + symbol +
           Numbers::amountText(RegisterLines::cashTotal(lines, symbol, language));
}

PrintDocument report(const ReportData& data) {
    const QString heading = data.shopName.toUpper() + kCrLf + data.language(PrintTexts::Registry) +
                            QStringLiteral(" - ") + data.dateText + u' ' + data.timeText + kCrLf;
    QString body;
    for (const QString& line : data.lines) {
        body += line + kCrLf;
        if (RegisterLines::closesOperation(line)) body += kCrLf;
    }
    PrintDocument document(PrintDocument::Kind::Report);
    document.font(fontName()).size(8);
    document.line(QString());
    document.line(heading);
    document.size(5).line(body);
    document.size(8).line(cashTotalText(data.lines, data.symbol, data.language));
    document.line(kCrLf + kCrLf + u'.');
    document.line(QString());
    return document;
}

QString movementNotice(const QString& remark, int number, const QString& line, const Language& language) {
    return eSerie(remark, number) + kCrLf + language(PrintTexts::Movement) + u':' + kCrLf + line +
           kCrLf.repeated(15) + u'.';
}

PrintDocument notice(const QString& shopName, const QString& address, const QString& info) {
    QString text = kCrLf + info;
    if (filled(address)) text = address + kCrLf + text;
    PrintDocument document(PrintDocument::Kind::Notice);
    document.font(fontName()).size(7).bold(true);
    document.line(QString());
    document.line(shopName.toUpper());
    document.bold(false).line(text);
    return document;
}

PrintDocument xReport(const SummaryData& data) {
    return summary(PrintDocument::Kind::XReport, data, QString());
}

PrintDocument zReport(const SummaryData& data, const QString& fileName) {
    return summary(PrintDocument::Kind::ZReport, data, fileName);
}

PrintDocument countNotice(const CountNoticeData& data) {
    const Language& language = data.language;
    const CashCount& count = data.count;
    const QString rule(data.columns, u'-');
    PrintDocument document = columnsDocument(PrintDocument::Kind::CountNotice, data.shopName);
    if (filled(data.address)) document.line(data.address);
    document.line(QString());
    document.line(language(PrintTexts::CountTitle));
    document.line(data.dateText + u' ' + data.timeText);
    document.line(rule);
    if (count.byDenomination()) {
        for (const CashCount::Row& r : count.rows())
            if (r.pieces > 0)
                document.line(row(indented(CashCount::denominationText(count.symbol(), r.cents)),
                                  QString::number(r.pieces),
                                  money(count.symbol(), double(r.valueCents()) / 100.0), data.columns));
        document.line(rule);
    }
    countRows(document, count.counted(), count.expected(), count.symbol(), data.columns, language);
    tail(document);
    return document;
}

PrintDocument shopData(const Shop& shop, const Language& language) {
    QString block;
    if (filled(shop.address)) block += shop.address + kCrLf;
    if (filled(shop.phone)) block += kCrLf + language(PrintTexts::Phone) + u' ' + shop.phone;
    if (filled(shop.extra)) block += kCrLf + shop.extra.toUpper();
    PrintDocument document(PrintDocument::Kind::ShopData);
    document.font(fontName()).size(9);
    document.line(QString());
    document.bold(true).line(shop.name.toUpper());
    document.bold(false).line(block);
    document.line(QString());
    document.line(QStringLiteral("..."));
    return document;
}

PrintDocument testPage(const QString& shopName, const QString& dateTimeText, const Language& language) {
    PrintDocument document(PrintDocument::Kind::TestPage);
    document.setOpensDrawer(true);
    document.font(fontName()).size(7).bold(true);
    document.line(QString());
    document.line(shopName.toUpper());
    document.bold(false).line(language(PrintTexts::TestPage));
    document.line(dateTimeText);
    document.line(QString::fromUtf8("áéíóú ÁÉÍÓÚ ñÑ üÜ ¿? ¡! €"));
    for (const int columns : {32, 48}) {
        QString ruler;
        for (int i = 1; i <= columns; ++i)
            ruler += i % 10 == 0 ? QChar(u'0' + i / 10 % 10) : i % 5 == 0 ? u'+' : u'-';
        document.line(QString::number(columns) + u' ' + language(PrintTexts::Columns) + u':').line(ruler);
    }
    document.size(10).line(QStringLiteral("1234567890")).size(7);
    tail(document);
    return document;
}

} // namespace Documents

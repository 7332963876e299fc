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

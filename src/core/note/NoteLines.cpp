#include "NoteLines.h"

#include "core/base/Numbers.h"
#include "core/note/NoteTexts.h"

namespace NoteLines {

Added item(const QString& quantity, const QString& description, const QString& discount, double price,
           const QString& symbol, const Language& language) {
    const QString shown = description.trimmed().isEmpty() ? language(NoteTexts::DefaultItem) : description;
    if (price <= 0) return {quantity + QStringLiteral(" x ") + shown + u' ' + language(NoteTexts::Free), 0.0};
    const Numbers::Picture picture = Numbers::pictureFor(price);
    QString line = quantity + QStringLiteral(" x ") + shown + language(NoteTexts::Of) + symbol +
                   Numbers::format(price, picture);
    const double d = Numbers::leading(discount);
    const double q = Numbers::leading(quantity);
    double amount = q * price;
    if (d == 0) {
        line += QStringLiteral(" = ");
    } else {
        amount = (1.0 - d / 100.0) * price * q;
        line += QString(QStringLiteral(" (-") + discount + QStringLiteral("%) = "))
                    .replace(QLatin1String("--"), QLatin1String("+"));
    }
    line += symbol + Numbers::format(amount, picture);
    return {line, amount};
}

bool isPlaceholder(const QString& description, const QString& noneText) {
    QString test = description.toUpper().trimmed();
    test.replace(u'Ó', u'O');
    return test == noneText.toUpper();
}

double Adjustment::applied(double total) const {
    return percent ? total * (1.0 + sign * value / 100.0) : total + sign * value;
}

bool acceptable(const QString& answer) {
    const double v = Numbers::amount(QString(answer).remove(u'%'));
    return v >= 0 && !(answer.contains(u'%') && v > 99);
}

Adjustment discount(const QString& answer, const QString& symbol, const Language& language) {
    const QString given = answer.trimmed();
    Adjustment a;
    a.percent = given.contains(u'%');
    a.value = Numbers::amount(QString(given).remove(u'%'));
    a.sign = -1;
    a.line = a.percent
                 ? QStringLiteral("     -") + Numbers::plain(a.value) + language(NoteTexts::PercentDiscount)
                 : QStringLiteral("     -") + symbol + given + language(NoteTexts::AmountDiscount);
    return a;
}

Adjustment interest(const QString& answer, const QString& symbol, const Language& language) {
    Adjustment a;
    a.percent = answer.contains(u'%');
    a.value = Numbers::amount(QString(answer).remove(u'%'));
    a.sign = 1;
    a.line = a.percent
                 ? QStringLiteral("     +") + Numbers::plain(a.value) + language(NoteTexts::PercentInterest)
                 : QStringLiteral("     +") + symbol + Numbers::plain(a.value) +
                       language(NoteTexts::AmountInterest);
    return a;
}

double replayTotal(const QStringList& lines, int first, const QString& symbol, const Language& language) {
    const QString discountWord = language(NoteTexts::AmountDiscount);
    const QString interestWord = language(NoteTexts::ReplayInterest);
    double total = 0.0;
    for (int i = std::max(first, 0); i < int(lines.size()); ++i) {
        const QString& line = lines[i];
        if (line.contains(discountWord) || line.contains(interestWord)) {
            // The value written in the line: a percentage before its "%", an amount otherwise.
            if (const qsizetype pct = line.indexOf(u'%'); pct >= 0)
                total *= 1.0 + Numbers::leading(QStringView(line).left(pct)) / 100.0;
            else
                total += Numbers::amount(QString(line).remove(symbol));
        } else if (const qsizetype at = line.lastIndexOf(symbol); at >= 0) {
            total += Numbers::amount(line.mid(at + symbol.size()));
        }
    }
    return total;
}

bool isBooking(QStringView line) {
    return line.startsWith(u"---") || line.startsWith(u"***");
}

QString cancelCaption(const QString& line, const Language& language) {
    const qsizetype eq = line.indexOf(QLatin1String(" = "));
    return language(NoteTexts::CancelLine) + QStringLiteral(" [") +
           (eq < 0 ? line : line.left(eq)).trimmed() + u']';
}

QString ticketText(const QStringList& record, int saleStart) {
    QString text;
    for (int i = saleStart + 1; i <= int(record.size()) - 2; ++i) {
        const QString& line = record[i];
        const qsizetype eq = line.indexOf(u'=');
        text += (eq < 0 ? line : line.left(eq)) + QStringLiteral("\r\n");
    }
    return text;
}

bool startsWithLines(const QStringList& lines, const QStringList& prefix) {
    if (lines.size() < prefix.size()) return false;
    for (qsizetype i = 0; i < prefix.size(); ++i)
        if (lines[i].constData() != prefix[i].constData() && lines[i] != prefix[i]) return false;
    return true;
}

} // namespace NoteLines

#include "Config.h"

#include "core/base/Cp1252.h"
#include "core/base/Numbers.h"

#include <cmath>

namespace Config {

namespace {

QString lineAt(const QStringList& lines, int index) {
    return index < lines.size() ? lines[index] : QString();
}

bool checked(const QString& line) {
    return Numbers::leading(line) >= 1;
}

std::optional<double> optionalAmount(const QString& line) {
    if (line.isEmpty()) return std::nullopt;
    return Numbers::amount(line);
}

QString optionalText(const std::optional<double>& value) {
    return value ? Numbers::plain(*value) : QString();
}

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// The number made of the digit followed by the decimal digits of the position.
int positionNumber(char digit, int position) {
    return QString(QLatin1Char(digit) + QString::number(position)).toInt();
}

const QString kScrambledOne = Cp1252::decode(QByteArray(1, char(60)));

} // namespace

QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate parseDate(const QString& text) {
    const QString trimmed = text.trimmed();
    QDate date = QDate::fromString(trimmed, QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid()) date = QDate::fromString(trimmed, QStringLiteral("d/M/yyyy"));
    return date;
}

QString scramble(const QString& digits) {
    QByteArray out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const QChar c = digits[i];
        if (c < u'0' || c > u'9') return kScrambledOne;
        const int position = int(i) + 1;
        if (position > 9) return kScrambledOne;
        const int code = c.unicode() + positionNumber(char(c.unicode()), position);
        if (code > 255) return kScrambledOne;
        out.append(char(code));
    }
    return Cp1252::decode(out);
}

QString unscramble(const QString& text) {
    const QByteArray bytes = Cp1252::encode(text);
    if (bytes.isEmpty() || bytes.size() > 9) return QStringLiteral("1");
    QString digits;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int code = static_cast<unsigned char>(bytes[i]);
        const int position = int(i) + 1;
        bool found = false;
        for (char d = '0'; d <= '9' && !found; ++d) {
            if (d + positionNumber(d, position) == code) {
                digits += QLatin1Char(d);
                found = true;
            }
        }
        if (!found) return QStringLiteral("1");
    }
    return digits;
}

void apply(const QStringList& lines, const QDate& today, Settings& settings) {
    if (checked(lineAt(lines, 0))) settings.backToRecord = true;
    if (checked(lineAt(lines, 1))) settings.printTickets = true;
    if (checked(lineAt(lines, 2))) settings.doubleTicket = true;

    const QDate saved = parseDate(lineAt(lines, 4));
    if (!saved.isValid()) {
        settings.ticketNumber = 1;
        return;
    }
    const QString scrambled = lineAt(lines, 3);
    if (saved == today && !scrambled.isEmpty()) {
        const double number = std::round(Numbers::leading(unscramble(scrambled)));
        settings.ticketNumber = qint64(number);
    } else {
        settings.ticketNumber = 1;
    }
    if (checked(lineAt(lines, 7))) settings.seeStock = true;
    settings.cashLimit = optionalAmount(lineAt(lines, 8));
    settings.topNote = optionalAmount(lineAt(lines, 9));
}

QStringList lines(const Settings& settings, const QDate& today, const QString& userKey,
                  const QString& language) {
    return {flag(settings.backToRecord),
            flag(settings.printTickets),
            flag(settings.doubleTicket),
            scramble(QString::number(settings.ticketNumber)),
            dateText(today),
            userKey,
            language,
            flag(settings.seeStock),
            optionalText(settings.cashLimit),
            optionalText(settings.topNote)};
}

} // namespace Config

#include "ItemLine.h"

#include "core/base/Numbers.h"
#include "core/items/ItemTexts.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace ItemLine {

namespace {

constexpr QStringView kStockEnd = u"] ";

// Piece 1 of a text split at a separator: between its first and second occurrence, or to the end.
std::optional<QStringView> secondPiece(QStringView text, QStringView separator) {
    const qsizetype first = text.indexOf(separator);
    if (first < 0) return std::nullopt;
    const qsizetype start = first + separator.size();
    const qsizetype next = text.indexOf(separator, start);
    return next < 0 ? text.mid(start) : text.mid(start, next - start);
}

double numberWithout(QStringView text, QStringView removed) {
    QString clean = text.toString();
    for (const QChar c : removed)
        clean.remove(c);
    return Numbers::leading(clean);
}

bool writable(double value) {
    return std::isfinite(value) && std::fabs(value) < kLargest;
}

// The difference of two typed numbers without the binary noise of the subtraction (0.3 - 0.1 is 0.2,
// not 0.19999999999999998): rounded to fifteen significant digits of the larger operand.
double tidyDifference(double a, double b) {
    const double difference = a - b;
    const double scale = std::max(std::fabs(a), std::fabs(b));
    if (!std::isfinite(difference) || scale == 0.0) return difference;
    const double decimals = std::clamp(14.0 - std::floor(std::log10(scale)), 0.0, 15.0);
    const double factor = std::pow(10.0, decimals);
    const double rounded = std::round(difference * factor) / factor;
    return rounded == 0.0 ? 0.0 : rounded;
}

} // namespace

bool isItem(QStringView line, QStringView symbol) {
    return !symbol.isEmpty() && line.contains(symbol);
}

QString shownForm(const QString& line, bool seeStock) {
    if (seeStock) return line;
    const auto piece = secondPiece(line, kStockEnd);
    return piece ? piece->toString() : line;
}

std::optional<QString> description(QStringView shownLine, QStringView symbol, bool seeStock) {
    if (!isItem(shownLine, symbol)) return std::nullopt;
    QStringView item = shownLine.left(shownLine.indexOf(symbol));
    if (seeStock) {
        const auto piece = secondPiece(item, u"]");
        if (!piece) return std::nullopt;
        item = *piece;
    }
    return item.trimmed().toString();
}

double price(QStringView line, QStringView symbol) {
    if (!isItem(line, symbol)) return 0.0;
    return numberWithout(*secondPiece(line, symbol), u",");
}

double stock(QStringView line) {
    const qsizetype close = line.indexOf(u']');
    return numberWithout(close < 0 ? line : line.left(close), u"[,");
}

std::optional<QString> rest(QStringView line) {
    const qsizetype at = line.indexOf(kStockEnd);
    if (at < 0) return std::nullopt;
    return line.mid(at + kStockEnd.size()).trimmed().toString();
}

QString key(QStringView description, QStringView symbol) {
    QString out = description.trimmed().toString();
    out += QLatin1Char(' ');
    out += symbol.trimmed();
    return out;
}

std::optional<QStringView> barcode(QStringView line, QStringView symbol) {
    if (!isItem(line, symbol)) return std::nullopt;
    const QStringView after = line.mid(line.indexOf(symbol) + symbol.size());
    const qsizetype hash = after.indexOf(u'#');
    if (hash < 0) return std::nullopt;
    return after.mid(hash + 1).trimmed();
}

bool matchesKey(QStringView line, QStringView key, QStringView symbol) {
    return line.contains(key) && line.contains(symbol);
}

std::optional<QString> stockText(double stock) {
    if (!writable(stock)) return std::nullopt;
    if (stock == 0.0) return QStringLiteral("0");
    return QString::number(stock, 'f', QLocale::FloatingPointShortest);
}

std::optional<QString> withStockLowered(QStringView line, double quantity) {
    const auto after = rest(line);
    if (!after) return std::nullopt;
    const auto text = stockText(tidyDifference(stock(line), quantity));
    if (!text) return std::nullopt;
    QString rebuilt = QStringLiteral("[");
    rebuilt += *text;
    rebuilt += kStockEnd;
    rebuilt += *after;
    return rebuilt;
}

std::optional<PricePieces> pricePieces(QStringView line, QStringView symbol) {
    if (!isItem(line, symbol)) return std::nullopt;
    const qsizetype at = line.indexOf(symbol);
    const QStringView after = line.mid(at + symbol.size());
    if (after.contains(symbol) || line.left(at).contains(u'#')) return std::nullopt;
    PricePieces pieces;
    pieces.head = line.left(at);
    pieces.price = numberWithout(after, u",");
    const qsizetype hash = after.indexOf(u'#');
    if (hash >= 0) pieces.barcode = after.mid(hash + 1);
    return pieces;
}

std::optional<QString> withPrice(const PricePieces& pieces, QStringView symbol, double price) {
    if (!writable(price)) return std::nullopt;
    QString line = pieces.head.toString();
    line += symbol;
    line += Numbers::format(price, Numbers::Picture::Plain);
    if (pieces.barcode) {
        line += QLatin1String(" #");
        line += *pieces.barcode;
    }
    return line;
}

QString defaultLine(const Language& language, QStringView symbol) {
    QString line = language(ItemTexts::DefaultListLine);
    line += symbol;
    line += QLatin1String("198.00");
    return line;
}

} // namespace ItemLine

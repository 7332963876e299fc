#pragma once

#include "core/base/Language.h"

#include <QString>
#include <QStringView>

#include <optional>

// One line of the item list, taken apart and written back by its fixed separators:
//
//     "[" stock "] " description symbol price [" #" barcode]      e.g. [3] CUADERNO €25.50 #750
//
// The stock ends at the first "] "; the first currency symbol ends the description; the price follows
// the symbol at once; everything after the first "#" is the barcode. There is no record type: every
// reader works on the text with the functions below, so they all agree on what a line holds.
namespace ItemLine {

// Numbers of this size and above are never written back into a line (they would no longer read back
// as the same number): the line is then left as it stands.
inline constexpr double kLargest = 1e15;

// A line is an item when it holds the currency symbol of the list.
bool isItem(QStringView line, QStringView symbol);

// How a line reads in the shown list: the whole line while the stock is shown; otherwise the text
// between the first "] " and the next one (or the end), or the whole line when it has no "] ".
QString shownForm(const QString& line, bool seeStock);

// The description of a shown line, as the entry fields take it: the text before the first symbol;
// while the stock is shown, only its part between the first "]" and the next "]" (or its end);
// trimmed. Nothing when the line is no item, or when the stock is shown and that text has no "]".
std::optional<QString> description(QStringView shownLine, QStringView symbol, bool seeStock);

// The price of a line: the number of the text between the first symbol and the next one (or the end),
// with every "," removed. 0 when the line is no item.
double price(QStringView line, QStringView symbol);

// The stock of a full line: the number of the text before the first "]", with every "[" and ","
// removed. A line without stock reads 0.
double stock(QStringView line);

// The text after the first "] ", trimmed; nothing when the line has no "] " (and so no stock).
std::optional<QString> rest(QStringView line);

// The barcode of an item line: the text after the first "#" that follows its first symbol, without
// blanks at either end. Nothing when the line is no item or has no "#" after the symbol.
std::optional<QStringView> barcode(QStringView line, QStringView symbol);

// The key under which a sold item is looked for: the trimmed description, one blank, the symbol.
QString key(QStringView description, QStringView symbol);

// Whether a line is the one a key looks for: it holds the key and the symbol. Exact comparison:
// case and accents count.
bool matchesKey(QStringView line, QStringView key, QStringView symbol);

// A stock as written into a line: the shortest decimal text of the number, no thousands separator, no
// trailing zeros, a minus sign for negatives (8, -2, 7.5). Nothing when it is too large to write.
std::optional<QString> stockText(double stock);

// The line after selling a quantity of it: "[" new stock "] " + the rest (see rest()). Nothing when the
// line has no "] " or the new stock is too large to write.
std::optional<QString> withStockLowered(QStringView line, double quantity);

// What the price change takes from a line and puts back around the new price.
struct PricePieces {
    QStringView head;                   // everything before the symbol, kept as it stands
    double price = 0;                   // the old price, read with thousands commas removed
    std::optional<QStringView> barcode; // the text after the first "#"
};
// Nothing when the line cannot take a new price without losing or doubling text: it is no item, it
// holds the symbol more than once, or a "#" stands before the symbol.
std::optional<PricePieces> pricePieces(QStringView line, QStringView symbol);

// The head, the symbol, the price in the picture "0.00", then " #" and the barcode when there is one.
// Nothing when the price is too large to write.
std::optional<QString> withPrice(const PricePieces& pieces, QStringView symbol, double price);

// The line a new list starts with: "[10] ARTÍCULO $198.00" / "[10] ITEM $198.00".
QString defaultLine(const Language& language, QStringView symbol);

} // namespace ItemLine

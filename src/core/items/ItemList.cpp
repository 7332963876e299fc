#include "ItemList.h"

#include "core/base/Numbers.h"
#include "core/base/TextFile.h"
#include "core/items/Folding.h"
#include "core/items/ItemLine.h"
#include "core/items/ItemTexts.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace {

enum class SaleLine { Skip, Broken, Item };

// The text before the first occurrence of the separator, or the whole text.
QStringView beforeFirst(QStringView text, const QString& separator) {
    const qsizetype at = text.indexOf(separator);
    return at < 0 ? text : text.left(at);
}

// Takes a note line of the sale apart: "Q x D de $P = $A". Lines without " x " and the symbol are
// skipped; a line that holds them but no " x " before its price is broken.
SaleLine readSaleLine(const QString& line, const QString& symbol, const QString& ofWord, double& quantity,
                      QString& key) {
    const QLatin1String times(" x ");
    if (!line.contains(times) || !line.contains(symbol)) return SaleLine::Skip;
    const QStringView a = beforeFirst(line, QLatin1String(" = ") + symbol);
    const QStringView b = beforeFirst(a, ofWord + symbol);
    const qsizetype x = b.indexOf(times);
    if (x < 0) return SaleLine::Broken;
    // The quantity is read as the sale's line was charged: up to the first character that is not
    // part of a number.
    quantity = Numbers::leading(b.left(x).toString());
    QStringView description = b.mid(x + times.size());
    const qsizetype nextX = description.indexOf(times);
    if (nextX >= 0) description = description.left(nextX);
    key = ItemLine::key(description, symbol);
    return SaleLine::Item;
}

} // namespace

void ItemList::setLines(const QStringList& lines) {
    m_lines = lines;
    m_folded.assign(m_lines);
    showAll();
}

void ItemList::replaceLine(int index, const QString& line) {
    if (index < 0 || index >= count() || m_lines[index] == line) return;
    m_lines[index] = line;
    m_folded.update(m_lines, {index});
}

int ItemList::findBarcode(QStringView code, const QString& symbol) const {
    if (code.isEmpty()) return -1;
    int found = -1;
    for (int i = 0; i < count(); ++i) {
        if (!m_lines[i].contains(code)) continue; // the cheap test first: most lines hold no such text
        const auto barcode = ItemLine::barcode(m_lines[i], symbol);
        if (!barcode || *barcode != code) continue;
        if (found >= 0) return -1;
        found = i;
    }
    return found;
}

int ItemList::findItem(const QString& key, const QString& symbol) const {
    // A line that holds the key also holds it folded, so the folded copies point out the only lines
    // worth comparing exactly.
    // (A key that starts or ends inside a surrogate pair folds apart from the line, so it is compared
    // line by line.)
    const bool cutPair = !key.isEmpty() && (key.front().isLowSurrogate() || key.back().isHighSurrogate());
    if (cutPair) {
        for (int i = 0; i < count(); ++i)
            if (ItemLine::matchesKey(m_lines[i], key, symbol)) return i;
        return -1;
    }
    QByteArray folded;
    Folding::appendUtf8(key, folded);
    for (int i = m_folded.findFrom(folded, 0); i >= 0; i = m_folded.findFrom(folded, i + 1))
        if (ItemLine::matchesKey(m_lines[i], key, symbol)) return i;
    return -1;
}

QString ItemList::shownForm(const QString& line, bool seeStock) {
    return ItemLine::shownForm(line, seeStock);
}

int ItemList::shownCount() const {
    return m_placeholder.isEmpty() ? int(m_shown.size()) : 1;
}

QString ItemList::shownLine(int row) const {
    if (!m_placeholder.isEmpty()) return row == 0 ? m_placeholder : QString();
    if (row < 0 || row >= int(m_shown.size())) return {};
    return shownForm(m_lines[m_shown[std::size_t(row)]], m_seeStock);
}

int ItemList::fullIndexOfShown(int row) const {
    if (!m_placeholder.isEmpty() || row < 0 || row >= int(m_shown.size())) return -1;
    return m_shown[std::size_t(row)];
}

int ItemList::shownRowOf(int fullIndex) const {
    if (!m_placeholder.isEmpty()) return -1;
    const auto at = std::lower_bound(m_shown.begin(), m_shown.end(), fullIndex);
    return at != m_shown.end() && *at == fullIndex ? int(at - m_shown.begin()) : -1;
}

void ItemList::showAll() {
    m_placeholder.clear();
    m_shown.resize(std::size_t(m_lines.size()));
    for (int i = 0; i < int(m_shown.size()); ++i)
        m_shown[std::size_t(i)] = i;
}

void ItemList::showPlaceholder(const QString& text) {
    m_shown.clear();
    m_placeholder = text;
}

ItemList::Filtered ItemList::filter(QStringView query, const QString& noMatchesText,
                                    const QString& noItemsText) {
    if (m_lines.isEmpty()) {
        showPlaceholder(noItemsText);
        return Filtered::EmptyList;
    }
    m_placeholder.clear();
    m_folded.search(FoldedLines::words(query), m_shown);
    if (!m_shown.empty()) return Filtered::Hits;
    showPlaceholder(noMatchesText);
    return Filtered::NoMatches;
}

ItemList::Filtered ItemList::filter(QStringView query, const Language& language) {
    return filter(query, language(ItemTexts::NoMatches), language(ItemTexts::NoItems));
}

ItemList::StockMove ItemList::moveStock(const QStringList& saleLines, const QString& symbol,
                                        const QString& ofWord) {
    StockMove move;
    if (symbol.isEmpty()) return move;
    for (int i = 0; i < int(saleLines.size()); ++i) {
        double quantity = 0;
        QString key;
        const SaleLine kind = readSaleLine(saleLines[i], symbol, ofWord, quantity, key);
        if (kind == SaleLine::Skip) continue;
        if (kind == SaleLine::Broken) {
            move.failedAt = i;
            return move;
        }
        const int found = findItem(key, symbol);
        if (found < 0) continue;
        const auto rebuilt = ItemLine::withStockLowered(m_lines[found], quantity);
        if (!rebuilt) {
            move.failedAt = i;
            return move;
        }
        replaceLine(found, *rebuilt);
        move.changed.push_back(found);
    }
    return move;
}

std::optional<double> ItemList::inventoryValue(const QString& symbol) const {
    double sum = 0;
    for (const QString& line : m_lines) {
        if (!line.startsWith(u'[')) continue;
        const qsizetype close = line.indexOf(u']');
        if (close < 0) continue;
        const QStringView after = QStringView(line).mid(close + 1);
        const qsizetype at = after.indexOf(symbol);
        if (symbol.isEmpty() || at < 0) return std::nullopt;
        const double stock = Numbers::amount(line.mid(1, close - 1));
        const double price = Numbers::amount(after.mid(at + symbol.size()).toString());
        sum += stock * price;
    }
    if (!std::isfinite(sum)) return std::nullopt;
    return sum;
}

QString ItemList::inventoryValueText(double value) {
    using Numbers::Picture;
    if (value > -1000.0 && value < 1000.0) return Numbers::format(value, Picture::Plain);
    if (value <= -1000000.0 || value >= 1000000.0) return Numbers::format(value, Picture::Millions);
    return Numbers::format(value, Picture::Grouped);
}

ItemList::PriceChange ItemList::readPriceChange(const QString& answer) {
    PriceChange change;
    change.percent = answer.contains(u'%');
    const double v = Numbers::amount(QString(answer).remove(u'%'));
    if (v < 0 || (change.percent && v > 99)) {
        change.kind = PriceChange::Kind::AskAgain;
    } else if (answer.trimmed().isEmpty()) {
        change.kind = PriceChange::Kind::Cancel;
    } else {
        change.kind = PriceChange::Kind::Change;
        change.value = change.percent ? v / 100.0 : v;
    }
    return change;
}

std::vector<int> ItemList::changePrices(const PriceChange& change, bool raise, const QString& symbol) {
    std::vector<int> changed;
    if (change.kind != PriceChange::Kind::Change) return changed;
    for (int i = 0; i < count(); ++i) {
        const auto pieces = ItemLine::pricePieces(m_lines[i], symbol);
        if (!pieces) continue;
        const double step = change.percent ? pieces->price * change.value : change.value;
        const auto rebuilt =
            ItemLine::withPrice(*pieces, symbol, raise ? pieces->price + step : pieces->price - step);
        if (!rebuilt || *rebuilt == m_lines[i]) continue;
        m_lines[i] = *rebuilt;
        changed.push_back(i);
    }
    m_folded.update(m_lines, changed);
    if (!m_lines.isEmpty()) showAll();
    return changed;
}

int ItemList::pricesBelowZero(const PriceChange& change, bool raise, const QString& symbol) const {
    if (change.kind != PriceChange::Kind::Change || raise) return 0;
    int below = 0;
    for (const QString& line : m_lines) {
        const auto pieces = ItemLine::pricePieces(line, symbol);
        if (!pieces) continue;
        const double step = change.percent ? pieces->price * change.value : change.value;
        if (Numbers::amount(Numbers::amountText(pieces->price - step)) < 0) ++below;
    }
    return below;
}

QString ItemList::filePath(const QString& folder, const Language& language) {
    return QDir(folder).filePath(language(ItemTexts::ItemListFile));
}

bool ItemList::load(const QString& path) {
    const auto read = TextFile::readLines(path);
    setLines(read.value_or(QStringList()));
    return read.has_value();
}

bool ItemList::save(const QString& path, QString* error) const {
    if (m_lines.isEmpty()) {
        if (TextFile::removeIfExists(path)) return true;
        if (error) *error = QStringLiteral("the old list file could not be deleted");
        return false;
    }
    return TextFile::saveLines(path, m_lines, error);
}

bool ItemList::create(const QString& path, const Language& language, const QString& symbol, QString* error) {
    return TextFile::saveLines(path, {ItemLine::defaultLine(language, symbol)}, error);
}

#pragma once

#include "core/base/Language.h"
#include "core/items/FoldedLines.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The shop's price list: the full list of item lines as the file holds them (the master copy: every
// search, stock movement and save works on it), and the shown list the cashier sees. The shown list
// is a list of rows, each naming a line of the full list and reading as that line's shown form, or a
// single placeholder line ("No hay elementos.", "No hay coincidencias."). A shown row always reads as
// its line does now: a line that changes changes its row with it.
//
// The syntax of a line is ItemLine's. Message boxes, prompts and the list file's name belong to the
// caller: these functions return what happened and the caller tells the cashier.
class ItemList {
public:
    // ---- The full list ----
    const QStringList& lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }
    int count() const { return int(m_lines.size()); }
    // Replaces the whole list (file read, editor save) and shows every line.
    void setLines(const QStringList& lines);
    // Puts a line in place of the one at index; the list keeps its order and the shown rows stay.
    void replaceLine(int index, const QString& line);
    // The first line, from the top, that holds the key and the symbol (ItemLine::key); -1 when none does.
    int findItem(const QString& key, const QString& symbol) const;
    // The one item line whose barcode (ItemLine::barcode) is exactly the code; -1 when no line or more
    // than one has it, so a scan never rings up a line it cannot tell apart.
    int findBarcode(QStringView code, const QString& symbol) const;

    // ---- The shown list ----
    // Whether shown lines keep their stock ("[10] ") in front. Switching it keeps the same rows (the
    // search tests whole lines, however they are shown); only how they read changes.
    bool seeStock() const { return m_seeStock; }
    void setSeeStock(bool on) { m_seeStock = on; }

    // The shown form of a line (ItemLine::shownForm).
    static QString shownForm(const QString& line, bool seeStock);

    int shownCount() const;
    QString shownLine(int row) const;
    // The full-list index behind a shown row, or -1 for a placeholder line.
    int fullIndexOfShown(int row) const;
    // The shown row of a full-list line, or -1 when it is not shown.
    int shownRowOf(int fullIndex) const;
    // Shows every line of the full list.
    void showAll();
    // Shows a single placeholder line ("No hay elementos.").
    void showPlaceholder(const QString& text);

    // ---- Search ----
    enum class Filtered {
        Hits,      // the shown list holds the hits, in full-list order
        NoMatches, // no line is a hit: the shown list holds only the no-match line
        EmptyList  // the full list is empty: the shown list holds only the empty-list line
    };
    // Shows the lines in which every blank-separated word of the query occurs (folded: case and the
    // accents of á é í ó ú do not count; the whole line is searched, stock, price and barcode
    // included). An empty query shows every line. Every line is tested on every call.
    Filtered filter(QStringView query, const QString& noMatchesText, const QString& noItemsText);
    // The same with the placeholder lines of the language ("No hay coincidencias.", "No hay elementos.").
    Filtered filter(QStringView query, const Language& language);

    // ---- Stock movement ----
    struct StockMove {
        // -1 when every sale line was handled; otherwise the sale line at which the movement stopped
        // because the sold line or the item line found for it could not be taken apart or written back
        // (for example an item line without "] "). Lines changed before it stay changed.
        int failedAt = -1;
        // The full-list lines rewritten, in the order of the sale (a line sold twice appears twice).
        std::vector<int> changed;
        bool ok() const { return failedAt < 0; }
    };
    // Lowers the stock of every item sold. saleLines are the note lines of the sale; symbol is the
    // list's currency symbol and ofWord the " de " / " of " of the note lines. A sold line moves the
    // stock of the first line from the top that holds its key; lines without " x " and the symbol (free
    // items, adjustments, totals) and items missing from the list move nothing. Stock may go negative
    // or fractional. The caller saves the list when the movement is ok, and shows its error otherwise.
    StockMove moveStock(const QStringList& saleLines, const QString& symbol, const QString& ofWord);

    // ---- Inventory value ----
    // The sum of stock times price over every line that begins with "[" and holds "]" (prices and
    // stocks read with thousands commas removed). Nothing when such a line has no symbol after its "]",
    // or when the sum is too large to be a number.
    std::optional<double> inventoryValue(const QString& symbol) const;
    // The value in its picture: "0.00" within ±1000, "0,000,000.00" from a million on (either sign),
    // "0,000.00" in between.
    static QString inventoryValueText(double value);

    // ---- Price change ----
    struct PriceChange {
        enum class Kind {
            AskAgain, // a negative number, or a percentage above 99: the prompt is shown again
            Cancel,   // an empty answer (or a cancelled prompt): nothing changes, nothing is saved
            Change
        };
        Kind kind = Kind::Cancel;
        bool percent = false;
        double value = 0; // the amount, or the percentage as a fraction (5% is 0.05)
    };
    // Reads the answer to the price change prompt: a percentage when it holds "%", otherwise an
    // amount; its number is read with every "%" and "," removed (an answer that is no number is 0).
    static PriceChange readPriceChange(const QString& answer);
    // Raises or lowers the price of every item line, writing each new price in the picture "0.00" and
    // keeping the barcode; lines that are no items, that cannot take a price (ItemLine::pricePieces)
    // or whose new price would be too large stay as they are. Then shows every line again (a running
    // search is not applied again). Returns the lines that changed; the caller saves the list.
    std::vector<int> changePrices(const PriceChange& change, bool raise, const QString& symbol);
    // How many items the change would leave with a price below 0 (a decrease larger than a price).
    int pricesBelowZero(const PriceChange& change, bool raise, const QString& symbol) const;

    // ---- The list file ----
    // "VL Lista.txt" / "VL List.txt" in the shop's folder.
    static QString filePath(const QString& folder, const Language& language);
    // Reads the file; false when it cannot be read (the lists are then empty).
    bool load(const QString& path);
    // Writes the full list, every line ended by CR LF, replacing the file safely; an empty list deletes
    // the file instead. False when the file could not be written (or deleted).
    bool save(const QString& path, QString* error = nullptr) const;
    // Writes a new list file holding only the default line (ItemLine::defaultLine).
    static bool create(const QString& path, const Language& language, const QString& symbol,
                       QString* error = nullptr);

private:
    QStringList m_lines;
    FoldedLines m_folded;
    bool m_seeStock = false;
    std::vector<int> m_shown; // full-list indexes, ascending
    QString m_placeholder;
};

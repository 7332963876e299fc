#pragma once

#include "core/base/Language.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One line of the day register read as a value: what kind of line it is, when it was booked, the money
// it carries and, for a line of a sale, the item it lists. Every reader of the register (the totals, the
// counts, the reports) reads its lines through RegisterEntry::read; none looks at a line's text itself.
//
// How a line is read, in the language and with the currency symbol given:
// - A line beginning with "---" is a cash line, with "***" a card line, with "=" a count line. Any
//   other line is a line of a sale (item, discount, interest) or of no known kind.
// - The keyword of a cash or card line is read only inside its first "[...]", the piece the program
//   writes, in any letter case; a "[" without its "]" runs to the end of the line. What follows the
//   "]" (a movement's reason) is never read for a keyword, so a withdrawal for "pago total" stays a
//   withdrawal. On a cash line "TOTAL" comes first, then the entry word, the withdrawal word and the
//   drawer-opened words. A cash line is a cancelled sale when the cancel word stands before any "[";
//   no other kind is read outside brackets.
// - The amount of a cash, card or count line is the leading number after the currency symbol inside
//   the brackets, commas removed; a line whose brackets hold no symbol (another currency) carries 0.
// - Keywords are those of the language given only: a Spanish register read in English counts nothing
//   but its totals.
// Nothing is ever refused: a line of no known kind, empty, cut short or hand-edited reads as Other.
//
// An entry keeps its line and where its pieces stand in it; the texts and numbers are taken from the
// line when asked, so reading a whole day costs no more than finding each line's kind.
class RegisterEntry {
public:
    enum class Kind {
        Other,     // unknown, hand-written or cut short: read by no total
        Item,      // "2 x PAN de $12.50 = $25.00", "2 x PAN de $12.50 (-10%) = $22.50", "1 x BOLSA gratis"
        Discount,  // "     -10% de descuento", "     -$20 de descuento"
        Interest,  // "     +16% de interés", "     +$20 de interés"
        SaleTotal, // "-----(14:35)------------------------------> [TOTAL $125.50]"
        Cancelled, // "-----(14:35)------------------------------> CANCELADO"
        CashEntry, // "-----(09:05)-------> [INGRESO $50.00] cambio"
        CashWithdrawal, // "-----(09:05)-------> [RETIRO $50.00] banco"
        DrawerOpened,   // "-----(09:05)-------> [CAJA ABIERTA]"
        CardSale,   // "*****(18:41)**************************** [TARJETA $86.00]": 28 "*" or more before "["
        SimpleCard, // "*****(18:41)********* [TARJETA $86.00]": any other card line with the card word
        Count,      // any line beginning with "=": the drawer counted; no total reads it
    };

    // An empty line: Other.
    RegisterEntry() = default;
    // The one parser: a register line as an entry.
    static RegisterEntry read(const QString& line, const QString& symbol, const Language& language);

    // The language a register file was written in, told by its name (a path is fine): "SALES #…" is
    // English; "VENTAS #…" and the older "Ventas de …" are Spanish, split-off and recovered files
    // included. Nothing for any other name.
    static std::optional<Language> languageOfFile(const QString& fileName);
    // A register file's lines as entries: the language told by the file's name, the symbol by its first
    // line (as the counter tells the day's currency). Nothing when the name is no register file's.
    static std::optional<QList<RegisterEntry>> readFile(const QString& fileName, const QStringList& lines);

    Kind kind() const { return m_kind; }
    const QString& line() const { return m_line; }

    // "14:35": what stands between the "(" and ")" before the brackets of a cash, card or count line;
    // empty for every other line.
    QString time() const;
    // Positive as written, the kind gives the sign. Sale total, movements, card lines and count lines:
    // the bracketed amount. Item: the line's amount (0 when free). Discount and interest given as an
    // amount: that amount. 0 for every other line.
    double amount() const;
    // What the line does to the cash the drawer should hold: a sale total and an entry add their
    // amount, a withdrawal subtracts it; every other line 0.
    double cash() const;
    // The text after the "]" of a sale total, movement, card or count line, less the blank written
    // before it: a movement's reason. Empty for every other line.
    QString reason() const;

    // Item lines (0 or empty for every other line).
    // The leading number of the quantity as typed ("2", "1.5").
    double quantity() const;
    // The description as written between " x " and the last " de $" (" of $") before the " = ", or
    // before " gratis" (" free").
    QString description() const;
    // The unit price; 0 when free.
    double unitPrice() const;
    // Item: the discount in per cent, negative for a surcharge written "(+5%)". Discount and interest
    // lines given in per cent: that per cent (positive). 0 otherwise.
    double percent() const;

private:
    explicit RegisterEntry(const QString& line) : m_line(line) {}
    struct Words;
    void readBooking(QStringView line, const QString& symbol, const Words& words);
    void readSaleLine(QStringView line, const QString& symbol, const Words& words);

    QString m_line;
    Kind m_kind = Kind::Other;
    // Where the pieces stand in m_line: [at, end), at = -1 when the line has none.
    qint32 m_timeAt = -1, m_timeEnd = -1;
    qint32 m_moneyAt = -1, m_moneyEnd = -1;
    qint32 m_reasonAt = -1;
    qint32 m_quantityEnd = -1;
    qint32 m_descriptionAt = -1, m_descriptionEnd = -1;
    qint32 m_priceAt = -1, m_priceEnd = -1;
    qint32 m_percentAt = -1, m_percentEnd = -1;
    qint8 m_percentSign = 1;
};

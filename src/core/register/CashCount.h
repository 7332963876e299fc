#pragma once

#include "core/base/Language.h"

#include <QList>
#include <QString>

// The drawer counted against what it should hold. The cashier either types the counted cash whole or
// counts it by denomination, one row per banknote and coin of the currency in use; the difference
// tells whether the drawer is over, short or balanced.
//
// Amounts are compared as they are shown: the expected and the counted cash are each taken to cents
// (the amount text's rounding) before they are subtracted, so the difference on the screen, in the
// register line and on the notice is always the shown counted minus the shown expected.
class CashCount {
public:
    enum class Balance { Balanced, Over, Short };

    // One banknote or coin: its value in cents and the pieces counted.
    struct Row {
        qint64 cents = 0;
        int pieces = 0;
        qint64 valueCents() const { return cents * pieces; }
    };

    CashCount() = default;
    // A count of the drawer in this currency, against the cash it should hold; nothing counted yet.
    CashCount(const QString& symbol, double expected);

    const QString& symbol() const { return m_symbol; }
    double expected() const { return m_expected; }
    void setExpected(double expected) { m_expected = expected; }

    // The counted cash typed whole; the rows are emptied.
    void setTyped(double amount);
    // The pieces of one row (out of range: nothing); while any row holds pieces the counted cash is
    // the rows' sum.
    void setPieces(int row, int pieces);
    const QList<Row>& rows() const { return m_rows; }
    bool byDenomination() const;

    double counted() const;
    // Counted minus expected, both taken to cents first.
    double difference() const { return differenceOf(counted(), m_expected); }
    Balance balance() const { return balanceOf(difference()); }

    // The rule for any pair of amounts, also for counts read back from a register.
    static double differenceOf(double counted, double expected);
    static Balance balanceOf(double difference);
    // "Sobrante" / "Over", "Faltante" / "Short", "Cuadra" / "Balanced".
    static const Text& balanceWord(Balance balance);

    // The banknotes and coins of a currency, highest first, in cents: "$" 1000 … 0.50, "€" 500 … 0.01,
    // "£" 50 … 0.01; any other symbol has those of "$".
    static QList<qint64> denominations(const QString& symbol);
    // A banknote or coin as printed and shown: "$1,000", "$20", "€0.50".
    static QString denominationText(const QString& symbol, qint64 cents);

private:
    QString m_symbol = QStringLiteral("$");
    double m_expected = 0.0;
    double m_typed = 0.0;
    QList<Row> m_rows;
};

#include "CashCount.h"

#include "core/base/Numbers.h"
#include "core/register/RegisterTexts.h"

#include <cmath>

namespace {

// An amount in whole cents as its amount text shows it (half a cent away from zero). Amounts beyond
// any drawer are held at a bound that whole cents still hold.
qint64 shownCents(double amount) {
    constexpr double kBound = 1e15;
    return std::llround(qBound(-kBound, Numbers::amount(Numbers::amountText(amount)), kBound) * 100.0);
}

} // namespace

CashCount::CashCount(const QString& symbol, double expected) : m_symbol(symbol), m_expected(expected) {
    for (const qint64 cents : denominations(symbol))
        m_rows.append(Row{cents, 0});
}

void CashCount::setTyped(double amount) {
    m_typed = amount;
    for (Row& row : m_rows)
        row.pieces = 0;
}

void CashCount::setPieces(int row, int pieces) {
    if (row < 0 || row >= m_rows.size()) return;
    m_rows[row].pieces = qMax(0, pieces);
}

bool CashCount::byDenomination() const {
    for (const Row& row : m_rows)
        if (row.pieces > 0) return true;
    return false;
}

double CashCount::counted() const {
    if (!byDenomination()) return m_typed;
    qint64 cents = 0;
    for (const Row& row : m_rows)
        cents += row.valueCents();
    return double(cents) / 100.0;
}

double CashCount::differenceOf(double counted, double expected) {
    return double(shownCents(counted) - shownCents(expected)) / 100.0;
}

CashCount::Balance CashCount::balanceOf(double difference) {
    if (difference > 0.0) return Balance::Over;
    if (difference < 0.0) return Balance::Short;
    return Balance::Balanced;
}

const Text& CashCount::balanceWord(Balance balance) {
    switch (balance) {
    case Balance::Over:
        return RegisterTexts::Over;
    case Balance::Short:
        return RegisterTexts::Short;
    case Balance::Balanced:
        break;
    }
    return RegisterTexts::Balanced;
}

QList<qint64> CashCount::denominations(const QString& symbol) {
    if (symbol == QStringLiteral("€"))
        return {50000, 20000, 10000, 5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1};
    if (symbol == QStringLiteral("£")) return {5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1};
    return {100000, 50000, 20000, 10000, 5000, 2000, 1000, 500, 200, 100, 50};
}

QString CashCount::denominationText(const QString& symbol, qint64 cents) {
    if (cents % 100 != 0) return symbol + Numbers::format(double(cents) / 100.0, Numbers::Picture::Plain);
    const QString whole = Numbers::amountText(double(cents / 100));
    return symbol + whole.left(whole.size() - 3); // without ".00"
}

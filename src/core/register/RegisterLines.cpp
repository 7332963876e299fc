#include "RegisterLines.h"

#include "app/Numbers.h"
#include "register/RegisterTexts.h"

namespace RegisterLines {

namespace {

const QString kSaleBridge = QStringLiteral(")------------------------------> ");
const QString kMoveBridge = QStringLiteral(")-------> [");
const QString kCardSaleBridge = QStringLiteral(")**************************** [");
const QString kSimpleCardBridge = QStringLiteral(")********* [");
const QString kCashOpen = QStringLiteral("-----(");
const QString kCardOpen = QStringLiteral("*****(");

QString movement(const QString& time, const QString& keyword, const QString& symbol, double amount,
                 const QString& reason) {
    return kCashOpen + time + kMoveBridge + keyword + u' ' + symbol + Numbers::amountText(amount) +
           QStringLiteral("] ") + reason;
}

} // namespace

QString saleTotal(const QString& time, const QString& symbol, double amount) {
    return kCashOpen + time + kSaleBridge + QStringLiteral("[TOTAL ") + symbol + Numbers::amountText(amount) +
           u']';
}

QString cancelled(const QString& time, const Language& language) {
    return kCashOpen + time + kSaleBridge + language(RegisterTexts::Cancelled);
}

QString cashEntry(const QString& time, const QString& symbol, double amount, const QString& reason,
                  const Language& language) {
    return movement(time, language(RegisterTexts::EntryWord), symbol, amount, reason);
}

QString cashWithdrawal(const QString& time, const QString& symbol, double amount, const QString& reason,
                       const Language& language) {
    return movement(time, language(RegisterTexts::WithdrawalWord), symbol, amount, reason);
}

QString drawerOpened(const QString& time, const Language& language) {
    return kCashOpen + time + kMoveBridge + language(RegisterTexts::OpenCash) + u']';
}

QString cardSale(const QString& time, const QString& symbol, double amount, const Language& language) {
    return kCardOpen + time + kCardSaleBridge + language(RegisterTexts::CardWord) + u' ' + symbol +
           Numbers::amountText(amount) + u']';
}

QString simpleCard(const QString& time, const QString& symbol, double amount, const Language& language) {
    return kCardOpen + time + kSimpleCardBridge + language(RegisterTexts::CardWord) + u' ' + symbol +
           Numbers::amountText(amount) + u']';
}

bool isCashLine(const QString& line) {
    return line.startsWith(QLatin1String("---"));
}
bool isCardLine(const QString& line) {
    return line.startsWith(QLatin1String("***"));
}

bool closesOperation(const QString& line) {
    return line.startsWith(u'-') || line.startsWith(u'*') || line.startsWith(u'=');
}

double amountOf(const QString& line, const QString& symbol) {
    const qsizetype at = symbol.isEmpty() ? -1 : line.indexOf(symbol);
    if (at < 0) return 0.0;
    QString after = line.mid(at + symbol.size());
    const qsizetype next = after.indexOf(symbol);
    if (next >= 0) after.truncate(next);
    return Numbers::amount(after);
}

double cashTotal(const QStringList& lines, const QString& symbol, const Language& language) {
    const QString entry = language(RegisterTexts::EntryWord);
    const QString withdrawal = language(RegisterTexts::WithdrawalWord);
    double total = 0.0;
    for (const QString& line : lines) {
        if (!isCashLine(line)) continue;
        const QString upper = line.toUpper();
        if (upper.contains(QLatin1String("TOTAL")) || upper.contains(entry))
            total += amountOf(line, symbol);
        else if (upper.contains(withdrawal))
            total -= amountOf(line, symbol);
    }
    return total;
}

int saleCount(const QStringList& lines) {
    int count = 0;
    for (const QString& line : lines)
        if (isCashLine(line) && line.toUpper().contains(QLatin1String("TOTAL"))) ++count;
    return count;
}

double cardSum(const QStringList& lines, const QString& symbol, const Language& language) {
    const QString card = language(RegisterTexts::CardWord);
    double sum = 0.0;
    for (const QString& line : lines)
        if (isCardLine(line) && line.toUpper().contains(card)) sum += amountOf(line, symbol);
    return sum;
}

int cardCount(const QStringList& lines, const Language& language) {
    const QString card = language(RegisterTexts::CardWord);
    int count = 0;
    for (const QString& line : lines)
        if (isCardLine(line) && line.toUpper().contains(card)) ++count;
    return count;
}

} // namespace RegisterLines

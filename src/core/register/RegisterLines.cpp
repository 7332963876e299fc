#include "RegisterLines.h"

#include "core/base/Numbers.h"
#include "core/register/CashCount.h"
#include "core/register/RegisterEntry.h"
#include "core/register/RegisterTexts.h"

namespace RegisterLines {

namespace {

const QString kSaleBridge = QStringLiteral(")------------------------------> ");
const QString kMoveBridge = QStringLiteral(")-------> [");
const QString kCardSaleBridge = QStringLiteral(")**************************** [");
const QString kSimpleCardBridge = QStringLiteral(")********* [");
const QString kCashOpen = QStringLiteral("-----(");
const QString kCardOpen = QStringLiteral("*****(");
const QString kCountOpen = QStringLiteral("=====(");
const QString kCountBridge = QStringLiteral(")=====> [");
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

QString cashCount(const QString& time, const QString& symbol, double counted, double expected,
                  const Language& language) {
    const double difference = CashCount::differenceOf(counted, expected);
    const CashCount::Balance balance = CashCount::balanceOf(difference);
    QString line = kCountOpen + time + kCountBridge + language(RegisterTexts::CountWord) + u' ' + symbol +
                   Numbers::amountText(counted) + QStringLiteral("] ") +
                   language(RegisterTexts::CountExpected) + u' ' + symbol + Numbers::amountText(expected) +
                   u' ' + language(CashCount::balanceWord(balance)).toLower();
    if (balance != CashCount::Balance::Balanced)
        line += u' ' + symbol + Numbers::amountText(qAbs(difference));
    return line;
}

bool closesOperation(const QString& line) {
    if (line.isEmpty()) return false;
    const QChar first = line.front();
    return first == u'-' || first == u'*' || first == u'=';
}

double cashTotal(const QStringList& lines, const QString& symbol, const Language& language, double from) {
    double total = from;
    for (const QString& line : lines)
        total += RegisterEntry::read(line, symbol, language).cash();
    return total;
}

int saleCount(const QStringList& lines, const Language& language) {
    int count = 0;
    for (const QString& line : lines) // a sale total needs no amount to be counted
        if (RegisterEntry::read(line, QString(), language).kind() == RegisterEntry::Kind::SaleTotal) ++count;
    return count;
}

namespace {
bool isCard(const RegisterEntry& entry) {
    return entry.kind() == RegisterEntry::Kind::CardSale || entry.kind() == RegisterEntry::Kind::SimpleCard;
}
} // namespace

double cardSum(const QStringList& lines, const QString& symbol, const Language& language) {
    double sum = 0.0;
    for (const QString& line : lines)
        if (const RegisterEntry entry = RegisterEntry::read(line, symbol, language); isCard(entry))
            sum += entry.amount();
    return sum;
}

int cardCount(const QStringList& lines, const Language& language) {
    int count = 0;
    for (const QString& line : lines)
        if (isCard(RegisterEntry::read(line, QString(), language))) ++count;
    return count;
}

} // namespace RegisterLines

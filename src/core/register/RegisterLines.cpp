#include "RegisterLines.h"

#include "core/base/Numbers.h"
#include "core/register/RegisterTexts.h"

namespace RegisterLines {

namespace {

const QString kSaleBridge = QStringLiteral(")------------------------------> ");
const QString kMoveBridge = QStringLiteral(")-------> [");
const QString kCardSaleBridge = QStringLiteral(")**************************** [");
const QString kSimpleCardBridge = QStringLiteral(")********* [");
const QString kCashOpen = QStringLiteral("-----(");
const QString kCardOpen = QStringLiteral("*****(");
const QString kTotalWord = QStringLiteral("TOTAL");

// The keywords are upper-case letters; a line holds one whatever the case it was typed in. No copy of the
// line is made: the day's sums run over the whole register after every booking.
char16_t upper(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return u >= u'a' && u <= u'z' ? char16_t(u - 0x20) : u;
    return QChar::toUpper(u);
}

bool hasWord(QStringView line, QStringView word) {
    const qsizetype n = line.size();
    const qsizetype m = word.size();
    for (qsizetype i = 0; i + m <= n; ++i) {
        qsizetype j = 0;
        while (j < m && upper(line[i + j]) == word[j].unicode())
            ++j;
        if (j == m) return true;
    }
    return false;
}

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
    return line.size() >= 3 && line[0] == u'-' && line[1] == u'-' && line[2] == u'-';
}
bool isCardLine(const QString& line) {
    return line.size() >= 3 && line[0] == u'*' && line[1] == u'*' && line[2] == u'*';
}

bool closesOperation(const QString& line) {
    return line.startsWith(u'-') || line.startsWith(u'*') || line.startsWith(u'=');
}

double amountOf(QStringView line, const QString& symbol) {
    const qsizetype at = symbol.isEmpty() ? -1 : line.indexOf(symbol);
    if (at < 0) return 0.0;
    QStringView after = line.sliced(at + symbol.size());
    const qsizetype next = after.indexOf(symbol);
    if (next >= 0) after.truncate(next);
    return Numbers::amount(after);
}

double cashTotal(const QStringList& lines, const QString& symbol, const Language& language, double from) {
    const QString entry = language(RegisterTexts::EntryWord);
    const QString withdrawal = language(RegisterTexts::WithdrawalWord);
    double total = from;
    for (const QString& line : lines) {
        if (!isCashLine(line)) continue;
        if (hasWord(line, kTotalWord) || hasWord(line, entry))
            total += amountOf(line, symbol);
        else if (hasWord(line, withdrawal))
            total -= amountOf(line, symbol);
    }
    return total;
}

int saleCount(const QStringList& lines) {
    int count = 0;
    for (const QString& line : lines)
        if (isCashLine(line) && hasWord(line, kTotalWord)) ++count;
    return count;
}

double cardSum(const QStringList& lines, const QString& symbol, const Language& language) {
    const QString card = language(RegisterTexts::CardWord);
    double sum = 0.0;
    for (const QString& line : lines)
        if (isCardLine(line) && hasWord(line, card)) sum += amountOf(line, symbol);
    return sum;
}

int cardCount(const QStringList& lines, const Language& language) {
    const QString card = language(RegisterTexts::CardWord);
    int count = 0;
    for (const QString& line : lines)
        if (isCardLine(line) && hasWord(line, card)) ++count;
    return count;
}

} // namespace RegisterLines

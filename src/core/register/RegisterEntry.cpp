#include "RegisterEntry.h"

#include "core/base/Numbers.h"
#include "core/note/NoteTexts.h"
#include "core/register/RegisterTexts.h"
#include "core/shop/Currency.h"

#include <QFileInfo>

namespace {

const QString kTotalWord = QStringLiteral("TOTAL");
// The card sale's bridge between the time and the "[" holds 28 asterisks, the simple entry's 9.
constexpr qsizetype kCardSaleStars = 28;

bool startsAt(QStringView text, qsizetype at, QStringView word) {
    if (at < 0 || at + word.size() > text.size()) return false;
    for (qsizetype j = 0; j < word.size(); ++j)
        if (text[at + j] != word[j]) return false;
    return true;
}

// A register line is short and a whole day is read at once when the register opens: plain searches
// beat the general ones, and no piece of a line is copied.
qsizetype find(QStringView text, QStringView word, qsizetype from = 0) {
    if (word.isEmpty()) return from <= text.size() ? from : -1;
    const QChar first = word.front();
    for (qsizetype i = from; i + word.size() <= text.size(); ++i)
        if (text[i] == first && startsAt(text, i, word)) return i;
    return -1;
}

qsizetype find(QStringView text, char16_t c, qsizetype from = 0) {
    for (qsizetype i = from; i < text.size(); ++i)
        if (text[i] == c) return i;
    return -1;
}

// The last place before `end` where the word stands whole.
qsizetype findLast(QStringView text, QStringView word, qsizetype end) {
    if (word.isEmpty()) return end;
    const QChar first = word.front();
    for (qsizetype i = end - word.size(); i >= 0; --i)
        if (text[i] == first && startsAt(text, i, word)) return i;
    return -1;
}

// The keywords are upper-case letters; a line holds one whatever the case it was typed in.
char16_t upper(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return u >= u'a' && u <= u'z' ? char16_t(u - 0x20) : u;
    return QChar::toUpper(u);
}

bool hasWord(QStringView text, QStringView word) {
    if (word.isEmpty()) return true;
    const qsizetype n = text.size();
    const qsizetype m = word.size();
    // Most characters are passed over by their first letter alone, in either case.
    const char16_t first = word[0].unicode() | 0x20;
    for (qsizetype i = 0; i + m <= n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 && (c | 0x20) != first) continue;
        qsizetype j = 0;
        while (j < m && upper(text[i + j]) == word[j].unicode())
            ++j;
        if (j == m) return true;
    }
    return false;
}

} // namespace

// The words of one language that the lines are read by, made once per language for the whole run.
struct RegisterEntry::Words {
    explicit Words(const Language& language)
        : entry(language(RegisterTexts::EntryWord)), withdrawal(language(RegisterTexts::WithdrawalWord)),
          openCash(language(RegisterTexts::OpenCash)), card(language(RegisterTexts::CardWord)),
          cancelled(language(RegisterTexts::Cancelled)), of(language(NoteTexts::Of)),
          freeTail(u' ' + language(NoteTexts::Free)), discount(language(NoteTexts::AmountDiscount)),
          interest(language(NoteTexts::ReplayInterest)) {}
    // Upper case, found in any case.
    QString entry, withdrawal, openCash, card, cancelled;
    // As written in a sale's lines. The interest word stops before the accent of "interés".
    QString of, freeTail, discount, interest;
};

RegisterEntry RegisterEntry::read(const QString& line, const QString& symbol, const Language& language) {
    static const Words spanish{Language()};
    static const Words english{Language(QStringLiteral("EN"))};
    const Words& words = language.isEnglish() ? english : spanish;
    RegisterEntry entry(line);
    const QStringView v(line);
    if (startsAt(v, 0, u"---") || startsAt(v, 0, u"***") || startsAt(v, 0, u"="))
        entry.readBooking(v, symbol, words);
    else
        entry.readSaleLine(v, symbol, words);
    return entry;
}

void RegisterEntry::readBooking(QStringView v, const QString& symbol, const Words& words) {
    const QChar family = v.front();
    // Up to the "[": the time, the bridge and, on a cancellation only, letters.
    qsizetype open = -1;
    bool letters = false;
    for (qsizetype i = 0; i < v.size() && open < 0; ++i) {
        const char16_t c = v[i].unicode();
        if (c == u'[') open = i;
        letters = letters || c >= 0x80 || (char16_t(c | 0x20) >= u'a' && char16_t(c | 0x20) <= u'z');
    }
    const QStringView head = open < 0 ? v : v.first(open);
    if (const qsizetype lp = find(head, u'('); lp >= 0) {
        if (const qsizetype rp = find(head, u')', lp + 1); rp >= 0) {
            m_timeAt = qint32(lp + 1);
            m_timeEnd = qint32(rp);
        }
    }
    // A cancellation is the one kind written without brackets; what follows its word is not read.
    if (family == u'-' && letters && hasWord(head, words.cancelled)) {
        m_kind = Kind::Cancelled;
        return;
    }
    if (open < 0) {
        if (family == u'=') m_kind = Kind::Count;
        return;
    }
    const qsizetype close = find(v, u']', open + 1);
    const qsizetype end = close < 0 ? v.size() : close;
    const QStringView written = v.sliced(open + 1, end - open - 1);
    if (family == u'-') {
        if (hasWord(written, kTotalWord))
            m_kind = Kind::SaleTotal;
        else if (hasWord(written, words.entry))
            m_kind = Kind::CashEntry;
        else if (hasWord(written, words.withdrawal))
            m_kind = Kind::CashWithdrawal;
        else if (hasWord(written, words.openCash))
            m_kind = Kind::DrawerOpened;
    } else if (family == u'*') {
        if (hasWord(written, words.card)) {
            qsizetype i = open;
            while (i > 0 && v[i - 1] == u' ')
                --i;
            const qsizetype blanks = i;
            while (i > 0 && v[i - 1] == u'*')
                --i;
            m_kind = blanks - i >= kCardSaleStars ? Kind::CardSale : Kind::SimpleCard;
        }
    } else {
        m_kind = Kind::Count;
    }
    if (m_kind == Kind::Other) return;
    if (close >= 0) m_reasonAt = qint32(close + 1 < v.size() && v[close + 1] == u' ' ? close + 2 : close + 1);
    if (m_kind == Kind::DrawerOpened || symbol.isEmpty()) return;
    if (const qsizetype at = find(written, symbol); at >= 0) {
        m_moneyAt = qint32(open + 1 + at + symbol.size());
        m_moneyEnd = qint32(end);
    }
}

void RegisterEntry::readSaleLine(QStringView v, const QString& symbol, const Words& words) {
    const qsizetype n = v.size();
    qsizetype i = 0;
    while (i < n && v[i] == u' ')
        ++i;
    if (i < n && (v[i] == u'-' || v[i] == u'+')) {
        const bool minus = v[i] == u'-';
        if (find(v, minus ? words.discount : words.interest) >= 0) {
            m_kind = minus ? Kind::Discount : Kind::Interest;
            const qsizetype from = i + 1;
            if (const qsizetype pct = find(v, u'%', from); pct >= 0) {
                m_percentAt = qint32(from);
                m_percentEnd = qint32(pct);
            } else {
                m_moneyAt = qint32(startsAt(v, from, symbol) ? from + symbol.size() : from);
                m_moneyEnd = qint32(n);
            }
            return;
        }
    }
    const qsizetype x = find(v, u" x ");
    if (x < 0) return;
    const qsizetype from = x + 3;
    if (n - words.freeTail.size() >= from && startsAt(v, n - words.freeTail.size(), words.freeTail)) {
        m_kind = Kind::Item;
        m_quantityEnd = qint32(x);
        m_descriptionAt = qint32(from);
        m_descriptionEnd = qint32(n - words.freeTail.size());
        return;
    }
    if (symbol.isEmpty()) return;
    // Read from the end, where the program's pieces stand: the amount after the last " = ", the price
    // after the last " de $" before it; the description is all that stands between.
    const qsizetype eq = findLast(v, u" = ", n);
    if (eq < from) return;
    qsizetype of = findLast(v, words.of, eq);
    while (of >= from && !startsAt(v, of + words.of.size(), symbol))
        of = findLast(v, words.of, of + words.of.size() - 1);
    if (of < from) return;
    const qsizetype price = of + words.of.size() + symbol.size();
    m_kind = Kind::Item;
    m_quantityEnd = qint32(x);
    m_descriptionAt = qint32(from);
    m_descriptionEnd = qint32(of);
    m_priceAt = qint32(price);
    m_priceEnd = qint32(eq);
    // "(-10%)" between the price and the " = ": a discount; "(+5%)", a surcharge.
    if (const qsizetype paren = find(v.first(eq), u'(', price); paren >= 0) {
        m_percentAt = qint32(paren + 1);
        m_percentEnd = qint32(eq);
        m_percentSign = -1;
    }
    const qsizetype amount = eq + 3;
    m_moneyAt = qint32(startsAt(v, amount, symbol) ? amount + symbol.size() : amount);
    m_moneyEnd = qint32(n);
}

std::optional<Language> RegisterEntry::languageOfFile(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const Language english(QStringLiteral("EN"));
    if (name.startsWith(english(RegisterTexts::RegisterPrefix))) return english;
    if (name.startsWith(Language()(RegisterTexts::RegisterPrefix)) ||
        name.startsWith(QLatin1String("Ventas de ")))
        return Language();
    return std::nullopt;
}

std::optional<QList<RegisterEntry>> RegisterEntry::readFile(const QString& fileName,
                                                            const QStringList& lines) {
    const std::optional<Language> language = languageOfFile(fileName);
    if (!language) return std::nullopt;
    const QString symbol = Currency::symbolOf(lines.isEmpty() ? QStringView() : QStringView(lines.first()));
    QList<RegisterEntry> entries;
    entries.reserve(lines.size());
    for (const QString& line : lines)
        entries.append(read(line, symbol, *language));
    return entries;
}

QString RegisterEntry::time() const {
    return m_timeAt < 0 ? QString() : m_line.sliced(m_timeAt, m_timeEnd - m_timeAt);
}

double RegisterEntry::amount() const {
    return m_moneyAt < 0 ? 0.0
                         : Numbers::amount(QStringView(m_line).sliced(m_moneyAt, m_moneyEnd - m_moneyAt));
}

double RegisterEntry::cash() const {
    switch (m_kind) {
    case Kind::SaleTotal:
    case Kind::CashEntry:
        return amount();
    case Kind::CashWithdrawal:
        return -amount();
    default:
        return 0.0;
    }
}

QString RegisterEntry::reason() const {
    return m_reasonAt < 0 ? QString() : m_line.sliced(m_reasonAt);
}

double RegisterEntry::quantity() const {
    return m_quantityEnd < 0 ? 0.0 : Numbers::leading(QStringView(m_line).first(m_quantityEnd));
}

QString RegisterEntry::description() const {
    return m_descriptionAt < 0 ? QString()
                               : m_line.sliced(m_descriptionAt, m_descriptionEnd - m_descriptionAt);
}

double RegisterEntry::unitPrice() const {
    return m_priceAt < 0 ? 0.0
                         : Numbers::amount(QStringView(m_line).sliced(m_priceAt, m_priceEnd - m_priceAt));
}

double RegisterEntry::percent() const {
    if (m_percentAt < 0) return 0.0;
    return m_percentSign *
           Numbers::leading(QStringView(m_line).sliced(m_percentAt, m_percentEnd - m_percentAt));
}

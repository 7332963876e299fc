#include "SalesDay.h"

#include "core/base/Numbers.h"
#include "core/base/TextFile.h"
#include "core/register/RegisterLines.h"
#include "core/shop/Currency.h"

#include <algorithm>
#include <unordered_map>

namespace SalesDay {

int ItemNames::idOf(const QString& description) {
    const auto found = m_ids.constFind(description);
    if (found != m_ids.constEnd()) return *found;
    const int id = int(m_names.size());
    m_ids.insert(description, id);
    m_names.append(description);
    return id;
}

int hourOf(const QString& time) {
    const qsizetype colon = time.indexOf(u':');
    if (colon < 1 || colon > 2) return -1;
    bool ok = false;
    const int hour = QStringView(time).first(colon).trimmed().toInt(&ok);
    return ok && hour >= 0 && hour < 24 ? hour : -1;
}

DrawerCount readCount(const RegisterEntry& entry, const QString& symbol) {
    DrawerCount count;
    count.time = entry.time();
    count.counted = entry.amount();
    const QString reason = entry.reason();
    if (symbol.isEmpty()) return count;
    const qsizetype at = reason.indexOf(symbol);
    if (at < 0) return count;
    const QStringView after = QStringView(reason).sliced(at + symbol.size());
    if (after.isEmpty() || !(after.front().isDigit() || after.front() == u'-' || after.front() == u'.'))
        return count;
    count.expected = Numbers::amount(after);
    count.difference = count.counted - *count.expected;
    return count;
}

namespace {

// What one pass over a day's entries adds up.
struct Pass {
    Day& day;
    ItemNames& names;
    bool withDetails;
    std::unordered_map<int, Tally> items;
    int ordinal = 0;

    void sale(const QList<RegisterEntry>& entries, qsizetype from, qsizetype close, const QString& symbol) {
        const RegisterEntry& closing = entries[close];
        const bool card = closing.kind() == RegisterEntry::Kind::CardSale;
        Summary& s = day.summary;
        SaleRow row;
        row.date = s.date;
        row.folder = s.folder;
        row.ordinal = ordinal++;
        row.time = closing.time();
        row.amount = closing.amount();
        row.card = card;
        for (qsizetype i = from; i < close; ++i) {
            const RegisterEntry& e = entries[i];
            if (e.kind() != RegisterEntry::Kind::Item) continue;
            ++row.items;
            Tally& tally = items[names.idOf(e.description())];
            tally.quantity += e.quantity();
            tally.amount += e.amount();
        }
        (card ? s.cardSales : s.cashSales) += 1;
        (card ? s.cardAmount : s.cashAmount) += row.amount;
        if (const int hour = hourOf(row.time); hour >= 0) {
            ++s.hourSales[std::size_t(hour)];
            s.hourAmount[std::size_t(hour)] += row.amount;
        }
        day.sales.append(row);
        if (!withDetails) return;
        PastSale detail;
        detail.row = row;
        detail.symbol = symbol;
        detail.firstLine = int(from);
        detail.closingLine = int(close);
        // A line may be a view into a file's text that is gone after the pass: each is copied.
        detail.totalLine = QString(closing.line().constData(), closing.line().size());
        for (qsizetype i = from; i < close; ++i)
            detail.lines.append(QString(entries[i].line().constData(), entries[i].line().size()));
        day.details.append(detail);
    }

    void file(const QList<RegisterEntry>& entries, const QString& symbol) {
        Summary& s = day.summary;
        qsizetype from = 0;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const RegisterEntry& e = entries[i];
            if (!RegisterLines::closesOperation(e.line())) continue;
            switch (e.kind()) {
            case RegisterEntry::Kind::SaleTotal:
            case RegisterEntry::Kind::CardSale:
                sale(entries, from, i, symbol);
                break;
            case RegisterEntry::Kind::Cancelled:
                ++s.cancelled;
                break;
            case RegisterEntry::Kind::CashEntry:
                ++s.entries;
                s.entryAmount += e.amount();
                break;
            case RegisterEntry::Kind::CashWithdrawal:
                ++s.withdrawals;
                s.withdrawalAmount += e.amount();
                break;
            case RegisterEntry::Kind::SimpleCard:
                ++s.cardEntries;
                s.cardEntryAmount += e.amount();
                break;
            case RegisterEntry::Kind::Count: {
                DrawerCount count = readCount(e, symbol);
                count.date = s.date;
                s.counts.append(count);
                break;
            }
            default:
                break;
            }
            from = i + 1;
        }
    }

    void lines(const QString& fileName, const QStringList& lines) {
        const std::optional<QList<RegisterEntry>> entries = RegisterEntry::readFile(fileName, lines);
        if (!entries) {
            ++day.summary.unreadable;
            return;
        }
        file(*entries, Currency::symbolOf(lines.isEmpty() ? QStringView() : QStringView(lines.first())));
    }
};

} // namespace

std::optional<PastSale> saleAt(const QStringList& lines, int row, const QString& symbol,
                               const Language& language) {
    QList<RegisterEntry> entries;
    entries.reserve(lines.size());
    for (const QString& line : lines)
        entries.append(RegisterEntry::read(line, symbol, language));
    Day day;
    ItemNames names;
    Pass pass{day, names, true, {}};
    pass.file(entries, symbol);
    for (const PastSale& sale : day.details)
        if (row >= sale.firstLine && row <= sale.closingLine) return sale;
    return std::nullopt;
}

Day read(const QDate& date, int folder, const Sources& sources, ItemNames& names, bool withDetails) {
    Day day;
    day.summary.date = date;
    day.summary.folder = folder;
    Pass pass{day, names, withDetails, {}};
    for (const QString& path : sources.files) {
        // The lines share the file's one decoded text; nothing of them is kept but copies.
        const TextFile::ReadResult read = TextFile::read(path);
        if (read.status != TextFile::ReadResult::Status::Read) {
            ++day.summary.unreadable;
            continue;
        }
        const QStringList& lines = read.lines;
        pass.lines(path, lines);
    }
    if (!sources.memoryFile.isEmpty()) pass.lines(sources.memoryFile, sources.memoryLines);
    day.summary.items.assign(pass.items.begin(), pass.items.end());
    std::sort(day.summary.items.begin(), day.summary.items.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return day;
}

} // namespace SalesDay

#include "History.h"

#include "core/history/RegisterFiles.h"

#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <thread>
#include <tuple>

namespace {

// Reading is shared among at most this many threads, each with at least this many days to read.
constexpr qsizetype kThreads = 4;
constexpr qsizetype kDaysPerThread = 16;

bool dayBefore(const SalesDay::Summary& a, const SalesDay::Summary& b) {
    return std::tie(a.date, a.folder) < std::tie(b.date, b.folder);
}

bool saleBefore(const SalesDay::SaleRow& a, const SalesDay::SaleRow& b) {
    return std::tie(a.date, a.folder, a.ordinal) < std::tie(b.date, b.folder, b.ordinal);
}

bool sameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

History History::read(const QList<Source>& sources, const std::atomic<bool>* stop) {
    History history;
    history.m_sources = sources;
    // Which days each folder has, then the days read on a few threads at once, each thread with the
    // item names it met; the names are made one list afterwards.
    struct Task {
        int folder;
        QDate date;
    };
    std::vector<Task> tasks;
    for (int f = 0; f < int(sources.size()); ++f) {
        const Source& source = sources[f];
        const bool inMemory = !source.memoryFile.isEmpty() && source.memoryDate.isValid();
        const RegisterFiles::Scan scan =
            RegisterFiles::scan(source.folder, inMemory ? source.memoryDate : QDate());
        history.m_oddFiles += int(scan.odd.size());
        QMap<QDate, QStringList> files;
        for (const RegisterFiles::File& file : scan.files)
            if (!(inMemory && file.date == source.memoryDate && sameFile(file.path, source.memoryFile)))
                files[file.date].append(file.path);
        if (inMemory) files[source.memoryDate]; // a day in memory may have no file yet
        for (auto day = files.cbegin(); day != files.cend(); ++day)
            tasks.push_back({f, day.key()});
        history.m_files.append(files);
    }
    // In date order, so that the days and their sales come out in order.
    std::stable_sort(tasks.begin(), tasks.end(), [](const Task& a, const Task& b) {
        return std::tie(a.date, a.folder) < std::tie(b.date, b.folder);
    });
    const int threads =
        int(std::clamp<qsizetype>(std::min<qsizetype>(QThread::idealThreadCount(), kThreads), 1,
                                  std::max<qsizetype>(1, qsizetype(tasks.size()) / kDaysPerThread)));
    std::vector<SalesDay::ItemNames> names{std::size_t(threads)};
    std::vector<std::optional<SalesDay::Day>> days{tasks.size()};
    std::vector<int> readBy(tasks.size(), 0);
    std::atomic<std::size_t> next{0};
    const auto work = [&](int thread) {
        for (std::size_t i = next++; i < tasks.size(); i = next++) {
            if (stop && stop->load(std::memory_order_relaxed)) break;
            const Task& task = tasks[i];
            days[i] = SalesDay::read(task.date, task.folder, history.sourcesOf(task.folder, task.date),
                                     names[std::size_t(thread)]);
            readBy[i] = thread;
        }
    };
    std::vector<std::thread> running;
    for (int t = 1; t < threads; ++t)
        running.emplace_back(work, t);
    work(0);
    for (std::thread& thread : running)
        thread.join();
    std::vector<std::vector<int>> ids{std::size_t(threads)};
    for (std::size_t t = 0; t < names.size(); ++t)
        for (int id = 0; id < names[t].size(); ++id)
            ids[t].push_back(history.m_names.idOf(names[t].name(id)));
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (!days[i]) continue;
        const std::vector<int>& remap = ids[std::size_t(readBy[i])];
        auto& items = days[i]->summary.items;
        for (auto& item : items)
            item.first = remap[std::size_t(item.first)];
        std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        history.store(std::move(*days[i]));
    }
    return history;
}

SalesDay::Sources History::sourcesOf(int folder, const QDate& date) const {
    SalesDay::Sources sources;
    sources.files = m_files[folder].value(date);
    const Source& source = m_sources[folder];
    if (date == source.memoryDate && !source.memoryFile.isEmpty()) {
        sources.memoryFile = source.memoryFile;
        sources.memoryLines = source.memoryLines;
    }
    return sources;
}

void History::store(SalesDay::Day day) {
    m_days.push_back(std::move(day.summary));
    m_sales.insert(m_sales.end(), day.sales.begin(), day.sales.end());
}

int History::unreadable() const {
    int count = m_oddFiles;
    for (const SalesDay::Summary& day : m_days)
        count += day.unreadable;
    return count;
}

void History::refreshMemory(const QStringList& lines) {
    for (int f = 0; f < int(m_sources.size()); ++f) {
        Source& source = m_sources[f];
        if (source.memoryFile.isEmpty() || !source.memoryDate.isValid()) continue;
        source.memoryLines = lines;
        SalesDay::Day day = SalesDay::read(source.memoryDate, f, sourcesOf(f, source.memoryDate), m_names);
        const auto at = std::lower_bound(m_days.begin(), m_days.end(), day.summary, dayBefore);
        if (at != m_days.end() && at->date == day.summary.date && at->folder == f)
            *at = std::move(day.summary);
        else
            m_days.insert(at, std::move(day.summary));
        std::erase_if(m_sales, [&](const SalesDay::SaleRow& row) {
            return row.date == source.memoryDate && row.folder == f;
        });
        const SalesDay::SaleRow first{source.memoryDate, f, 0, {}, 0.0, false, 0};
        const auto place = std::lower_bound(m_sales.begin(), m_sales.end(), first, saleBefore);
        m_sales.insert(place, day.sales.begin(), day.sales.end());
        return; // one folder is the counter's own
    }
}

template <class F> void History::eachDay(const Period& period, int folder, F&& f) const {
    SalesDay::Summary first;
    first.date = period.first;
    first.folder = -1;
    for (auto at = std::lower_bound(m_days.begin(), m_days.end(), first, dayBefore);
         at != m_days.end() && at->date <= period.last; ++at)
        if (folder < 0 || at->folder == folder) f(*at);
}

History::Figures History::figures(const Period& period, int folder) const {
    Figures x;
    eachDay(period, folder, [&x](const SalesDay::Summary& d) {
        x.cashSales += d.cashSales;
        x.cashAmount += d.cashAmount;
        x.cardSales += d.cardSales;
        x.cardAmount += d.cardAmount;
        x.cardEntries += d.cardEntries;
        x.cardEntryAmount += d.cardEntryAmount;
        x.entries += d.entries;
        x.entryAmount += d.entryAmount;
        x.withdrawals += d.withdrawals;
        x.withdrawalAmount += d.withdrawalAmount;
        x.cancelled += d.cancelled;
        for (const SalesDay::DrawerCount& count : d.counts) {
            x.counts.append(count);
            if (count.difference) x.countDifference += *count.difference;
        }
    });
    x.sales = x.cashSales + x.cardSales;
    x.amount = x.cashAmount + x.cardAmount;
    x.average = x.sales > 0 ? x.amount / x.sales : 0.0;
    return x;
}

QList<History::Bar> History::perDay(const Period& period, int folder) const {
    QList<Bar> bars;
    const bool daily = period.days() <= kLongestDaily;
    const bool oneMonth =
        period.first.year() == period.last.year() && period.first.month() == period.last.month();
    for (QDate d = daily ? period.first : QDate(period.first.year(), period.first.month(), 1);
         d <= period.last; d = daily ? d.addDays(1) : d.addMonths(1)) {
        Bar bar;
        bar.first = d;
        bar.label = daily ? (oneMonth ? QString::number(d.day()) : d.toString(QStringLiteral("d/M")))
                          : d.toString(QStringLiteral("MM/yyyy"));
        bars.append(bar);
    }
    eachDay(period, folder, [&](const SalesDay::Summary& d) {
        const qsizetype i =
            daily ? period.first.daysTo(d.date)
                  : (d.date.year() - period.first.year()) * 12 + d.date.month() - period.first.month();
        if (i < 0 || i >= bars.size()) return;
        Bar& bar = bars[i];
        bar.cash += d.cashAmount;
        bar.card += d.cardAmount;
        bar.sales += d.cashSales + d.cardSales;
    });
    return bars;
}

History::Hours History::perHour(const Period& period, int folder) const {
    Hours hours;
    eachDay(period, folder, [&hours](const SalesDay::Summary& d) {
        for (std::size_t h = 0; h < 24; ++h) {
            hours.sales[h] += d.hourSales[h];
            hours.amount[h] += d.hourAmount[h];
        }
    });
    return hours;
}

QList<History::BestSeller> History::bestSellers(const Period& period, int folder, Order order) const {
    std::vector<SalesDay::Tally> tallies(std::size_t(m_names.size()));
    std::vector<bool> sold(tallies.size(), false);
    eachDay(period, folder, [&](const SalesDay::Summary& d) {
        for (const auto& [id, tally] : d.items) {
            tallies[std::size_t(id)].quantity += tally.quantity;
            tallies[std::size_t(id)].amount += tally.amount;
            sold[std::size_t(id)] = true;
        }
    });
    QList<BestSeller> list;
    for (std::size_t id = 0; id < tallies.size(); ++id)
        if (sold[id]) list.append({m_names.name(int(id)), tallies[id].quantity, tallies[id].amount});
    const auto key = [order](const BestSeller& b) {
        return order == Order::Quantity ? std::tuple(-b.quantity, -b.amount)
                                        : std::tuple(-b.amount, -b.quantity);
    };
    std::sort(list.begin(), list.end(), [&key](const BestSeller& a, const BestSeller& b) {
        const auto ka = key(a);
        const auto kb = key(b);
        return ka != kb ? ka < kb : a.description < b.description;
    });
    return list;
}

QList<SalesDay::SaleRow> History::sales(const Period& period, int folder) const {
    QList<SalesDay::SaleRow> rows;
    const SalesDay::SaleRow first{period.first, -1, 0, {}, 0.0, false, 0};
    for (auto at = std::lower_bound(m_sales.begin(), m_sales.end(), first, saleBefore);
         at != m_sales.end() && at->date <= period.last; ++at)
        if (folder < 0 || at->folder == folder) rows.append(*at);
    std::stable_sort(rows.begin(), rows.end(), [](const SalesDay::SaleRow& a, const SalesDay::SaleRow& b) {
        return std::tie(a.date, a.time, a.folder) < std::tie(b.date, b.time, b.folder);
    });
    return rows;
}

std::optional<SalesDay::PastSale> History::sale(const SalesDay::SaleRow& row) const {
    if (row.folder < 0 || row.folder >= int(m_sources.size())) return std::nullopt;
    SalesDay::ItemNames names;
    const SalesDay::Day day =
        SalesDay::read(row.date, row.folder, sourcesOf(row.folder, row.date), names, true);
    if (row.ordinal < 0 || row.ordinal >= int(day.details.size())) return std::nullopt;
    const SalesDay::PastSale& sale = day.details[row.ordinal];
    if (sale.row.time != row.time || sale.row.amount != row.amount || sale.row.card != row.card)
        return std::nullopt;
    return sale;
}

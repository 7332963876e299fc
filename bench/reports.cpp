// A year of a busy shop's registers (365 day files, 300 sales a day: about 110,000 sales, with cuts
// into split-off files, card sales, cash movements and a count of the drawer each evening) read and
// added up for "this year" (BM_ReadYear: the figures, the bars per month, the hours and the best
// sellers), beside `cat` of the same files through a pipe in the same run; switching the period on
// the history already read (BM_SwitchPeriod: every period, each with all its tables); the peak
// resident memory of the read as the counter "peak_MB"; and in the reports window (offscreen), the
// opening on that year up to its figures shown with the longest the window went without handling its
// events meanwhile (BM_WindowOpensOnTheYear, "longest_stall_ms"), and a switch of the period up to the
// window painted (BM_WindowSwitchesPeriod). VENDEL_BENCH_DIR chooses where the year is written.
// Targets: the year in 4 times cat, a switch 50 ms, under 200 MB, the window never stalled long.

#include "GeneratedList.h"
#include "PeakMemory.h"
#include "QuietPorts.h"
#include "core/base/Language.h"
#include "core/base/TextFile.h"
#include "core/history/History.h"
#include "core/note/NoteTexts.h"
#include "core/register/DayRegister.h"
#include "core/register/RegisterLines.h"
#include "ui/ports/UnavailablePrinter.h"
#include "ui/reports/ReportsWindow.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>

namespace {

constexpr int kSalesPerDay = 300;
const QDate kLastDay(2026, 12, 31);

struct Year {
    QTemporaryDir dir;
    std::vector<std::string> files;
    qint64 bytes = 0;
    int lineCount = 0;

    Year()
        : dir(qEnvironmentVariableIsEmpty("VENDEL_BENCH_DIR")
                  ? QDir::tempPath() + QStringLiteral("/vendel-year-XXXXXX")
                  : qEnvironmentVariable("VENDEL_BENCH_DIR") + QStringLiteral("/vendel-year-XXXXXX")) {
        const QStringList items = bench::generateItemLines(400, 7);
        std::mt19937 random(2026);
        const Language spanish;
        const Language english(QStringLiteral("EN"));
        for (QDate day(2026, 1, 1); day <= kLastDay; day = day.addDays(1)) {
            // One day in eight in English; one in five cut at noon into a split-off file.
            const Language& language = day.dayOfYear() % 8 == 0 ? english : spanish;
            const bool cut = day.dayOfYear() % 5 == 0;
            QStringList morning;
            QStringList lines;
            for (int s = 0; s < kSalesPerDay; ++s) {
                const int minute = 8 * 60 + s * 13 * 60 / kSalesPerDay;
                const QString time = QStringLiteral("%1:%2")
                                         .arg(minute / 60, 2, 10, QLatin1Char('0'))
                                         .arg(minute % 60, 2, 10, QLatin1Char('0'));
                QStringList& out = cut && minute < 14 * 60 ? morning : lines;
                double total = 0;
                const int count = 1 + int(random() % 6);
                for (int i = 0; i < count; ++i) {
                    const QString& item = items[int(random() % items.size())];
                    const QString description =
                        item.mid(item.indexOf(QLatin1String("] ")) + 2).section(u'$', 0, 0).trimmed();
                    const double price = 1.0 + double(random() % 20000) / 100.0;
                    const int quantity = 1 + int(random() % 3);
                    const QString p = Numbers::amountText(price);
                    total += quantity * price;
                    out << QString::number(quantity) + QStringLiteral(" x ") + description + u' ' +
                               language(NoteTexts::Of) + QStringLiteral(" $") + p + QStringLiteral(" = $") +
                               Numbers::amountText(quantity * price);
                }
                const unsigned kind = random() % 100;
                if (kind < 20)
                    out << RegisterLines::cardSale(time, QStringLiteral("$"), total, language);
                else if (kind < 23)
                    out << RegisterLines::cancelled(time, language);
                else
                    out << RegisterLines::saleTotal(time, QStringLiteral("$"), total);
                if (s % 60 == 30)
                    out << RegisterLines::cashWithdrawal(time, QStringLiteral("$"), 500,
                                                         QStringLiteral("banco"), language);
                if (s % 100 == 5)
                    out << RegisterLines::cashEntry(time, QStringLiteral("$"), 200, QStringLiteral("cambio"),
                                                    language);
            }
            lines << QStringLiteral(
                "=====(21:00)=====> [ARQUEO $1,450.00] esperado $1,462.50 faltante $12.50");
            write(DayRegister::filePath(dir.path(), day, language), lines);
            if (cut) write(DayRegister::splitPath(dir.path(), day, language, 1), morning);
        }
    }

    void write(const QString& path, const QStringList& lines) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return;
        const QByteArray content = TextFile::toBytes(lines);
        file.write(content);
        bytes += content.size();
        lineCount += int(lines.size());
        files.push_back(path.toStdString());
    }

    static Year& get() {
        static Year year;
        return year;
    }
};

// Everything the window shows of a period.
void report(const History& history, const Period& period, benchmark::State& state) {
    benchmark::DoNotOptimize(history.figures(period));
    benchmark::DoNotOptimize(history.perDay(period));
    benchmark::DoNotOptimize(history.perHour(period));
    benchmark::DoNotOptimize(history.bestSellers(period, -1, History::Order::Quantity));
    benchmark::DoNotOptimize(history.bestSellers(period, -1, History::Order::Amount));
    benchmark::DoNotOptimize(history.sales(Period{period.last, period.last}));
    (void)state;
}

void BM_ReadYear(benchmark::State& state) {
    Year& year = Year::get();
    const Period thisYear = Period::of(Period::Kind::ThisYear, kLastDay);
    double peak = 0;
    int sales = 0;
    for (auto _ : state) {
        bench::resetPeak();
        const History history = History::read({{year.dir.path(), {}, {}, {}}});
        report(history, thisYear, state);
        sales = history.figures(thisYear).sales;
        peak = std::max(peak, bench::peakMegabytes());
    }
    state.counters["peak_MB"] = peak;
    state.counters["sales"] = sales;
    state.counters["lines"] = year.lineCount;
    state.counters["MB"] = double(year.bytes) / 1e6;
}
BENCHMARK(BM_ReadYear)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_ReadYear_ReferenceCat(benchmark::State& state) {
    Year& year = Year::get();
    std::vector<std::string> args = {"cat"};
    args.insert(args.end(), year.files.begin(), year.files.end());
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::runTool(args));
}
BENCHMARK(BM_ReadYear_ReferenceCat)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SwitchPeriod(benchmark::State& state) {
    Year& year = Year::get();
    const History history = History::read({{year.dir.path(), {}, {}, {}}});
    const Period::Kind kind = Period::Kind(state.range(0));
    const Period period = Period::of(kind, kLastDay.addDays(-3), QDate(2026, 3, 1), QDate(2026, 10, 31));
    for (auto _ : state)
        report(history, period, state);
}
BENCHMARK(BM_SwitchPeriod)
    ->DenseRange(int(Period::Kind::Today), int(Period::Kind::Range))
    ->Unit(benchmark::kMillisecond);

class YearEndClock : public Clock {
public:
    QDateTime now() const override { return QDateTime(kLastDay, QTime(21, 30)); }
};

// The counter on the year's folder with its reports window.
struct Counter {
    SilentDialogs dialogs;
    YearEndClock clock;
    UnavailablePrinter printer;
    NoShell shell;
    MainWindow window{Year::get().dir.path(), Language(), QString(), Ports{dialogs, clock, printer, shell}};
    Counter() {
        window.load();
        window.show();
    }
    static std::unique_ptr<Counter>& held() {
        static std::unique_ptr<Counter> counter;
        return counter;
    }
    static Counter& get() {
        if (!held()) held() = std::make_unique<Counter>();
        return *held();
    }
};

// Runs the events until the reports show a history, timing the gaps between the ticks of a 2 ms
// timer: the longest is how long the window could not paint or take a key.
double openAndWait(Counter& c) {
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(2);
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start();
    if (!c.window.reports()) {
        c.window.openReports();
    } else {
        c.window.reports()->reload();
    }
    QObject::connect(c.window.reports(), &ReportsWindow::historyShown, &loop, &QEventLoop::quit);
    loop.exec();
    return double(std::max(longest, clock.elapsed() - last));
}

void BM_WindowOpensOnTheYear(benchmark::State& state) {
    Counter& c = Counter::get();
    double stall = 0;
    for (auto _ : state)
        stall = std::max(stall, openAndWait(c));
    state.counters["longest_stall_ms"] = stall;
}
BENCHMARK(BM_WindowOpensOnTheYear)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowSwitchesPeriod(benchmark::State& state) {
    Counter& c = Counter::get();
    if (!c.window.reports() || !c.window.reports()->loaded()) openAndWait(c);
    ReportsWindow* reports = c.window.reports();
    int next = 0;
    for (auto _ : state) {
        reports->setPeriod(Period::Kind(next));
        next = (next + 1) % int(Period::Kind::Range);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WindowSwitchesPeriod)->Unit(benchmark::kMillisecond)->UseRealTime();

// The counter's window goes before the application does.
void closeTheCounter() {
    Counter::held().reset();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    closeTheCounter();
    benchmark::Shutdown();
    return 0;
}

// The record note is the whole day's register. A sale closed into a record note of 20,000 lines, up to
// the record list repainted, and the check that follows every booking (the cash total for the record
// tab's mark and the cut menu), each beside the same work on a record of 100 lines in the same run.
// The X report's summary of the same day beside its cash total.

#include "CounterAreas.h"
#include "PaintSpy.h"
#include "QuietPorts.h"
#include "core/printing/Documents.h"
#include "core/register/DayRegister.h"
#include "core/register/DaySummary.h"
#include "core/register/RegisterLines.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QListView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const Language kSpanish;

struct StillClock : Clock {
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 5), QTime(14, 35)); }
};
struct NullPrinter : Printer {
    bool print(const PrintDocument&) override { return true; }
    bool openDrawer() override { return true; }
};

// A busy day: sales of three items, each closed by its total, a withdrawal now and then and a card sale.
QStringList busyDay(int count) {
    const QString symbol = QStringLiteral("$");
    QStringList lines;
    lines.reserve(count);
    for (int sale = 0; lines.size() < count; ++sale) {
        for (int i = 0; i < 3; ++i)
            lines << QStringLiteral("2 x CAFÉ SOLUBLE %1 G de $%2.50 = $%3.00")
                         .arg(i * 100)
                         .arg(i + 10)
                         .arg(2 * i + 21);
        const QString time = QStringLiteral("%1:%2")
                                 .arg(8 + sale / 60 % 12, 2, 10, QLatin1Char('0'))
                                 .arg(sale % 60, 2, 10, QLatin1Char('0'));
        if (sale % 20 == 0)
            lines << RegisterLines::cashWithdrawal(time, symbol, 500, QStringLiteral("banco"), kSpanish);
        else if (sale % 7 == 0)
            lines << RegisterLines::cardSale(time, symbol, 66, kSpanish);
        else
            lines << RegisterLines::saleTotal(time, symbol, 66);
    }
    lines.resize(count);
    return lines;
}

struct Day {
    QTemporaryDir dir;
    SilentDialogs dialogs;
    StillClock clock;
    NullPrinter printer;
    NoShell shell;
    explicit Day(int lines) { DayRegister::save(dir.path(), clock.now().date(), kSpanish, busyDay(lines)); }
    Ports ports() { return Ports{dialogs, clock, printer, shell}; }
};

// A sale of one item rung up and paid in cash, ready to be closed.
void ringUpPaidSale(Counter& c) {
    c.fields().set(EntryFields::Quantity, QStringLiteral("1"));
    c.fields().set(EntryFields::Description, QStringLiteral("PAN"));
    c.fields().set(EntryFields::Price, QStringLiteral("12.50"));
    c.ePreFactura();
    c.amounts().setCashText(QStringLiteral("20"));
}

void BM_SaleClosedUpToTheListRepainted(benchmark::State& state) {
    Day day(int(state.range(0)));
    MainWindow window(day.dir.path(), kSpanish, QString(), day.ports());
    window.load();
    window.resize(1024, 720);
    window.show();
    Counter& c = window.counter();
    c.lblTask_Click(0);
    auto* list = window.findChild<QListView*>(QStringLiteral("lstNote0"));
    QApplication::processEvents();
    PaintSpy painted;
    list->viewport()->installEventFilter(&painted);
    int timedPaints = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ringUpPaidSale(c);
        QApplication::processEvents();
        const int before = painted.paints;
        state.ResumeTiming();
        c.eFinal();
        // The list's delayed layout, then the paint it asks for: everything the window does until idle.
        QApplication::processEvents();
        QApplication::processEvents();
        timedPaints += painted.paints > before ? 1 : 0;
    }
    state.counters["list_repainted"] =
        benchmark::Counter(double(timedPaints), benchmark::Counter::kAvgIterations);
    state.counters["lines"] = double(c.notes().at(0).lines.size());
}
BENCHMARK(BM_SaleClosedUpToTheListRepainted)->Arg(100)->Arg(20000)->Unit(benchmark::kMillisecond);

// The same sale closed in the counter alone, without a window: what the model and the save cost.
void BM_SaleClosedInTheCounter(benchmark::State& state) {
    Day day(int(state.range(0)));
    Counter c(day.dir.path(), kSpanish, QString(), day.ports());
    c.load();
    c.lblTask_Click(0);
    for (auto _ : state) {
        state.PauseTiming();
        ringUpPaidSale(c);
        state.ResumeTiming();
        c.eFinal();
    }
    state.counters["lines"] = double(c.notes().at(0).lines.size());
}
BENCHMARK(BM_SaleClosedInTheCounter)->Arg(100)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_CheckCanCut(benchmark::State& state) {
    Day day(int(state.range(0)));
    Counter c(day.dir.path(), kSpanish, QString(), day.ports());
    c.load();
    c.lblTask_Click(0);
    for (auto _ : state)
        c.eCheckCanCut();
    state.counters["lines"] = double(c.notes().at(0).lines.size());
}
BENCHMARK(BM_CheckCanCut)->Arg(100)->Arg(20000)->Unit(benchmark::kMicrosecond);

// The whole day summed at once, as at the first check after the register is opened or its lines are
// replaced; after a booking only the lines added since are read.
void BM_CashTotalOfTheWholeDay(benchmark::State& state) {
    const QStringList lines = busyDay(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(RegisterLines::cashTotal(lines, QStringLiteral("$"), kSpanish));
}
BENCHMARK(BM_CashTotalOfTheWholeDay)->Arg(100)->Arg(20000)->Unit(benchmark::kMicrosecond);

// The X report's summary of the whole day (every kind tallied, the counts of the drawer), against the
// cash total above: the same lines read once each.
void BM_XReportSummaryOfTheWholeDay(benchmark::State& state) {
    const QStringList lines = busyDay(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DaySummary::of(lines, QStringLiteral("$"), kSpanish));
}
BENCHMARK(BM_XReportSummaryOfTheWholeDay)->Arg(100)->Arg(20000)->Unit(benchmark::kMicrosecond);

// The whole X report as it goes to the printer: the summary and its document.
void BM_XReportDocument(benchmark::State& state) {
    const QStringList lines = busyDay(int(state.range(0)));
    for (auto _ : state) {
        const Documents::SummaryData data{QStringLiteral("La Esquina"),
                                          QStringLiteral("05/12/2026"),
                                          QStringLiteral("14:35"),
                                          DaySummary::of(lines, QStringLiteral("$"), kSpanish),
                                          QStringLiteral("$"),
                                          48,
                                          kSpanish};
        benchmark::DoNotOptimize(Documents::xReport(data));
    }
}
BENCHMARK(BM_XReportDocument)->Arg(20000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

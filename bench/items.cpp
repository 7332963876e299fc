// The item list on 100,000 generated lines: loading, filtering and a sale's stock movement with the
// durable save, each beside the command-line tool that does the nearest thing to the same bytes.

#include "CounterAreas.h"
#include "GeneratedList.h"
#include "core/base/LargePages.h"
#include "core/items/ItemLine.h"
#include "core/items/ItemList.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kLines = 100000;
std::unique_ptr<bench::GeneratedShop> gShop;

// Queries of 1, 3 and 8 characters, as a cashier starts typing them.
const char* queryOfLength(std::int64_t length) {
    switch (length) {
    case 1:
        return "c";
    case 3:
        return "caf";
    default:
        return "cuaderno";
    }
}

void BM_LoadList(benchmark::State& state) {
    for (auto _ : state) {
        ItemList items;
        benchmark::DoNotOptimize(items.load(gShop->listPath));
        benchmark::DoNotOptimize(items.shownCount());
    }
}
BENCHMARK(BM_LoadList)->Unit(benchmark::kMillisecond);

void BM_LoadList_ReferenceCat(benchmark::State& state) {
    const std::string path = gShop->listPath.toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::runTool({"cat", path}));
}
// The references run another program: their number of runs follows the wall clock, not this
// process's own time (which they hardly use).
BENCHMARK(BM_LoadList_ReferenceCat)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_Filter(benchmark::State& state) {
    ItemList items;
    items.load(gShop->listPath);
    const QString query = QString::fromLatin1(queryOfLength(state.range(0)));
    const Language spanish;
    for (auto _ : state) {
        benchmark::DoNotOptimize(items.filter(query, spanish));
        benchmark::DoNotOptimize(items.shownCount());
    }
    state.counters["hits"] = items.shownCount();
}
BENCHMARK(BM_Filter)->Arg(1)->Arg(3)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_Filter_ReferenceGrep(benchmark::State& state) {
    const std::string path = gShop->listPath.toStdString();
    const std::string query = queryOfLength(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::runTool({"grep", "-c", "-i", "-F", query, path}));
}
BENCHMARK(BM_Filter_ReferenceGrep)->Arg(1)->Arg(3)->Arg(8)->UseRealTime()->Unit(benchmark::kMillisecond);

// A sale of five items found across the list (the search for each starts at the top).
QStringList saleOfFive(const ItemList& items) {
    const QString symbol = QStringLiteral("$");
    QStringList sale;
    for (const double at : {0.1, 0.3, 0.5, 0.7, 0.95}) {
        const QString& line = items.lines()[int(at * kLines)];
        const QString description =
            line.mid(line.indexOf(QLatin1String("] ")) + 2).section(symbol, 0, 0).trimmed();
        const QString price = Numbers::amountText(ItemLine::price(line, symbol));
        sale << QStringLiteral("2 x ") + description + QStringLiteral(" de $") + price +
                    QStringLiteral(" = $") + price;
    }
    return sale;
}

// The sale's stock movement, then the durable save of the whole list.
void BM_StockMoveAndSave(benchmark::State& state) {
    ItemList items;
    items.load(gShop->listPath);
    const QStringList sale = saleOfFive(items);
    for (auto _ : state) {
        const auto move = items.moveStock(sale, QStringLiteral("$"), QStringLiteral(" de "));
        if (move.changed.size() != 5 || !items.save(gShop->listPath))
            state.SkipWithError("sale not moved or not saved");
    }
}
BENCHMARK(BM_StockMoveAndSave)->Unit(benchmark::kMillisecond);

// The two halves of the above on their own.
void BM_StockMoveOnly(benchmark::State& state) {
    ItemList items;
    items.load(gShop->listPath);
    const QStringList sale = saleOfFive(items);
    for (auto _ : state)
        benchmark::DoNotOptimize(items.moveStock(sale, QStringLiteral("$"), QStringLiteral(" de ")));
}
BENCHMARK(BM_StockMoveOnly)->Unit(benchmark::kMillisecond);

void BM_SaveOnly(benchmark::State& state) {
    ItemList items;
    items.load(gShop->listPath);
    for (auto _ : state)
        benchmark::DoNotOptimize(items.save(gShop->listPath));
}
BENCHMARK(BM_SaveOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    LargePages::setUpAllocator(); // as the program does at start
    benchmark::Initialize(&argc, argv);
    gShop = std::make_unique<bench::GeneratedShop>(kLines);
    benchmark::AddCustomContext("list", QStringLiteral("%1 lines, %2 bytes, in %3")
                                            .arg(kLines)
                                            .arg(QFileInfo(gShop->listPath).size())
                                            .arg(gShop->dir.path())
                                            .toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gShop.reset();
    return 0;
}

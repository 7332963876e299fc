// One keystroke in a search field over 100,000 generated lines, up to the shown list repainted: the
// filter, the model reset and the item list view laying out and painting its visible rows. (The
// counter's own window has its own benchmark; this one measures the list view alone.)

#include "CounterAreas.h"
#include "GeneratedList.h"
#include "core/base/LargePages.h"
#include "core/items/ItemList.h"
#include "ui/items/ItemListModel.h"
#include "ui/items/ItemListView.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<bench::GeneratedShop> gShop;

// The text in the field before and after the keystroke.
struct Keystroke {
    const char* before;
    const char* after;
};
Keystroke keystroke(std::int64_t length) {
    switch (length) {
    case 1:
        return {"", "c"};
    case 3:
        return {"ca", "caf"};
    default:
        return {"cuadern", "cuaderno"};
    }
}

void BM_KeystrokeToShownList(benchmark::State& state) {
    ItemList items;
    items.load(gShop->listPath);
    ItemListModel model(items);
    ItemListView view;
    view.setModel(&model);
    view.resize(420, 640);
    view.show();
    QApplication::processEvents();
    const Language spanish;
    const Keystroke key = keystroke(state.range(0));
    auto type = [&](const char* text) {
        items.filter(QString::fromUtf8(text), spanish);
        model.refresh();
        view.doItemsLayout();
        view.viewport()->repaint();
    };
    for (auto _ : state) {
        state.PauseTiming();
        type(key.before);
        state.ResumeTiming();
        type(key.after);
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_KeystrokeToShownList)->Arg(1)->Arg(3)->Arg(8)->Unit(benchmark::kMillisecond);

// The same run's reference: grep counting the lines that hold the query, case ignored. It runs
// another program, so its number of runs follows the wall clock.
void BM_KeystrokeToShownList_ReferenceGrep(benchmark::State& state) {
    const std::string path = gShop->listPath.toStdString();
    const std::string query = keystroke(state.range(0)).after;
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::runTool({"grep", "-c", "-i", "-F", query, path}));
}
BENCHMARK(BM_KeystrokeToShownList_ReferenceGrep)
    ->Arg(1)
    ->Arg(3)
    ->Arg(8)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    LargePages::setUpAllocator(); // as the program does at start
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    gShop = std::make_unique<bench::GeneratedShop>(100000);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gShop.reset();
    return 0;
}

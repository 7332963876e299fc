// One keystroke in the counter's own search field, over a list of 100,000 generated lines, up to the
// shown list repainted: the key event through the window's keyboard handling, the filter, the entry
// fields filled from the first hit, the model reset and the list view's layout and paint.

#include "CounterAreas.h"
#include "GeneratedList.h"
#include "QuietPorts.h"
#include "core/base/LargePages.h"
#include "ui/ports/SystemClock.h"
#include "ui/ports/UnavailablePrinter.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<bench::GeneratedShop> gShop;
const char* const kQueries[] = {"c", "caf", "cuaderno"};

void sendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// The field holds `before`; one more character is typed and the list repainted.
void BM_KeystrokeInTheCounter(benchmark::State& state) {
    SilentDialogs dialogs;
    SystemClock clock;
    UnavailablePrinter printer;
    NoShell shell;
    MainWindow window(gShop->dir.path(), Language(), QString(), Ports{dialogs, clock, printer, shell});
    window.resize(1040, 720);
    window.load();
    window.show();
    QApplication::processEvents();
    window.counter().search().lblFinder_Click();
    auto* finder = window.findChild<QLineEdit*>(QStringLiteral("txtFinder"));
    auto* list = window.findChild<QListView*>(QStringLiteral("lstItem1"));
    const QString query = QString::fromUtf8(kQueries[state.range(0)]);
    const QString before = query.left(query.size() - 1);
    const QString last = query.right(1);
    for (auto _ : state) {
        state.PauseTiming();
        finder->setText(before);
        window.counter().search().txtFinder_Change(before);
        QApplication::processEvents();
        state.ResumeTiming();
        sendKey(finder, last.at(0).toUpper().unicode(), last);
        list->viewport()->repaint();
    }
    state.counters["rows"] = list->model()->rowCount();
    state.SetLabel(query.toStdString());
}
BENCHMARK(BM_KeystrokeInTheCounter)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The same run's reference: grep counting the lines that hold the query, case ignored. It runs
// another program, so its number of runs follows the wall clock.
void BM_KeystrokeInTheCounter_ReferenceGrep(benchmark::State& state) {
    const std::string path = gShop->listPath.toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::runTool({"grep", "-c", "-i", "-F", kQueries[state.range(0)], path}));
}
BENCHMARK(BM_KeystrokeInTheCounter_ReferenceGrep)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    LargePages::setUpAllocator(); // as the program does at start
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gShop = std::make_unique<bench::GeneratedShop>(100000);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gShop.reset();
    return 0;
}

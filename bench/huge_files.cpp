// Each of the shop's four files at up to 10 MB, as one huge line or as many lines of random lengths,
// opened up to the counter's window shown and painted (the record note in front as well), offscreen:
// the wall time, and the peak resident memory of the run as the counter "peak_MB". The same-run
// reference is the window opened over an ordinary list of 100,000 generated lines.
// Targets: every case within 2 s and 300 MB.

#include "CounterAreas.h"
#include "GeneratedList.h"
#include "PaintSpy.h"
#include "PeakMemory.h"
#include "QuietPorts.h"
#include "ui/ports/SystemClock.h"
#include "ui/ports/UnavailablePrinter.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>

namespace {

constexpr qsizetype kFileBytes = 10 * 1024 * 1024;

enum class File { List, Register, Settings, Shop };
enum class Shape { OneLine, RandomLines, Reference };

QString fileName(File file) {
    switch (file) {
    case File::List:
        return QStringLiteral("VL Lista.txt");
    case File::Register:
        return QStringLiteral("VENTAS #") + QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")) +
               QStringLiteral(".txt");
    case File::Settings:
        return QStringLiteral("VL Config.ini");
    case File::Shop:
        return QStringLiteral("VL Info.txt");
    }
    return {};
}

// Words of an item line, repeated until the line is as long as asked; it still reads as an item line.
QByteArray longLine(qsizetype length) {
    static const QByteArray words("PAN DULCE DE CAJA GRANDE CAF\xC9 CON LECHE AZ\xDA"
                                  "CAR ");
    QByteArray line("[5] ");
    line.reserve(length + 16);
    while (line.size() < length - 7)
        line += words;
    line.truncate(std::max<qsizetype>(0, length - 7));
    return line + " $12.50";
}

// About 10 MB in lines from empty to 100,000 characters, most of them short.
QByteArray randomLines() {
    std::mt19937 random(2026);
    std::uniform_real_distribution<double> exponent(0.0, 5.0);
    QByteArray out;
    out.reserve(kFileBytes + 200000);
    while (out.size() < kFileBytes)
        out += longLine(qsizetype(std::pow(10.0, exponent(random)))) + "\r\n";
    return out;
}

QByteArray content(Shape shape) {
    return shape == Shape::OneLine ? longLine(kFileBytes) + "\r\n" : randomLines();
}

// Runs the events until the widget has painted once (a minute at most).
void waitForPaint(QWidget* widget) {
    PaintSpy spy;
    widget->installEventFilter(&spy);
    QElapsedTimer waited;
    waited.start();
    while (spy.paints == 0 && waited.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    widget->removeEventFilter(&spy);
}

// The counter's window over a shop's folder, with nobody at it: loaded, shown and its item list painted.
struct QuietWindow {
    SilentDialogs dialogs;
    SystemClock clock;
    UnavailablePrinter printer;
    NoShell shell;
    MainWindow window;
    explicit QuietWindow(const QString& folder)
        : window(folder, Language(), QString(), Ports{dialogs, clock, printer, shell}) {
        window.load();
        window.show();
        waitForPaint(window.findChild<QListView*>(QStringLiteral("lstItem1"))->viewport());
    }
};

// The window over the shop's folder, loaded, shown and painted, then the record note in front.
void openWindow(const QString& folder) {
    QuietWindow quiet(folder);
    MainWindow& window = quiet.window;
    window.counter().lblTask_Click(0);
    auto* record = window.findChild<QListView*>(QStringLiteral("lstNote0"));
    if (record->isVisible()) waitForPaint(record->viewport());
    QApplication::processEvents();
}

void BM_OpenWindow(benchmark::State& state) {
    const auto file = File(state.range(0));
    const auto shape = Shape(state.range(1));
    std::unique_ptr<bench::GeneratedShop> reference;
    QTemporaryDir dir;
    QString folder = dir.path();
    QByteArray bytes;
    if (shape == Shape::Reference) {
        reference = std::make_unique<bench::GeneratedShop>(100000);
        folder = reference->dir.path();
    } else {
        bytes = content(shape);
    }
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Every run starts from the same files: the counter rewrites some of them as it opens.
        for (const File other : {File::List, File::Register, File::Settings, File::Shop})
            if (shape != Shape::Reference) QFile::remove(dir.filePath(fileName(other)));
        if (shape != Shape::Reference) {
            QFile out(dir.filePath(fileName(file)));
            if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
                state.SkipWithError("cannot write the shop's file");
                break;
            }
        }
        bench::resetPeak();
        state.ResumeTiming();
        openWindow(folder);
        state.PauseTiming();
        peak = std::max(peak, bench::peakMegabytes());
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = peak;
    static const char* const files[] = {"list", "register", "settings", "shop data"};
    static const char* const shapes[] = {"one 10 MB line", "10 MB of random lines", "100,000-line list"};
    state.SetLabel(shape == Shape::Reference
                       ? std::string(shapes[2])
                       : std::string(files[state.range(0)]) + ", " + shapes[state.range(1)]);
}
BENCHMARK(BM_OpenWindow)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Args({0, 2})
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Once open over a list whose second line is 10 MB long, the cashier picks that line: its description
// and price go into the entry fields, and the window is painted again. The reference picks an ordinary
// line of the 100,000-line list.
void BM_PickLongItem(benchmark::State& state) {
    const bool reference = state.range(0) == 1;
    std::unique_ptr<bench::GeneratedShop> ordinary;
    QTemporaryDir dir;
    QString folder = dir.path();
    if (reference) {
        ordinary = std::make_unique<bench::GeneratedShop>(100000);
        folder = ordinary->dir.path();
    } else {
        QFile out(dir.filePath(fileName(File::List)));
        const QByteArray bytes = QByteArray("[10] PAN $12.50\r\n") + longLine(kFileBytes) + "\r\n";
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
            state.SkipWithError("cannot write the shop's file");
            return;
        }
    }
    QuietWindow quiet(folder);
    MainWindow& window = quiet.window;
    bench::resetPeak();
    for (auto _ : state) {
        state.PauseTiming();
        window.counter().search().selectItem(0);
        QApplication::processEvents();
        state.ResumeTiming();
        window.counter().search().selectItem(1);
        window.repaint();
        QApplication::processEvents();
    }
    state.counters["peak_MB"] = bench::peakMegabytes();
    state.SetLabel(reference ? "an ordinary line of 100,000" : "a 10 MB line");
}
BENCHMARK(BM_PickLongItem)->Arg(0)->Arg(1)->Iterations(6)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

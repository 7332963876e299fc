// The list editor on a generated item list: opening it up to the text shown, one keystroke of the
// typing aid, saving the edited text (list replaced and file written), and a search that wraps. Each
// runs on 1,000 lines (the reference) and 100,000 lines.

#include "CounterAreas.h"
#include "GeneratedList.h"
#include "QuietPorts.h"
#include "ui/ports/SystemClock.h"
#include "ui/ports/UnavailablePrinter.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

struct Rig {
    explicit Rig(int lines) : shop(lines) {
        window = std::make_unique<MainWindow>(shop.dir.path(), Language(), QString(),
                                              Ports{dialogs, clock, printer, shell});
        window->resize(1040, 720);
        window->load();
        window->show();
        QApplication::processEvents();
        edit = window->findChild<QPlainTextEdit*>(QStringLiteral("txtEditar"));
        finder = window->findChild<QLineEdit*>(QStringLiteral("txtFindEdit"));
        timer = window->findChild<QTimer*>(QStringLiteral("tmrAni"));
    }
    // Opens the editor on the list and lets it come to rest.
    void open() {
        window->counter().eItemToEdit();
        while (timer->isActive())
            window->counter().tmrAni_Timer();
        QApplication::processEvents();
    }
    void close() {
        window->counter().editor().startSlide(false);
        while (timer->isActive())
            window->counter().tmrAni_Timer();
    }
    bench::GeneratedShop shop;
    SilentDialogs dialogs;
    SystemClock clock;
    UnavailablePrinter printer;
    NoShell shell;
    std::unique_ptr<MainWindow> window;
    QPlainTextEdit* edit = nullptr;
    QLineEdit* finder = nullptr;
    QTimer* timer = nullptr;
};

std::map<int, std::unique_ptr<Rig>> gRigs;

Rig& rig(int lines) {
    auto& r = gRigs[lines];
    if (!r) r = std::make_unique<Rig>(lines);
    return *r;
}

void sendKey(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// From the command up to the text shown and painted (its first lines: the rest follows between events).
void BM_OpenEditor(benchmark::State& state) {
    Rig& r = rig(int(state.range(0)));
    for (auto _ : state) {
        r.window->counter().eItemToEdit();
        r.edit->viewport()->repaint();
        state.PauseTiming();
        r.close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// From the command until the whole text is in the field, the window's events running meanwhile.
void BM_OpenEditorWholeText(benchmark::State& state) {
    Rig& r = rig(int(state.range(0)));
    for (auto _ : state) {
        r.window->counter().eItemToEdit();
        while (r.edit->isReadOnly())
            QApplication::processEvents();
        r.edit->viewport()->repaint();
        state.PauseTiming();
        state.counters["blocks"] = double(r.edit->blockCount());
        r.close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// A space after "[12" at the end of the text: the bracket closes, and the field repaints.
void BM_TypingAidKeystroke(benchmark::State& state) {
    Rig& r = rig(int(state.range(0)));
    r.open();
    r.edit->moveCursor(QTextCursor::End);
    sendKey(r.edit, Qt::Key_Return, QStringLiteral("\r"));
    for (auto _ : state) {
        state.PauseTiming();
        for (const char c : {'1', '2'})
            sendKey(r.edit, c, QString(QChar(c)));
        QApplication::processEvents();
        state.ResumeTiming();
        sendKey(r.edit, Qt::Key_Space, QStringLiteral(" "));
        r.edit->viewport()->repaint();
        state.PauseTiming();
        for (int i = 0; i < 4; ++i)
            sendKey(r.edit, Qt::Key_Backspace, QString());
        state.ResumeTiming();
    }
    r.close();
}

// Ctrl+G: the text split into lines, both lists replaced, the file written.
void BM_SaveList(benchmark::State& state) {
    Rig& r = rig(int(state.range(0)));
    r.open();
    for (auto _ : state)
        r.window->counter().eSaveNotetoList(r.edit->toPlainText());
    r.close();
}

// A word of the first line searched with the caret at the end: no hit after it, the search wraps.
void BM_FindWithWrap(benchmark::State& state) {
    Rig& r = rig(int(state.range(0)));
    r.open();
    r.finder->setText(r.shop.lines.front().section(u' ', 1, 1));
    for (auto _ : state) {
        state.PauseTiming();
        r.edit->moveCursor(QTextCursor::End);
        state.ResumeTiming();
        sendKey(r.finder, Qt::Key_Return, QStringLiteral("\r"));
    }
    state.counters["caret"] = r.edit->textCursor().position();
    r.close();
}

BENCHMARK(BM_OpenEditor)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_OpenEditorWholeText)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_TypingAidKeystroke)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FindWithWrap)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gRigs.clear();
    return 0;
}

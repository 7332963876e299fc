// Saves pictures of the start window and of the main window on the demo shop, for the README.
// Usage: vendel_screenshots DEMO_DIR OUT_DIR   (run with QT_QPA_PLATFORM=offscreen)

#include "QuietPorts.h"
#include "app/MainWindow.h"
#include "app/StartWindow.h"
#include "app/UnavailablePrinter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

class FixedClock : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 5), QTime(12, 30)); }
};

bool copyFolder(const QString& from, const QString& to) {
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files))
        if (!QFile::copy(source.filePath(name), QDir(to).filePath(name))) return false;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: vendel_screenshots DEMO_DIR OUT_DIR\n";
        return 2;
    }
    const QString demo = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    QTemporaryDir shop;
    if (!copyFolder(demo, shop.path())) {
        err << "cannot copy the demo shop\n";
        return 1;
    }

    StartWindow start([] {});
    for (int i = 0; i < StartWindow::kSteps / 2; ++i)
        start.tmrGo_Timer();
    start.show();
    start.grab().save(QDir(out).filePath(QStringLiteral("start-window.png")));
    start.hide();

    SilentDialogs dialogs;
    FixedClock clock;
    UnavailablePrinter printer;
    NoShell shell;
    MainWindow window(shop.path(), Language(), QString(), Counter::Ports{dialogs, clock, printer, shell});
    window.resize(1040, 720);
    window.load();
    window.show();
    Counter& c = window.counter();
    c.selectItem(0);
    c.setField(Counter::Quantity, QStringLiteral("2"));
    c.ePreFactura();
    c.selectItem(19);
    c.ePreFactura();
    c.setCashText(QStringLiteral("1300"));
    QApplication::processEvents();
    window.grab().save(QDir(out).filePath(QStringLiteral("main-window.png")));
    return 0;
}

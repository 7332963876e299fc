// Saves pictures of the start window and of the main window on the demo shop, for the README: the
// window in Spanish and English, in the default, a light and a dark theme, and maximised.
// Usage: vendel_screenshots DEMO_DIR OUT_DIR   (run with QT_QPA_PLATFORM=offscreen)

#include "CounterAreas.h"
#include "QuietPorts.h"
#include "ui/ports/UnavailablePrinter.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/StartWindow.h"

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

// A fresh copy of the demo shop whose colour line (line 5 of the shop file) is the given one.
bool prepareShop(const QString& demo, const QString& to, const QByteArray& colourLine) {
    if (!copyFolder(demo, to)) return false;
    if (colourLine.isEmpty()) return true;
    QFile info(QDir(to).filePath(QStringLiteral("VL Info.txt")));
    if (!info.open(QIODevice::ReadOnly)) return false;
    QList<QByteArray> lines = info.readAll().split('\n');
    info.close();
    while (lines.size() < 5)
        lines << QByteArray();
    lines[4] = colourLine + '\r';
    if (!info.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    info.write(lines.join('\n'));
    return true;
}

// One picture of the main window with a small sale in progress.
bool shoot(const QString& demo, const QString& file, const QString& language, const QByteArray& colourLine,
           bool maximised) {
    QTemporaryDir shop;
    if (!prepareShop(demo, shop.path(), colourLine)) return false;
    SilentDialogs dialogs;
    FixedClock clock;
    UnavailablePrinter printer;
    NoShell shell;
    MainWindow window(shop.path(), Language(language), QString(), Ports{dialogs, clock, printer, shell});
    window.load();
    if (maximised) {
        window.showMaximized();
    } else {
        window.resize(1040, 640);
        window.show();
    }
    Counter& c = window.counter();
    c.search().selectItem(0);
    c.fields().set(EntryFields::Quantity, QStringLiteral("2"));
    c.ePreFactura();
    c.search().selectItem(19);
    c.ePreFactura();
    c.amounts().setCashText(QStringLiteral("1300"));
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return window.grab().save(file);
}

} // namespace

int main(int argc, char* argv[]) {
    // A screen as large as a shop's monitor, so the maximised view shows the panel centred.
    QTemporaryDir config;
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen") && config.isValid()) {
        const QString path = config.filePath(QStringLiteral("screens.json"));
        QFile json(path);
        if (json.open(QIODevice::WriteOnly)) {
            json.write(R"({"screens":[{"name":"shop","x":0,"y":0,"width":1600,"height":900,)"
                       R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
            json.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
        }
    }
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: vendel_screenshots DEMO_DIR OUT_DIR\n";
        return 2;
    }
    const QString demo = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);

    StartWindow start([] {});
    for (int i = 0; i < StartWindow::kSteps / 2; ++i)
        start.tmrGo_Timer();
    start.show();
    start.grab().save(QDir(out).filePath(QStringLiteral("start-window.png")));
    start.hide();

    struct Shot {
        const char* file;
        const char* language;
        const char* colour;
        bool maximised;
    };
    const Shot shots[] = {
        {"main-window.png", "", "", false},
        {"main-window-en.png", "EN", "", false},
        {"theme-light.png", "", "200 210 230", false},
        {"theme-dark.png", "", "10 20 30", false},
        {"maximised.png", "", "", true},
    };
    for (const Shot& s : shots)
        if (!shoot(demo, QDir(out).filePath(QLatin1String(s.file)), QLatin1String(s.language),
                   QByteArray(s.colour), s.maximised)) {
            err << "cannot save " << s.file << "\n";
            return 1;
        }
    return 0;
}

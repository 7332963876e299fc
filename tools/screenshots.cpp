// Saves pictures of the start window and of the main window on the demo shop, for the README: the
// window in Spanish and English, in the default, a light and a dark theme, and maximised; and the
// reports window on a month of generated sales, in both languages and a light and a dark theme.
// Usage: vendel_screenshots DEMO_DIR OUT_DIR   (run with QT_QPA_PLATFORM=offscreen)

#include "CounterAreas.h"
#include "QuietPorts.h"
#include "core/base/Numbers.h"
#include "core/base/TextFile.h"
#include "core/register/DayRegister.h"
#include "core/register/RegisterLines.h"
#include "ui/ports/UnavailablePrinter.h"
#include "ui/reports/ReportsWindow.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/StartWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
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

// The days of December 2026 up to the 5th and November before them: a few sales a day from the list.
void writeMonth(const QString& shop, const Language& language) {
    const QString symbol = QStringLiteral("$");
    const char* const items[] = {"PAN BLANCO",        "LECHE ENTERA 1 L", "CAFÉ SOLUBLE 200 G",
                                 "QUESO AÑEJO 500 G", "AZÚCAR 1 KG",      "HUEVO 12 PIEZAS"};
    const double prices[] = {3.5, 27.0, 89.9, 120.0, 32.5, 54.0};
    int seed = 7;
    for (QDate day(2026, 11, 20); day <= QDate(2026, 12, 5); day = day.addDays(1)) {
        QStringList lines;
        const int sales = 6 + (day.day() * 7) % 11;
        for (int s = 0; s < sales; ++s) {
            double total = 0;
            for (int i = 0; i < 1 + s % 3; ++i) {
                seed = (seed * 1103515245 + 12345) & 0x7fffffff;
                const int k = seed % 6;
                const int quantity = 1 + seed % 3;
                total += quantity * prices[k];
                lines << QString::number(quantity) + QStringLiteral(" x ") + QString::fromUtf8(items[k]) +
                             (language.isEnglish() ? QStringLiteral(" of ") : QStringLiteral(" de ")) +
                             symbol + Numbers::amountText(prices[k]) + QStringLiteral(" = ") + symbol +
                             Numbers::amountText(quantity * prices[k]);
            }
            const int minute = 9 * 60 + (s * 37 + day.day() * 13) % (11 * 60);
            const QString time = QStringLiteral("%1:%2")
                                     .arg(minute / 60, 2, 10, QLatin1Char('0'))
                                     .arg(minute % 60, 2, 10, QLatin1Char('0'));
            lines << (s % 4 == 3 ? RegisterLines::cardSale(time, symbol, total, language)
                                 : RegisterLines::saleTotal(time, symbol, total));
        }
        TextFile::saveLines(DayRegister::filePath(shop, day, language), lines);
    }
}

// The reports window over a month of sales.
bool shootReports(const QString& demo, const QString& file, const QString& language,
                  const QByteArray& colourLine, int tab) {
    QTemporaryDir shop;
    if (!prepareShop(demo, shop.path(), colourLine)) return false;
    writeMonth(shop.path(), Language(language));
    SilentDialogs dialogs;
    FixedClock clock;
    UnavailablePrinter printer;
    NoShell shell;
    MainWindow window(shop.path(), Language(language), QString(), Ports{dialogs, clock, printer, shell});
    window.load();
    window.show();
    window.openReports();
    ReportsWindow* reports = window.reports();
    reports->resize(1100, 720);
    QElapsedTimer waited;
    waited.start();
    while (!reports->loaded() && waited.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    reports->findChild<QTabWidget*>(QStringLiteral("tabReports"))->setCurrentIndex(tab);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return reports->grab().save(file);
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

    {
        // Gone before the next windows run their events, which would delete it a second time.
        StartWindow start([] {});
        for (int i = 0; i < StartWindow::kSteps / 2; ++i)
            start.tmrGo_Timer();
        start.show();
        start.grab().save(QDir(out).filePath(QStringLiteral("start-window.png")));
        start.hide();
    }

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
    // The summary, the best sellers and a day's sales.
    const std::pair<Shot, int> reports[] = {
        {{"reports.png", "", "", false}, 0},
        {{"reports-en.png", "EN", "", false}, 1},
        {{"reports-light.png", "", "200 210 230", false}, 2},
        {{"reports-dark.png", "EN", "10 20 30", false}, 0},
    };
    for (const auto& [s, tab] : reports)
        if (!shootReports(demo, QDir(out).filePath(QLatin1String(s.file)), QLatin1String(s.language),
                          QByteArray(s.colour), tab)) {
            err << "cannot save " << s.file << "\n";
            return 1;
        }
    return 0;
}

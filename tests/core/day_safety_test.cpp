#include "CounterRig.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <cerrno>

namespace {

// Every register file of the shop and how many of its lines name the item.
int filesHolding(const TempShop& shop, const QString& item) {
    int found = 0;
    const QStringList files = QDir(shop.path()).entryList({QStringLiteral("VENTAS #*.txt")}, QDir::Files);
    for (const QString& name : files)
        for (const QString& line : shop.lines(name))
            if (line.contains(QStringLiteral(" x ") + item + u' ')) ++found;
    return found;
}

void sell(CounterRig& rig, const QString& item) {
    rig.add(QStringLiteral("1"), item, QStringLiteral("2.00"));
    rig.counter->amounts().setCashText(QStringLiteral("5"));
    rig.counter->eFinal();
}

// Records the order in which data files are put in place, and can fail one of them.
struct Saves : TextFile::IoFaults {
    QStringList renamed;
    QString failing; // a file name whose rename fails with a full disk
    int fault(TextFile::IoStep step, const QString& path) override {
        if (step != TextFile::IoStep::Rename) return 0;
        const QString name = QFileInfo(path).fileName().section(u'.', 0, -2); // without the temporary end
        if (!failing.isEmpty() && name.startsWith(failing)) return ENOSPC;
        renamed << name;
        return 0;
    }
};

struct NoFaults {
    ~NoFaults() { TextFile::setIoFaults(nullptr); }
};

} // namespace

// The day's sales whatever the clock and the disk do: each sale ends in exactly one register file.
class DaySafetyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Steps: "+1d" / "-1d" move the clock by a day between two sales, "midnight" puts it at the last
    // second of the day for the next sale's item and half a second past midnight for its closing.
    void everySaleInOneFile_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("clock back a day") << QStringList{"-1d"};
        QTest::newRow("clock forward a day") << QStringList{"+1d"};
        QTest::newRow("back, then forward again") << QStringList{"-1d", "+1d"};
        QTest::newRow("forward, then back again") << QStringList{"+1d", "-1d", "+1d"};
        QTest::newRow("closed just after midnight") << QStringList{"midnight"};
        QTest::newRow("midnight, then back") << QStringList{"midnight", "-1d"};
    }
    void everySaleInOneFile() {
        QFETCH(QStringList, steps);
        CounterRig rig;
        rig.start();
        sell(rig, QStringLiteral("ITEM0"));
        int sold = 1;
        for (const QString& step : steps) {
            const QString item = QStringLiteral("ITEM") + QString::number(sold++);
            if (step == QLatin1String("midnight")) {
                rig.clock.at = QDateTime(rig.clock.at.date(), QTime(23, 59, 59));
                rig.add(QStringLiteral("1"), item, QStringLiteral("2.00"));
                rig.clock.at = rig.clock.at.addMSecs(1300);
                rig.counter->amounts().setCashText(QStringLiteral("5"));
                rig.counter->eFinal();
                continue;
            }
            rig.clock.at = rig.clock.at.addDays(step == QLatin1String("+1d") ? 1 : -1);
            sell(rig, item);
            rig.counter->tmrNight_Timer();
        }
        rig.counter->unload();
        for (int i = 0; i < sold; ++i)
            QCOMPARE(filesHolding(rig.shop, QStringLiteral("ITEM") + QString::number(i)), 1);
    }

    void unreadableRegisterGetsRecoveredFile_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("recovered");
        QTest::newRow("Spanish") << QString() << "VENTAS #05-12-2026 (recuperado).txt";
        QTest::newRow("English") << "EN"
                                 << "SALES #05-12-2026 (recovered).txt";
    }
    void unreadableRegisterGetsRecoveredFile() {
        QFETCH(QString, language);
        QFETCH(QString, recovered);
        CounterRig rig(language);
        const QString day = recovered.left(recovered.indexOf(u" (")) + QStringLiteral(".txt");
        QVERIFY(QFile::link(QStringLiteral("/nonexistent/offline-drive/x.txt"), rig.shop.file(day)));
        rig.start();
        QCOMPARE(rig.dialogs.messages().size(), 1);
        QVERIFY(rig.dialogs.messages().first().contains(day));
        sell(rig, QStringLiteral("PAN"));
        rig.counter->unload();
        QVERIFY(QFileInfo(rig.shop.file(day)).isSymLink());
        QVERIFY(rig.shop.lines(recovered).join(u'\n').contains(QStringLiteral("PAN")));
    }

    void registerSavedBeforeStock() {
        CounterRig rig;
        rig.shop.write(QStringLiteral("VL Lista.txt"), {QStringLiteral("[5] PAN $2.00")});
        rig.start();
        rig.add(QStringLiteral("1"), QStringLiteral("PAN"), QStringLiteral("2.00"));
        rig.counter->amounts().setCashText(QStringLiteral("5"));
        Saves saves;
        NoFaults restore;
        TextFile::setIoFaults(&saves);
        rig.counter->eFinal();
        QVERIFY(saves.renamed.contains(QStringLiteral("VL Lista")));
        QVERIFY(saves.renamed.first().startsWith(QStringLiteral("VENTAS")));
    }

    void settingSavedAtCloseAfterFullDisk() {
        CounterRig rig;
        rig.start();
        const bool before = rig.counter->settings().values().backToRecord;
        Saves saves;
        NoFaults restore;
        saves.failing = QStringLiteral("VL Config");
        TextFile::setIoFaults(&saves);
        rig.counter->settings().toggleBackToRecord();
        saves.failing.clear();
        rig.counter->unload();
        rig.counter.reset();
        QCOMPARE(rig.start().settings().values().backToRecord, !before);
    }
};

QTEST_GUILESS_MAIN(DaySafetyTest)
#include "day_safety_test.moc"

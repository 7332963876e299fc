#include "TempShop.h"
#include "Versions.h"
#include "core/base/DataFolder.h"
#include "core/base/TextFile.h"
#include "core/register/DayRegister.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <chrono>
#include <thread>

// A program killed in the middle of its saves: each file on disk is afterwards one whole version
// that was written, never torn and never gone, and the next start clears what the kill left.
class CrashTest : public QObject {
    Q_OBJECT

    struct Tally {
        int kills = 0;
        int torn = 0;
        int missing = 0;
        int leftovers = 0;      // temporary files the kills left behind
        int leftoversAfter = 0; // what the cleanup of the next start did not remove
        int newest = 0;         // the highest version found on disk
    };

    static void check(const QString& path, const QString& kind, Tally& tally) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            ++tally.missing;
            return;
        }
        const QByteArray bytes = file.readAll();
        const int n = Versions::versionOf(TextFile::linesOf(bytes));
        if (n < 0 || bytes != TextFile::toBytes(Versions::lines(kind, n))) {
            ++tally.torn;
            return;
        }
        tally.newest = std::max(tally.newest, n);
    }

private Q_SLOTS:
    void killedSavesLeaveWholeFiles() {
        TempShop shop;
        const QString list = shop.file("VL Lista.txt");
        const QString day = DayRegister::filePath(shop.path(), QDate(2026, 12, 6), Language());
        QVERIFY(TextFile::saveLines(list, Versions::lines("LISTA", 0)));
        QVERIFY(TextFile::saveLines(day, Versions::lines("VENTAS", 0)));
        const QStringList dataFiles{QFileInfo(day).fileName(), "VL Lista.txt"};

        QRandomGenerator random(20261206);
        Tally tally;
        for (int round = 0; round < 200; ++round) {
            QProcess saver;
            saver.start(QStringLiteral(VENDEL_SAVER), {"save", shop.path()});
            QVERIFY(saver.waitForReadyRead(60000));
            std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(15000)));
            saver.kill();
            QVERIFY(saver.waitForFinished(60000));
            if (saver.exitStatus() == QProcess::CrashExit) ++tally.kills;

            check(list, "LISTA", tally);
            check(day, "VENTAS", tally);
            const QStringList entries =
                QDir(shop.path())
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
            tally.leftovers += int(entries.size()) - int(dataFiles.size());
            DataFolder::removeStaleTemporaries(shop.path());
            QStringList after =
                QDir(shop.path())
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                               QDir::Name);
            tally.leftoversAfter += int(after.size()) - int(dataFiles.size());
            QCOMPARE(after, dataFiles);
        }
        qInfo("kills %d, torn %d, missing %d, temporary files left by kills %d, after cleanup %d, "
              "newest version %d",
              tally.kills, tally.torn, tally.missing, tally.leftovers, tally.leftoversAfter, tally.newest);
        QCOMPARE(tally.kills, 200);
        QCOMPARE(tally.torn, 0);
        QCOMPARE(tally.missing, 0);
        QCOMPARE(tally.leftoversAfter, 0);
        QVERIFY(tally.newest > 0); // the saves did run between the kills
    }
};

QTEST_GUILESS_MAIN(CrashTest)
#include "crash_test.moc"

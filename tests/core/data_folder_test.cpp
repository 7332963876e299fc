#include "TempShop.h"
#include "core/base/DataFolder.h"
#include "core/base/DataFolderLock.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

QStringList everyEntry(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                  QDir::Name);
}

// The saver holding the folder's lock, started and waited for until it holds it.
bool startLocker(QProcess& locker, const QString& folder) {
    locker.start(QStringLiteral(VENDEL_SAVER), {"lock", folder});
    return locker.waitForReadyRead(60000) && locker.readLine() == "locked\n";
}

} // namespace

// Start-up housekeeping of the shop's folder: temporary files of interrupted saves, and the lock
// that keeps a second program off the folder.
class DataFolderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void staleTemporaryNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("stale");
        QTest::newRow("item list") << "VL Lista.txt.aBcDeF" << true;
        QTest::newRow("english item list") << "VL List.txt.QWERTY" << true;
        QTest::newRow("settings") << "VL Config.ini.xxxxxx" << true;
        QTest::newRow("shop information") << "VL Info.txt.AbCdEf" << true;
        QTest::newRow("register") << "VENTAS #06-12-2026.txt.HgFeDc" << true;
        QTest::newRow("english register") << "SALES #06-12-2026.txt.HgFeDc" << true;
        QTest::newRow("split-off register") << "VENTAS #06-12-2026 (2).txt.zzZZzz" << true;
        QTest::newRow("split-off register 12") << "SALES #06-12-2026 (12).txt.zzZZzz" << true;
        QTest::newRow("the item list itself") << "VL Lista.txt" << false;
        QTest::newRow("the register itself") << "VENTAS #06-12-2026.txt" << false;
        QTest::newRow("five letters") << "VL Lista.txt.aBcDe" << false;
        QTest::newRow("seven letters") << "VL Lista.txt.aBcDeFg" << false;
        QTest::newRow("digits") << "VL Lista.txt.123456" << false;
        QTest::newRow("letters and digits") << "VL Lista.txt.aB3DeF" << false;
        QTest::newRow("short backup") << "VL Lista.txt.bak" << false;
        QTest::newRow("editor backup") << "VL Lista.txt~" << false;
        QTest::newRow("another case") << "vl lista.txt.aBcDeF" << false;
        QTest::newRow("copy of the list") << "Copia de VL Lista.txt.aBcDeF" << false;
        QTest::newRow("something after") << "VL Lista.txt.aBcDeF.txt" << false;
        QTest::newRow("old-style register, never written") << "Ventas de 06-12-2026.txt.aBcDeF" << false;
        QTest::newRow("short date") << "VENTAS #6-12-2026.txt.aBcDeF" << false;
        QTest::newRow("split-off without number") << "VENTAS #06-12-2026 (x).txt.aBcDeF" << false;
        QTest::newRow("help document") << "VL Ayuda.pdf.aBcDeF" << false;
        QTest::newRow("the lock") << ".vendel.lock" << false;
        QTest::newRow("another program's file") << "notes.txt.aBcDeF" << false;
        QTest::newRow("no dot") << "VL Lista.txtaBcDeF" << false;
    }
    void staleTemporaryNames() {
        QFETCH(QString, name);
        QFETCH(bool, stale);
        QCOMPARE(DataFolder::isStaleTemporary(name), stale);
    }

    void onlyStalePlainFilesAreRemoved() {
        TempShop shop;
        for (const char* name : {"VL Lista.txt", "VL Lista.txt.aBcDeF", "VENTAS #06-12-2026.txt.QwErTy",
                                 "VL Lista.txt.bak", "VL Lista.txt.123456", "Copia de VL Lista.txt.aBcDeF"})
            shop.writeBytes(name, "x\r\n");
        QDir(shop.path()).mkdir("VL Info.txt.folder");
        QVERIFY(QFile::link(shop.file("VL Lista.txt"), shop.file("VL Config.ini.linked")));
        QStringList removed = DataFolder::removeStaleTemporaries(shop.path());
        removed.sort();
        QCOMPARE(removed, (QStringList{"VENTAS #06-12-2026.txt.QwErTy", "VL Lista.txt.aBcDeF"}));
        QCOMPARE(everyEntry(shop.path()),
                 (QStringList{"Copia de VL Lista.txt.aBcDeF", "VL Config.ini.linked", "VL Info.txt.folder",
                              "VL Lista.txt", "VL Lista.txt.123456", "VL Lista.txt.bak"}));
        QCOMPARE(shop.bytes("VL Lista.txt"), QByteArray("x\r\n"));
    }

    // The names that saves really give their temporary files match: a save stopped just before its
    // rename leaves one that the cleanup recognises.
    void aSaveStoppedBeforeItsRenameLeavesARecognisedName() {
        TempShop shop;
        struct KeepTemporary : TextFile::IoFaults {
            QString folder;
            QStringList seen;
            int fault(TextFile::IoStep step, const QString&) override {
                if (step == TextFile::IoStep::Rename)
                    seen = QDir(folder).entryList(QDir::Files | QDir::Hidden);
                return 0;
            }
        } spy;
        spy.folder = shop.path();
        TextFile::setIoFaults(&spy);
        const bool saved = TextFile::save(shop.file("VL Lista.txt"), "x\r\n");
        TextFile::setIoFaults(nullptr);
        QVERIFY(saved);
        // Where the system offers unnamed temporary files, the name appears only for the instant of
        // the rename; otherwise it is in the folder here.
        for (const QString& name : std::as_const(spy.seen))
            QVERIFY2(DataFolder::isStaleTemporary(name), qPrintable(name));
    }

    void secondLockOnTheSameFolderFails() {
        TempShop shop;
        DataFolderLock first(shop.path());
        QVERIFY(first.tryLock());
        QVERIFY(shop.exists(DataFolderLock::fileName()));
        DataFolderLock second(shop.path());
        QVERIFY(!second.tryLock());
        QVERIFY(second.holder().contains(QString::number(QCoreApplication::applicationPid())));
    }

    void aLockHeldByAnotherProgramIsRespected() {
        TempShop shop;
        QProcess locker;
        QVERIFY(startLocker(locker, shop.path()));
        DataFolderLock lock(shop.path());
        QVERIFY(!lock.tryLock());
        QVERIFY2(lock.holder().contains(QString::number(locker.processId())), qPrintable(lock.holder()));
        locker.closeWriteChannel();
        QVERIFY(locker.waitForFinished(60000));
        QCOMPARE(locker.exitCode(), 0);
        QVERIFY(lock.tryLock());
    }

    void theLockOfAProgramThatDiedIsTakenOver() {
        TempShop shop;
        QProcess locker;
        QVERIFY(startLocker(locker, shop.path()));
        locker.kill();
        QVERIFY(locker.waitForFinished(60000));
        QVERIFY(shop.exists(DataFolderLock::fileName())); // left behind by the dead program
        DataFolderLock lock(shop.path());
        QVERIFY(lock.tryLock());
        QVERIFY(lock.isLocked());
    }
};

QTEST_GUILESS_MAIN(DataFolderTest)
#include "data_folder_test.moc"

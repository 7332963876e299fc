#include "TempShop.h"
#include "core/base/DataFolder.h"
#include "core/base/DataFolderLock.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

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
    // Only what a save of the program leaves behind is swept; a person's backups never are.
    void staleTemporaryNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("stale");
        QTest::newRow("item list") << ".vendel-save-VL Lista.txt.aB3dE9" << true;
        QTest::newRow("register") << ".vendel-save-VENTAS #06-12-2026 (2).txt.HgFeDc" << true;
        QTest::newRow("side notes") << ".vendel-save-VL Notas.txt.123456" << true;
        QTest::newRow("the item list itself") << "VL Lista.txt" << false;
        QTest::newRow("a backup of the list") << "VL Lista.txt.backup" << false;
        QTest::newRow("a backup of the settings") << "VL Config.ini.oldcfg" << false;
        QTest::newRow("copies of a register") << "VENTAS #07-12-2026.txt.copias" << false;
        QTest::newRow("six letters, no prefix") << "VL Lista.txt.aBcDeF" << false;
        QTest::newRow("prefix, five letters") << ".vendel-save-VL Lista.txt.aBcDe" << false;
        QTest::newRow("prefix, nothing saved") << ".vendel-save-.aBcDeF" << false;
        QTest::newRow("the lock") << ".vendel.lock" << false;
    }
    void staleTemporaryNames() {
        QFETCH(QString, name);
        QFETCH(bool, stale);
        QCOMPARE(DataFolder::isStaleTemporary(name), stale);
    }

    void onlyStalePlainFilesAreRemoved() {
        TempShop shop;
        for (const char* name : {"VL Lista.txt", ".vendel-save-VL Lista.txt.aBcDeF",
                                 ".vendel-save-VENTAS #06-12-2026.txt.QwErTy", "VL Lista.txt.bak",
                                 "VL Lista.txt.123456", "Copia de VL Lista.txt.aBcDeF"})
            shop.writeBytes(name, "x\r\n");
        QDir(shop.path()).mkdir(".vendel-save-VL Info.txt.folder");
        QVERIFY(QFile::link(shop.file("VL Lista.txt"), shop.file(".vendel-save-VL Config.ini.linked")));
        QStringList removed = DataFolder::removeStaleTemporaries(shop.path());
        removed.sort();
        QCOMPARE(removed, (QStringList{".vendel-save-VENTAS #06-12-2026.txt.QwErTy",
                                       ".vendel-save-VL Lista.txt.aBcDeF"}));
        QCOMPARE(everyEntry(shop.path()),
                 (QStringList{".vendel-save-VL Config.ini.linked", ".vendel-save-VL Info.txt.folder",
                              "Copia de VL Lista.txt.aBcDeF", "VL Lista.txt", "VL Lista.txt.123456",
                              "VL Lista.txt.bak"}));
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

    // Whatever a kill or a person left in place of the lock: a plain file no live program holds is
    // taken over; anything else is refused at once, saying why, never as "already open".
    void whatStandsInPlaceOfTheLock_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("why"); // empty: the lock is taken
        QTest::newRow("empty file") << "empty"
                                    << "";
        QTest::newRow("garbage") << "garbage"
                                 << "";
        QTest::newRow("a dead program's") << "dead"
                                          << "";
        QTest::newRow("a folder") << "folder"
                                  << "a folder stands in place of .vendel.lock";
        QTest::newRow("a pipe") << "pipe"
                                << "a pipe stands in place of .vendel.lock";
        QTest::newRow("a link") << "link"
                                << "a link stands in place of .vendel.lock";
        QTest::newRow("a full disk") << "full" << QString::fromLocal8Bit(std::strerror(ENOSPC));
    }
    void whatStandsInPlaceOfTheLock() {
        QFETCH(QString, left);
        QFETCH(QString, why);
        TempShop shop;
        const QString path = shop.file(DataFolderLock::fileName());
        if (left == "empty") shop.writeBytes(DataFolderLock::fileName(), "");
        if (left == "garbage") shop.writeBytes(DataFolderLock::fileName(), "\x01\xff\nzz");
        if (left == "dead") shop.writeBytes(DataFolderLock::fileName(), "999999\nvendel\nelsewhere\n");
        if (left == "folder") QVERIFY(QDir(shop.path()).mkdir(DataFolderLock::fileName()));
        if (left == "pipe") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        if (left == "link") QVERIFY(QFile::link(shop.file("VL Lista.txt"), path));
        struct DiskFull : TextFile::IoFaults {
            int fault(TextFile::IoStep, const QString&) override { return ENOSPC; }
        } full;
        if (left == "full") TextFile::setIoFaults(&full);
        DataFolderLock lock(shop.path());
        const bool taken = lock.tryLock();
        TextFile::setIoFaults(nullptr);
        QCOMPARE(taken, why.isEmpty());
        QVERIFY(!lock.heldByAnother());
        QCOMPARE(lock.why(), why);
        if (taken)
            QCOMPARE(shop.bytes(DataFolderLock::fileName()).split('\n').first().toLongLong(),
                     QCoreApplication::applicationPid());
    }

    void secondLockOnTheSameFolderFails() {
        TempShop shop;
        DataFolderLock first(shop.path());
        QVERIFY(first.tryLock());
        QVERIFY(shop.exists(DataFolderLock::fileName()));
        DataFolderLock second(shop.path());
        QVERIFY(!second.tryLock());
        QVERIFY(second.heldByAnother());
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

#include "CounterRig.h"
#include "TempShop.h"
#include "Versions.h"
#include "core/base/DataFolder.h"
#include "core/base/DataFolderLock.h"
#include "core/base/TextFile.h"
#include "core/register/DayRegister.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <sys/stat.h>
#include <thread>

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

// Fails every read of one file of the shop with a read error of the disk.
struct UnreadableFile : TextFile::IoFaults {
    QString name;
    int fault(TextFile::IoStep step, const QString& path) override {
        return step == TextFile::IoStep::Read && QFileInfo(path).fileName() == name ? EIO : 0;
    }
};

QByteArray hostile(const QString& kind) {
    if (kind == "random bytes") {
        QRandomGenerator random(4242);
        QByteArray out(64 * 1024, Qt::Uninitialized);
        for (char& b : out)
            b = char(random.bounded(256));
        return out;
    }
    if (kind == "NUL bytes")
        return QByteArray(300, '\0') + "\r\n[5] P\0AN $1\0.00\r\n" + QByteArray(10, '\0');
    if (kind == "lone CR") return "[5] PAN $1.00\r[6] LECHE $2.00\r\r\r1\r0\r";
    if (kind == "10 MB line") return QByteArray(10 * 1024 * 1024, 'A') + "\r\n";
    if (kind == "huge numbers")
        return QByteArray("1e308\r\n").repeated(10) + "[1e308] PAN $1e308 #1e308\r\n-1e308\r\n" +
               "-----(09:00)------------------------------> [TOTAL $1e308]\r\n255 255 1e308\r\n";
    if (kind == "not a number")
        return QByteArray("nan\r\ninf\r\n-nan\r\n") + "[nan] PAN $nan\r\n[inf] LECHE $-inf\r\n" +
               "-----(09:00)------------------------------> [TOTAL $nan]\r\nnan inf -inf\r\n";
    if (kind == "unclosed brackets")
        return "[[[[ PAN $\r\n[5 PAN $1.00\r\n]]] ] $\r\n[\r\n]\r\n(((\r\n[5] $ $ $ "
               "#\r\n-----(\r\n*****(\r\n";
    if (kind == "many short lines") return QByteArray("[1] A $1.00\r\n\r\n").repeated(50000);
    return {};
}

} // namespace

using StaleRow = std::pair<QString, bool>;
using LockRow = std::pair<QString, QString>;

// The shop's folder: killed saves, stale temporary files, the lock, and files filled with anything at all.
class DataFolderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killedSavesLeaveWholeFiles() {
        TempShop shop;
        const QString list = shop.file("VL Lista.txt");
        const QString day = DayRegister::filePath(shop.path(), QDate(2026, 12, 6), Language());
        QVERIFY(TextFile::saveLines(list, Versions::lines("LISTA", 0)));
        QVERIFY(TextFile::saveLines(day, Versions::lines("VENTAS", 0)));
        const QStringList dataFiles{QFileInfo(day).fileName(), "VL Lista.txt"};
        QRandomGenerator random(20261206);
        int kills = 0, torn = 0, missing = 0, leftovers = 0, newest = 0; // leftovers: temporaries left
        const auto check = [&](const QString& path, const QString& kind) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) return void(++missing);
            const QByteArray bytes = file.readAll();
            const int n = Versions::versionOf(TextFile::linesOf(bytes));
            if (n < 0 || bytes != TextFile::toBytes(Versions::lines(kind, n))) return void(++torn);
            newest = std::max(newest, n);
        };
        for (int round = 0; round < 200; ++round) {
            QProcess saver;
            saver.start(QStringLiteral(VENDEL_SAVER), {"save", shop.path()});
            QVERIFY(saver.waitForReadyRead(60000));
            std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(15000)));
            saver.kill();
            QVERIFY(saver.waitForFinished(60000));
            if (saver.exitStatus() == QProcess::CrashExit) ++kills;
            check(list, "LISTA");
            check(day, "VENTAS");
            leftovers += int(everyEntry(shop.path()).size()) - int(dataFiles.size());
            DataFolder::removeStaleTemporaries(shop.path());
            QCOMPARE(everyEntry(shop.path()), dataFiles); // the next start's cleanup leaves data only
        }
        qInfo("kills %d, torn %d, missing %d, temporary files left by kills %d, newest version %d", kills,
              torn, missing, leftovers, newest);
        QCOMPARE(kills, 200);
        QCOMPARE(torn, 0);
        QCOMPARE(missing, 0);
        QVERIFY(newest > 0); // the saves did run between the kills
    }

    // Only what a save of the program leaves behind is swept; a person's backups never are.
    void staleTemporaryNames_data() {
        QTest::addColumn<StaleRow>("row");
        QTest::newRow("item list") << StaleRow{".vendel-save-VL Lista.txt.aB3dE9", true};
        QTest::newRow("register") << StaleRow{".vendel-save-VENTAS #06-12-2026 (2).txt.HgFeDc", true};
        QTest::newRow("a backup of the list") << StaleRow{"VL Lista.txt.backup", false};
        QTest::newRow("six letters, no prefix") << StaleRow{"VL Lista.txt.aBcDeF", false};
        QTest::newRow("prefix, five letters") << StaleRow{".vendel-save-VL Lista.txt.aBcDe", false};
        QTest::newRow("prefix, nothing saved") << StaleRow{".vendel-save-.aBcDeF", false};
        QTest::newRow("the lock") << StaleRow{".vendel.lock", false};
    }
    void staleTemporaryNames() {
        QFETCH(StaleRow, row);
        QCOMPARE(DataFolder::isStaleTemporary(row.first), row.second);
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

    // A plain file no live program holds is taken over; anything else is refused, saying why.
    void whatStandsInPlaceOfTheLock_data() {
        QTest::addColumn<LockRow>("row"); // what is left, why the lock is refused (empty: taken)
        QTest::newRow("empty file") << LockRow{"empty", ""};
        QTest::newRow("garbage") << LockRow{"garbage", ""};
        QTest::newRow("a dead program's") << LockRow{"dead", ""};
        QTest::newRow("a folder") << LockRow{"folder", "a folder stands in place of .vendel.lock"};
        QTest::newRow("a pipe") << LockRow{"pipe", "a pipe stands in place of .vendel.lock"};
        QTest::newRow("a link") << LockRow{"link", "a link stands in place of .vendel.lock"};
        QTest::newRow("a full disk") << LockRow{"full", QString::fromLocal8Bit(std::strerror(ENOSPC))};
    }
    void whatStandsInPlaceOfTheLock() {
        QFETCH(LockRow, row);
        const auto& [left, why] = row;
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

    void counterSurvivesHostileFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        const QStringList kinds{"random bytes", "NUL bytes",     "lone CR",           "10 MB line",
                                "huge numbers", "not a number",  "unclosed brackets", "many short lines",
                                "folder",       "dangling link", "read error"};
        for (const char* file : {"VL Config.ini", "VL Lista.txt", "VL Info.txt", "register"})
            for (const QString& kind : kinds)
                QTest::addRow("%s, %s", file, qPrintable(kind)) << QString::fromLatin1(file) << kind;
    }
    void counterSurvivesHostileFiles() {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        CounterRig rig;
        const QString name = file == "register" ? rig.registerName() : file;
        const QString path = rig.shop.file(name);
        UnreadableFile unreadable;
        if (kind == "folder") {
            QVERIFY(QDir(rig.shop.path()).mkdir(name));
        } else if (kind == "dangling link") {
            QVERIFY(QFile::link("/nonexistent/offline-drive/" + name, path));
        } else if (kind == "read error") {
            rig.shop.writeBytes(
                name, "[5] PAN $1.00\r\n-----(09:00)------------------------------> [TOTAL $1.00]\r\n");
            unreadable.name = name;
            TextFile::setIoFaults(&unreadable);
        } else {
            rig.shop.writeBytes(name, hostile(kind));
        }
        const QByteArray before = kind == "read error" ? rig.shop.bytes(name) : QByteArray();
        rig.dialogs.answer(true); // a cashier offered a new item list takes it
        Counter& c = rig.start();
        rig.add("1", "PAN", "12.50");
        c.amounts().setCashText("20");
        c.eFinal();
        c.unload();
        rig.counter.reset();
        TextFile::setIoFaults(nullptr);
        if (file != "register" || kind == "random bytes" || kind == "NUL bytes" || kind == "lone CR" ||
            kind == "10 MB line" || kind == "many short lines" || kind == "unclosed brackets") {
            const TextFile::ReadResult day = TextFile::read(rig.shop.file(rig.registerName()));
            QVERIFY(day.ok());
            QVERIFY(day.lines.join('\n').contains("[TOTAL "));
        }
        if (kind == "folder") QVERIFY(QFileInfo(path).isDir());
        if (kind == "dangling link") QVERIFY(QFileInfo(path).isSymLink() && !QFileInfo::exists(path));
        // A file that could not be read still holds the shop's data: it must not be replaced.
        if (kind == "read error") QVERIFY(rig.shop.exists(name) && rig.shop.bytes(name) == before);
    }
};

QTEST_GUILESS_MAIN(DataFolderTest)
#include "data_folder_test.moc"

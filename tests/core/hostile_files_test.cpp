#include "CounterRig.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

#include <cerrno>

namespace {

// Fails every read of one file of the shop with a read error of the disk.
struct UnreadableFile : TextFile::IoFaults {
    QString name;
    int fault(TextFile::IoStep step, const QString& path) override {
        return step == TextFile::IoStep::Read && QFileInfo(path).fileName() == name ? EIO : 0;
    }
};

QByteArray randomBytes(int size) {
    QRandomGenerator random(4242);
    QByteArray out(size, Qt::Uninitialized);
    for (char& b : out)
        b = char(random.bounded(256));
    return out;
}

QByteArray hostile(const QString& kind) {
    if (kind == "random bytes") return randomBytes(64 * 1024);
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

// Files of the shop that a fault, a wrong copy or a hand edit filled with anything at all: the counter
// loads them, rings up a sale and closes without crashing (the suite also runs under the sanitizers).
class HostileFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
        if (kind == "dangling link") {
            QVERIFY(QFileInfo(path).isSymLink());
            QVERIFY(!QFileInfo::exists(path));
        }
        if (kind == "read error") {
            // A file that could not be read still holds the shop's data: it must not be replaced.
            QVERIFY(rig.shop.exists(name) && rig.shop.bytes(name) == before);
        }
    }
};

QTEST_GUILESS_MAIN(HostileFilesTest)
#include "hostile_files_test.moc"

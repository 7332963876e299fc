#include "CounterRig.h"
#include "TempShop.h"
#include "Versions.h"
#include "core/base/Cp1252.h"
#include "core/base/DataFolder.h"
#include "core/base/DataFolderLock.h"
#include "core/base/Numbers.h"
#include "core/base/Parallel.h"
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
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace {

// Fails one step of the reads and saves of one file with one error; records the folders saves synced.
struct Faults : TextFile::IoFaults {
    TextFile::IoStep step;
    QString path;
    int error;
    QStringList syncedFolders;
    explicit Faults(TextFile::IoStep s = TextFile::IoStep::Read, const QString& p = {}, int e = 0)
        : step(s), path(p), error(e) {
        TextFile::setIoFaults(this);
    }
    ~Faults() override { TextFile::setIoFaults(nullptr); }
    int fault(TextFile::IoStep at, const QString& on) override {
        if (at == TextFile::IoStep::FolderSync) syncedFolders.append(on);
        return at == step && on == path ? error : 0;
    }
};

QStringList everyEntry(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                  QDir::Name);
}

// The saver holding the folder's lock, started and waited for until it holds it.
bool startLocker(QProcess& locker, const QString& folder) {
    locker.start(QStringLiteral(VENDEL_SAVER), {"lock", folder});
    return locker.waitForReadyRead(60000) && locker.readLine() == "locked\n";
}

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

using LeadingRow = std::tuple<QString, double>;
using AmountTextRow = std::tuple<double, QString>;
using PictureRow = std::tuple<double, int, QString>;
using PlainRow = std::tuple<double, QString>;
using LineEndsRow = std::tuple<QByteArray, QStringList>;
using ReadRow = std::tuple<QString, int, QStringList>;
using StepRow = std::tuple<TextFile::IoStep, int, bool>;
using EncodingRow = std::tuple<QByteArray, QStringList, QByteArray>;
using StaleRow = std::pair<QString, bool>;
using LockRow = std::pair<QString, QString>;
using HostileRow = std::pair<QString, QString>;

// Numbers, the shop's text files, and the shop's folder: killed saves, stale temporary files, the lock,
// and files filled with anything at all.
class BaseTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leading_data() {
        QTest::addColumn<LeadingRow>("row");
        QTest::newRow("barcode after #") << LeadingRow{"198.00 #750", 198.0};
        QTest::newRow("blanks inside join digits") << LeadingRow{"1 500", 1500.0};
        QTest::newRow("barcode without # joins") << LeadingRow{"198.00 750", 198.0075};
        QTest::newRow("word") << LeadingRow{"ARTÍCULO", 0.0};
        QTest::newRow("empty") << LeadingRow{"", 0.0};
        QTest::newRow("leading blanks and tab") << LeadingRow{" \t-2.5x", -2.5};
        QTest::newRow("plus sign") << LeadingRow{"+3", 3.0};
        QTest::newRow("second point stops") << LeadingRow{"1.2.3", 1.2};
        QTest::newRow("comma stops") << LeadingRow{"1,500", 1.0};
        QTest::newRow("exponent E") << LeadingRow{"1.5E3", 1500.0};
        QTest::newRow("exponent D") << LeadingRow{"2D-2", 0.02};
        QTest::newRow("exponent without digits") << LeadingRow{"7E", 7.0};
        QTest::newRow("lone point") << LeadingRow{".", 0.0};
        QTest::newRow("overflow reads 0") << LeadingRow{"1E400", 0.0};
        QTest::newRow("twenty digits") << LeadingRow{"99999999999999999999", 1e20};
        QTest::newRow("line feed skipped") << LeadingRow{"1\n2", 12.0};
    }
    void leading() {
        QFETCH(LeadingRow, row);
        const auto& [text, expected] = row;
        QCOMPARE(Numbers::leading(text), expected);
    }

    void amountText_data() {
        QTest::addColumn<AmountTextRow>("row");
        QTest::newRow("thousand groups") << AmountTextRow{1000.0, "1,000.00"};
        QTest::newRow("below thousand") << AmountTextRow{999.5, "999.50"};
        QTest::newRow("negative never grouped") << AmountTextRow{-1500.0, "-1500.00"};
        QTest::newRow("rounds half up") << AmountTextRow{0.125, "0.13"};
        QTest::newRow("binary 2.675 still rounds up") << AmountTextRow{2.675, "2.68"};
        QTest::newRow("half away from zero negative") << AmountTextRow{-0.125, "-0.13"};
        QTest::newRow("grouped with rounding") << AmountTextRow{12345.678, "12,345.68"};
        QTest::newRow("millions") << AmountTextRow{1234567.891, "1,234,567.89"};
        QTest::newRow("picture chosen before rounding") << AmountTextRow{999.999, "1000.00"};
        QTest::newRow("tiny negative is zero") << AmountTextRow{-0.001, "0.00"};
        QTest::newRow("20-digit price")
            << AmountTextRow{99999999999999999999.0, "100,000,000,000,000,000,000.00"};
        QTest::newRow("0.1+0.2") << AmountTextRow{0.1 + 0.2, "0.30"};
        QTest::newRow("infinity never shows")
            << AmountTextRow{std::numeric_limits<double>::infinity(), "0.00"};
    }
    void amountText() {
        QFETCH(AmountTextRow, row);
        const auto& [value, expected] = row;
        QCOMPARE(Numbers::amountText(value), expected);
    }

    void pictures_data() {
        QTest::addColumn<PictureRow>("row");
        QTest::newRow("grouped zero-fills") << PictureRow{5.0, int(Numbers::Picture::Grouped), "0,005.00"};
        QTest::newRow("plain thousand") << PictureRow{1500.0, int(Numbers::Picture::Plain), "1500.00"};
        QTest::newRow("millions zero-fills")
            << PictureRow{23.0, int(Numbers::Picture::Millions), "0,000,023.00"};
        QTest::newRow("carry into new digit")
            << PictureRow{9999.995, int(Numbers::Picture::Grouped), "10,000.00"};
    }
    void pictures() {
        QFETCH(PictureRow, row);
        const auto& [value, picture, expected] = row;
        QCOMPARE(Numbers::format(value, Numbers::Picture(picture)), expected);
    }

    void plain_data() {
        QTest::addColumn<PlainRow>("row");
        QTest::newRow("fraction") << PlainRow{7.5, "7.5"};
        QTest::newRow("15 digits") << PlainRow{0.1 + 0.2, "0.3"};
        QTest::newRow("large exponent") << PlainRow{1.5e20, "1.5E+20"};
        QTest::newRow("1E+15") << PlainRow{1e15, "1E+15"};
        QTest::newRow("below 1E+15 stays plain") << PlainRow{123456789012345.0, "123456789012345"};
        QTest::newRow("small exponent") << PlainRow{2e-7, "2E-07"};
        QTest::newRow("negative zero") << PlainRow{-0.0, "0"};
    }
    void plain() {
        QFETCH(PlainRow, row);
        const auto& [value, expected] = row;
        QCOMPARE(Numbers::plain(value), expected);
    }

    void amountAndFloorText() {
        QCOMPARE(Numbers::amount(u"1,000,000.5"), 1000000.5);
        QCOMPARE(Numbers::floorText(12.7), QStringLiteral("12"));
        QCOMPARE(Numbers::floorText(-2.5), QStringLiteral("-3"));
    }

    void lineEnds_data() {
        QTest::addColumn<LineEndsRow>("row");
        QTest::newRow("CR LF") << LineEndsRow{"a\r\nb\r\n", {"a", "b"}};
        QTest::newRow("mixed") << LineEndsRow{"a\r\nb\nc", {"a", "b", "c"}};
        QTest::newRow("last line without end") << LineEndsRow{"a\r\nb", {"a", "b"}};
        QTest::newRow("empty lines kept") << LineEndsRow{"a\r\n\r\nb\r\n", {"a", "", "b"}};
        QTest::newRow("empty file") << LineEndsRow{"", {}};
        QTest::newRow("one empty line") << LineEndsRow{"\r\n", {""}};
        QTest::newRow("lone CR stays in the line") << LineEndsRow{"a\rb\r\n", {"a\rb"}};
        QTest::newRow("only CR line ends") << LineEndsRow{"[1] A $1\r[2] B $2\r", {"[1] A $1", "[2] B $2"}};
        QTest::newRow("LF CR line ends") << LineEndsRow{"a\n\rb\n\r", {"a", "\rb", "\r"}};
        QTest::newRow("LF, then CR only") << LineEndsRow{"a\rb\rc\nd\re\rf", {"a\rb\rc", "d\re\rf"}};
        QTest::newRow("long lines") << LineEndsRow{QByteArray(40, 'x') + "\r\n" + QByteArray(40, '\x80'),
                                                   {QString(40, u'x'), QString(40, QChar(0x20AC))}};
    }
    void lineEnds() {
        QFETCH(LineEndsRow, row);
        const auto& [bytes, expected] = row;
        TempShop shop;
        shop.writeBytes("x.txt", bytes);
        // A long file is read in parts side by side: cut small, these read as they do whole.
        Parallel::cutEveryJobInto(3);
        const QStringList inParts = TextFile::readLines(shop.file("x.txt")).value();
        Parallel::cutEveryJobInto(0);
        QCOMPARE(inParts, expected);
        QStringList lines = TextFile::readLines(shop.file("x.txt")).value();
        QCOMPARE(lines, expected);
        // The lines share one piece of memory: each ends as a string ends, a line changed alters no other.
        for (const QString& line : lines)
            QCOMPARE(line.utf16()[line.size()], u'\0');
        if (lines.isEmpty()) return;
        QString kept = lines.first();
        lines.last().append(u"+");
        QCOMPARE(lines.last(), expected.last() + u'+');
        lines.clear();
        kept.append(QString(300, u'z'));
        QCOMPARE(kept, expected.first() + QString(300, u'z'));
    }

    void readTellsMissingFromUnreadable_data() {
        QTest::addColumn<ReadRow>("row");
        using S = TextFile::ReadResult::Status;
        QTest::newRow("missing") << ReadRow{"none", int(S::Missing), {}};
        QTest::newRow("missing folder on the way") << ReadRow{"no folder", int(S::Missing), {}};
        QTest::newRow("a file on the way") << ReadRow{"file on the way", int(S::Missing), {}};
        QTest::newRow("empty") << ReadRow{"empty", int(S::Read), {}};
        QTest::newRow("fine") << ReadRow{"fine", int(S::Read), {"uno", "dos"}};
        QTest::newRow("link to a fine file") << ReadRow{"link", int(S::Read), {"uno", "dos"}};
        QTest::newRow("folder in its place") << ReadRow{"folder", int(S::Unreadable), {}};
        QTest::newRow("dangling link") << ReadRow{"dangling", int(S::Unreadable), {}};
        QTest::newRow("link loop") << ReadRow{"loop", int(S::Unreadable), {}};
        QTest::newRow("pipe in its place") << ReadRow{"fifo", int(S::Unreadable), {}};
        QTest::newRow("no permission") << ReadRow{"chmod 000", int(S::Unreadable), {}};
        QTest::newRow("read error of the disk") << ReadRow{"EIO", int(S::Unreadable), {}};
    }
    void readTellsMissingFromUnreadable() {
        QFETCH(ReadRow, row);
        const auto& [setup, status, lines] = row;
        TempShop shop;
        QString path = shop.file("VL Lista.txt");
        Faults faults(TextFile::IoStep::Read, setup == "EIO" ? path : QString(), EIO);
        if (setup == "no folder") path = shop.file("gone/VL Lista.txt");
        if (setup == "file on the way") {
            shop.writeBytes("plain", "x");
            path = shop.file("plain/VL Lista.txt");
        }
        if (setup == "empty") shop.writeBytes("VL Lista.txt", "");
        if (setup == "fine" || setup == "chmod 000" || setup == "EIO")
            shop.writeBytes("VL Lista.txt", "uno\r\ndos\r\n");
        if (setup == "link") {
            shop.writeBytes("real.txt", "uno\r\ndos\r\n");
            QVERIFY(QFile::link(shop.file("real.txt"), path));
        }
        if (setup == "folder") QDir(shop.path()).mkdir("VL Lista.txt");
        if (setup == "dangling") QVERIFY(QFile::link("/media/offline-drive/VL Lista.txt", path));
        if (setup == "loop") {
            QVERIFY(QFile::link(shop.file("other"), path));
            QVERIFY(QFile::link(path, shop.file("other")));
        }
        if (setup == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (setup == "chmod 000") {
            if (::geteuid() == 0) QSKIP("root reads every file; the read error rows cover this case");
            QVERIFY(QFile::setPermissions(path, {}));
        }
        const TextFile::ReadResult result = TextFile::read(path);
        QCOMPARE(int(result.status), status);
        QCOMPARE(result.lines, lines);
        QCOMPARE(result.error.isEmpty(), !result.unreadable());
        if (setup == "EIO") QCOMPARE(result.error, QString::fromLocal8Bit(std::strerror(EIO)));
        // The older reading answers the same for every case that is not a readable file.
        QCOMPARE(TextFile::readLines(path).has_value(), result.ok());
    }

    // A failing disk: each failure reported, the old file whole, no temporary file left, the next save whole.
    void failedStepsKeepTheOldFile_data() {
        QTest::addColumn<StepRow>("row");
        using enum TextFile::IoStep;
        for (const auto& [name, error] : {std::pair{"ENOSPC", ENOSPC}, std::pair{"EIO", EIO}}) {
            QTest::addRow("open, %s", name) << StepRow{Open, error, true};
            QTest::addRow("write, %s", name) << StepRow{Write, error, true};
            QTest::addRow("sync, %s", name) << StepRow{Sync, error, true};
            QTest::addRow("rename, %s", name) << StepRow{Rename, error, true};
        }
        // The new content is in place, yet reported as failed: it may not survive a power cut.
        QTest::newRow("folder sync, EIO") << StepRow{FolderSync, EIO, false};
        // A folder with write and search rights only cannot be opened to sync: the file was saved.
        QTest::newRow("folder not readable, EACCES") << StepRow{FolderSync, EACCES, false};
    }
    void failedStepsKeepTheOldFile() {
        QFETCH(StepRow, row);
        const auto& [step, error, oldKept] = row;
        TempShop shop;
        const QString path = shop.file("VL Lista.txt");
        const QByteArray old = "[1] PAN $1.00\r\n";
        const QByteArray next = QByteArray("[2] PAN $2.00\r\n").repeated(500);
        shop.writeBytes("VL Lista.txt", old);
        {
            Faults faults(step, step == TextFile::IoStep::FolderSync ? shop.path() : path, error);
            QString why;
            QCOMPARE(TextFile::save(path, next, &why), error == EACCES);
            QCOMPARE(why, error == EACCES ? QString() : QString::fromLocal8Bit(std::strerror(error)));
            QCOMPARE(shop.bytes("VL Lista.txt"), oldKept ? old : next);
            QCOMPARE(everyEntry(shop.path()), QStringList{"VL Lista.txt"});
        }
        QVERIFY(TextFile::save(path, next + "end\r\n"));
        QCOMPARE(shop.bytes("VL Lista.txt"), next + "end\r\n");
    }

    // A linked data file stays a link; its target gets the content and its folder is synced. A linked folder.
    void aLinkedFileStaysALink() {
        TempShop shop;
        QDir(shop.path()).mkdir("elsewhere");
        const QString target = shop.file("elsewhere/lista.txt");
        shop.writeBytes("elsewhere/lista.txt", "old\r\n");
        const QString link = shop.file("VL Lista.txt");
        QVERIFY(QFile::link(target, link));
        Faults faults;
        QVERIFY(TextFile::save(link, "new\r\n"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), target);
        QCOMPARE(shop.bytes("elsewhere/lista.txt"), QByteArray("new\r\n"));
        QCOMPARE(faults.syncedFolders, QStringList{QFileInfo(target).absolutePath()});
        QCOMPARE(everyEntry(shop.file("elsewhere")), QStringList{"lista.txt"});
        QVERIFY(QFile::link(shop.file("elsewhere"), shop.file("link")));
        QVERIFY(TextFile::save(shop.file("link/f.txt"), "ok\r\n"));
        QCOMPARE(shop.bytes("elsewhere/f.txt"), QByteArray("ok\r\n"));
    }

    // Windows-1252 unless the whole file is UTF-8 with characters beyond ASCII; saves are 1252.
    void encodingOfWhatIsRead_data() {
        QTest::addColumn<EncodingRow>("row");
        QTest::newRow("1252 accents")
            << EncodingRow{"CAF\xc9 \x80 a\xf1o\r\n", {"CAFÉ € año"}, "CAF\xc9 \x80 a\xf1o\r\n"};
        QTest::newRow("UTF-8 accents") << EncodingRow{"CAF\xc3\x89 \xe2\x82\xac a\xc3\xb1o\r\nx\r\n",
                                                      {"CAFÉ € año", "x"},
                                                      "CAF\xc9 \x80 a\xf1o\r\nx\r\n"};
        QTest::newRow("UTF-8 with byte order mark")
            << EncodingRow{"\xef\xbb\xbfPAN\r\nCAF\xc3\x89\r\n", {"PAN", "CAFÉ"}, "PAN\r\nCAF\xc9\r\n"};
        QTest::newRow("byte order mark alone") << EncodingRow{"\xef\xbb\xbfPAN\n", {"PAN"}, "PAN\r\n"};
        QTest::newRow("UTF-8 beyond the code page")
            << EncodingRow{"\xc4\x89 \xf0\x9f\x98\x80\r\n", {"ĉ 😀"}, "? ?\r\n"};
        QTest::newRow("1252 that is no UTF-8")
            << EncodingRow{"\xc3\x89\xff\r\n", {"Ã‰ÿ"}, "\xc3\x89\xff\r\n"};
        QTest::newRow("overlong form is 1252") << EncodingRow{"\xc0\xaf\r\n", {"À¯"}, "\xc0\xaf\r\n"};
        QTest::newRow("surrogate form is 1252")
            << EncodingRow{"\xed\xa0\x80\r\n", {"í\u00a0€"}, "\xed\xa0\x80\r\n"};
        QTest::newRow("cut sequence at the end is 1252") << EncodingRow{"ok \xc3", {"ok Ã"}, "ok \xc3\r\n"};
    }
    void encodingOfWhatIsRead() {
        QFETCH(EncodingRow, row);
        const auto& [bytes, lines, saved] = row;
        TempShop shop;
        shop.writeBytes("in.txt", bytes);
        const TextFile::ReadResult result = TextFile::read(shop.file("in.txt"));
        QVERIFY(result.ok());
        QCOMPARE(result.lines, lines);
        QVERIFY(TextFile::saveLines(shop.file("out.txt"), result.lines));
        QCOMPARE(shop.bytes("out.txt"), saved);
    }

    // Every byte but the line ends, read (widened in place, whole or in parts) and saved back unchanged.
    void everyByteSurvivesReadAndWrite() {
        TempShop shop;
        QByteArray line;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n') line.append(char(b));
        const QByteArray content = line + "\r\n" + line + "\r\n" + line + "\r\n";
        shop.writeBytes("a.txt", content);
        for (const int parts : {0, 3}) {
            Parallel::cutEveryJobInto(parts);
            const auto lines = TextFile::readLines(shop.file("a.txt"));
            Parallel::cutEveryJobInto(0);
            QVERIFY(lines && lines->size() == 3);
            QVERIFY(TextFile::saveLines(shop.file("b.txt"), *lines));
            QCOMPARE(shop.bytes("b.txt"), content);
        }
    }

    void encodingRefusesWhatTheCodePageLacks() {
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        // ASCII is written four characters at a time: every other character at each place in a run.
        for (int offset = 0; offset < 5; ++offset) {
            const QByteArray lead(offset, 'a');
            const QString text = QString::fromLatin1(lead) + Cp1252::decode(all) + QString::fromUtf8("ĉ€😀") +
                                 QString::fromLatin1(lead) + QStringLiteral("b");
            QCOMPARE(Cp1252::encode(text), lead + all + QByteArray("?\x80?") + lead + "b");
        }
        QVERIFY(Cp1252::canEncode(QString::fromUtf8("ÁÉÍÓÚñü€£")));
        QVERIFY(!Cp1252::canEncode(QString::fromUtf8("ĉ")));
    }

    void failedSaveIsReportedAndKeepsNothingHalfWritten() {
        TempShop shop;
        QDir(shop.path()).mkdir(QStringLiteral("blocked.txt"));
        QString error;
        QVERIFY(!TextFile::save(shop.file("blocked.txt"), "x\r\n", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!TextFile::save(shop.file("no/such/folder.txt"), "x\r\n"));
        QCOMPARE(QDir(shop.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }

    void saveReplacesWholeFileAndKeepsPermissions() {
        TempShop shop;
        const QString path = shop.file("p.txt");
        shop.writeBytes("p.txt", QByteArray(5000, 'z'));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QVERIFY(TextFile::save(path, "short\r\n"));
        QCOMPARE(shop.bytes("p.txt"), QByteArray("short\r\n"));
        // The owner's, group's and others' bits; the user's depend on who runs the test.
        QCOMPARE(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }

    void existsAndRemove() {
        TempShop shop;
        QVERIFY(!TextFile::eFind(shop.file("gone.txt")));
        QVERIFY(!TextFile::eFind(QString()));
        QVERIFY(!TextFile::readLines(QString()).has_value());
        QVERIFY(TextFile::eFind(shop.path()));
        shop.writeBytes("gone.txt", "1");
        QVERIFY(TextFile::removeIfExists(shop.file("gone.txt")));
        QVERIFY(!shop.exists("gone.txt"));
        QVERIFY(TextFile::removeIfExists(shop.file("gone.txt")));
        const QString dangling = shop.file("offline.txt");
        QVERIFY(QFile::link(QStringLiteral("/media/offline-drive/VL Lista.txt"), dangling));
        QVERIFY(!TextFile::removeIfExists(dangling));
        QVERIFY(QFileInfo(dangling).isSymLink());
    }

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
        std::optional<Faults> full;
        if (left == "full") full.emplace(TextFile::IoStep::Write, path, ENOSPC);
        DataFolderLock lock(shop.path());
        const bool taken = lock.tryLock();
        QCOMPARE(taken, why.isEmpty());
        QVERIFY(!lock.heldByAnother());
        QCOMPARE(lock.why(), why);
        if (taken)
            QCOMPARE(shop.bytes(DataFolderLock::fileName()).split('\n').first().toLongLong(),
                     QCoreApplication::applicationPid());
    }

    void aLockHeldByAnotherProgramIsRespected() {
        TempShop shop;
        QProcess locker;
        QVERIFY(startLocker(locker, shop.path()));
        DataFolderLock lock(shop.path());
        QVERIFY(!lock.tryLock() && lock.heldByAnother());
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
        QTest::addColumn<HostileRow>("row");
        const QStringList kinds{"random bytes", "NUL bytes",     "lone CR",           "10 MB line",
                                "huge numbers", "not a number",  "unclosed brackets", "many short lines",
                                "folder",       "dangling link", "read error"};
        for (const char* file : {"VL Config.ini", "VL Lista.txt", "VL Info.txt", "register"})
            for (const QString& kind : kinds)
                QTest::addRow("%s, %s", file, qPrintable(kind)) << HostileRow{file, kind};
    }
    void counterSurvivesHostileFiles() {
        QFETCH(HostileRow, row);
        const auto& [file, kind] = row;
        CounterRig rig;
        const QString name = file == "register" ? rig.registerName() : file;
        const QString path = rig.shop.file(name);
        std::optional<Faults> unreadable;
        if (kind == "folder") {
            QVERIFY(QDir(rig.shop.path()).mkdir(name));
        } else if (kind == "dangling link") {
            QVERIFY(QFile::link("/nonexistent/offline-drive/" + name, path));
        } else if (kind == "read error") {
            rig.shop.writeBytes(
                name, "[5] PAN $1.00\r\n-----(09:00)------------------------------> [TOTAL $1.00]\r\n");
            unreadable.emplace(TextFile::IoStep::Read, path, EIO);
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
        unreadable.reset();
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

QTEST_GUILESS_MAIN(BaseTest)
#include "base_test.moc"

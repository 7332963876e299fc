#include "TempShop.h"
#include "core/base/CommandLine.h"
#include "core/base/DataFolderLock.h"
#include "ui/ports/QtShell.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QTest>

namespace {

using DisplayRow = std::tuple<QStringList, int, QString, QString>;
using UnusableRow = std::tuple<QString, bool, QString>;
using OptionsRow = std::tuple<QStringList, QStringList, QStringList>;
using HelpRow = std::tuple<QStringList, QStringList, QStringList, QStringList>;
using OpenRow = std::tuple<bool, bool, QByteArray, bool>;
using RunningRow = std::pair<QString, QString>;

// Every entry of the folder with its size, time and content: what "nothing was written" compares.
QStringList snapshot(const QString& folder) {
    QStringList out;
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        QFile file(entry.absoluteFilePath());
        const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        out.append(entry.fileName() + u' ' + entry.lastModified().toString(Qt::ISODateWithMs) + u' ' +
                   QString::fromLatin1(content.toHex()));
    }
    return out;
}

void writeScript(const QString& path, const QByteArray& body) {
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n" + body + "\n");
    script.close();
    QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

} // namespace

// The program started from the command line: options, environment, data folder, a second start on
// a folder in use, help documents and the desktop's viewer for them.
class CommandLineTest : public QObject {
    Q_OBJECT

    struct Run {
        int status = -1;
        QString out;
        QString err;
    };
    // Runs the program without any display: no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM.
    static Run run(const QStringList& arguments, const QString& envDataDir = QString()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("VENDEL_DATA_DIR");
        if (!envDataDir.isEmpty()) env.insert("VENDEL_DATA_DIR", envDataDir);
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VENDEL_EXECUTABLE), arguments);
        Run r;
        if (!p.waitForFinished(60000)) {
            p.kill();
            return r;
        }
        r.status = p.exitCode();
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

private Q_SLOTS:
    void withoutDisplay_data() {
        // Arguments, status, what standard output starts with, a text standard error holds (empty:
        // nothing on it).
        QTest::addColumn<DisplayRow>("row");
        const QString usage = "Usage: vendel [options]";
        QTest::newRow("version") << DisplayRow{{"--version"}, 0, "Vendel " VENDEL_VERSION "\n", ""};
        QTest::newRow("help") << DisplayRow{{"-h"}, 0, usage, ""};
        QTest::newRow("unknown option") << DisplayRow{{"--bogus"}, 2, "", usage};
        QTest::newRow("stray argument") << DisplayRow{{"shop"}, 2, "", "Unexpected argument: shop"};
        QTest::newRow("bad paper") << DisplayRow{
            {"--paper", "76", "--help"}, 2, "", "--paper takes 58 or 80"};
    }
    void withoutDisplay() {
        QFETCH(DisplayRow, row);
        const auto& [arguments, status, out, err] = row;
        const Run r = run(arguments);
        QCOMPARE(r.status, status);
        QVERIFY2(out.isEmpty() ? r.out.isEmpty() : r.out.startsWith(out), qPrintable(r.out));
        QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.contains(err), qPrintable(r.err));
    }

    // A data folder that cannot be made stops the program before anything is written.
    void unusableDataFolder_data() {
        QTest::addColumn<UnusableRow>("row");
        QTest::newRow("spanish") << UnusableRow{"", false, "No se puede usar la carpeta de datos"};
        QTest::newRow("VENDEL_DATA_DIR") << UnusableRow{"EN", true, "The data folder cannot be used"};
    }
    void unusableDataFolder() {
        QFETCH(UnusableRow, row);
        const auto& [language, fromEnvironment, message] = row;
        TempShop shop;
        shop.writeBytes("a-file", "x");
        const QString inside = shop.file("a-file/shop");
        QStringList args;
        if (!fromEnvironment) args << "--data-dir" << inside;
        if (!language.isEmpty()) args << "--language" << language;
        const Run r = run(args, fromEnvironment ? inside : QString());
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(QDir(shop.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"a-file"});
    }

    void optionsAndEnvironment_data() {
        // Arguments; environment (language, user key, data folder); language, user key, data folder,
        // print-to, printer.
        QTest::addColumn<OptionsRow>("row");
        const QStringList env{"EN", "key", "/srv/shop"};
        QTest::newRow("environment") << OptionsRow{{}, env, {"EN", "key", "/srv/shop", "", ""}};
        QTest::newRow("options win") << OptionsRow{
            {"--language", "ES", "--user-key", "k", "--data-dir", "/a"}, env, {"ES", "k", "/a", "", ""}};
    }
    void optionsAndEnvironment() {
        QFETCH(OptionsRow, row);
        const auto& [arguments, environment, texts] = row;
        const StartOptions o =
            CommandLine::parse(QStringList{"vendel"} + arguments,
                               {environment.value(0), environment.value(1), environment.value(2)});
        QCOMPARE(o.error, QString());
        QCOMPARE((QStringList{o.language, o.userKey, o.dataDir, o.printTo, o.printer}), texts);
        QCOMPARE((QList<int>{o.paper, o.codepage, o.cut, o.drawer, o.status}), (QList<int>{0, 0, 1, 1, 1}));
        for (const QStringList& refused : {QStringList{"--paper", "wide"}, QStringList{"--codepage", "437"},
                                           QStringList{"--data-dir", ""}, QStringList{"--data-dir"}})
            QVERIFY(!CommandLine::parse(QStringList{"vendel"} + arguments + refused, {}).error.isEmpty());
    }

    void dataFolder() {
        StartOptions options;
        const QString user = "/home/ana/.local/share/Vendel";
        QCOMPARE(CommandLine::dataFolder(options, user), user);
        options.dataDir = "/srv/shop/";
        QCOMPARE(CommandLine::dataFolder(options, user), QString("/srv/shop"));
        options.dataDir = "shop";
        QCOMPARE(CommandLine::dataFolder(options, user), QDir::current().filePath("shop"));
        TempShop shop;
        const QString folder = shop.file("new/shop"); // a missing folder is created, empty
        QCOMPARE(CommandLine::prepareDataFolder(folder), QString());
        QVERIFY(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    }

    void helpDocuments_data() {
        // Documents in the shop already, in share/vendel, in the build's help folder; those copied.
        QTest::addColumn<HelpRow>("row");
        const QStringList both{"VL Ayuda.pdf", "VL Help.pdf"};
        QTest::newRow("empty shop, installed") << HelpRow{{}, both, {}, both};
        QTest::newRow("empty shop, build tree") << HelpRow{{}, {}, both, both};
        QTest::newRow("one present") << HelpRow{{"VL Help.pdf"}, both, both, {"VL Ayuda.pdf"}};
        QTest::newRow("nowhere") << HelpRow{{}, {}, {}, {}};
    }
    void helpDocuments() {
        QFETCH(HelpRow, row);
        const auto& [inShop, inInstalled, inBuild, copied] = row;
        TempShop root;
        for (const char* folder : {"usr/bin", "usr/share/vendel", "usr/help", "shop"})
            QDir(root.path()).mkpath(folder);
        for (const QString& name : inShop)
            root.writeBytes("shop/" + name, "shop's own");
        for (const QString& name : inInstalled)
            root.writeBytes("usr/share/vendel/" + name, "installed");
        for (const QString& name : inBuild)
            root.writeBytes("usr/help/" + name, "built");
        const QStringList sources = CommandLine::helpSources(root.file("usr/bin"));
        QCOMPARE(CommandLine::provideHelpDocuments(root.file("shop"), sources), copied);
        for (const QString& name : inShop)
            QCOMPARE(root.bytes("shop/" + name), QByteArray("shop's own"));
        for (const QString& name : copied)
            QCOMPARE(root.bytes("shop/" + name),
                     QByteArray(inInstalled.contains(name) ? "installed" : "built"));
        QVERIFY(QDir(root.file("shop")).entryList({"*.part"}, QDir::Files).isEmpty());
    }

    void secondStartOnTheSameFolderStops_data() {
        QTest::addColumn<RunningRow>("row");
        QTest::newRow("spanish") << RunningRow{"", "Vendel ya está abierto con esta carpeta de datos"};
        QTest::newRow("english") << RunningRow{"EN", "Vendel is already running on this data folder"};
    }
    void secondStartOnTheSameFolderStops() {
        QFETCH(RunningRow, row);
        const auto& [language, message] = row;
        TempShop shop;
        shop.write(language.isEmpty() ? "VL Lista.txt" : "VL List.txt", {"[5] PAN $1.00"});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QStringList args{"--data-dir", shop.path()};
        if (!language.isEmpty()) args << "--language" << language;
        QProcess first;
        first.setProcessEnvironment(env);
        first.start(QStringLiteral(VENDEL_EXECUTABLE), args);
        QVERIFY(first.waitForStarted(60000));
        // The first program holds the folder and has written its settings once loaded.
        QVERIFY(QTest::qWaitFor(
            [&] { return shop.exists("VL Config.ini") && shop.exists(DataFolderLock::fileName()); }, 60000));
        QStringList before = snapshot(shop.path());
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QStringList now = snapshot(shop.path());
                const bool settled = now == before;
                before = now;
                return settled;
            },
            60000));
        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(VENDEL_EXECUTABLE), args);
        QVERIFY(second.waitForFinished(60000));
        const QString err = QString::fromUtf8(second.readAllStandardError());
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 3);
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY2(err.contains(QString::number(first.processId())), qPrintable(err));
        QCOMPARE(snapshot(shop.path()), before);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        QVERIFY(first.waitForFinished(60000));
    }

    // A document opened with the desktop's viewer, with stand-in xdg-open and xdg-mime on PATH.
    void openWithTheViewer_data() {
        // Document there, xdg-open there, what xdg-mime answers ("-": no xdg-mime), opened.
        QTest::addColumn<OpenRow>("row");
        const QByteArray evince("org.gnome.Evince.desktop");
        QTest::newRow("viewer set") << OpenRow{true, true, evince, true};
        QTest::newRow("no viewer for pdf") << OpenRow{true, true, "", false};
        QTest::newRow("no xdg-open") << OpenRow{true, false, evince, false};
        QTest::newRow("no xdg-mime") << OpenRow{true, true, "-", true};
        QTest::newRow("no document") << OpenRow{false, true, evince, false};
    }
    void openWithTheViewer() {
        QFETCH(OpenRow, row);
        const auto& [document, opener, defaultApp, opened] = row;
        TempShop shop;
        QVERIFY(QDir(shop.path()).mkpath("bin"));
        const QString bin = shop.file("bin");
        const QString log = shop.file("opened.txt");
        if (opener) writeScript(bin + "/xdg-open", "printf '%s' \"$1\" > '" + log.toLocal8Bit() + "'");
        if (defaultApp != "-") writeScript(bin + "/xdg-mime", "echo '" + defaultApp + "'");
        const QString help = shop.file("VL Help.pdf");
        if (document) shop.writeBytes("VL Help.pdf", "%PDF-1.4\n%%EOF\n");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.toLocal8Bit());
        const bool result = QtShell().open(help);
        qputenv("PATH", path);
        QCOMPARE(result, opened);
        if (opened) QTRY_COMPARE(shop.bytes("opened.txt"), help.toLocal8Bit());
    }
};

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"

#include "TempShop.h"
#include "core/base/CommandLine.h"

#include <QDir>
#include <QProcess>
#include <QTest>

// The program started from the command line: options, environment, data folder and help documents.
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
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // what standard output starts with
        QTest::addColumn<QString>("err"); // a text standard error holds; empty: nothing on it
        const QString usage = "Usage: vendel [options]";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Vendel " VENDEL_VERSION "\n"
                                 << QString();
        QTest::newRow("help") << QStringList{"-h"} << 0 << usage << QString();
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << QString() << usage;
        QTest::newRow("stray argument")
            << QStringList{"shop"} << 2 << QString() << "Unexpected argument: shop";
        QTest::newRow("bad paper") << QStringList{"--paper", "76", "--help"} << 2 << QString()
                                   << "--paper takes 58 or 80";
    }
    void withoutDisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run r = run(arguments);
        QCOMPARE(r.status, status);
        QVERIFY2(out.isEmpty() ? r.out.isEmpty() : r.out.startsWith(out), qPrintable(r.out));
        QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.contains(err), qPrintable(r.err));
    }

    // A data folder that cannot be made stops the program before anything is written.
    void unusableDataFolder_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("fromEnvironment");
        QTest::addColumn<QString>("message");
        QTest::newRow("spanish") << QString() << false << "No se puede usar la carpeta de datos";
        QTest::newRow("VENDEL_DATA_DIR") << "EN" << true << "The data folder cannot be used";
    }
    void unusableDataFolder() {
        QFETCH(QString, language);
        QFETCH(bool, fromEnvironment);
        QFETCH(QString, message);
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
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment"); // language, user key, data folder
        QTest::addColumn<QStringList>("texts");       // language, user key, data folder, print-to, printer
        QTest::addColumn<QList<int>>("numbers");      // paper, code page (0: not given), cut, drawer, status
        const QStringList env{"EN", "key", "/srv/shop"};
        QTest::newRow("environment") << QStringList{} << env << QStringList{"EN", "key", "/srv/shop", "", ""}
                                     << QList<int>{0, 0, 1, 1, 1};
        QTest::newRow("options win") << QStringList{"--language", "ES", "--user-key", "k", "--data-dir", "/a"}
                                     << env << QStringList{"ES", "k", "/a", "", ""}
                                     << QList<int>{0, 0, 1, 1, 1};
        QTest::newRow("receipt printer")
            << QStringList{"--printer", "escpos:/dev/usb/lp0", "--paper",    "58", "--codepage", "858",
                           "--no-cut",  "--no-drawer",         "--no-status"}
            << QStringList{"", "", ""} << QStringList{"", "", "", "", "escpos:/dev/usb/lp0"}
            << QList<int>{58, 858, 0, 0, 0};
        QTest::newRow("print to files")
            << QStringList{"--print-to", "/tmp/jobs", "--codepage", "1252"} << QStringList{"", "", ""}
            << QStringList{"", "", "", "/tmp/jobs", ""} << QList<int>{0, 1252, 1, 1, 1};
    }
    void optionsAndEnvironment() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, numbers);
        const StartOptions o = CommandLine::parse(QStringList{"vendel"} + arguments,
                                                  {environment[0], environment[1], environment[2]});
        QCOMPARE(o.error, QString());
        QCOMPARE((QStringList{o.language, o.userKey, o.dataDir, o.printTo, o.printer}), texts);
        QCOMPARE((QList<int>{o.paper, o.codepage, o.cut, o.drawer, o.status}), numbers);
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
        QTest::addColumn<QStringList>("inShop");      // documents the shop already has
        QTest::addColumn<QStringList>("inInstalled"); // documents in share/vendel
        QTest::addColumn<QStringList>("inBuild");     // documents in the build's help folder
        QTest::addColumn<QStringList>("copied");
        const QStringList both{"VL Ayuda.pdf", "VL Help.pdf"};
        QTest::newRow("empty shop, installed") << QStringList{} << both << QStringList{} << both;
        QTest::newRow("empty shop, build tree") << QStringList{} << QStringList{} << both << both;
        QTest::newRow("one present") << QStringList{"VL Help.pdf"} << both << both
                                     << QStringList{"VL Ayuda.pdf"};
        QTest::newRow("nowhere") << QStringList{} << QStringList{} << QStringList{} << QStringList{};
    }
    void helpDocuments() {
        QFETCH(QStringList, inShop);
        QFETCH(QStringList, inInstalled);
        QFETCH(QStringList, inBuild);
        QFETCH(QStringList, copied);
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
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "command_line_test.moc"

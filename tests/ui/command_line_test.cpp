#include "TempShop.h"
#include "app/CommandLine.h"

#include <QDir>
#include <QProcess>
#include <QTest>

// The program started from the command line: options, environment and an unusable data folder.
class CommandLineTest : public QObject {
    Q_OBJECT

    struct Run {
        int status = -1;
        QString out;
        QString err;
    };
    static Run run(const QStringList& arguments,
                   const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
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
    void versionAndHelp() {
        const Run version = run({"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out.trimmed(), QString("Vendel " VENDEL_VERSION));
        const Run help = run({"--help"});
        QCOMPARE(help.status, 0);
        for (const char* option : {"--data-dir", "--language", "--user-key", "--print-to"})
            QVERIFY2(help.out.contains(option), option);
    }

    void unknownOptionStops() {
        const Run r = run({"--bogus"});
        QCOMPARE(r.status, 2);
        QVERIFY(!r.err.isEmpty());
    }

    void unusableDataFolder_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("spanish") << ""
                                 << "No se puede usar la carpeta de datos";
        QTest::newRow("english") << "EN"
                                 << "The data folder cannot be used";
    }
    void unusableDataFolder() {
        QFETCH(QString, language);
        QFETCH(QString, message);
        TempShop shop;
        shop.writeBytes("a-file", "x");
        const QString inside = shop.file("a-file/shop");
        QStringList args{"--data-dir", inside};
        if (!language.isEmpty()) args << "--language" << language;
        const Run r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(QDir(shop.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"a-file"});
    }

    void optionsAndEnvironment_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("envLanguage");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("key");
        QTest::newRow("nothing") << QStringList{} << ""
                                 << ""
                                 << "";
        QTest::newRow("environment") << QStringList{} << "EN"
                                     << "EN"
                                     << "";
        QTest::newRow("option wins") << QStringList{"--language", "ES", "--user-key", "k"} << "EN"
                                     << "ES"
                                     << "k";
    }
    void optionsAndEnvironment() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, envLanguage);
        QFETCH(QString, language);
        QFETCH(QString, key);
        const StartOptions o = CommandLine::parse(QStringList{"vendel"} + arguments, envLanguage, QString());
        QCOMPARE(o.error, QString());
        QCOMPARE(o.language, language);
        QCOMPARE(o.userKey, key);
    }

    void missingFolderIsCreated() {
        TempShop shop;
        const QString folder = shop.file("new/shop");
        QCOMPARE(CommandLine::prepareDataFolder(folder), QString());
        QVERIFY(QDir(folder).exists());
        QVERIFY(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "command_line_test.moc"

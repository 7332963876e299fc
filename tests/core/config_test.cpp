#include "CounterRig.h"
#include "core/base/Cp1252.h"
#include "core/shop/Config.h"

#include <QDir>
#include <QTest>

namespace {
const QString kConfig = QStringLiteral("VL Config.ini");
QString today(const CounterRig& rig) {
    return rig.clock.at.date().toString(QStringLiteral("dd/MM/yyyy"));
}
} // namespace

class ConfigTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scrambleKnownForm() {
        const QByteArray bytes = Cp1252::encode(Config::scramble(QStringLiteral("12")));
        QCOMPARE(bytes, QByteArray("\x3c\x48")); // 49+11, 50+22
        QCOMPARE(Cp1252::encode(Config::scramble(QStringLiteral("1"))), QByteArray("\x3c"));
    }

    void scrambleRoundTrips() {
        for (qint64 n : {1LL, 7LL, 10LL, 99LL, 1000LL, 12345LL, 99999999LL, 987654321LL}) {
            const QString digits = QString::number(n);
            QCOMPARE(Config::unscramble(Config::scramble(digits)), digits);
        }
    }

    void unscrambleOfGarbageIsOne_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << QStringLiteral("zz");
        QTest::newRow("empty") << QString();
        QTest::newRow("ten characters") << QStringLiteral("<<<<<<<<<<");
        QTest::newRow("binary") << Cp1252::decode(QByteArray("\x01\xff"));
    }
    void unscrambleOfGarbageIsOne() {
        QFETCH(QString, text);
        QCOMPARE(Config::unscramble(text), QStringLiteral("1"));
    }

    void missingFileStartsWithDefaultsAndWritesOne() {
        CounterRig rig(QStringLiteral("ES"), QStringLiteral("clave"));
        Counter& c = rig.start();
        QCOMPARE(c.settings().values().backToRecord, false);
        QCOMPARE(c.settings().values().printTickets, false);
        QCOMPARE(c.settings().values().ticketNumber, 1);
        QCOMPARE(rig.shop.lines(kConfig), (QStringList{"0", "0", "0", Config::scramble(QStringLiteral("1")),
                                                       today(rig), "clave", "ES", "0", "", ""}));
        QCOMPARE(rig.shop.bytes(kConfig).count("\r\n"), 10);
    }

    void ticketNumberRestartsEachDay_data() {
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<int>("expected");
        QTest::newRow("saved today") << 0 << 10;
        QTest::newRow("saved yesterday") << 1 << 1;
    }
    void ticketNumberRestartsEachDay() {
        QFETCH(int, daysAgo);
        QFETCH(int, expected);
        CounterRig rig;
        const QString date = rig.clock.at.date().addDays(-daysAgo).toString(QStringLiteral("dd/MM/yyyy"));
        rig.shop.write(kConfig,
                       {"0", "0", "0", Config::scramble(QStringLiteral("10")), date, "", "", "0", "", ""});
        QCOMPARE(rig.start().settings().values().ticketNumber, expected);
    }

    void optionsAreReadAsNumbers_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("checked");
        QTest::newRow("2") << "2" << true;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("x") << "x" << false;
        QTest::newRow("0.5") << "0.5" << false;
    }
    void optionsAreReadAsNumbers() {
        QFETCH(QString, line);
        QFETCH(bool, checked);
        CounterRig rig;
        rig.shop.write(kConfig, {line, line, "0", "", today(rig), "", "", line, "", ""});
        const Settings& s = rig.start().settings().values();
        QCOMPARE(s.backToRecord, checked);
        QCOMPARE(s.printTickets, checked);
        QCOMPARE(s.seeStock, checked);
    }

    void amountsLoseTheirCommas() {
        CounterRig rig;
        rig.shop.write(kConfig, {"0", "0", "0", "", today(rig), "", "", "0", "1,500", "500"});
        Counter& c = rig.start();
        QCOMPARE(c.settings().values().cashLimit.value_or(-1), 1500.0);
        QCOMPARE(c.settings().values().topNote.value_or(-1), 500.0);
        QCOMPARE(rig.shop.lines(kConfig).mid(8), (QStringList{"1500", "500"}));
    }

    void keyAndLanguageAreRewrittenFromMemory() {
        CounterRig rig(QStringLiteral("EN"), QStringLiteral("k2"));
        rig.shop.write(kConfig, {"0", "0", "0", "", today(rig), "old key", "ES", "0", "", ""});
        rig.start();
        QCOMPARE(rig.shop.lines(kConfig).mid(5, 2), (QStringList{"k2", "EN"}));
    }

    void aBadDateStopsTheReading() {
        CounterRig rig;
        rig.shop.write(kConfig, {"1", "1", "0", Config::scramble(QStringLiteral("5")), "not a date", "", "",
                                 "1", "9", "9"});
        Counter& c = rig.start();
        QVERIFY(c.settings().values().backToRecord); // read before the date
        QCOMPARE(c.settings().values().ticketNumber, 1);
        QVERIFY(!c.settings().values().seeStock); // after it: defaults
        QVERIFY(!c.settings().values().cashLimit.has_value());
    }

    void garbageNeverStopsTheStart_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe\r\n\x80\x81\r\n", 10);
        QTest::newRow("one huge line") << QByteArray(10 * 1024 * 1024, '7');
        QTest::newRow("few lines") << QByteArray("1\r\n");
        QTest::newRow("only blank lines") << QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    }
    void garbageNeverStopsTheStart() {
        QFETCH(QByteArray, content);
        CounterRig rig;
        rig.shop.writeBytes(kConfig, content);
        Counter& c = rig.start();
        QCOMPARE(c.settings().values().ticketNumber, 1);
        const QStringList lines = rig.shop.lines(kConfig);
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[4], today(rig));
    }

    void togglesAreSaved() {
        CounterRig rig;
        Counter& c = rig.start();
        c.settings().toggleBackToRecord();
        c.mnuSeeStock_Click();
        QCOMPARE(rig.shop.lines(kConfig).at(0), QStringLiteral("1"));
        QCOMPARE(rig.shop.lines(kConfig).at(7), QStringLiteral("1"));
        c.settings().toggleDouble(); // also turns tickets on
        QCOMPARE(rig.shop.lines(kConfig).mid(1, 2), (QStringList{"1", "1"}));
        c.settings().toggleTickets(); // off, and the double ticket with it
        QCOMPARE(rig.shop.lines(kConfig).mid(1, 2), (QStringList{"0", "0"}));
    }

    void aFailedSaveIsShownAndKeepsTheSetting() {
        CounterRig rig;
        Counter& c = rig.start();
        QFile::remove(rig.shop.file(kConfig));
        QDir(rig.shop.path()).mkdir(kConfig);
        c.settings().toggleBackToRecord();
        QVERIFY(c.settings().values().backToRecord);
        QCOMPARE(rig.dialogs.messages(),
                 QStringList{QStringLiteral("No se pudo guardar la configuración, intente más tarde.")});
        QCOMPARE(rig.dialogs.shown.last().icon, Dialogs::Icon::Error);
    }
};

QTEST_APPLESS_MAIN(ConfigTest)
#include "config_test.moc"

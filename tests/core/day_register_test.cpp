#include "CounterRig.h"
#include "core/base/Cp1252.h"
#include "core/register/DayRegister.h"
#include "core/register/RegisterLines.h"

#include <QFileInfo>
#include <QTest>

namespace {
const QString kSale = "-----(09:00)------------------------------> [TOTAL $100.00]";
const QString kCard = "*****(10:00)**************************** [TARJETA $86.00]";
} // namespace

class DayRegisterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void lineCatalogue_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        const Language en("EN");
        // The lines no other test reads back.
        QTest::newRow("cancelled en") << RegisterLines::cancelled("14:35", en)
                                      << "-----(14:35)------------------------------> CANCELLED";
        QTest::newRow("entry without reason") << RegisterLines::cashEntry("09:05", "€", 1500, "", en)
                                              << "-----(09:05)-------> [ENTRY €1,500.00] ";
        QTest::newRow("simple card") << RegisterLines::simpleCard("18:41", "$", 86, en)
                                     << "*****(18:41)********* [CARD $86.00]";
    }
    void lineCatalogue() {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QCOMPARE(line, expected);
    }

    void loadingKeepsLinesAsWritten() {
        CounterRig rig;
        const QByteArray content = QByteArray("  1 x A de $5.00 = $5.00\r\n\r\n   \r\n") + kSale.toLatin1() +
                                   "\r\n\x01\x80\xff odd\r\n";
        rig.shop.writeBytes(rig.registerName(), content);
        Counter& c = rig.start();
        QCOMPARE(c.notes().at(0).lines,
                 (QStringList{"  1 x A de $5.00 = $5.00", kSale, QString::fromUtf8("\x01€ÿ odd")}));
        QCOMPARE(c.notes().saleStart(), 2);
        QCOMPARE(c.notes().at(0).selected, 2);
        c.book().eSaveNote();
        QCOMPARE(rig.shop.bytes(rig.registerName()),
                 QByteArray("  1 x A de $5.00 = $5.00\r\n") + kSale.toLatin1() + "\r\n\x01\x80\xff odd\r\n");
    }

    // Only blanks make a line blank: a line of tabs or no-break spaces is the shop's text.
    void blankLines_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("kept");
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("blanks") << QByteArray("    ") << false;
        QTest::newRow("tab") << QByteArray("\t") << true;
        QTest::newRow("no-break space") << QByteArray("\xa0") << true;
        QTest::newRow("lone CR") << QByteArray("\r\r") << true;
    }
    void blankLines() {
        QFETCH(QByteArray, line);
        QFETCH(bool, kept);
        TempShop shop;
        const QDate day(2026, 12, 5);
        const QString file = DayRegister::filePath(shop.path(), day, Language());
        shop.writeBytes(QFileInfo(file).fileName(), kSale.toLatin1() + "\r\n" + line + "\r\n");
        const QStringList loaded = DayRegister::load(shop.path(), day, Language()).value();
        QStringList expected{kSale};
        if (kept) expected.append(Cp1252::decode(line));
        QCOMPARE(loaded, expected);
        QVERIFY(DayRegister::save(shop.path(), day, Language(), loaded));
        QCOMPARE(DayRegister::load(shop.path(), day, Language()).value(), expected);

        // A register of that line alone is kept as a file, or deleted when the line is blank.
        QVERIFY(DayRegister::save(shop.path(), day, Language(), {Cp1252::decode(line)}));
        QCOMPARE(QFileInfo::exists(file), kept);
    }

    // An old-style file is the day's source until a cut splits the day off: its sales are then in the
    // split file and never come back into the register (counted twice).
    void oldStyleFileIsReadButNeverWritten() {
        CounterRig rig;
        rig.shop.write("Ventas de 05-12-2026.txt", {kSale});
        Counter& c = rig.start();
        QCOMPARE(c.notes().at(0).lines, QStringList{kSale});
        rig.dialogs.answer(true);
        c.mnuPrintCut_Click();
        QCOMPARE(rig.shop.lines("VENTAS #05-12-2026 (1).txt"), QStringList{kSale});
        QVERIFY(c.notes().at(0).lines.isEmpty());
        c.book().eSaveNote();
        QVERIFY(!rig.shop.exists(rig.registerName()));
        QCOMPARE(rig.shop.lines("Ventas de 05-12-2026.txt"), QStringList{kSale});
    }

    void languagesKeepSeparateFiles() {
        CounterRig rig("EN");
        rig.shop.write(rig.registerName(), {kSale});
        Counter& c = rig.start();
        QVERIFY(c.notes().at(0).lines.isEmpty());
        c.lblTask_Click(0);
        rig.add("1", "A", "2");
        c.amounts().setCashText("2");
        QCOMPARE(rig.shop.lines("SALES #05-12-2026.txt"), QStringList{"1 x A of $2.00 = $2.00"});
        QCOMPARE(rig.shop.lines(rig.registerName()), QStringList{kSale});
    }

    void closingCancelsAnUnfinishedSale_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("empty") << QStringList{} << false;
        QTest::newRow("closed sale") << QStringList{kSale} << false;
        QTest::newRow("card line") << QStringList{kCard} << false;
        QTest::newRow("item line") << QStringList{kSale, "1 x A de $5.00 = $5.00"} << true;
        QTest::newRow("discount line") << QStringList{"     -10% de descuento"} << true;
    }
    void closingCancelsAnUnfinishedSale() {
        QFETCH(QStringList, lines);
        QFETCH(bool, cancelled);
        CounterRig rig;
        if (!lines.isEmpty()) rig.shop.write(rig.registerName(), lines);
        rig.shop.write("VL Lista.txt", {"[1] A $5.00"});
        Counter& c = rig.start();
        rig.clock.at.setTime(QTime(21, 7));
        c.unload();
        QStringList expected = lines;
        if (cancelled) expected << "-----(21:07)------------------------------> CANCELADO";
        QCOMPARE(rig.shop.lines(rig.registerName()), expected);
        QCOMPARE(rig.shop.lines("VL Lista.txt"), QStringList{"[1] A $5.00"});
    }

    void closingWithoutAListWritesNoList() {
        CounterRig rig;
        rig.dialogs.answer(false);
        Counter& c = rig.start();
        c.unload();
        QVERIFY(!rig.shop.exists("VL Lista.txt"));
    }

    void midnightWarningShowsOnce() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.dialogs.clear();
        rig.clock.at = QDateTime(QDate(2026, 12, 5), QTime(23, 55, 0));
        c.tmrNight_Timer();
        rig.clock.at = rig.clock.at.addMSecs(500);
        c.tmrNight_Timer();
        rig.clock.at = QDateTime(QDate(2026, 12, 5), QTime(23, 55, 1));
        c.tmrNight_Timer();
        QCOMPARE(rig.dialogs.messages(), QStringList{"Falta poco para la medianoche, se recomienda imprimir "
                                                     "el registro antes de que finalice el día."});
    }

    void theDayWaitsWhileABoxIsOpen() {
        CounterRig rig;
        Counter& c = rig.start();
        c.lblTask_Click(0);
        rig.add("1", "A", "5");
        c.amounts().setCashText("5");
        bool changedDuringQuestion = true;
        rig.dialogs.onQuestion = [&](const QString&) {
            rig.clock.at = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 1));
            c.tmrNight_Timer(); // a tick while the ticket question is open
            changedDuringQuestion = c.book().registerDate() != QDate(2026, 12, 5);
        };
        rig.dialogs.answer(false);
        c.eFinal();
        QVERIFY(!changedDuringQuestion);
        QCOMPARE(rig.shop.lines("VENTAS #05-12-2026.txt").size(), 2); // the sale closed on its own day
        c.tmrNight_Timer();
        QCOMPARE(c.book().registerDate(), QDate(2026, 12, 6));
        QVERIFY(c.notes().at(0).lines.isEmpty());
    }

    void changeOfDayKeepsTheOpenSale() {
        CounterRig rig;
        rig.shop.write(rig.registerName(), {"1 x A de $5.00 = $5.00", kSale});
        Counter& c = rig.start();
        c.lblTask_Click(0);
        rig.add("1", "B", "7");
        rig.dialogs.clear();
        rig.clock.at = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0));
        c.tmrNight_Timer();
        c.tmrNight_Timer();
        QCOMPARE(rig.dialogs.messages().size(), 1);
        QCOMPARE(c.notes().at(0).lines, QStringList{"1 x B de $7.00 = $7.00"});
        QCOMPARE(c.notes().saleStart(), -1); // the open sale stays open into the new day
        QVERIFY(!rig.shop.exists("VENTAS #06-12-2026.txt"));
        QCOMPARE(rig.shop.lines("VENTAS #05-12-2026.txt").size(), 2);

        c.book().eSaveNote();
        QCOMPARE(rig.shop.lines("VENTAS #06-12-2026.txt"), QStringList{"1 x B de $7.00 = $7.00"});
        // Several midnights: one change for each new date.
        rig.clock.at = QDateTime(QDate(2026, 12, 8), QTime(8, 0, 0));
        c.tmrNight_Timer();
        c.tmrNight_Timer();
        QCOMPARE(rig.dialogs.messages().size(), 2);
        QCOMPARE(c.book().registerDate(), QDate(2026, 12, 8));
    }
};

QTEST_APPLESS_MAIN(DayRegisterTest)
#include "day_register_test.moc"

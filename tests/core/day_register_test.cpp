#include "CounterRig.h"
#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"
#include "core/register/DayRegister.h"
#include "core/register/RegisterLines.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <cerrno>

namespace {

const QString kSale = "-----(09:00)------------------------------> [TOTAL $100.00]";
const QString kCard = "*****(10:00)**************************** [TARJETA $86.00]";

// How many lines of all the shop's register files name the item.
qsizetype linesNaming(const TempShop& shop, const QString& item) {
    qsizetype found = 0;
    for (const QString& name : QDir(shop.path()).entryList({QStringLiteral("VENTAS #*.txt")}, QDir::Files))
        found += shop.lines(name).filter(" x " + item + u' ').size();
    return found;
}

void sell(CounterRig& rig, const QString& item) {
    rig.add("1", item, "2.00");
    rig.counter->amounts().setCashText("5");
    rig.counter->eFinal();
}

// Records the order in which data files are put in place, and can fail one of them.
struct Saves : TextFile::IoFaults {
    QStringList renamed;
    QString failing; // a file name whose rename fails with a full disk
    int fault(TextFile::IoStep step, const QString& path) override {
        if (step != TextFile::IoStep::Rename) return 0;
        const QString name = QFileInfo(path).fileName().section(u'.', 0, -2); // without the temporary end
        if (!failing.isEmpty() && name.startsWith(failing)) return ENOSPC;
        renamed << name;
        return 0;
    }
    ~Saves() override { TextFile::setIoFaults(nullptr); }
};

} // namespace

// The day's register file and the day's sales whatever the clock and the disk do.
class DayRegisterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The lines no other test reads back.
    void lineCatalogue() {
        const Language en("EN");
        QCOMPARE(RegisterLines::cancelled("14:35", en),
                 QString("-----(14:35)------------------------------> CANCELLED"));
        QCOMPARE(RegisterLines::cashEntry("09:05", "€", 1500, "", en),
                 QString("-----(09:05)-------> [ENTRY €1,500.00] "));
        QCOMPARE(RegisterLines::simpleCard("18:41", "$", 86, en),
                 QString("*****(18:41)********* [CARD $86.00]"));
    }

    void loadingKeepsLinesAsWritten() {
        CounterRig rig;
        const QByteArray sale = kSale.toLatin1();
        rig.shop.writeBytes(rig.registerName(),
                            "  1 x A de $5.00 = $5.00\r\n\r\n   \r\n" + sale + "\r\n\x01\x80\xff odd\r\n");
        Counter& c = rig.start();
        QCOMPARE(c.notes().at(0).lines,
                 (QStringList{"  1 x A de $5.00 = $5.00", kSale, QString::fromUtf8("\x01€ÿ odd")}));
        QCOMPARE(c.notes().saleStart(), 2);
        QCOMPARE(c.notes().at(0).selected, 2);
        c.book().eSaveNote();
        QCOMPARE(rig.shop.bytes(rig.registerName()),
                 "  1 x A de $5.00 = $5.00\r\n" + sale + "\r\n\x01\x80\xff odd\r\n");
    }

    // Only blanks make a line blank: a line of tabs or no-break spaces is the shop's text. A register of
    // that line alone is kept as a file, or deleted when the line is blank.
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
        const QStringList expected = kept ? QStringList{kSale, Cp1252::decode(line)} : QStringList{kSale};
        QCOMPARE(loaded, expected);
        QVERIFY(DayRegister::save(shop.path(), day, Language(), loaded));
        QCOMPARE(DayRegister::load(shop.path(), day, Language()).value(), expected);
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
        if (cancelled) lines << "-----(21:07)------------------------------> CANCELADO";
        QCOMPARE(rig.shop.lines(rig.registerName()), lines);
        QCOMPARE(rig.shop.lines("VL Lista.txt"), QStringList{"[1] A $5.00"});
    }

    void closingWithoutAListWritesNoList() {
        CounterRig rig;
        rig.dialogs.answer(false);
        rig.start().unload();
        QVERIFY(!rig.shop.exists("VL Lista.txt"));
    }

    void midnightWarningShowsOnce() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.dialogs.clear();
        for (const QTime& time : {QTime(23, 55, 0), QTime(23, 55, 0, 500), QTime(23, 55, 1)}) {
            rig.clock.at = QDateTime(QDate(2026, 12, 5), time);
            c.tmrNight_Timer();
        }
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

    // Each sale ends in exactly one register file. Steps: "+1d" / "-1d" move the clock by a day between two
    // sales, "midnight" puts it at the last second of the day for the next sale's item and half a second
    // past midnight for its closing.
    void everySaleInOneFile_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("clock back a day") << QStringList{"-1d"};
        QTest::newRow("clock forward a day") << QStringList{"+1d"};
        QTest::newRow("back, then forward again") << QStringList{"-1d", "+1d"};
        QTest::newRow("forward, then back again") << QStringList{"+1d", "-1d", "+1d"};
        QTest::newRow("closed just after midnight") << QStringList{"midnight"};
        QTest::newRow("midnight, then back") << QStringList{"midnight", "-1d"};
    }
    void everySaleInOneFile() {
        QFETCH(QStringList, steps);
        CounterRig rig;
        rig.start();
        sell(rig, "ITEM0");
        int sold = 1;
        for (const QString& step : steps) {
            const QString item = "ITEM" + QString::number(sold++);
            if (step == "midnight") {
                rig.clock.at = QDateTime(rig.clock.at.date(), QTime(23, 59, 59));
                rig.add("1", item, "2.00");
                rig.clock.at = rig.clock.at.addMSecs(1300);
                rig.counter->amounts().setCashText("5");
                rig.counter->eFinal();
                continue;
            }
            rig.clock.at = rig.clock.at.addDays(step == "+1d" ? 1 : -1);
            sell(rig, item);
            rig.counter->tmrNight_Timer();
        }
        rig.counter->unload();
        for (int i = 0; i < sold; ++i)
            QCOMPARE(linesNaming(rig.shop, "ITEM" + QString::number(i)), 1);
    }

    void unreadableRegisterGetsRecoveredFile_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("recovered");
        QTest::newRow("Spanish") << QString() << "VENTAS #05-12-2026 (recuperado).txt";
        QTest::newRow("English") << "EN"
                                 << "SALES #05-12-2026 (recovered).txt";
    }
    void unreadableRegisterGetsRecoveredFile() {
        QFETCH(QString, language);
        QFETCH(QString, recovered);
        CounterRig rig(language);
        const QString day = recovered.left(recovered.indexOf(u" (")) + ".txt";
        QVERIFY(QFile::link("/nonexistent/offline-drive/x.txt", rig.shop.file(day)));
        rig.start();
        QCOMPARE(rig.dialogs.messages().size(), 1);
        QVERIFY(rig.dialogs.messages().first().contains(day));
        sell(rig, "PAN");
        rig.counter->unload();
        QVERIFY(QFileInfo(rig.shop.file(day)).isSymLink());
        QVERIFY(rig.shop.lines(recovered).join(u'\n').contains("PAN"));
    }

    void registerSavedBeforeStock() {
        CounterRig rig;
        rig.shop.write("VL Lista.txt", {"[5] PAN $2.00"});
        rig.start();
        rig.add("1", "PAN", "2.00");
        rig.counter->amounts().setCashText("5");
        Saves saves;
        TextFile::setIoFaults(&saves);
        rig.counter->eFinal();
        QVERIFY(saves.renamed.contains("VL Lista"));
        QVERIFY(saves.renamed.first().startsWith("VENTAS"));
    }

    void settingSavedAtCloseAfterFullDisk() {
        CounterRig rig;
        rig.start();
        const bool before = rig.counter->settings().values().backToRecord;
        Saves saves;
        saves.failing = "VL Config";
        TextFile::setIoFaults(&saves);
        rig.counter->settings().toggleBackToRecord();
        saves.failing.clear();
        rig.counter->unload();
        rig.counter.reset();
        QCOMPARE(rig.start().settings().values().backToRecord, !before);
    }
};

QTEST_GUILESS_MAIN(DayRegisterTest)
#include "day_register_test.moc"

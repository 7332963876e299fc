#include "CounterRig.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <tuple>

namespace {
// A counter with the record note in front and no ticket question pending.
Counter& startOnRecord(CounterRig& rig) {
    Counter& c = rig.start();
    c.lblTask_Click(0);
    rig.dialogs.clear();
    return c;
}
} // namespace

using ChangeRow = std::tuple<QString, QString, QString, QString>;

class PaymentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exactCashAndLargeChange_data() {
        QTest::addColumn<ChangeRow>("row");
        QTest::newRow("exact") << ChangeRow{QString(), "80", QString("Sin cambio"), ""};
        QTest::newRow("exact english") << ChangeRow{QString("EN"), "80.00", QString("Not change"), ""};
        QTest::newRow("grouped change") << ChangeRow{QString(), "1,580", QString("1,500.00"), "$"};
    }
    void exactCashAndLargeChange() {
        QFETCH(ChangeRow, row);
        auto [language, cash, change, money] = row;
        CounterRig rig(language);
        Counter& c = startOnRecord(rig);
        rig.add("1", "X", "80");
        c.amounts().setCashText(cash);
        QCOMPARE(c.amounts().changeText(), change);
        QCOMPARE(c.amounts().changeMoney(), money);
        QCOMPARE(c.notes().at(0).step, SaleStep::CashCovers);
        QVERIFY(c.notes().at(0).cashEnough);
    }

    void veryHighCashWarnsOncePerChange() {
        CounterRig rig;
        Counter& c = startOnRecord(rig);
        rig.dialogs.type("500");
        c.settings().askTopNote(c.currency().symbol());
        rig.add("1", "X", "100");
        rig.dialogs.clear();
        for (const char* cash : {"1", "10", "100"})
            c.amounts().setCashText(cash);
        QCOMPARE(c.amounts().changeText(), QString("Sin cambio"));
        c.amounts().setCashText("1000");
        QCOMPARE(c.amounts().changeText(), QString("900.00"));
        QCOMPARE(rig.dialogs.messages(), QStringList{"Está escribiendo una cantidad muy alta de EFECTIVO."});
        c.amounts().setCashText("1000"); // the same change again: no second warning
        QCOMPARE(rig.dialogs.messages().size(), 1);
        c.amounts().setCashText("100");
        c.amounts().setCashText("1000");
        QCOMPARE(rig.dialogs.messages().size(), 2);
    }

    void noWarningWithoutHighestDenomination() {
        CounterRig rig;
        Counter& c = startOnRecord(rig);
        rig.dialogs.type("-3").type("0"); // negative asked again, 0 switches the warning off
        c.settings().askTopNote(c.currency().symbol());
        QCOMPARE(rig.dialogs.prompts().size(), 2);
        rig.add("1", "X", "1");
        c.amounts().setCashText("100000");
        QCOMPARE(rig.dialogs.messages(), QStringList{});
        rig.dialogs.type("");
        c.settings().askTopNote(c.currency().symbol()); // cancel keeps the value
        QCOMPARE(c.settings().values().topNote.value_or(-1), 0.0);
    }

    void finishingTheRecordNote() {
        CounterRig rig;
        Counter& c = startOnRecord(rig);
        rig.add("2", "PAN", "12.50");
        c.amounts().setCashText("30");
        QString fileWhenAsked;
        rig.dialogs.onQuestion = [&](const QString&) {
            fileWhenAsked = rig.shop.lines(rig.registerName()).join('|');
        };
        rig.dialogs.answer(false);
        c.eFinal();
        const QStringList expected{"2 x PAN de $12.50 = $25.00",
                                   "-----(14:35)------------------------------> [TOTAL $25.00]"};
        QCOMPARE(c.notes().at(0).lines, expected);
        QCOMPARE(fileWhenAsked, expected.join('|')); // saved before the ticket step
        QCOMPARE(rig.shop.lines(rig.registerName()), expected);
        QCOMPARE(c.notes().saleStart(), 1);
        QVERIFY(!c.notes().at(0).used);
        QCOMPARE(c.notes().at(0).step, SaleStep::Nothing);
        QCOMPARE(c.amounts().totalText(), QString("0.00"));
        QCOMPARE(c.amounts().cashText(), QString("0.00"));
        QCOMPARE(c.amounts().changeText(), QString("0.00"));
        QCOMPARE(c.fields().field(EntryFields::Description), QString("(Ninguno)"));
        QCOMPARE(c.fields().field(EntryFields::Price), QString("0.00"));

        // The ticket question comes with the first sale of the run only.
        rig.add("1", "PAN", "12.50");
        c.amounts().setCashText("20");
        c.eFinal();
        QCOMPARE(rig.dialogs.questionTexts(), QStringList{"¿Desea imprimir el ticket?"});
        QCOMPARE(c.notes().at(0).lines.size(), 4);
    }

    void yesToTheTicketTurnsPrintingOn() {
        CounterRig rig;
        Counter& c = startOnRecord(rig);
        rig.add("1", "PAN", "12.50");
        c.amounts().setCashText("20");
        rig.dialogs.answer(true).answer(true);
        c.eFinal();
        QCOMPARE(rig.dialogs.questionTexts(),
                 (QStringList{"¿Desea imprimir el ticket?", "¿Desea imprimir una copia para el cliente?"}));
        QVERIFY(c.settings().values().printTickets);
        QVERIFY(c.settings().values().doubleTicket);
        QCOMPARE(rig.shop.lines("VL Config.ini").mid(1, 2), (QStringList{"1", "1"}));
    }

    void sideNoteWaitsForTheRecordNote() {
        CounterRig rig;
        Counter& c = startOnRecord(rig);
        rig.add("1", "A", "10");
        c.lblTask_Click(1);
        rig.add("3", "B", "5");
        c.amounts().setCashText("20");
        c.eFinal();
        QCOMPARE(rig.dialogs.messages(),
                 QStringList{"Primero complete la operación de la nota de registro."});
        QCOMPARE(c.notes().at(1).lines.size(), 1);

        c.lblTask_Click(0);
        c.amounts().setCashText("10");
        rig.dialogs.answer(false);
        c.eFinal();
        c.lblTask_Click(1);
        QCOMPARE(c.amounts().changeText(), QString("5.00")); // restored with its stored number
        c.amounts().setCashText("20");
        c.eFinal();
        QCOMPARE(c.notes().at(0).lines.mid(2),
                 (QStringList{"3 x B de $5.00 = $15.00",
                              "-----(14:35)------------------------------> [TOTAL $15.00]"}));
        QVERIFY(c.notes().at(1).lines.isEmpty());
        QCOMPARE(c.notes().saleStart(), 3);
        QCOMPARE(c.tabs().caption(1), QString("(nuevo)"));
        QCOMPARE(c.tabs().caption(2), QString("-"));
        QCOMPARE(c.notes().current(), 1);
    }

    void backToRecordAfterASideNote_data() {
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("front");
        QTest::newRow("finish, stay") << false << false << 1;
        QTest::newRow("finish, back") << true << false << 0;
        QTest::newRow("cancel, stay") << false << true << 1;
        QTest::newRow("cancel, back") << true << true << 0;
    }
    void backToRecordAfterASideNote() {
        QFETCH(bool, back);
        QFETCH(bool, cancel);
        QFETCH(int, front);
        CounterRig rig;
        Counter& c = rig.start();
        if (back) {
            c.settings().toggleBackToRecord();
            c.lblTask_Click(1);
        }
        rig.add("1", "B", "5");
        rig.dialogs.answer(false);
        if (cancel) {
            c.eDelBox();
            QVERIFY(c.notes().at(0).lines.isEmpty()); // a cancelled side note leaves no trace
        } else {
            c.amounts().setCashText("5");
            c.eFinal();
            QCOMPARE(c.notes().at(0).lines.size(), 2);
        }
        QCOMPARE(c.notes().current(), front);
        QVERIFY(!c.notes().at(1).used);
        QCOMPARE(c.notes().at(1).total, 0.0);
    }

    void cancellingTheRecordNote() {
        CounterRig rig;
        Counter& c = startOnRecord(rig);
        c.eDelBox(); // nothing open: no line, fields reset all the same
        QVERIFY(c.notes().at(0).lines.isEmpty());
        rig.add("2", "PAN", "12.50");
        c.amounts().setCashText("5");
        c.eDelBox();
        QCOMPARE(c.notes().at(0).lines,
                 (QStringList{"2 x PAN de $12.50 = $25.00",
                              "-----(14:35)------------------------------> CANCELADO"}));
        QCOMPARE(c.notes().saleStart(), 1);
        QCOMPARE(c.amounts().cashText(), QString("0.00"));
        QCOMPARE(rig.shop.lines(rig.registerName()), c.notes().at(0).lines);
        QVERIFY(!c.notes().at(0).used);
    }

    void addingAfterCashRecomputesTheChange() {
        CounterRig rig;
        Counter& c = startOnRecord(rig);
        rig.add("1", "X", "10");
        c.amounts().setCashText("12");
        QCOMPARE(c.amounts().changeText(), QString("2.00"));
        rig.add("1", "Y", "5");
        QCOMPARE(c.amounts().changeText(), QString("Insuficiente"));
        QVERIFY(!c.notes().at(0).cashEnough);
    }

    void cashFieldFocus() {
        CounterRig rig;
        Counter& c = startOnRecord(rig);
        c.amounts().cashFocusIn();
        QCOMPARE(c.amounts().cashText(), QString());
        c.amounts().setCashText("1500");
        c.amounts().cashFocusOut();
        QCOMPARE(c.amounts().cashText(), QString("1,500.00"));
        c.amounts().setCashText("abc");
        c.amounts().cashFocusOut();
        QCOMPARE(c.amounts().cashText(), QString("0.00"));
    }

    void cashTypedIntoASaleRewritesTheRegisterOnlyWhenItsLinesChanged() {
        CounterRig rig;
        Counter& c = startOnRecord(rig);
        rig.add("1", "X", "10");
        c.amounts().setCashText("10");
        const QStringList written = rig.shop.lines(rig.registerName());
        QCOMPARE(written, c.notes().at(0).lines);
        rig.shop.write(rig.registerName(), {"marker"});
        c.amounts().setCashText("100"); // the same lines: the file is not rewritten
        QCOMPARE(rig.shop.lines(rig.registerName()), QStringList{"marker"});
        rig.dialogs.answer(false);
        c.eFinal(); // a new line: the whole day is written again
        QCOMPARE(rig.shop.lines(rig.registerName()), c.notes().at(0).lines);
        QCOMPARE(c.notes().at(0).lines.mid(0, 1), written);
    }

    void aRegisterThatCannotBeSavedIsReportedOnce() {
        CounterRig rig;
        Counter& c = startOnRecord(rig);
        QDir(rig.shop.path()).mkdir(rig.registerName());
        rig.add("1", "X", "10");
        c.amounts().setCashText("10"); // saves
        c.amounts().setCashText("20"); // saves again
        const QString warning = "No se pudo guardar el registro del día, intente más tarde.";
        QCOMPARE(rig.dialogs.messages(), QStringList{warning});
        rig.dialogs.answer(false);
        c.eFinal();
        QCOMPARE(rig.dialogs.messages(), QStringList{warning});
        QCOMPARE(c.notes().at(0).lines.size(), 2); // nothing lost in memory

        QDir(rig.shop.path()).rmdir(rig.registerName());
        c.eDelBox(); // saves fine
        QCOMPARE(rig.shop.lines(rig.registerName()), c.notes().at(0).lines);
        QDir(rig.shop.path()).mkdir("blocker");
        QFile::remove(rig.shop.file(rig.registerName()));
        QDir(rig.shop.path()).rename("blocker", rig.registerName());
        rig.add("1", "Y", "5");
        c.eDelBox();
        QCOMPARE(rig.dialogs.messages(), (QStringList{warning, warning}));
    }
};

QTEST_APPLESS_MAIN(PaymentTest)
#include "payment_test.moc"

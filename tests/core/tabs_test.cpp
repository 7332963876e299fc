#include "CounterRig.h"

#include <QTest>

class TabsTest : public QObject {
    Q_OBJECT

    static QStringList captions(const Counter& c) {
        QStringList out;
        for (int i = 0; i < Notes::kNotes; ++i)
            out << c.tabs().caption(i);
        return out;
    }

private Q_SLOTS:
    void startOfDay() {
        CounterRig rig;
        Counter& c = rig.start();
        QCOMPARE(captions(c), (QStringList{"Registro", "(nuevo)", "-", "-", "-"}));
        QCOMPARE(c.notes().current(), 1);
        rig.add("1", "A", "2");
        QCOMPARE(captions(c), (QStringList{"Registro", "$2.00", "(nuevo)", "-", "-"}));
        QVERIFY(c.tabs().enabled(2));
    }

    // A side note's sale cancelled while the record note holds an open sale leaves that open sale
    // where it is: it is charged, and ticketed, with the record's next items.
    void aSideNoteLeavesTheRecordsOpenSale() {
        CounterRig rig;
        Counter& c = rig.start();
        c.settings().toggleTickets();
        c.lblTask_Click(0);
        rig.add("1", "AAA", "10");
        c.lblTask_Click(1);
        rig.add("1", "BBB", "5");
        c.eDelBox();
        c.lblTask_Click(0);
        QCOMPARE(c.notes().saleStart(), -1);
        rig.add("1", "CCC", "3");
        c.amounts().setCashText("13");
        c.eFinal();
        QCOMPARE(c.notes().at(0).lines.last(),
                 QString("-----(14:35)------------------------------> [TOTAL $13.00]"));
        const QStringList ticket = rig.printer.attempts.last().lines();
        QVERIFY(ticket.join(u'|').contains(QStringLiteral("AAA")));
        QVERIFY(ticket.join(u'|').contains(QStringLiteral("CCC")));
    }

    void anEmptiedTabStepsBack() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.add("1", "A", "2");
        c.lblTask_Click(2);
        QCOMPARE(c.notes().current(), 2);
        c.lblTask_Click(1);
        c.amounts().setCashText("2");
        rig.dialogs.answer(false);
        c.eFinal();
        QCOMPARE(captions(c), (QStringList{"Registro", "(nuevo)", "-", "-", "-"}));

        // Cancelling note #3 while note #2 holds a sale keeps tab #3 open and closes tab #4 again.
        rig.add("1", "A", "2");
        c.lblTask_Click(2);
        rig.add("1", "B", "3");
        c.lblTask_Click(3);
        QCOMPARE(c.notes().current(), 3);
        c.lblTask_Click(2);
        c.eDelBox();
        QCOMPARE(captions(c), (QStringList{"Registro", "$2.00", "(nuevo)", "-", "-"}));
    }

    void switchingRestoresTheNote() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.add("2", "PAN", "12.50");
        c.fields().set(EntryFields::Quantity, "3");
        c.amounts().setCashText("30");
        QCOMPARE(c.amounts().changeText(), QString("5.00"));
        c.lblTask_Click(2);
        QCOMPARE(c.amounts().totalText(), QString("0.00"));
        QCOMPARE(c.fields().field(EntryFields::Quantity), QString("1"));
        c.lblTask_Click(1);
        QCOMPARE(c.fields().field(EntryFields::Quantity), QString("3"));
        QCOMPARE(c.fields().field(EntryFields::Description), QString("PAN"));
        QCOMPARE(c.amounts().totalText(), QString("25.00"));
        QCOMPARE(c.amounts().cashText(), QString("30.00"));
        QCOMPARE(c.amounts().changeText(), QString("5.00"));
        QCOMPARE(c.notes().at(1).step, SaleStep::CashCovers);
    }

    void switchingShowsTheStoredChangeAsANumber() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.add("1", "A", "1500");
        c.amounts().setCashText("1500");
        QCOMPARE(c.amounts().changeText(), QString("Sin cambio"));
        c.lblTask_Click(2);
        c.lblTask_Click(1);
        QCOMPARE(c.amounts().totalText(), QString("1500.00"));
        QCOMPARE(c.amounts().changeText(), QString("0.00"));
    }

    void editingTheRegister() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.dialogs.clear();
        rig.add("1", "A", "2");
        c.eNoteToEdit();
        QCOMPARE(rig.dialogs.messages(), QStringList{"Primero cancele la operación de la nota actual."});
        c.lblTask_Click(0);
        c.eNoteToEdit();
        c.eNoteToEdit();
        QCOMPARE(
            rig.dialogs.messages(),
            (QStringList{"Primero cancele la operación de la nota actual.",
                         "Solamente cambie nombres y valores para un buen funcionamiento del programa."}));
    }
};

QTEST_APPLESS_MAIN(TabsTest)
#include "tabs_test.moc"

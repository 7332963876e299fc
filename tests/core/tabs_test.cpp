#include "CounterRig.h"

#include <QTest>

class TabsTest : public QObject {
    Q_OBJECT

    static QStringList captions(const Counter& c) {
        QStringList out;
        for (int i = 0; i < Counter::kNotes; ++i)
            out << c.tabCaption(i);
        return out;
    }

private Q_SLOTS:
    void startOfDay() {
        CounterRig rig;
        Counter& c = rig.start();
        QCOMPARE(captions(c), (QStringList{"Registro", "(nuevo)", "-", "-", "-"}));
        QCOMPARE(c.currentNote(), 1);
        rig.add("1", "A", "2");
        QCOMPARE(captions(c), (QStringList{"Registro", "$2.00", "(nuevo)", "-", "-"}));
        QVERIFY(c.tabEnabled(2));
    }

    void anEmptiedTabStepsBack() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.add("1", "A", "2");
        c.lblTask_Click(2);
        QCOMPARE(c.currentNote(), 2);
        c.lblTask_Click(1);
        c.setCashText("2");
        rig.dialogs.answer(false);
        c.eFinal();
        QCOMPARE(captions(c), (QStringList{"Registro", "(nuevo)", "-", "-", "-"}));

        // Cancelling note #3 while note #2 holds a sale keeps tab #3 open and closes tab #4 again.
        rig.add("1", "A", "2");
        c.lblTask_Click(2);
        rig.add("1", "B", "3");
        c.lblTask_Click(3);
        QCOMPARE(c.currentNote(), 3);
        c.lblTask_Click(2);
        c.eDelBox();
        QCOMPARE(captions(c), (QStringList{"Registro", "$2.00", "(nuevo)", "-", "-"}));
    }

    void switchingRestoresTheNote() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.add("2", "PAN", "12.50");
        c.setField(Counter::Quantity, "3");
        c.setCashText("30");
        QCOMPARE(c.changeText(), QString("5.00"));
        c.lblTask_Click(2);
        QCOMPARE(c.totalText(), QString("0.00"));
        QCOMPARE(c.field(Counter::Quantity), QString("1"));
        c.lblTask_Click(1);
        QCOMPARE(c.field(Counter::Quantity), QString("3"));
        QCOMPARE(c.field(Counter::Description), QString("PAN"));
        QCOMPARE(c.totalText(), QString("25.00"));
        QCOMPARE(c.cashText(), QString("30.00"));
        QCOMPARE(c.changeText(), QString("5.00"));
        QCOMPARE(c.noteStep(1), 5);
    }

    void switchingShowsTheStoredChangeAsANumber() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.add("1", "A", "1500");
        c.setCashText("1500");
        QCOMPARE(c.changeText(), QString("Sin cambio"));
        c.lblTask_Click(2);
        c.lblTask_Click(1);
        QCOMPARE(c.totalText(), QString("1500.00"));
        QCOMPARE(c.changeText(), QString("0.00"));
    }

    void editingTheRegister() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.dialogs.clear();
        rig.add("1", "A", "2");
        c.mnuEditNote_Click();
        QCOMPARE(rig.dialogs.messages(), QStringList{"Primero cancele la operación de la nota actual."});
        c.lblTask_Click(0);
        c.mnuEditNote_Click();
        c.mnuEditNote_Click();
        QCOMPARE(
            rig.dialogs.messages(),
            (QStringList{"Primero cancele la operación de la nota actual.",
                         "Solamente cambie nombres y valores para un buen funcionamiento del programa."}));
    }
};

QTEST_APPLESS_MAIN(TabsTest)
#include "tabs_test.moc"

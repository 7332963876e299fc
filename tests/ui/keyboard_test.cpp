#include "WindowRig.h"
#include "ui/keyboard/Keypad.h"
#include "ui/widgets/LabelButton.h"

#include <QLineEdit>
#include <QListView>
#include <QTest>

namespace {
QWidget* focused() {
    return QApplication::focusWidget();
}
QString focusedName() {
    return focused() ? focused()->objectName() : QString("(none)");
}
// Keys go where a cashier's keys go: to the widget that has the focus.
void type(const QString& text) {
    for (const QChar ch : text)
        QTest::keyClick(focused(), ch.toLatin1());
}
void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(focused(), k, m);
}
} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    static void prepare(WindowRig& rig, bool backToRecord) {
        rig.shop.write("VL Lista.txt", {"[10] PAN $12.50", "[3] LÁMPARA $1,250.00 #750"});
        if (backToRecord)
            rig.shop.write("VL Config.ini", {"1", "0", "0", "", "05/12/2026", "", "", "0", "", ""});
    }

private Q_SLOTS:
    void focusIsReadyAtStart_data() {
        QTest::addColumn<bool>("back");
        QTest::addColumn<QString>("widget");
        QTest::newRow("note #2 in front") << false << "lstNote1";
        QTest::newRow("record note in front") << true << "lstNote0";
    }
    void focusIsReadyAtStart() {
        QFETCH(bool, back);
        QFETCH(QString, widget);
        WindowRig rig;
        prepare(rig, back);
        rig.open();
        QTRY_COMPARE(focusedName(), widget);
    }

    void wholeSaleByKeyboard() {
        WindowRig rig;
        prepare(rig, true);
        rig.open();
        QTRY_VERIFY(focused());
        type("c");
        QCOMPARE(focusedName(), QString("txtDato1"));
        type("2");
        key(Qt::Key_Return);
        QCOMPARE(focusedName(), QString("txtDato2"));
        type("PAN");
        key(Qt::Key_Return);
        QCOMPARE(focusedName(), QString("txtDato3"));
        key(Qt::Key_Return);
        QCOMPARE(focusedName(), QString("txtDato4"));
        type("12.50");
        key(Qt::Key_Return);
        QCOMPARE(rig.counter().notes().at(0).lines, QStringList{"2 x PAN de $12.50 = $25.00"});
        key(Qt::Key_F12);
        QCOMPARE(focusedName(), QString("txtTotal2"));
        type("100");
        rig.dialogs.answer(false);
        key(Qt::Key_Return);
        const QStringList expected{"2 x PAN de $12.50 = $25.00",
                                   "-----(14:35)------------------------------> [TOTAL $25.00]"};
        QCOMPARE(rig.counter().notes().at(0).lines, expected);
        QCOMPARE(rig.shop.lines("VENTAS #05-12-2026.txt"), expected);
        QVERIFY(focused() != nullptr);
    }

    void lettersMoveTheFocus_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("fromText"); // the text left in the starting field
        struct Row {
            const char *name, *from, *typed, *to, *fromText;
        };
        const Row rows[] = {
            {"c in price", "txtDato4", "c", "txtDato1", "0.00"},
            {"Q in price", "txtDato4", "Q", "txtDato1", "0.00"},
            {"c in description is typed", "txtDato2", "c", "txtDato2", "c"},
            {"% in quantity", "txtDato1", "%", "txtDato3", "1"},
            {"p in cash", "txtTotal2", "p", "txtDato4", "0.00"},
            {"n in quantity", "txtDato1", "n", "lstNote1", "1"},
            {"l in quantity", "txtDato1", "l", "lstItem1", "1"},
            {"b opens the search", "txtDato1", "b", "txtFinder", "1"},
            {"d in the note", "lstNote1", "d", "txtDato2", ""},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << r.from << r.typed << r.to << r.fromText;
    }
    void lettersMoveTheFocus() {
        QFETCH(QString, from);
        QFETCH(QString, typed);
        QFETCH(QString, to);
        QFETCH(QString, fromText);
        WindowRig rig;
        prepare(rig, false);
        rig.open();
        QWidget* start = rig.find<QWidget>(from);
        WindowRig::focus(start);
        type(typed);
        QCOMPARE(focusedName(), to);
        if (auto* edit = qobject_cast<QLineEdit*>(start)) QCOMPARE(edit->text(), fromText);
    }

    void arrowsWalkTheForm() {
        WindowRig rig;
        prepare(rig, false);
        rig.open();
        WindowRig::focus(rig.find<QWidget>("txtDato4"));
        key(Qt::Key_Up);
        QCOMPARE(focusedName(), QString("txtDato3"));
        key(Qt::Key_Up);
        QCOMPARE(focusedName(), QString("txtDato2"));
        key(Qt::Key_Up);
        QCOMPARE(focusedName(), QString("txtDato1"));
        key(Qt::Key_Down);
        QCOMPARE(focusedName(), QString("txtTotal2"));
    }

    void ctrlTabWalksTheTabs() {
        WindowRig rig;
        prepare(rig, true);
        rig.open();
        Counter& c = rig.counter();
        QTRY_COMPARE(focusedName(), QString("lstNote0"));
        key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(c.notes().current(), 1);
        key(Qt::Key_Tab, Qt::ControlModifier); // note #3 is unavailable while note #2 is empty
        QCOMPARE(c.notes().current(), 0);
        key(Qt::Key_Tab, Qt::ControlModifier);
        type("c");
        type("1");
        type("d");
        type("X");
        key(Qt::Key_Return);
        type("p");
        type("5");
        key(Qt::Key_Return);
        QCOMPARE(c.notes().at(1).lines.size(), 1);
        key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(c.notes().current(), 2);
        key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(c.notes().current(), 0);
    }

    void deleteCancelsOnlyLinesOfTheOpenSale() {
        WindowRig rig;
        prepare(rig, true);
        rig.shop.write(
            "VENTAS #05-12-2026.txt",
            {"1 x OLD de $5.00 = $5.00", "-----(09:00)------------------------------> [TOTAL $5.00]"});
        rig.open();
        Counter& c = rig.counter();
        c.fields().set(EntryFields::Description, "NEW");
        c.fields().set(EntryFields::Price, "7");
        c.ePreFactura();
        auto* note = rig.find<QListView>("lstNote0");
        WindowRig::focus(note);
        for (int row : {0, 1}) {
            WindowRig::clickRow(note, row);
            key(Qt::Key_Delete);
            QCOMPARE(c.notes().at(0).lines.size(), 3);
        }
        WindowRig::clickRow(note, 2);
        key(Qt::Key_Delete);
        QCOMPARE(c.notes().at(0).lines.size(), 2);
        QVERIFY(!c.notes().at(0).used);
    }

    void keypadTypesIntoTheFocusedField() {
        WindowRig rig;
        prepare(rig, false);
        rig.open();
        auto* price = rig.find<QLineEdit>("txtDato4");
        QTest::mouseDClick(price, Qt::LeftButton);
        Keypad* pad = rig.window->keypad();
        QTRY_VERIFY(pad->isVisible());
        const QPoint under = price->mapTo(rig.window->centralWidget(), QPoint(0, price->height()));
        QCOMPARE(pad->x(), under.x());
        QCOMPARE(pad->y(), under.y() + 4);
        QCOMPARE(focused(), price);
        price->clear();
        for (int index : {1, 2, 10, 5, 11})
            QTest::mouseClick(pad->key(index), Qt::LeftButton);
        QTRY_COMPARE(price->text(), QString("12."));
        QTest::mouseClick(pad->key(12), Qt::LeftButton);
        QVERIFY(!pad->isVisible());
        QCOMPARE(price->text(), QString("12."));
        QTest::mouseDClick(rig.find<QLineEdit>("txtDato2"), Qt::LeftButton);
        QVERIFY(!pad->isVisible()); // the description has no keypad
    }

    void tipOfTheCurrentStep() {
        WindowRig rig;
        prepare(rig, false);
        rig.open();
        key(Qt::Key_F2);
        rig.counter().fields().set(EntryFields::Description, "PAN");
        rig.counter().fields().set(EntryFields::Price, "3");
        rig.counter().ePreFactura();
        key(Qt::Key_F2);
        QCOMPARE(rig.dialogs.messages(),
                 (QStringList{
                     "Seleccione un artículo de la lista o escriba uno manualmente (cantidad, descripción, "
                     "descuento, precio).",
                     "Después de haber agregado artículos a la nota introduce el EFECTIVO recibido, puede "
                     "presionar F12 para empezar hacerlo."}));
        rig.counter().amounts().payInCash();
        WindowRig::focus(rig.find<QWidget>("txtDato1"));
        rig.counter().eTip(); // step 4: the cash field gets the focus after the box
        QCOMPARE(focusedName(), QString("txtTotal2"));
    }

    void helpDocument_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing")
            << false << true
            << "El archivo de ayuda no se encuentra, descargue otro desde el sitio web Orvane.";
        QTest::newRow("opens") << true << true << "";
        QTest::newRow("viewer fails")
            << true << false << "Hay un error al intentar abrir el archivo de ayuda.";
    }
    void helpDocument() {
        QFETCH(bool, present);
        QFETCH(bool, opens);
        QFETCH(QString, message);
        WindowRig rig;
        prepare(rig, false);
        if (present) rig.shop.writeBytes("VL Ayuda.pdf", "%PDF-1.4");
        rig.shell.opens = opens;
        rig.open();
        key(Qt::Key_F1);
        QCOMPARE(rig.dialogs.messages(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(rig.shell.opened.size(), present ? 1 : 0);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

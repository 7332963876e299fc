#include "WindowRig.h"
#include "ui/register/CashCountDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// Keys as a cashier types them: digits and "."; "v" and "^" for Down and Up, ">" for Tab, "<" for
// Backspace, "!" for Enter, "x" for Esc.
void typeKeys(const QString& keys) {
    for (const QChar k : keys) {
        QWidget* to = QApplication::focusWidget();
        QVERIFY(to);
        switch (k.unicode()) {
        case u'v':
            QTest::keyClick(to, Qt::Key_Down);
            break;
        case u'^':
            QTest::keyClick(to, Qt::Key_Up);
            break;
        case u'>':
            QTest::keyClick(to, Qt::Key_Tab);
            break;
        case u'<':
            QTest::keyClick(to, Qt::Key_Backspace);
            break;
        case u'!':
            QTest::keyClick(to, Qt::Key_Return);
            break;
        case u'x':
            QTest::keyClick(to, Qt::Key_Escape);
            break;
        default:
            QTest::keyClick(to, k.toLatin1());
        }
    }
}

CashCountDialog* openedDialog(WindowRig& rig) {
    CashCountDialog* dialog = nullptr;
    const bool active = QTest::qWaitFor([&] {
        dialog = rig.window->findChild<CashCountDialog*>();
        return dialog && dialog->isActiveWindow();
    });
    return active ? dialog : nullptr;
}

QString text(CashCountDialog* dialog, const char* label) {
    return dialog->findChild<QLabel*>(label)->text();
}

} // namespace

// The count of the drawer from the keyboard alone: F7, the counted cash typed or counted by
// denomination, Enter; Esc leaves nothing behind.
class CashCountDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void byKeysOnly_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("keys");      // typed before Enter
        QTest::addColumn<QStringList>("shown"); // counted, balance word and difference just before Enter
        QTest::addColumn<QString>("line");      // booked; empty: nothing
        // The register holds a sale of 100 and a float of 50: 150 expected.
        QTest::newRow("typed whole") << ""
                                     << "140.5" << QStringList{"$140.50", "Faltante", "$9.50"}
                                     << "=====(14:35)=====> [ARQUEO $140.50] esperado $150.00 faltante $9.50";
        // Down to the $100 row, one note; the $50 row, one; back up to the $100 row, typed over: two.
        QTest::newRow("by denomination")
            << "EN"
            << "vvvv1v1^2" << QStringList{"$250.00", "Over", "$100.00"}
            << "=====(14:35)=====> [CASH COUNT $250.00] expected $150.00 over $100.00";
        // 9 typed, then one $1000 note that takes its place, deleted again: the typed field starts afresh.
        QTest::newRow("rows emptied, typed again")
            << ""
            << "9v1<^7" << QStringList{"$7.00", "Faltante", "$143.00"}
            << "=====(14:35)=====> [ARQUEO $7.00] esperado $150.00 faltante $143.00";
        QTest::newRow("escape") << ""
                                << "150x" << QStringList{} << "";
    }
    void byKeysOnly() {
        QFETCH(QString, language);
        QFETCH(QString, keys);
        QFETCH(QStringList, shown);
        QFETCH(QString, line);
        WindowRig rig;
        const bool english = language == QLatin1String("EN");
        rig.shop.write(english ? "SALES #05-12-2026.txt" : "VENTAS #05-12-2026.txt",
                       {"-----(10:00)------------------------------> [TOTAL $100.00]",
                        english ? "-----(10:05)-------> [ENTRY $50.00] float"
                                : "-----(10:05)-------> [INGRESO $50.00] fondo"});
        rig.open(language);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F7);
        CashCountDialog* dialog = openedDialog(rig);
        QVERIFY(dialog);
        QCOMPARE(text(dialog, "lblExpected"), QString("$150.00"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtCounted"));
        typeKeys(keys);
        if (!shown.isEmpty()) {
            QCOMPARE((QStringList{text(dialog, "lblCounted"), text(dialog, "lblBalance"),
                                  text(dialog, "lblDifference")}),
                     shown);
            typeKeys("!");
        }
        QTRY_VERIFY(!rig.window->findChild<CashCountDialog*>());
        const QStringList record = rig.counter().notes().at(0).lines;
        QCOMPARE(record.size(), line.isEmpty() ? 2 : 3);
        if (!line.isEmpty()) QCOMPARE(record.last(), line);
        QCOMPARE(rig.printer.jobs.size(), line.isEmpty() ? 0 : 1);
    }

    // While a sale is open in the record note the count is refused with a box, and no dialog opens.
    void refusedWhileASaleIsOpen() {
        WindowRig rig;
        rig.open();
        rig.counter().lblTask_Click(0);
        rig.counter().fields().set(EntryFields::Description, "PAN");
        rig.counter().fields().set(EntryFields::Price, "10");
        rig.counter().ePreFactura();
        QVERIFY(rig.counter().notes().at(0).used);
        rig.window->findChild<QAction*>("mnuCashCount")->trigger();
        QCOMPARE(rig.dialogs.messages(),
                 QStringList{"Primero complete la operación de la nota de registro."});
        QVERIFY(!rig.window->findChild<CashCountDialog*>());
    }
};

QTEST_MAIN(CashCountDialogTest)
#include "cash_count_dialog_test.moc"

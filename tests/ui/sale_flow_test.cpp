#include "WindowRig.h"
#include "ui/widgets/LabelButton.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTest>

namespace {

void typeItem(WindowRig& rig, const QString& quantity, const QString& description, const QString& price) {
    auto* q = rig.find<QLineEdit>("txtDato1");
    auto* d = rig.find<QLineEdit>("txtDato2");
    auto* p = rig.find<QLineEdit>("txtDato4");
    WindowRig::focus(q);
    QTest::keyClicks(q, quantity);
    WindowRig::focus(d);
    QTest::keyClicks(d, description);
    WindowRig::focus(p);
    QTest::keyClicks(p, price);
    QTest::mouseClick(rig.find<LabelButton>("lblButton0"), Qt::LeftButton);
}

QString noteLine(WindowRig& rig, int note, int row) {
    return rig.find<QListView>(QStringLiteral("lstNote%1").arg(note))
        ->model()
        ->index(row, 0)
        .data()
        .toString();
}

} // namespace

class SaleFlowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wholeSaleInASideNote() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", {"[10] PAN $12.50"});
        rig.open();
        Counter& c = rig.counter();
        QCOMPARE(c.notes().current(), 1);

        typeItem(rig, "2", "PAN", "12.50");
        typeItem(rig, "1", "AZÚCAR", "34.50");
        // The discount from the "Importe" menu under the total.
        auto* total = rig.find<LabelButton>("lblTotal1");
        QTest::mouseClick(total, Qt::LeftButton);
        QMenu* amountMenu = rig.window->amountMenu();
        QTRY_VERIFY(amountMenu->isVisible());
        amountMenu->hide();
        rig.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        rig.window->findChild<QAction*>("mnuDesc10")->trigger();
        QCOMPARE(total->text(), QString("53.55"));
        typeItem(rig, "1", "VELA", "9.50");
        QCOMPARE(total->text(), QString("63.05"));

        // Cancel the candle: click its line, then the cancel entry that now offers it.
        auto* note = rig.find<QListView>("lstNote1");
        WindowRig::clickRow(note, 3);
        QAction* cancel = rig.window->findChild<QAction*>("mnuDel");
        QVERIFY(cancel->isVisible());
        QCOMPARE(cancel->text(), QString("&Cancelar [1 x VELA de $9.50]"));
        cancel->trigger();
        QCOMPARE(total->text(), QString("53.55"));
        QCOMPARE(note->model()->rowCount(), 3);

        // Cash typed key by key.
        auto* cash = rig.find<QLineEdit>("txtTotal2");
        auto* change = rig.find<LabelButton>("lblTotal3");
        WindowRig::focus(cash);
        QCOMPARE(cash->text(), QString());
        QTest::keyClick(cash, '1');
        QCOMPARE(change->text(), QString("0.00"));
        QTest::keyClick(cash, '0');
        QCOMPARE(change->text(), QString("0.00"));
        QTest::keyClick(cash, '0');
        QCOMPARE(change->text(), QString("46.45"));
        QTest::keyClick(cash, Qt::Key_Backspace);
        QCOMPARE(change->text(), QString("Insuficiente"));
        QCOMPARE(rig.find<QLabel>("lblMoney3")->text(), QString());
        QTest::mouseClick(change, Qt::LeftButton); // not enough: nothing happens
        QCOMPARE(note->model()->rowCount(), 3);
        QTest::keyClick(cash, 'x'); // refused by the field
        QTest::keyClick(cash, '0');
        QCOMPARE(cash->text(), QString("100"));
        QCOMPARE(change->text(), QString("46.45"));

        rig.dialogs.answer(false); // no tickets
        QTest::mouseClick(change, Qt::LeftButton);
        QCOMPARE(note->model()->rowCount(), 0);
        QCOMPARE(rig.find<QLabel>("lblTask1")->text(), QString("(nuevo)"));
        QCOMPARE(total->text(), QString("0.00"));

        const QByteArray expected =
            QByteArray("2 x PAN de $12.50 = $25.00\r\n"
                       "1 x AZ\xda"
                       "CAR de $34.50 = $34.50\r\n"
                       "     -10% de descuento\r\n"
                       "-----(14:35)------------------------------> [TOTAL $53.55]\r\n");
        QCOMPARE(rig.shop.bytes("VENTAS #05-12-2026.txt"), expected);

        // A restart on the same folder finds the day's lines, all of them closed.
        rig.window->close();
        rig.window.reset();
        rig.open();
        QCOMPARE(rig.counter().notes().at(0).lines.size(), 4);
        QCOMPARE(noteLine(rig, 0, 3), QString("-----(14:35)------------------------------> [TOTAL $53.55]"));
        QCOMPARE(rig.counter().notes().saleStart(), 3);
    }

    void sideNoteWaitsForTheOpenRecordNote() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", {"[10] PAN $12.50"});
        rig.open();
        QTest::mouseClick(rig.find<LabelButton>("lblTask0"), Qt::LeftButton);
        typeItem(rig, "1", "A", "5");
        QTest::mouseClick(rig.find<LabelButton>("lblTask1"), Qt::LeftButton);
        QCOMPARE(rig.counter().notes().current(), 1);
        typeItem(rig, "1", "B", "5");
        auto* cash = rig.find<QLineEdit>("txtTotal2");
        WindowRig::focus(cash);
        QTest::keyClicks(cash, "5");
        QTest::mouseClick(rig.find<LabelButton>("lblTotal3"), Qt::LeftButton);
        QCOMPARE(rig.dialogs.messages(),
                 QStringList{"Primero complete la operación de la nota de registro."});
        QCOMPARE(rig.find<QListView>("lstNote1")->model()->rowCount(), 1);
    }

    void midnightThroughTheWindow() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", {"[10] PAN $12.50"});
        rig.shop.write("VENTAS #05-12-2026.txt",
                       {"-----(09:00)------------------------------> [TOTAL $5.00]"});
        rig.open();
        rig.clock.at = QDateTime(QDate(2026, 12, 5), QTime(23, 55, 0));
        rig.counter().tmrNight_Timer();
        rig.clock.at = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0, 200));
        rig.counter().tmrNight_Timer();
        QCOMPARE(rig.dialogs.messages().size(), 2);
        QCOMPARE(rig.find<QListView>("lstNote0")->model()->rowCount(), 0);
        QCOMPARE(rig.shop.lines("VENTAS #05-12-2026.txt").size(), 1);
    }

    void fieldsOnFocus_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("onEnter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("onLeave");
        struct Row {
            const char *name, *field, *start, *onEnter, *typed, *onLeave;
        };
        const Row rows[] = {
            {"quantity 1 empties", "txtDato1", "1", "", "3", "3"},
            {"quantity empty becomes 1", "txtDato1", "1", "", "", "1"},
            {"quantity 0 becomes 1", "txtDato1", "1", "", "0", "1"},
            {"price grouped", "txtDato4", "0.00", "", "1500", "1,500.00"},
            {"price decimals", "txtDato4", "0.00", "", "12.5", "12.50"},
            {"price letters refused", "txtDato4", "0.00", "", "abc", "0.00"},
            {"discount whole part", "txtDato3", "0", "", "7.9", "7"},
            {"discount negative", "txtDato3", "0", "", "-5", "0"},
            {"description never empty", "txtDato2", "(Ninguno)", "(Ninguno)", "\b", "(Ninguno)"},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << r.field << r.start << r.onEnter << r.typed << r.onLeave;
    }
    void fieldsOnFocus() {
        QFETCH(QString, field);
        QFETCH(QString, start);
        QFETCH(QString, onEnter);
        QFETCH(QString, typed);
        QFETCH(QString, onLeave);
        WindowRig rig;
        rig.shop.write("VL Lista.txt", {"[10] PAN $12.50"});
        rig.open();
        auto* edit = rig.find<QLineEdit>(field);
        QCOMPARE(edit->text(), start);
        WindowRig::focus(edit);
        QCOMPARE(edit->text(), onEnter);
        if (typed == "\b")
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, typed);
        WindowRig::focus(rig.find<QLineEdit>(field == "txtDato1" ? "txtDato4" : "txtDato1"));
        QCOMPARE(edit->text(), onLeave);
    }

    void fieldsKeepOnlyWhatTheyAccept_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        struct Row {
            const char *name, *field, *typed, *kept;
        };
        const Row rows[] = {
            {"price", "txtDato4", "1x,2y.3-", "1,2.3"},
            {"quantity", "txtDato1", "2x5", "25"},
            {"discount", "txtDato3", "-1,5.5%", "-15.5"},
            {"cash 20 digits", "txtTotal2", "99999999999999999999", "99999999999999999999"},
            {"description outside the code page", "txtDato2", "A\u0109B\u20ac", "AB\u20ac"},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << r.field << r.typed << r.kept;
    }
    void fieldsKeepOnlyWhatTheyAccept() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        WindowRig rig;
        rig.shop.write("VL Lista.txt", {"[10] PAN $12.50"});
        rig.open();
        auto* edit = rig.find<QLineEdit>(field);
        WindowRig::focus(edit);
        edit->selectAll();
        for (const QChar ch : typed) // characters beyond Latin-1 need their own key events
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QCOMPARE(edit->text(), kept);
        QVERIFY(!rig.find<QLabel>("lblTotal1")->text().contains("inf"));
    }
};

QTEST_MAIN(SaleFlowTest)
#include "sale_flow_test.moc"

#include "CounterRig.h"

#include <QTest>

#include <tuple>

using CashChangeRow = std::tuple<QString, QString, QString, QString>;
using QuantityRow = std::tuple<QString, QString, QString, QString>;

// What the cashier types and what the counter charges, moves and gives back.
class CashierAmountsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void changeAddsUpToCash_data() {
        QTest::addColumn<CashChangeRow>("row");
        struct Row {
            const char *name, *price, *cash, *total, *change;
        };
        const Row rows[] = {
            {"half cent rounds up", "167.675", "200", "167.68", "32.32"},
            {"half cent below", "0.125", "1", "0.13", "0.87"},
            {"exact", "2.50", "5", "2.50", "2.50"},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << CashChangeRow{r.price, r.cash, r.total, r.change};
    }
    void changeAddsUpToCash() {
        QFETCH(CashChangeRow, row);
        auto [price, cash, total, change] = row;
        CounterRig rig;
        Counter& c = rig.start();
        rig.add("1", "PAN", price);
        c.amounts().setCashText(cash);
        c.amounts().eCambio();
        QCOMPARE(c.amounts().totalText(), total);
        QCOMPARE(c.amounts().changeText(), change);
    }

    // The quantity field takes no comma; the charge and the stock read the same number.
    void quantityChargedAsMoved_data() {
        QTest::addColumn<QuantityRow>("row");
        struct Row {
            const char *name, *typed, *field, *charged, *stockLine;
        };
        const Row rows[] = {
            {"point", "1.5", "1.5", "$3.00", "[18.5] PAN $2.00"},
            {"comma refused", "1,5", "15", "$30.00", "[5] PAN $2.00"},
            {"thousands comma refused", "1,000", "1000", "$2000.00", "[-980] PAN $2.00"},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << QuantityRow{r.typed, r.field, r.charged, r.stockLine};
    }
    void quantityChargedAsMoved() {
        QFETCH(QuantityRow, row);
        auto [typed, field, charged, stockLine] = row;
        CounterRig rig;
        rig.shop.write("VL Lista.txt", {"[20] PAN $2.00"});
        Counter& c = rig.start();
        c.lblTask_Click(0);
        c.fields().set(EntryFields::Quantity, typed);
        QCOMPARE(c.fields().field(EntryFields::Quantity), field);
        rig.add(typed, "PAN", "2.00");
        QVERIFY2(c.notes().at(0).lines.last().endsWith(" = " + charged),
                 qPrintable(c.notes().at(0).lines.last()));
        c.amounts().setCashText("9999");
        c.eFinal();
        QCOMPARE(rig.shop.lines("VL Lista.txt"), QStringList{stockLine});
    }
};

QTEST_GUILESS_MAIN(CashierAmountsTest)
#include "cashier_amounts_test.moc"

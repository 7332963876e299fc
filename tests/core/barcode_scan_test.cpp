#include "CounterRig.h"
#include "core/items/ItemList.h"

#include <QTest>

#include <tuple>

using ScanRow = std::tuple<QString, bool, bool, QString, QStringList, int, QStringList>;

// A scanned code is searched for as a barcode, exactly: the digits of a price, a stock or a longer
// barcode never count, and a code that two lines share rings up neither.
class BarcodeScanTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsOnlyTheExactBarcode_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("found");
        const QStringList shop{"[10] PAN BLANCO $12.50 #7501000000017", "[5] LECHE $20.00 #7501055300013",
                               "[2] QUESO $75.01 #750105530001", "[7501055300013] SAL $1.00"};
        QTest::newRow("its barcode") << shop << "7501055300013" << 1;
        QTest::newRow("a barcode that is the start of another") << shop << "750105530001" << 2;
        QTest::newRow("the start of a barcode") << shop << "75010553" << -1;
        QTest::newRow("digits of a price") << shop << "75.01" << -1;
        QTest::newRow("digits of a stock only") << QStringList{shop[3]} << "7501055300013" << -1;
        QTest::newRow("blanks after it")
            << QStringList{"LECHE $20.00 #7501055300013  "} << "7501055300013" << 0;
        QTest::newRow("two lines share it")
            << QStringList{"A $1.00 #123456", "B $2.00 #123456", "C $3.00 #654321"} << "123456" << -1;
        QTest::newRow("a # before the symbol is no barcode")
            << QStringList{"CAJA #123456 $5.00", "CAJA $5.00 #123456"} << "123456" << 1;
        QTest::newRow("no item line") << QStringList{"NOTA #123456"} << "123456" << -1;
        QTest::newRow("letters count exactly") << QStringList{"A $1.00 #ABC-123"} << "abc-123" << -1;
        QTest::newRow("empty code") << QStringList{"A $1.00 #"} << "" << -1;
    }
    void findsOnlyTheExactBarcode() {
        QFETCH(QStringList, lines);
        QFETCH(QString, code);
        QFETCH(int, found);
        ItemList list;
        list.setLines(lines);
        QCOMPARE(list.findBarcode(code, QStringLiteral("$")), found);
    }

    void scanRingsUpOrBeeps_data() {
        QTest::addColumn<ScanRow>("row");
        const auto row = [](const char* name, const char* quantity, bool seeStock, bool lookup,
                            const char* code, const QStringList& lines, int beeps = 0,
                            const QStringList& messages = {}) {
            QTest::newRow(name) << ScanRow{quantity, seeStock, lookup, code, lines, beeps, messages};
        };
        row("quantity in force", "3", false, false, "7501055300013", {"3 x LECHE de $20.00 = $60.00"});
        row("an emptied quantity counts one", "", false, false, "7501055300013",
            {"1 x LECHE de $20.00 = $20.00"});
        row("stock shown", "2", true, false, "7501000000017", {"2 x PAN BLANCO de $1,250.00 = $2,500.00"});
        row("unknown code", "3", false, false, "7501234567890", {}, 1);
        row("code shared by two lines", "3", false, false, "4000000000001", {}, 1);
        row("look-up mode shows it", "3", true, true, "7501055300013", {}, 0,
            {QString::fromUtf8("Artículo:\r\n[LECHE $20.00 #7501055300013]")});
    }
    void scanRingsUpOrBeeps() {
        QFETCH(ScanRow, row);
        auto [quantity, seeStock, lookup, code, lines, beeps, messages] = row;
        CounterRig rig;
        rig.shop.write("VL Lista.txt",
                       {"[10] PAN BLANCO $1,250.00 #7501000000017", "[5] LECHE $20.00 #7501055300013",
                        "[1] UNO $1.00 #4000000000001", "[1] OTRO $2.00 #4000000000001"});
        Counter& c = rig.start();
        if (c.settings().values().seeStock != seeStock) c.mnuSeeStock_Click();
        c.search().setLookupMode(lookup);
        c.fields().set(EntryFields::Quantity, quantity);
        const QStringList fieldsBefore{c.fields().field(1), c.fields().field(2), c.fields().field(3)};
        rig.dialogs.clear();
        c.scanBarcode(code);
        QCOMPARE(c.notes().at(c.notes().current()).lines, lines);
        QCOMPARE(rig.shell.beeps, beeps);
        QCOMPARE(rig.dialogs.messages(), messages);
        if (lines.isEmpty()) { // nothing changed
            QCOMPARE(c.fields().field(EntryFields::Quantity), quantity);
            QCOMPARE((QStringList{c.fields().field(1), c.fields().field(2), c.fields().field(3)}),
                     fieldsBefore);
        }
    }
};

QTEST_GUILESS_MAIN(BarcodeScanTest)
#include "barcode_scan_test.moc"

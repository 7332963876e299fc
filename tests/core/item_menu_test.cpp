#include "CounterRig.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The item list as the counter uses it: the file, the search, the stock of a closed sale, the
// inventory value behind the key and the price change.
class ItemMenuTest : public QObject {
    Q_OBJECT

    static Counter& startWith(CounterRig& rig, const QStringList& list) {
        rig.shop.write("VL Lista.txt", list);
        Counter& c = rig.start();
        rig.dialogs.clear();
        return c;
    }

private Q_SLOTS:
    void inventoryValueBehindTheKey_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no key, OK") << "" << QStringList{""}
                                    << QStringList{"Tiene un inventario con valor de $3,020.00"};
        QTest::newRow("no key, typed") << "" << QStringList{"abc"} << QStringList{"Clave incorrecta."};
        QTest::newRow("key, cancel") << "k1" << QStringList{""} << QStringList{};
        QTest::newRow("key, wrong") << "k1" << QStringList{"K1"} << QStringList{"Clave incorrecta."};
        QTest::newRow("key, right") << "k1" << QStringList{"k1"}
                                    << QStringList{"Tiene un inventario con valor de $3,020.00"};
    }
    void inventoryValueBehindTheKey() {
        QFETCH(QString, key);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, messages);
        CounterRig rig(QString(), key);
        Counter& c = startWith(rig, {"[2] A $10.00", "[3] B $1,000.00", "SIN STOCK $5"});
        for (const QString& a : answers)
            rig.dialogs.type(a);
        c.itemActions().mnuCountAll_Click();
        QCOMPARE(rig.dialogs.prompts().size(), 1);
        QCOMPARE(rig.dialogs.messages(), messages);
        QCOMPARE(rig.dialogs.shown.first().echo, Dialogs::Echo::Masked); // the key is never seen
    }

    // A decrease that would make any price negative changes none and says how many.
    void decreaseBelowZeroIsRefused() {
        CounterRig rig;
        Counter& c = startWith(rig, {"[5] BOLILLO $3.00", "[1] PAN $12.00"});
        const QByteArray before = rig.shop.bytes("VL Lista.txt");
        rig.dialogs.type("5");
        c.itemActions().mnuPriceChg_Click(1);
        QCOMPARE(
            rig.dialogs.messages(),
            QStringList{"La bajada dejaría 1 artículo(s) con precio negativo; no se cambió ningún precio."});
        QCOMPARE(rig.shop.bytes("VL Lista.txt"), before);
        QCOMPARE(c.items().lines().first(), QString("[5] BOLILLO $3.00"));
    }

    void priceChangePromptsUntilAcceptable() {
        CounterRig rig;
        Counter& c = startWith(rig, {"[3] LIBRO $100.00", "[1] CAJA $5.5 #750", "NOTA"});
        rig.dialogs.type("100%").type("-5").type("10%");
        c.itemActions().mnuPriceChg_Click(0);
        QCOMPARE(rig.dialogs.prompts().size(), 3);
        QCOMPARE(rig.dialogs.prompts().first(),
                 QString("Subir al precio de todos los artículos (ej. '20' ó '5%'):"));
        QCOMPARE(rig.shop.lines("VL Lista.txt"),
                 (QStringList{"[3] LIBRO $110.00", "[1] CAJA $6.05 #750", "NOTA"}));
        rig.dialogs.type("");
        c.itemActions().mnuPriceChg_Click(1); // cancelled: nothing changes
        QCOMPARE(c.items().lines().first(), QString("[3] LIBRO $110.00"));
        rig.dialogs.type("5");
        c.itemActions().mnuPriceChg_Click(1);
        QCOMPARE(c.items().lines().first(), QString("[3] LIBRO $105.00"));
    }

    void recordNoteMovesOnlyTheOpenSale() {
        CounterRig rig;
        rig.shop.write(rig.registerName(), {"5 x VASO de $10.00 = $50.00",
                                            "-----(09:00)------------------------------> [TOTAL $50.00]"});
        Counter& c = startWith(rig, {"[9] VASO $10.00"});
        c.lblTask_Click(0);
        rig.add("2", "VASO", "10");
        c.amounts().setCashText("20");
        rig.dialogs.answer(false);
        c.eFinal();
        QCOMPARE(rig.shop.lines("VL Lista.txt"), QStringList{"[7] VASO $10.00"});
    }

    void aLineWithoutStockStopsTheMovement() {
        CounterRig rig;
        Counter& c = startWith(rig, {"VASO $10.00"});
        rig.add("1", "VASO", "10");
        c.amounts().setCashText("10");
        rig.dialogs.answer(false);
        c.eFinal();
        QCOMPARE(rig.dialogs.messages(), QStringList{"Aquí hay un error, repórtelo al sitio web Orvane."});
        QCOMPARE(c.notes().at(0).lines.size(), 2); // the sale is booked all the same
    }

    void aListThatCannotBeSavedIsReported() {
        CounterRig rig;
        Counter& c = startWith(rig, {"[9] VASO $10.00"});
        QFile::remove(rig.shop.file("VL Lista.txt"));
        QDir(rig.shop.path()).mkdir("VL Lista.txt");
        rig.dialogs.type("1");
        c.itemActions().mnuPriceChg_Click(0);
        QCOMPARE(rig.dialogs.messages(), QStringList{"No se pudo crear el archivo, intente más tarde."});
        QCOMPARE(c.items().lines(), QStringList{"[9] VASO $11.00"}); // kept in memory
    }

    void stockShownOrHiddenKeepsTheSearch() {
        CounterRig rig;
        Counter& c = startWith(rig, {"[3] LIBRO $100.00", "[1] CAJA $5.00"});
        c.search().txtFinder_Change("caja");
        c.mnuSeeStock_Click();
        QCOMPARE(c.items().shownCount(), 1);
        QCOMPARE(c.items().shownLine(0), QString("[1] CAJA $5.00"));
        QCOMPARE(rig.shop.lines("VL Config.ini").at(7), QString("1"));
    }
};

QTEST_APPLESS_MAIN(ItemMenuTest)
#include "item_menu_test.moc"

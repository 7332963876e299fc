#include "CounterRig.h"

#include <QTest>

#include <tuple>

namespace {
const QString kList = QStringLiteral("VL Lista.txt");
}

using ItemLinesRow = std::tuple<QString, QString, QString, QString, QString, QString, QString>;
using UnusablePriceRow = std::tuple<QString, QString, QString, QStringList>;
using PickRow = std::tuple<bool, QString, QString, QString, SaleStep>;

using FreeItemRow = std::tuple<QString, bool, QStringList>;
using ReminderRow = std::tuple<QString, QString, bool>;

// Adding items to a note: the lines written, the totals and the entry fields afterwards.
class SaleNoteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void itemLines_data() {
        QTest::addColumn<ItemLinesRow>("row");
        struct Row {
            const char *name, *language, *quantity, *description, *discount, *price, *line, *total;
        };
        const Row rows[] = {
            {"plain", "", "2", "PAN", "0", "12.50", "2 x PAN de $12.50 = $25.00", "25.00"},
            {"english", "EN", "2", "PAN", "0", "12.50", "2 x PAN of $12.50 = $25.00", "25.00"},
            {"discount", "", "2", "PAN", "10", "12.50", "2 x PAN de $12.50 (-10%) = $22.50", "22.50"},
            {"discount cut to whole", "", "1", "X", "12.7", "100", "1 x X de $100.00 (-12%) = $88.00",
             "88.00"},
            {"negative discount adds", "", "2", "PAN", "-5", "12.50", "2 x PAN de $12.50 (+5%) = $26.25",
             "26.25"},
            {"price picture grouped", "", "2", "X", "0", "1500", "2 x X de $1,500.00 = $3,000.00",
             "3,000.00"},
            {"picture chosen by the price", "", "20", "X", "0", "600", "20 x X de $600.00 = $12000.00",
             "12,000.00"},
            {"price with commas", "", "1", "X", "0", "1,250.00", "1 x X de $1,250.00 = $1,250.00",
             "1,250.00"},
            {"quantity kept as typed", "", "1.50", "QUESO", "0", "10", "1.50 x QUESO de $10.00 = $15.00",
             "15.00"},
            {"garbled quantity counts 0", "", "abc", "X", "0", "10", "abc x X de $10.00 = $0.00", "0.00"},
            {"placeholder becomes ITEM", "", "1", "  (ninguno) ", "0", "5", "1 x ARTÍCULO de $5.00 = $5.00",
             "5.00"},
            {"blank description", "EN", "1", "   ", "0", "5", "1 x ITEM of $5.00 = $5.00", "5.00"},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << ItemLinesRow{r.language, r.quantity, r.description, r.discount,
                                                  r.price,    r.line,     r.total};
    }
    void itemLines() {
        QFETCH(ItemLinesRow, row);
        auto [language, quantity, description, discount, price, line, total] = row;
        CounterRig rig(language);
        Counter& c = rig.start();
        c.lblTask_Click(0);
        rig.add(quantity, description, price, discount);
        QCOMPARE(c.notes().at(0).lines, QStringList{line});
        QCOMPARE(c.amounts().totalText(), total);
        QCOMPARE(c.notes().at(0).step, SaleStep::LinesInNote);
        QVERIFY(c.notes().at(0).used);
        QCOMPARE(c.notes().at(0).selected, 0);
    }

    void fieldsAfterAdding() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.add("3", "LECHE", "28.90", "10");
        QCOMPARE(c.fields().field(EntryFields::Quantity), QString("1"));
        QCOMPARE(c.fields().field(EntryFields::Discount), QString("0"));
        QCOMPARE(c.fields().field(EntryFields::Description), QString("LECHE"));
        QCOMPARE(c.fields().field(EntryFields::Price), QString("28.90"));

        rig.add("1", "(Ninguno)", "5");
        QCOMPARE(c.fields().field(EntryFields::Description), QString("(Ninguno)"));
        QCOMPARE(c.fields().field(EntryFields::Price), QString("0.00"));
    }

    void freeItemAsksFirst_data() {
        QTest::addColumn<FreeItemRow>("row");
        QTest::newRow("yes") << FreeItemRow{"", true, QStringList{"3 x BOLSA gratis"}};
        QTest::newRow("yes, english") << FreeItemRow{"EN", true, QStringList{"3 x BOLSA free"}};
        QTest::newRow("no") << FreeItemRow{"", false, QStringList{}};
    }
    void freeItemAsksFirst() {
        QFETCH(FreeItemRow, row);
        auto [language, yes, lines] = row;
        CounterRig rig(language);
        Counter& c = rig.start();
        rig.add("2", "PAN", "10");
        rig.dialogs.clear();
        rig.dialogs.answer(yes);
        rig.add("3", "BOLSA", "0.00");
        QCOMPARE(rig.dialogs.questionTexts().size(), 1);
        if (language.isEmpty())
            QCOMPARE(rig.dialogs.questionTexts().first(),
                     QString("Agregará un artículo como \"gratis\" a la nota, ¿desea continuar?"));
        QCOMPARE(c.notes().at(1).lines.mid(1), lines);
        QCOMPARE(c.notes().at(1).total, 20.0);
    }

    // Money no note may hold: refused with the reason, or (beyond every number) quietly.
    void unusablePricesChangeNothing_data() {
        QTest::addColumn<UnusablePriceRow>("row");
        QTest::newRow("negative price") << UnusablePriceRow{
            QString("1"), "-5", "0",
            QStringList{"Un artículo con precio negativo no se puede vender; corrija su precio."}};
        QTest::newRow("discount above 100%") << UnusablePriceRow{
            QString("1"), "10", "150", QStringList{"El descuento de un artículo es de 100% como máximo."}};
        QTest::newRow("amount beyond every number")
            << UnusablePriceRow{QString("1E300"), "1E300", "0", QStringList{}};
    }
    void unusablePricesChangeNothing() {
        QFETCH(UnusablePriceRow, row);
        auto [quantity, price, discount, messages] = row;
        CounterRig rig;
        Counter& c = rig.start();
        rig.add(quantity, "X", price, discount);
        QCOMPARE(rig.dialogs.messages(), messages);
        QVERIFY(c.notes().at(1).lines.isEmpty());
        QVERIFY(!c.notes().at(1).used);
        QCOMPARE(c.amounts().totalText(), QString("0.00"));
    }

    // A line without a currency symbol (or without its stock bracket while stock is shown) leaves
    // the fields as they were.
    void pickingAnItemFillsTheFields_data() {
        QTest::addColumn<PickRow>("row");
        QTest::newRow("stock shown") << PickRow{true, "[10] PAN $12.50 #7501", QString("PAN"), "12.50",
                                                SaleStep::ItemReady};
        QTest::newRow("stock hidden") << PickRow{false, "[2] LÁMPARA $1,250.00 #750", QString("LÁMPARA"),
                                                 "1,250.00", SaleStep::ItemReady};
        QTest::newRow("no stock, hidden")
            << PickRow{false, "VASO $10", QString("VASO"), "10.00", SaleStep::ItemReady};
        QTest::newRow("two symbols") << PickRow{false, "[1] A $5 $7", QString("A"), "5.00",
                                                SaleStep::ItemReady};
        QTest::newRow("no symbol") << PickRow{false, "[3] NOTA SIN PRECIO", QString("(Ninguno)"), "0.00",
                                              SaleStep::Nothing};
        QTest::newRow("stock shown but no bracket")
            << PickRow{true, "PAN $3", QString("(Ninguno)"), "0.00", SaleStep::Nothing};
    }
    void pickingAnItemFillsTheFields() {
        QFETCH(PickRow, row);
        auto [seeStock, line, description, price, step] = row;
        CounterRig rig;
        rig.shop.write(kList, {line});
        Counter& c = rig.start();
        if (seeStock) c.mnuSeeStock_Click();
        c.search().selectItem(0);
        QCOMPARE(c.fields().field(EntryFields::Description), description);
        QCOMPARE(c.fields().field(EntryFields::Price), price);
        QCOMPARE(c.notes().at(c.notes().current()).step, step);
    }

    void priceReminderBlinks_data() {
        QTest::addColumn<ReminderRow>("row");
        QTest::newRow("price 0.00") << ReminderRow{QString("PAN"), "0.00", true};
        QTest::newRow("price with comma") << ReminderRow{QString("PAN"), "1,000.00", false};
        QTest::newRow("placeholder") << ReminderRow{QString("(Ninguno)"), "0.00", false};
        QTest::newRow("empty description") << ReminderRow{QString(), "0.00", false};
    }
    void priceReminderBlinks() {
        QFETCH(ReminderRow, row);
        auto [description, price, blinks] = row;
        CounterRig rig;
        Counter& c = rig.start();
        c.fields().set(EntryFields::Description, description);
        c.fields().set(EntryFields::Price, price);
        c.fields().remindPrice();
        QCOMPARE(c.fields().priceTitle(), blinks ? QString("* &PRECIO") : QString(" &PRECIO"));
        c.fields().remindPrice();
        QCOMPARE(c.fields().priceTitle(), QString(" &PRECIO"));
        c.fields().remindPrice();
        c.fields().set(EntryFields::Price, "3");
        c.fields().remindPrice();
        QCOMPARE(c.fields().priceTitle(), QString(" &PRECIO"));
    }
};

QTEST_APPLESS_MAIN(SaleNoteTest)
#include "sale_note_test.moc"

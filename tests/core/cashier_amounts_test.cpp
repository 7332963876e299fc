#include "CounterRig.h"
#include "core/counter/KeyRouter.h"

#include <QTest>

#include <tuple>

namespace {
Counter& sideNoteWith100(CounterRig& rig) {
    Counter& c = rig.start();
    rig.dialogs.clear();
    rig.add("1", "A", "100");
    return c;
}

const QStringList kDayWithACard{"1 x OLD de $5.00 = $5.00",
                                "-----(09:00)------------------------------> [TOTAL $5.00]",
                                "*****(09:10)********* [TARJETA $3.00]"};

} // namespace

// language, interest (else discount), answers, line added (empty: none), total, "too large" messages
using AdjustRow = std::tuple<QString, bool, QStringList, QString, QString, int>;
// steps, the line cancelled, the total before and after it
using CancelLineRow = std::tuple<QStringList, int, QString, QString>;
using CancelRow = std::tuple<int, int, bool>;
using QuantityRow = std::tuple<QString, QString, QString, QString>;
using SymbolRow = std::tuple<QStringList, QStringList, QString, QString>;
using OfferRow = std::tuple<QString, bool, QString, QString>;

// Discounts, interest, cancelled lines, change and currency: what the cashier types and the counter charges.
class CashierAmountsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void adjustmentLines_data() {
        QTest::addColumn<AdjustRow>("row");
        QTest::newRow("amount discount") << AdjustRow{"", false, {"20"}, "-$20 de descuento", "80.00", 0};
        QTest::newRow("amount en") << AdjustRow{"EN", false, {"20"}, "-$20 discount", "80.00", 0};
        QTest::newRow("percent en") << AdjustRow{"EN", false, {"7.5%"}, "-7.5% discount", "92.50", 0};
        QTest::newRow("amount with comma") << AdjustRow{"", false, {"1,000"}, "", "100.00", 1};
        QTest::newRow("amount interest") << AdjustRow{"", true, {"20"}, "+$20 de interés", "120.00", 0};
        QTest::newRow("interest en") << AdjustRow{"EN", true, {"20.5"}, "+$20.5 interest", "120.50", 0};
        QTest::newRow("percent interest") << AdjustRow{"", true, {"16%"}, "+16% de interés", "116.00", 0};
        QTest::newRow("the whole total") << AdjustRow{"", false, {"100"}, "-$100 de descuento", "0.00", 0};
        QTest::newRow("150% then 15%")
            << AdjustRow{"", false, {"150%", "15%"}, "-15% de descuento", "85.00", 0};
        QTest::newRow("100% asked again") << AdjustRow{"", false, {"100%", ""}, "", "100.00", 0};
        QTest::newRow("negative then cancel") << AdjustRow{"", false, {"-5", ""}, "", "100.00", 0};
        QTest::newRow("blanks cancel") << AdjustRow{"", false, {"   "}, "", "100.00", 0};
        QTest::newRow("99%") << AdjustRow{"", false, {"99%"}, "-99% de descuento", "1.00", 0};
    }
    void adjustmentLines() {
        QFETCH(AdjustRow, row);
        const auto& [language, interest, answers, line, total, tooLarge] = row;
        CounterRig rig(language);
        Counter& c = sideNoteWith100(rig);
        for (const QString& a : answers)
            rig.dialogs.type(a);
        const QString before = c.notes().at(1).lines.last();
        interest ? c.adjustments().mnuIVA_Click() : c.adjustments().mnuDescx_Click();
        QCOMPARE(c.notes().at(1).lines.last(), line.isEmpty() ? before : "     " + line); // indented
        QCOMPARE(c.notes().at(1).lines.size(), line.isEmpty() ? 1 : 2);
        QCOMPARE(c.amounts().totalText(), total);
        QCOMPARE(rig.dialogs.prompts().size(), answers.size());
        if (language.isEmpty() && !interest)
            QCOMPARE(rig.dialogs.prompts().first(), QString("Agregar descuento de ... (ej. '20' ó '5%')"));
        QCOMPARE(
            rig.dialogs.messages().count(QStringLiteral("El descuento es mayor que el importe de la nota.")),
            tooLarge);
    }

    void discountNeedsAPositiveTotal() {
        CounterRig rig;
        Counter& c = rig.start();
        c.adjustments().eDesc("10%");
        QVERIFY(c.notes().at(1).lines.isEmpty());
        rig.add("1", "A", "5");
        c.adjustments().eDesc("5");
        c.adjustments().eDesc("5"); // the total is 0 now
        QCOMPARE(c.notes().at(1).lines.size(), 2);
    }

    // Cancelling a line replays the others with exactly the values written in them. Steps after "1 x A de
    // $100.00" in a side note: an item "NAME PRICE", a discount answer, or "+" and an interest answer.
    void cancellingALine_data() {
        QTest::addColumn<CancelLineRow>("row");
        QTest::newRow("amount discount") << CancelLineRow{{"20", "B 10"}, 2, "90.00", "80.00"};
        QTest::newRow("percent kept exact") << CancelLineRow{{"7.5%", "B 10"}, 2, "102.50", "92.50"};
        QTest::newRow("discount on the lines above") << CancelLineRow{{"B 10", "10%"}, 1, "99.00", "90.00"};
        QTest::newRow("percent and interest")
            << CancelLineRow{{"10%", "+16%", "B 10"}, 3, "114.40", "104.40"};
        QTest::newRow("amount interest with cents")
            << CancelLineRow{{"+20.5", "B 10"}, 2, "130.50", "120.50"};
        QTest::newRow("free items add nothing") << CancelLineRow{{"BOLSA 0", "C 3"}, 2, "103.00", "100.00"};
        QTest::newRow("the only line frees the note") << CancelLineRow{{}, 0, "100.00", "0.00"};
    }
    void cancellingALine() {
        QFETCH(CancelLineRow, row);
        const auto& [steps, line, before, total] = row;
        CounterRig rig;
        Counter& c = sideNoteWith100(rig);
        for (const QString& step : steps) {
            if (step[0].isLetter()) {
                if (step.endsWith(" 0")) rig.dialogs.answer(true); // a free item is confirmed
                rig.add("1", step.section(u' ', 0, 0), step.section(u' ', 1));
            } else if (step.startsWith(u'+')) {
                rig.dialogs.type(step.mid(1));
                c.adjustments().mnuIVA_Click();
            } else {
                c.adjustments().eDesc(step);
            }
        }
        QStringList expected = c.notes().at(1).lines;
        QCOMPARE(c.amounts().totalText(), before);
        QCOMPARE(c.tabs().caption(1), "$" + before);
        c.lstNote_Click(line);
        QCOMPARE(c.adjustments().cancelEntryCaption(),
                 "Cancelar [" + expected[line].section(" = ", 0, 0) + "]");
        c.adjustments().mnuDel_Click();
        expected.removeAt(line);
        QCOMPARE(c.notes().at(1).lines, expected);
        QCOMPARE(c.amounts().totalText(), total);
        QCOMPARE(c.notes().at(1).used, !expected.isEmpty());
        if (expected.isEmpty()) QCOMPARE(c.tabs().caption(1), QString("(nuevo)"));
    }

    // Delete key, menu and pop-up: any line of a side note, only an item of the open sale in the record.
    void cancelRule_data() {
        QTest::addColumn<CancelRow>("row");
        QTest::newRow("earlier sale") << CancelRow{0, 0, false};
        QTest::newRow("closing line") << CancelRow{0, 1, false};
        QTest::newRow("card line") << CancelRow{0, 2, false};
        QTest::newRow("open sale") << CancelRow{0, 3, true};
        QTest::newRow("side note") << CancelRow{1, 0, true};
        QTest::newRow("no line chosen") << CancelRow{1, -1, false};
    }
    void cancelRule() {
        QFETCH(CancelRow, row);
        const auto& [note, line, cancelled] = row;
        CounterRig rig;
        rig.shop.write(rig.registerName(), kDayWithACard);
        Counter& c = rig.start();
        c.lblTask_Click(note);
        rig.add("1", "NEW", "7");
        c.lstNote_Click(line);
        QCOMPARE(c.adjustments().mayCancel(), cancelled);
        QCOMPARE(c.adjustments().cancelEntryVisible(), cancelled);
        const qsizetype before = c.notes().at(note).lines.size();
        if (!cancelled) c.adjustments().mnuDel_Click(); // refused by the menu entry too
        KeyRouter router(c);
        QVERIFY(router.keyDown(KeyRouter::Control::NoteList, Qt::Key_Delete, Qt::NoModifier));
        QCOMPARE(c.notes().at(note).lines.size(), before - (cancelled ? 1 : 0));
    }

    void changeOfAHalfCentTotal() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.add("1", "PAN", "167.675");
        c.amounts().setCashText("200");
        c.amounts().eCambio();
        QCOMPARE(c.amounts().totalText(), QString("167.68"));
        QCOMPARE(c.amounts().changeText(), QString("32.32")); // the change adds up to the cash
    }

    // The quantity field takes no comma; the charge and the stock read the same number.
    void quantityChargedAsMoved_data() {
        QTest::addColumn<QuantityRow>("row");
        QTest::newRow("point") << QuantityRow{"1.5", "1.5", "$3.00", "[18.5] PAN $2.00"};
        QTest::newRow("comma refused") << QuantityRow{"1,5", "15", "$30.00", "[5] PAN $2.00"};
    }
    void quantityChargedAsMoved() {
        QFETCH(QuantityRow, row);
        const auto& [typed, field, charged, stockLine] = row;
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

    void symbolIsRecognised_data() {
        QTest::addColumn<SymbolRow>("row");
        QTest::newRow("item list in euros") << SymbolRow{{}, {"[1] PAN €2.00"}, "€", "PAN €2.00"};
        QTest::newRow("pound list") << SymbolRow{{}, {"[1] TÉ £3.00"}, "£", "TÉ £3.00"};
        QTest::newRow("record") << SymbolRow{{"1 x A de €5.00 = €5.00"}, {"[1] B £1.00"}, "€", "B £1.00"};
        QTest::newRow("record without sign") << SymbolRow{{"hola"}, {"[1] B £1.00"}, "$", "B £1.00"};
        QTest::newRow("dollar before euro") << SymbolRow{{}, {"[1] X €1 $2"}, "$", "X €1 $2"};
        QTest::newRow("empty list") << SymbolRow{{"1 x A de £5.00 = £5.00"}, {}, "$", "No hay elementos."};
    }
    void symbolIsRecognised() {
        QFETCH(SymbolRow, row);
        const auto& [record, list, symbol, firstShown] = row;
        CounterRig rig;
        if (!record.isEmpty()) rig.shop.write(rig.registerName(), record);
        if (!list.isEmpty()) rig.shop.write("VL Lista.txt", list);
        rig.dialogs.answer(false); // no offer to create a list
        Counter& c = rig.start();
        QCOMPARE(c.currency().symbol(), symbol);
        QCOMPARE(c.amounts().changeMoney(), symbol);
        QCOMPARE(c.items().shownLine(0), firstShown);
    }

    void changingTheCurrency() {
        CounterRig rig;
        Counter& c = rig.start();
        c.mMoneda_Click(1);
        QCOMPARE(c.currency().symbol(), QString("€"));
        rig.add("1", "PAN", "2");
        QCOMPARE(c.notes().at(1).lines.first(), QString("1 x PAN de €2.00 = €2.00"));
        c.mMoneda_Click(2);
        QCOMPARE(rig.dialogs.messages(), QStringList{"Primero cancele la operación de la nota actual."});
        QCOMPARE(c.currency().symbol(), QString("€"));
    }

    void noChangeAfterTheFirstRecord() {
        CounterRig rig("EN");
        rig.shop.write("SALES #05-12-2026.txt", {"-----(09:00)-------> [OPEN CASH]"});
        Counter& c = rig.start();
        c.mMoneda_Click(2);
        QCOMPARE(rig.dialogs.messages(),
                 QStringList{"You can only change the currency before you start recording."});
        QCOMPARE(c.currency().symbol(), QString("$"));
    }

    void missingListIsOffered_data() {
        QTest::addColumn<OfferRow>("row");
        QTest::newRow("spanish yes") << OfferRow{"", true, "VL Lista.txt", "ARTÍCULO $198.00"};
        QTest::newRow("english yes") << OfferRow{"EN", true, "VL List.txt", "ITEM $198.00"};
        QTest::newRow("no") << OfferRow{"", false, "", "No hay elementos."};
    }
    void missingListIsOffered() {
        QFETCH(OfferRow, row);
        const auto& [language, yes, file, shown] = row;
        CounterRig rig(language);
        rig.dialogs.answer(yes);
        Counter& c = rig.start();
        QCOMPARE(rig.dialogs.questionTexts().size(), 1);
        QCOMPARE(c.items().shownLine(0), shown);
        if (!file.isEmpty())
            QVERIFY(rig.shop.lines(file).size() == 1 && rig.shop.lines(file).first().startsWith("[10] "));
        QVERIFY(!rig.shop.exists(language == "EN" ? "VL Lista.txt" : "VL List.txt"));
    }
};

QTEST_GUILESS_MAIN(CashierAmountsTest)
#include "cashier_amounts_test.moc"

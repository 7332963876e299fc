#include "CounterRig.h"

#include <QTest>

#include <tuple>

using SymbolRow = std::tuple<QStringList, QStringList, QString, QString>;
using OfferRow = std::tuple<QString, bool, QString, QString>;

class CurrencyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void symbolIsRecognised_data() {
        QTest::addColumn<SymbolRow>("row");
        QTest::newRow("item list in euros")
            << SymbolRow{QStringList{}, QStringList{"[1] PAN €2.00"}, "€", "PAN €2.00"};
        QTest::newRow("pound list") << SymbolRow{QStringList{}, QStringList{"[1] TÉ £3.00"}, "£", "TÉ £3.00"};
        QTest::newRow("record decides")
            << SymbolRow{QStringList{"1 x A de €5.00 = €5.00"}, QStringList{"[1] B £1.00"}, "€", "B £1.00"};
        QTest::newRow("record without sign")
            << SymbolRow{QStringList{"hola"}, QStringList{"[1] B £1.00"}, "$", "B £1.00"};
        QTest::newRow("dollar before euro")
            << SymbolRow{QStringList{}, QStringList{"[1] X €1 $2"}, "$", "X €1 $2"};
        QTest::newRow("empty list") << SymbolRow{QStringList{"1 x A de £5.00 = £5.00"}, QStringList{}, "$",
                                                 "No hay elementos."};
    }
    void symbolIsRecognised() {
        QFETCH(SymbolRow, row);
        auto [record, list, symbol, firstShown] = row;
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
        auto [language, yes, file, shown] = row;
        CounterRig rig(language);
        rig.dialogs.answer(yes);
        Counter& c = rig.start();
        QCOMPARE(rig.dialogs.questionTexts().size(), 1);
        QCOMPARE(c.items().shownLine(0), shown);
        if (!file.isEmpty()) {
            QCOMPARE(rig.shop.lines(file).size(), 1);
            QVERIFY(rig.shop.lines(file).first().startsWith("[10] "));
        }
        QVERIFY(!rig.shop.exists(language == "EN" ? "VL Lista.txt" : "VL List.txt"));
    }
};

QTEST_APPLESS_MAIN(CurrencyTest)
#include "currency_test.moc"

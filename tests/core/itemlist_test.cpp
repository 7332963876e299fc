#include "TempShop.h"
#include "items/ItemList.h"
#include "items/ItemTexts.h"

#include <QTest>

#include <random>

using Rows = QList<int>;

namespace {

const QString kDollar = QStringLiteral("$");
const QString kDe = QStringLiteral(" de ");

QStringList shopLines() {
    return {
        QStringLiteral("[2] LÁMPARA $1,250.00 #750"),                // 0
        QStringLiteral("[10] ARTÍCULO $198.00"),                     // 1
        QStringLiteral("[3] CUADERNO RAYADO $25.50 #7501031311309"), // 2
        QStringLiteral("[750] CLAVO $0.10"),                         // 3
        QStringLiteral("NOTA SIN PRECIO"),                           // 4
        QString(),                                                   // 5
        QStringLiteral("[1] PIÑA $12.00"),                           // 6
        QStringLiteral("[4] Pingüino de peluche $99.90"),            // 7
    };
}

Rows shownRows(const ItemList& items) {
    Rows rows;
    for (int r = 0; r < items.shownCount(); ++r)
        rows << items.fullIndexOfShown(r);
    return rows;
}

ItemList listOf(const QStringList& lines) {
    ItemList items;
    items.setLines(lines);
    return items;
}

} // namespace

class ItemListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // ---- Search ----

    void filter_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("empty query lists all") << "" << Rows{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("only blanks list all") << "   " << Rows{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("start of a word") << "lamp" << Rows{0};
        QTest::newRow("accent and case folded, two words") << "LAMPARA 1,250" << Rows{0};
        QTest::newRow("accented query") << "artículo" << Rows{1};
        QTest::newRow("accented capital in query") << "ARTÍCULO" << Rows{1};
        QTest::newRow("digits in barcode, price or stock") << "750" << Rows{0, 2, 3};
        QTest::newRow("barcode with its #") << "#750" << Rows{0, 2};
        QTest::newRow("whole barcode") << "7501031311309" << Rows{2};
        QTest::newRow("words in any order") << "rayado cuaderno" << Rows{2};
        QTest::newRow("adjacent blanks") << "  cuaderno   rayado " << Rows{2};
        QTest::newRow("every word must occur") << "clavo nota" << Rows{};
        QTest::newRow("eñe is not n") << "pina" << Rows{};
        QTest::newRow("eñe matches eñe") << "PIÑA" << Rows{6};
        QTest::newRow("diaeresis is not folded") << "pinguino" << Rows{};
        QTest::newRow("diaeresis matches") << "PINGÜINO" << Rows{7};
        QTest::newRow("stock searched") << "[10]" << Rows{1};
        QTest::newRow("symbol") << "$" << Rows{0, 1, 2, 3, 6, 7};
        QTest::newRow("line without symbol found") << "sin precio" << Rows{4};
        QTest::newRow("no hit") << "xyz" << Rows{};
    }
    void filter() {
        QFETCH(QString, query);
        QFETCH(Rows, rows);
        ItemList items = listOf(shopLines());
        const auto result = items.filter(query, Language());
        if (rows.isEmpty()) {
            QCOMPARE(result, ItemList::Filtered::NoMatches);
            QCOMPARE(items.shownCount(), 1);
            QCOMPARE(items.shownLine(0), QStringLiteral("No hay coincidencias."));
            QCOMPARE(items.fullIndexOfShown(0), -1);
        } else {
            QCOMPARE(result, ItemList::Filtered::Hits);
            QCOMPARE(shownRows(items), rows);
        }
    }

    void filterOnEmptyListShowsTheEmptyLine() {
        ItemList items;
        QCOMPARE(items.filter(u"a", Language(QStringLiteral("EN"))), ItemList::Filtered::EmptyList);
        QCOMPARE(items.shownCount(), 1);
        QCOMPARE(items.shownLine(0), QStringLiteral("No items."));
        QCOMPARE(items.filter(u"", Language()), ItemList::Filtered::EmptyList);
        QCOMPARE(items.shownLine(0), QStringLiteral("No hay elementos."));
    }

    // The byte scan must agree with a plain substring test on every line, whatever the lengths of
    // lines and words (the scan works in blocks of sixteen bytes).
    void searchAgreesWithPlainSubstringTests() {
        std::mt19937 random(7);
        const QString alphabet = QStringLiteral("abcÁéñü $#1\n");
        QStringList lines;
        for (int i = 0; i < 400; ++i) {
            QString line;
            const int length = int(random() % 40);
            for (int k = 0; k < length; ++k)
                line += alphabet[int(random() % alphabet.size())];
            lines << line;
        }
        ItemList items = listOf(lines);
        for (int q = 0; q < 300; ++q) {
            QString query;
            const int length = 1 + int(random() % 6);
            for (int k = 0; k < length; ++k)
                query += alphabet[int(random() % alphabet.size())];
            const QStringList words = query.toLower().split(u' ', Qt::SkipEmptyParts);
            Rows expected;
            for (int i = 0; i < lines.size(); ++i) {
                const QString folded = lines[i].toLower().replace(u'á', u'a').replace(u'é', u'e');
                bool all = true;
                for (const QString& w : words) {
                    QString fw = w;
                    all = all && folded.contains(fw.replace(u'á', u'a').replace(u'é', u'e'));
                }
                if (all) expected << i;
            }
            items.filter(query, Language());
            const Rows got = items.fullIndexOfShown(0) < 0 ? Rows{} : shownRows(items);
            QVERIFY2(got == expected, qPrintable(QStringLiteral("query '%1'").arg(query)));
        }
    }

    void changedLinesAreSearchedAsTheyNowRead() {
        ItemList items = listOf(shopLines());
        items.replaceLine(3, QStringLiteral("[750] TORNILLO $0.20"));
        QCOMPARE(items.filter(u"clavo", Language()), ItemList::Filtered::NoMatches);
        QCOMPARE(items.filter(u"tornillo", Language()), ItemList::Filtered::Hits);
        QCOMPARE(shownRows(items), Rows{3});
        // A longer line, then a shorter one: the lines after it are still found where they are.
        items.replaceLine(1, QStringLiteral("[10] ARTÍCULO CON UN NOMBRE MUCHO MÁS LARGO $198.00"));
        items.replaceLine(0, QStringLiteral("L"));
        QCOMPARE(items.filter(u"piña", Language()), ItemList::Filtered::Hits);
        QCOMPARE(shownRows(items), Rows{6});
        QCOMPARE(items.filter(u"mas largo", Language()), ItemList::Filtered::Hits);
        QCOMPARE(shownRows(items), Rows{1});
        items.setLines({QStringLiteral("[1] NUEVO $1")});
        QCOMPARE(items.filter(u"piña", Language()), ItemList::Filtered::NoMatches);
    }

    void seeStockKeepsTheHitsAndChangesHowTheyRead() {
        ItemList items = listOf(shopLines());
        items.filter(u"10", Language());
        const Rows hits = shownRows(items);
        QCOMPARE(items.shownLine(0), QString::fromUtf8("ARTÍCULO $198.00"));
        items.setSeeStock(true);
        QCOMPARE(shownRows(items), hits);
        QCOMPARE(items.shownLine(0), QString::fromUtf8("[10] ARTÍCULO $198.00"));
    }

    // ---- Stock movement ----

    void moveStock_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("sale");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("failedAt");
        const QStringList one{QStringLiteral("[10] ARTÍCULO $198.00")};
        QTest::newRow("sale of 3") << one << QStringList{"3 x ARTÍCULO de $198.00 = $594.00"}
                                   << QStringList{"[7] ARTÍCULO $198.00"} << -1;
        QTest::newRow("first line from the top holding the key")
            << QStringList{"[4] MI VASO $12.00", "[9] VASO $10.00"}
            << QStringList{"1 x VASO de $10.00 = $10.00"}
            << QStringList{"[3] MI VASO $12.00", "[9] VASO $10.00"} << -1;
        QTest::newRow("below zero") << QStringList{"[0] A $1.00"} << QStringList{"1 x A de $1.00 = $1.00"}
                                    << QStringList{"[-1] A $1.00"} << -1;
        QTest::newRow("fractional") << QStringList{"[10] QUESO $80.00"}
                                    << QStringList{"0.5 x QUESO de $80.00 = $40.00"}
                                    << QStringList{"[9.5] QUESO $80.00"} << -1;
        QTest::newRow("with discount")
            << QStringList{"[5] PAN $12.50"} << QStringList{"2 x PAN de $12.50 (-10%) = $22.50"}
            << QStringList{"[3] PAN $12.50"} << -1;
        QTest::newRow("sold twice moves twice")
            << QStringList{"[5] PAN $12.50"}
            << QStringList{"2 x PAN de $12.50 = $25.00", "1 x PAN de $12.50 = $12.50"}
            << QStringList{"[2] PAN $12.50"} << -1;
        QTest::newRow("quantity with thousands comma")
            << QStringList{"[2000] CLAVO $0.10"} << QStringList{"1,500 x CLAVO de $0.10 = $150.00"}
            << QStringList{"[500] CLAVO $0.10"} << -1;
        QTest::newRow("free items, adjustments and totals move nothing")
            << one
            << QStringList{"1 x ARTÍCULO gratis", "     -10% de descuento", "     +$20 de interés",
                           "-----(14:35)------------------------------> [TOTAL $25.00]"}
            << one << -1;
        QTest::newRow("item missing from the list")
            << one << QStringList{"1 x OTRO de $5.00 = $5.00"} << one << -1;
        QTest::newRow("case counts") << one << QStringList{"1 x artículo de $198.00 = $198.00"} << one << -1;
        QTest::newRow("accents count")
            << QStringList{"[2] LÁMPARA $5.00"} << QStringList{"1 x LAMPARA de $5.00 = $5.00"}
            << QStringList{"[2] LÁMPARA $5.00"} << -1;
        QTest::newRow("a line equal but for case above the item")
            << QStringList{"[1] vaso $1.00", "[9] VASO $10.00"} << QStringList{"1 x VASO de $10.00 = $10.00"}
            << QStringList{"[1] vaso $1.00", "[8] VASO $10.00"} << -1;
        QTest::newRow("line of another symbol is no item")
            << QStringList{"[1] A €1.00", "[1] A $1.00"} << QStringList{"1 x A de $1.00 = $1.00"}
            << QStringList{"[1] A €1.00", "[0] A $1.00"} << -1;
        QTest::newRow("found line without stock stops the movement")
            << QStringList{"[5] PAN $12.50", "VASO $10.00"}
            << QStringList{"1 x PAN de $12.50 = $12.50", "1 x VASO de $10.00 = $10.00",
                           "1 x PAN de $12.50 = $12.50"}
            << QStringList{"[4] PAN $12.50", "VASO $10.00"} << 1;
        QTest::newRow("sold line that cannot be taken apart stops it")
            << QStringList{"[5] PAN $12.50"} << QStringList{"TOTAL = $5 x 2", "1 x PAN de $12.50 = $12.50"}
            << QStringList{"[5] PAN $12.50"} << 0;
        QTest::newRow("stock too large to write stops it")
            << QStringList{"[-999999999999999] A $1.00"} << QStringList{"1 x A de $1.00 = $1.00"}
            << QStringList{"[-999999999999999] A $1.00"} << 0;
        QTest::newRow("a stock that is no number counts as 0")
            << QStringList{"[mucho] A $1.00"} << QStringList{"2 x A de $1.00 = $2.00"}
            << QStringList{"[-2] A $1.00"} << -1;
    }
    void moveStock() {
        QFETCH(QStringList, list);
        QFETCH(QStringList, sale);
        QFETCH(QStringList, after);
        QFETCH(int, failedAt);
        ItemList items = listOf(list);
        const auto move = items.moveStock(sale, kDollar, kDe);
        QCOMPARE(items.lines(), after);
        QCOMPARE(move.failedAt, failedAt);
        QCOMPARE(move.ok(), failedAt < 0);
    }

    // What the shown list holds after a sale, with the stock hidden.
    void moveStockAndTheShownList_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("shownAfter");
        QTest::newRow("whole list shown") << "" << QStringList{"VASO $10.00", "PLATO $20.00"};
        QTest::newRow("sold item among the hits") << "vaso" << QStringList{"VASO $10.00"};
        QTest::newRow("only other items shown") << "plato" << QStringList{"PLATO $20.00"};
        QTest::newRow("no match line stays") << "zzz" << QStringList{"No hay coincidencias."};
    }
    void moveStockAndTheShownList() {
        QFETCH(QString, query);
        QFETCH(QStringList, shownAfter);
        ItemList items = listOf({QStringLiteral("[9] VASO $10.00"), QStringLiteral("[5] PLATO $20.00")});
        items.filter(query, Language());
        const auto move = items.moveStock({QStringLiteral("2 x VASO de $10.00 = $20.00")}, kDollar, kDe);
        QCOMPARE(move.changed, std::vector<int>{0});
        QCOMPARE(items.lines().first(), QStringLiteral("[7] VASO $10.00"));
        QStringList shown;
        for (int r = 0; r < items.shownCount(); ++r)
            shown << items.shownLine(r);
        QCOMPARE(shown, shownAfter);
        items.setSeeStock(true);
        QCOMPARE(items.shownLine(0).startsWith(QStringLiteral("[7] VASO")), query == "" || query == "vaso");
        QCOMPARE(items.shownRowOf(0), (query == "" || query == "vaso") ? 0 : -1);
    }

    void saleIsSavedAtTheSamePosition() {
        TempShop shop;
        const QString path = ItemList::filePath(shop.path(), Language());
        shop.write(QStringLiteral("VL Lista.txt"), {"[1] A $1.00", "[10] ARTÍCULO $198.00", "[2] B $2.00"});
        ItemList items;
        QVERIFY(items.load(path));
        QVERIFY(items.moveStock({QStringLiteral("3 x ARTÍCULO de $198.00 = $594.00")}, kDollar, kDe).ok());
        QVERIFY(items.save(path));
        QCOMPARE(shop.bytes(QStringLiteral("VL Lista.txt")), QByteArray("[1] A $1.00\r\n[7] ART\xcd"
                                                                        "CULO $198.00\r\n[2] B $2.00\r\n"));
    }

    // ---- Inventory value ----

    void inventoryValue_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("shown"); // "-" for no result
        QTest::newRow("thousands comma removed")
            << QStringList{"[2] A $10.00", "[3] B $1,000.00"} << "3,020.00";
        QTest::newRow("barcode ignored") << QStringList{"[2] A $1.50 #750"} << "3.00";
        QTest::newRow("lines without leading bracket skipped")
            << QStringList{"A $10.00", " [2] B $1.00", "", "NOTA"} << "0.00";
        QTest::newRow("negative and fractional stock")
            << QStringList{"[-2.5] A $4.00", "[1] B $1.00"} << "-9.00";
        QTest::newRow("negative grouped") << QStringList{"[-3] A $500.00"} << "-1,500.00";
        QTest::newRow("millions") << QStringList{"[1000] A $1,234.567"} << "1,234,567.00";
        QTest::newRow("empty list") << QStringList{} << "0.00";
        QTest::newRow("bracket line without symbol stops") << QStringList{"[2] A $1.00", "[1] X 5"} << "-";
        QTest::newRow("symbol only before the bracket stops") << QStringList{"[$2] A 1.00"} << "-";
    }
    void inventoryValue() {
        QFETCH(QStringList, list);
        QFETCH(QString, shown);
        const auto value = listOf(list).inventoryValue(kDollar);
        QCOMPARE(value ? ItemList::inventoryValueText(*value) : QStringLiteral("-"), shown);
    }

    void inventoryPictures_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("23") << 23.0 << "23.00";
        QTest::newRow("just below 1000") << 999.99 << "999.99";
        QTest::newRow("1000") << 1000.0 << "1,000.00";
        QTest::newRow("just above -1000") << -999.99 << "-999.99";
        QTest::newRow("-1000") << -1000.0 << "-1,000.00";
        QTest::newRow("below a million") << 999999.99 << "999,999.99";
        QTest::newRow("a million") << 1000000.0 << "1,000,000.00";
        QTest::newRow("minus a million") << -1000000.0 << "-1,000,000.00";
    }
    void inventoryPictures() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(ItemList::inventoryValueText(value), text);
    }

    void userKey_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("key");
        QTest::addColumn<ItemList::KeyAnswer>("result");
        QTest::newRow("no key, empty answer") << ""
                                              << "" << ItemList::KeyAnswer::Granted;
        QTest::newRow("no key, anything typed") << "x"
                                                << "" << ItemList::KeyAnswer::Wrong;
        QTest::newRow("key, empty answer") << ""
                                           << "abc" << ItemList::KeyAnswer::Stop;
        QTest::newRow("key, right") << "abc"
                                    << "abc" << ItemList::KeyAnswer::Granted;
        QTest::newRow("key, case counts") << "ABC"
                                          << "abc" << ItemList::KeyAnswer::Wrong;
    }
    void userKey() {
        QFETCH(QString, answer);
        QFETCH(QString, key);
        QFETCH(ItemList::KeyAnswer, result);
        QCOMPARE(ItemList::checkUserKey(answer, key), result);
    }

    // ---- Price change ----

    void priceAnswer_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<ItemList::PriceChange::Kind>("kind");
        QTest::addColumn<bool>("percent");
        QTest::addColumn<double>("value");
        using K = ItemList::PriceChange::Kind;
        QTest::newRow("amount") << "20" << K::Change << false << 20.0;
        QTest::newRow("percentage") << "5%" << K::Change << true << 0.05;
        QTest::newRow("99% accepted") << "99%" << K::Change << true << 0.99;
        QTest::newRow("0% accepted") << "0%" << K::Change << true << 0.0;
        QTest::newRow("100% asked again") << "100%" << K::AskAgain << true << 0.0;
        QTest::newRow("negative asked again") << "-5" << K::AskAgain << false << 0.0;
        QTest::newRow("negative percentage asked again") << "-5%" << K::AskAgain << true << 0.0;
        QTest::newRow("large amount accepted") << "1000000" << K::Change << false << 1000000.0;
        QTest::newRow("thousands comma") << "1,000" << K::Change << false << 1000.0;
        QTest::newRow("empty") << "" << K::Cancel << false << 0.0;
        QTest::newRow("blanks") << "   " << K::Cancel << false << 0.0;
        QTest::newRow("no number is an amount of 0") << "mucho" << K::Change << false << 0.0;
    }
    void priceAnswer() {
        QFETCH(QString, answer);
        QFETCH(ItemList::PriceChange::Kind, kind);
        QFETCH(bool, percent);
        QFETCH(double, value);
        const auto change = ItemList::readPriceChange(answer);
        QCOMPARE(change.kind, kind);
        QCOMPARE(change.percent, percent);
        if (kind == ItemList::PriceChange::Kind::Change) QCOMPARE(change.value, value);
    }

    void changePrices_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("raise");
        QTest::addColumn<QStringList>("after");
        const QStringList libro{"[3] LIBRO $100.00"};
        QTest::newRow("raise 10%") << libro << "10%" << true << QStringList{"[3] LIBRO $110.00"};
        QTest::newRow("lower 20") << libro << "20" << false << QStringList{"[3] LIBRO $80.00"};
        QTest::newRow("lower 99%") << libro << "99%" << false << QStringList{"[3] LIBRO $1.00"};
        QTest::newRow("barcode kept")
            << QStringList{"[1] CAJA $5.5 #750"} << "1" << true << QStringList{"[1] CAJA $6.50 #750"};
        QTest::newRow("thousands comma read whole")
            << QStringList{"[1] MESA $1,250.00 #9"} << "10%" << false << QStringList{"[1] MESA $1125.00 #9"};
        QTest::newRow("below zero") << QStringList{"[1] A $5.00"} << "15" << false
                                    << QStringList{"[1] A $-10.00"};
        QTest::newRow("no number rewrites the picture") << QStringList{"[1] A $5.5", "[2] B $3"} << "mucho"
                                                        << true << QStringList{"[1] A $5.50", "[2] B $3.00"};
        QTest::newRow("rounding of a percentage")
            << QStringList{"[1] A $0.05"} << "50%" << true << QStringList{"[1] A $0.08"};
        QTest::newRow("lines that take no price stay")
            << QStringList{"NOTA SIN PRECIO", "", "[1] A €5.00", "[1] A $5 B $6", "[1] C #2 $5", "[1] D $5"}
            << "1" << true << QStringList{"NOTA SIN PRECIO", "",           "[1] A €5.00", "[1] A $5 B $6",
                                          "[1] C #2 $5",     "[1] D $6.00"};
        QTest::newRow("too large stays") << QStringList{"[1] A $999999999999999", "[1] B $1"} << "50%" << true
                                         << QStringList{"[1] A $999999999999999", "[1] B $1.50"};
    }
    void changePrices() {
        QFETCH(QStringList, list);
        QFETCH(QString, answer);
        QFETCH(bool, raise);
        QFETCH(QStringList, after);
        ItemList items = listOf(list);
        items.changePrices(ItemList::readPriceChange(answer), raise, kDollar);
        QCOMPARE(items.lines(), after);
    }

    void priceChangeShowsEveryLineAndSearchesNewPrices() {
        ItemList items = listOf(shopLines());
        items.filter(u"clavo", Language());
        QCOMPARE(items.shownCount(), 1);
        const auto changed =
            items.changePrices(ItemList::readPriceChange(QStringLiteral("1")), true, kDollar);
        QCOMPARE(changed, (std::vector<int>{0, 1, 2, 3, 6, 7}));
        QCOMPARE(shownRows(items), (Rows{0, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(items.lines()[0], QStringLiteral("[2] LÁMPARA $1251.00 #750"));
        QCOMPARE(items.filter(u"1251.00", Language()), ItemList::Filtered::Hits);
        QCOMPARE(shownRows(items), Rows{0});
        QCOMPARE(items.filter(u"1,250", Language()), ItemList::Filtered::NoMatches);
        QCOMPARE(items.filter(u"sin precio", Language()), ItemList::Filtered::Hits);
    }

    void cancelledPriceChangeChangesNothing() {
        ItemList items = listOf(shopLines());
        items.filter(u"clavo", Language());
        QVERIFY(items.changePrices(ItemList::readPriceChange(QString()), true, kDollar).empty());
        QCOMPARE(items.lines(), shopLines());
        QCOMPARE(items.shownCount(), 1);
    }

    // ---- The list file ----

    void fileRoundTrip_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("saved"); // empty: the file is deleted
        QTest::newRow("empty middle line kept")
            << QByteArray("[1] A $1\r\n\r\n[2] B $2\r\n") << 3 << QByteArray("[1] A $1\r\n\r\n[2] B $2\r\n");
        QTest::newRow("last line without end gets one")
            << QByteArray("[1] A $1\r\n[2] B $2") << 2 << QByteArray("[1] A $1\r\n[2] B $2\r\n");
        QTest::newRow("euro and accents") << QByteArray("[1] CAF\xc9 \x80"
                                                        "2.00\r\n")
                                          << 1
                                          << QByteArray("[1] CAF\xc9 \x80"
                                                        "2.00\r\n");
        QTest::newRow("only blank lines") << QByteArray("\r\n\r\n\r\n") << 3 << QByteArray("\r\n\r\n\r\n");
        QTest::newRow("empty file is deleted") << QByteArray() << 0 << QByteArray();
        QByteArray binary;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n') binary.append(char(b));
        QTest::newRow("binary bytes") << binary + "\r\n" << 1 << binary + "\r\n";
        const QByteArray longLine = "[1] " + QByteArray(100000, 'X') + " $1.00\r\n";
        QTest::newRow("100,000-character line") << longLine << 1 << longLine;
    }
    void fileRoundTrip() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(QByteArray, saved);
        TempShop shop;
        const QString path = shop.file(QStringLiteral("VL Lista.txt"));
        shop.writeBytes(QStringLiteral("VL Lista.txt"), bytes);
        ItemList items;
        QVERIFY(items.load(path));
        QCOMPARE(items.count(), count);
        QCOMPARE(items.shownCount(), count);
        items.filter(u"x $", Language());
        items.filter(u"", Language());
        QVERIFY(items.save(path));
        QCOMPARE(shop.exists(QStringLiteral("VL Lista.txt")), !saved.isEmpty());
        if (!saved.isEmpty()) QCOMPARE(shop.bytes(QStringLiteral("VL Lista.txt")), saved);
    }

    void unreadableFileLeavesTheListEmpty() {
        TempShop shop;
        ItemList items = listOf({QStringLiteral("[1] A $1")});
        QVERIFY(!items.load(shop.file(QStringLiteral("VL Lista.txt"))));
        QVERIFY(items.isEmpty());
        QCOMPARE(items.shownCount(), 0);
        QVERIFY(!items.load(shop.path()));
    }

    void failedSaveIsReported() {
        TempShop shop;
        QString error;
        QVERIFY(!listOf({QStringLiteral("[1] A $1")})
                     .save(shop.file(QStringLiteral("no/such/VL Lista.txt")), &error));
        QVERIFY(!error.isEmpty());
    }

    void fileNamesByLanguage() {
        TempShop shop;
        const QString es = ItemList::filePath(shop.path(), Language(QStringLiteral("ES")));
        const QString en = ItemList::filePath(shop.path(), Language(QStringLiteral("EN")));
        QCOMPARE(es, shop.file(QStringLiteral("VL Lista.txt")));
        QCOMPARE(en, shop.file(QStringLiteral("VL List.txt")));
        QVERIFY(ItemList::create(en, Language(QStringLiteral("EN")), kDollar));
        QCOMPARE(shop.bytes(QStringLiteral("VL List.txt")), QByteArray("[10] ITEM $198.00\r\n"));
        QVERIFY(!shop.exists(QStringLiteral("VL Lista.txt")));
        QVERIFY(ItemList::create(es, Language(), QStringLiteral("€")));
        QCOMPARE(shop.bytes(QStringLiteral("VL Lista.txt")), QByteArray("[10] ART\xcd"
                                                                        "CULO \x80"
                                                                        "198.00\r\n"));
    }

    void formatMessage() {
        QCOMPARE(
            ItemTexts::formatMessage(Language(), kDollar),
            QString::fromUtf8("Elemento no permitido, use el formato:\r\n\"[cantidad] ARTÍCULO $precio\" o "
                              "\r\n\"[cantidad] ARTÍCULO $precio #código de barras\""));
        QCOMPARE(ItemTexts::formatMessage(Language(QStringLiteral("EN")), QStringLiteral("£")),
                 QString::fromUtf8("Item not permitted, follows the format:\r\n\"[Stock] ITEM £price\"or"
                                   "\r\n\"[Stock] ITEM £price #barcode\""));
    }
};

QTEST_APPLESS_MAIN(ItemListTest)
#include "itemlist_test.moc"

#include "TempShop.h"
#include "core/items/ItemList.h"

#include <QTest>

#include <tuple>

#include <algorithm>
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

using MoveStockRow = std::tuple<QStringList, QStringList, QStringList, int>;
// belowZero: prices the change would take below 0
using ChangePricesRow = std::tuple<QStringList, QString, bool, ItemList::PriceChange::Kind, QStringList, int>;
// saved: empty: the file is deleted
using FileRoundTripRow = std::tuple<QString, QString, QByteArray, QByteArray>;

class ItemListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // ---- Search ----

    void filter_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<Rows>("rows"); // empty: the no-match line
        QTest::newRow("only blanks list all") << "   " << Rows{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("accent and case folded, two words") << "LAMPARA 1,250" << Rows{0};
        QTest::newRow("digits in barcode, price or stock") << "750" << Rows{0, 2, 3};
        QTest::newRow("words in any order, blanks") << "  rayado   cuaderno " << Rows{2};
        QTest::newRow("every word must occur") << "clavo nota" << Rows{};
        QTest::newRow("eñe is not n") << "pina" << Rows{};
        QTest::newRow("eñe folds its case") << "PIÑA" << Rows{6};
        QTest::newRow("diaeresis is not folded") << "pinguino" << Rows{};
        QTest::newRow("line without symbol found") << "sin precio" << Rows{4};
    }
    void filter() {
        QFETCH(QString, query);
        QFETCH(Rows, rows);
        ItemList items = listOf(shopLines());
        const auto result = items.filter(query, Language());
        QCOMPARE(result, rows.isEmpty() ? ItemList::Filtered::NoMatches : ItemList::Filtered::Hits);
        if (rows.isEmpty()) {
            QCOMPARE(items.shownCount(), 1);
            QCOMPARE(items.shownLine(0), QStringLiteral("No hay coincidencias."));
            QCOMPARE(items.fullIndexOfShown(0), -1);
        } else {
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
        const auto randomText = [&](int length) {
            QString text;
            for (int k = 0; k < length; ++k)
                text += alphabet[int(random() % alphabet.size())];
            return text;
        };
        const auto folded = [](QString text) {
            return text.toLower().replace(u'á', u'a').replace(u'é', u'e');
        };
        QStringList lines;
        for (int i = 0; i < 400; ++i)
            lines << randomText(int(random() % 40));
        ItemList items = listOf(lines);
        for (int q = 0; q < 300; ++q) {
            const QString query = randomText(1 + int(random() % 6));
            const QStringList words = folded(query).split(u' ', Qt::SkipEmptyParts);
            Rows expected;
            for (int i = 0; i < lines.size(); ++i)
                if (std::all_of(words.begin(), words.end(),
                                [&](const QString& w) { return folded(lines[i]).contains(w); }))
                    expected << i;
            items.filter(query, Language());
            const Rows got = items.fullIndexOfShown(0) < 0 ? Rows{} : shownRows(items);
            QVERIFY2(got == expected, qPrintable(QStringLiteral("query '%1'").arg(query)));
        }
    }

    // Lines rewritten one by one or by a price change are searched as they now read, and the lines
    // after them are still found where they are.
    void changedLinesAreSearchedAsTheyNowRead() {
        ItemList items = listOf(shopLines());
        items.replaceLine(3, QStringLiteral("[750] TORNILLO $0.20"));
        QCOMPARE(items.filter(u"clavo", Language()), ItemList::Filtered::NoMatches);
        QCOMPARE(items.filter(u"tornillo", Language()), ItemList::Filtered::Hits);
        QCOMPARE(shownRows(items), Rows{3});
        items.replaceLine(1, QStringLiteral("[10] ARTÍCULO CON UN NOMBRE MUCHO MÁS LARGO $198.00"));
        items.replaceLine(0, QStringLiteral("L"));
        items.filter(u"piña", Language());
        QCOMPARE(shownRows(items), Rows{6});
        items.filter(u"mas largo", Language());
        QCOMPARE(shownRows(items), Rows{1});
        items.changePrices(ItemList::readPriceChange(QStringLiteral("1")), true, kDollar);
        items.filter(u"26.50", Language());
        QCOMPARE(shownRows(items), Rows{2});
        QCOMPARE(items.filter(u"25.50", Language()), ItemList::Filtered::NoMatches);
    }

    // ---- Stock movement ----

    void moveStock_data() {
        QTest::addColumn<MoveStockRow>("row");
        const auto row = [](const char* name, const QStringList& list, const QStringList& sale,
                            const QStringList& after, int failedAt = -1) {
            QTest::newRow(name) << MoveStockRow{list, sale, after, failedAt};
        };
        row("first line from the top holding the key, case counts",
            {"[1] vaso $1.00", "[4] MI VASO $12.00", "[9] VASO $10.00"}, {"1 x VASO de $10.00 = $10.00"},
            {"[1] vaso $1.00", "[3] MI VASO $12.00", "[9] VASO $10.00"});
        row("below zero, fractional", {"[0] QUESO $80.00"}, {"0.5 x QUESO de $80.00 = $40.00"},
            {"[-0.5] QUESO $80.00"});
        // A comma in the quantity ends it, as it ended the quantity that was charged.
        row("comma in the quantity, discount, sold twice", {"[2000] PAN $12.50"},
            {"1,500 x PAN de $12.50 (-10%) = $11.25", "1 x PAN de $12.50 = $12.50"}, {"[1998] PAN $12.50"});
        row("free items, adjustments, totals and missing items move nothing", {"[1] A $2.00"},
            {"1 x A gratis", "     -10% de descuento", "     +$20 de interés", "1 x OTRO de $5.00 = $5.00",
             "-----(14:35)------------------------------> [TOTAL $25.00]"},
            {"[1] A $2.00"});
        row("found line without stock stops the movement", {"[5] PAN $12.50", "VASO $10.00"},
            {"1 x PAN de $12.50 = $12.50", "1 x VASO de $10.00 = $10.00", "1 x PAN de $12.50 = $12.50"},
            {"[4] PAN $12.50", "VASO $10.00"}, 1);
        row("sold line that cannot be taken apart stops it", {"[5] PAN $12.50"},
            {"TOTAL = $5 x 2", "1 x PAN de $12.50 = $12.50"}, {"[5] PAN $12.50"}, 0);
        row("a carriage return before the stock", {"\r[100] ITEM $5.00"}, {"1 x ITEM de $5.00 = $5.00"},
            {"[99] ITEM $5.00"});
        row("stock too large to write stops it", {"[-999999999999999] A $1.00"}, {"1 x A de $1.00 = $1.00"},
            {"[-999999999999999] A $1.00"}, 0);
    }
    void moveStock() {
        QFETCH(MoveStockRow, row);
        auto [list, sale, after, failedAt] = row;
        ItemList items = listOf(list);
        const auto move = items.moveStock(sale, kDollar, kDe);
        QCOMPARE(items.lines(), after);
        QCOMPARE(move.failedAt, failedAt);
    }

    // A sale moves the stock of a line the search hides; the shown rows stay as they were.
    void moveStockKeepsTheShownList() {
        ItemList items = listOf({QStringLiteral("[9] VASO $10.00"), QStringLiteral("[5] PLATO $20.00")});
        items.filter(u"plato", Language());
        const auto move = items.moveStock({QStringLiteral("2 x VASO de $10.00 = $20.00")}, kDollar, kDe);
        QCOMPARE(move.changed, std::vector<int>{0});
        QCOMPARE(shownRows(items), Rows{1});
        QCOMPARE(items.shownRowOf(0), -1);
    }

    // ---- Inventory value ----

    void inventoryValue_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("shown"); // "-" for no result
        QTest::newRow("barcode ignored") << QStringList{"[2] A $1.50 #750"} << "3.00";
        QTest::newRow("lines without leading bracket skipped")
            << QStringList{"A $10.00", " [2] B $1.00", "", "NOTA"} << "0.00";
        QTest::newRow("negative and fractional stock")
            << QStringList{"[-2.5] A $4.00", "[1] B $1.00"} << "-9.00";
        QTest::newRow("-1000 grouped") << QStringList{"[-2] A $500.00"} << "-1,000.00";
        QTest::newRow("below a million") << QStringList{"[1] A $999,999.99"} << "999,999.99";
        QTest::newRow("millions") << QStringList{"[1000] A $1,234.567"} << "1,234,567.00";
        QTest::newRow("minus a million") << QStringList{"[-1000] A $1,000"} << "-1,000,000.00";
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

    // ---- Price change ----

    void changePrices_data() {
        using K = ItemList::PriceChange::Kind;
        QTest::addColumn<ChangePricesRow>("row");
        const auto row = [](const char* name, const QStringList& list, const QString& answer, bool raise,
                            K kind, const QStringList& after, int belowZero = 0) {
            QTest::newRow(name) << ChangePricesRow{list, answer, raise, kind, after, belowZero};
        };
        const QStringList libro{"[3] LIBRO $100.00"};
        row("raise 10%", libro, "10%", true, K::Change, {"[3] LIBRO $110.00"});
        row("lower 120", libro, "120", false, K::Change, {"[3] LIBRO $-20.00"}, 1);
        row("lower 5 under two prices", {"[1] BOLILLO $3.00", "[2] PAN $4.50", "[1] TORTA $30"}, "5", false,
            K::Change, {"[1] BOLILLO $-2.00", "[2] PAN $-0.50", "[1] TORTA $25.00"}, 2);
        row("lower to exactly 0", libro, "100", false, K::Change, {"[3] LIBRO $0.00"});
        row("lower 99%", libro, "99%", false, K::Change, {"[3] LIBRO $1.00"});
        row("0% accepted", libro, "0%", true, K::Change, libro);
        row("100% asked again", libro, "100%", true, K::AskAgain, libro);
        row("negative percentage asked again", libro, "-5%", false, K::AskAgain, libro);
        row("blanks cancel", libro, "   ", true, K::Cancel, libro);
        row("thousands comma in the answer", libro, "1,000", true, K::Change, {"[3] LIBRO $1100.00"});
        row("no number rewrites the picture", {"[1] A $5.5", "[2] B $3"}, "mucho", true, K::Change,
            {"[1] A $5.50", "[2] B $3.00"});
        row("commas read whole, rounding, too large stays",
            {"[1] MESA $1,250.00 #9", "[1] A $0.05", "[1] B $999999999999999"}, "50%", true, K::Change,
            {"[1] MESA $1875.00 #9", "[1] A $0.08", "[1] B $999999999999999"});
        row("barcode kept; lines that take no price stay",
            {"[1] CAJA $5.5    #750", "NOTA", "", "[1] A €5", "[1] A $5 B $6", "[1] C #2 $5", "D $5"}, "1",
            true, K::Change,
            {"[1] CAJA $6.50 #750", "NOTA", "", "[1] A €5", "[1] A $5 B $6", "[1] C #2 $5", "D $6.00"});
    }
    void changePrices() {
        QFETCH(ChangePricesRow, row);
        auto [list, answer, raise, kind, after, belowZero] = row;
        ItemList items = listOf(list);
        const auto change = ItemList::readPriceChange(answer);
        QCOMPARE(change.kind, kind);
        QCOMPARE(items.pricesBelowZero(change, raise, kDollar), belowZero);
        items.changePrices(change, raise, kDollar);
        QCOMPARE(items.lines(), after);
    }

    // ---- The list file ----

    void fileRoundTrip_data() {
        QTest::addColumn<FileRoundTripRow>("row");
        const auto row = [](const char* name, const QString& language, const QString& file,
                            const QByteArray& bytes, const QByteArray& saved) {
            QTest::newRow(name) << FileRoundTripRow{language, file, bytes, saved};
        };
        row("empty middle line kept", "ES", "VL Lista.txt", "[1] A $1\r\n\r\n[2] B $2\r\n",
            "[1] A $1\r\n\r\n[2] B $2\r\n");
        row("every line ends in CR LF", "EN", "VL List.txt", "[1] A $1\n[2] B $2",
            "[1] A $1\r\n[2] B $2\r\n");
        row("empty list deletes the file", "ES", "VL Lista.txt", "", "");
    }
    void fileRoundTrip() {
        QFETCH(FileRoundTripRow, row);
        auto [language, name, bytes, saved] = row;
        TempShop shop;
        const QString path = ItemList::filePath(shop.path(), Language(language));
        QCOMPARE(path, shop.file(name));
        shop.writeBytes(name, bytes);
        ItemList items;
        QVERIFY(items.load(path));
        items.filter(u"x $", Language());
        items.filter(u"", Language());
        QVERIFY(items.save(path));
        QCOMPARE(shop.exists(name), !saved.isEmpty());
        if (!saved.isEmpty()) QCOMPARE(shop.bytes(name), saved);
    }

    void unreadableFileLeavesTheListEmpty() {
        TempShop shop;
        ItemList items = listOf({QStringLiteral("[1] A $1")});
        QVERIFY(!items.load(shop.file(QStringLiteral("VL Lista.txt"))));
        QVERIFY(items.isEmpty());
        QCOMPARE(items.shownCount(), 0);
    }
};

QTEST_APPLESS_MAIN(ItemListTest)
#include "itemlist_test.moc"

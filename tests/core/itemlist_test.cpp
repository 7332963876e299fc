#include "CounterRig.h"
#include "core/base/Parallel.h"
#include "core/items/ItemLine.h"
#include "core/items/ItemList.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <optional>
#include <random>
#include <tuple>

using Rows = QList<int>;

namespace {
const QString kDollar = QStringLiteral("$");
const QString kDe = QStringLiteral(" de ");
const QString kNone = QStringLiteral("<none>");
const QString kList = QStringLiteral("VL Lista.txt");
const QString kSale2 = QStringLiteral("-----(10:00)------------------------------> [TOTAL $2.00]");

QString orNone(const std::optional<QString>& text) {
    return text.value_or(kNone);
}

const QStringList kShop{"[2] LÁMPARA $1,250.00 #750",
                        "[10] ARTÍCULO $198.00",
                        "[3] CUADERNO RAYADO $25.50 #7501031311309",
                        "[750] CLAVO $0.10",
                        "NOTA SIN PRECIO",
                        "",
                        "[1] PIÑA $12.00",
                        "[4] Pingüino de peluche $99.90"};

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

Counter& startWith(CounterRig& rig, const QStringList& list) {
    rig.shop.write(kList, list);
    Counter& c = rig.start();
    rig.dialogs.clear();
    return c;
}

// A shop with a list and a register of today.
Counter& startShop(CounterRig& rig) {
    rig.shop.write(rig.registerName(), {"1 x PAN de $12.50 = $12.50",
                                        "-----(10:00)------------------------------> [TOTAL $12.50]"});
    return startWith(rig, {"[10] PAN $12.50", "[3] LECHE $25.00"});
}
} // namespace

// line, symbol, stock, price, shown form, its description, description with stock shown, line sold once
using TakingApartRow = std::tuple<QString, QString, double, double, QString, QString, QString, QString>;
using StockKeyRow = std::tuple<QString, QString, bool>;
using MoveStockRow = std::tuple<QStringList, QStringList, QStringList, int>;
using ChangePricesRow = std::tuple<QStringList, QString, bool, ItemList::PriceChange::Kind, QStringList, int>;
using FileRoundTripRow = std::tuple<QString, QString, QByteArray, QByteArray>;
using BarcodeRow = std::tuple<QStringList, QString, int>;
using ScanRow = std::tuple<QString, bool, bool, QString, QStringList, int, QStringList>;
// list, answers, the menu entry (0 raises), messages, the list after, whether its file can be saved
using PriceMenuRow = std::tuple<QStringList, QStringList, int, QStringList, QStringList, bool>;
using FilterRow = std::pair<QString, Rows>;
using ValueRow = std::pair<QStringList, QString>;
using SplitRow = std::pair<QString, QStringList>;
using FindRow = std::tuple<QString, int, QString, QList<qsizetype>, int>;
using SaveListRow = std::tuple<QString, QStringList, int>;
// answer: "-" cancels the box
using RegisterKeyRow = std::tuple<QString, QString, bool>;

// The item list's lines, search, stock, prices, file and barcodes, the counter's menu on it, and the
// editor of the list and the register: its search, and what a save or a close leaves.
class ItemListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // How each reader takes a line apart, and the line after selling one of it.
    void takingApart_data() {
        QTest::addColumn<TakingApartRow>("row");
        const auto row = [](const char* name, const QString& line, const QString& symbol, double stock,
                            double price, const QString& shown, const QString& desc, const QString& descStock,
                            const QString& sold) {
            QTest::newRow(name) << TakingApartRow{line, symbol, stock, price, shown, desc, descStock, sold};
        };
        row("plain", "[10] ARTÍCULO $198.00", "$", 10, 198, "ARTÍCULO $198.00", "ARTÍCULO", "ARTÍCULO",
            "[9] ARTÍCULO $198.00");
        row("thousands comma and barcode", "[2] LÁMPARA $1,250.00 #750", "$", 2, 1250,
            "LÁMPARA $1,250.00 #750", "LÁMPARA", "LÁMPARA", "[1] LÁMPARA $1,250.00 #750");
        row("other symbol is no item", "[3] CUADERNO $25.50", "€", 3, 0, "CUADERNO $25.50", kNone, kNone,
            "[2] CUADERNO $25.50");
        row("no stock", "LÁMPARA $1,250.00", "$", 0, 1250, "LÁMPARA $1,250.00", "LÁMPARA", kNone, kNone);
        row("bracket without blank", "[4]TAZA $2", "$", 4, 2, "[4]TAZA $2", "[4]TAZA", "TAZA", kNone);
        row("second stock end", "[5] CAJA] GRANDE $9.00", "$", 5, 9, "CAJA", kNone, "CAJA",
            "[4] CAJA] GRANDE $9.00");
        row("two symbols", "[1] A$B $6.00", "$", 1, 0, "A$B $6.00", "A", "A", "[0] A$B $6.00");
        row("stock comma removed", "[1,500] CLAVO $0.10", "$", 1500, 0.1, "CLAVO $0.10", "CLAVO", "CLAVO",
            "[1499] CLAVO $0.10");
        row("stock and price not numbers", "[mucho] VASO $barato", "$", 0, 0, "VASO $barato", "VASO", "VASO",
            "[-1] VASO $barato");
        row("no binary noise", "[1.1] HILO $1", "$", 1.1, 1, "HILO $1", "HILO", "HILO", "[0.1] HILO $1");
        row("blanks trimmed", "[2]   A $1   ", "$", 2, 1, "  A $1   ", "A", "A", "[1] A $1");
        row("empty line", "", "$", 0, 0, "", kNone, kNone, kNone);
        const QString binary = QStringLiteral("A") + QChar(0) + QChar(1) + QChar(0x7f) + QChar(0x81) + u'B';
        row("binary bytes", "[3] " + binary + " $5.00 #" + QChar(0xff), "$", 3, 5,
            binary + " $5.00 #" + QChar(0xff), binary, binary, "[2] " + binary + " $5.00 #" + QChar(0xff));
        const QString longName(100000, u'X');
        row("100,000 characters", "[1] " + longName + " $1.00", "$", 1, 1, longName + " $1.00", longName,
            longName, "[0] " + longName + " $1.00");
    }
    void takingApart() {
        QFETCH(TakingApartRow, row);
        auto [line, symbol, stock, price, shown, desc, descStock, sold] = row;
        QCOMPARE(ItemLine::stock(line), stock);
        QCOMPARE(ItemLine::price(line, symbol), price);
        QCOMPARE(ItemLine::shownForm(line, false), shown);
        QCOMPARE(orNone(ItemLine::description(shown, symbol, false)), desc);
        QCOMPARE(orNone(ItemLine::description(line, symbol, true)), descStock);
        QCOMPARE(orNone(ItemLine::withStockLowered(line, 1)), sold);
    }

    void stockKey_data() {
        QTest::addColumn<StockKeyRow>("row");
        QTest::newRow("inside a longer name") << StockKeyRow{"VASO", "[4] MI VASO $12.00", true};
        QTest::newRow("description trimmed") << StockKeyRow{"  VASO ", "[9] VASO $10.00", true};
        QTest::newRow("case counts") << StockKeyRow{"vaso", "[9] VASO $10.00", false};
        QTest::newRow("accents count") << StockKeyRow{"LAMPARA", "[2] LÁMPARA $5.00", false};
        QTest::newRow("blank before the symbol") << StockKeyRow{"VASO", "[9] VASO$10.00", false};
        QTest::newRow("other symbol") << StockKeyRow{"VASO", "[9] VASO €10.00", false};
    }
    void stockKey() {
        QFETCH(StockKeyRow, row);
        const auto& [description, line, matches] = row;
        QCOMPARE(ItemLine::matchesKey(line, ItemLine::key(description, kDollar), kDollar), matches);
    }

    void filter_data() {
        QTest::addColumn<FilterRow>("row"); // no rows: the no-match line
        QTest::newRow("only blanks list all") << FilterRow{"   ", {0, 1, 2, 3, 4, 5, 6, 7}};
        QTest::newRow("accent and case folded, two words") << FilterRow{"LAMPARA 1,250", {0}};
        QTest::newRow("digits in barcode, price or stock") << FilterRow{"750", {0, 2, 3}};
        QTest::newRow("words in any order, blanks") << FilterRow{"  rayado   cuaderno ", {2}};
        QTest::newRow("every word must occur") << FilterRow{"clavo nota", {}};
        QTest::newRow("eñe is not n") << FilterRow{"pina", {}};
        QTest::newRow("eñe folds its case") << FilterRow{"PIÑA", {6}};
        QTest::newRow("diaeresis is not folded") << FilterRow{"pinguino", {}};
        QTest::newRow("line without symbol found") << FilterRow{"sin precio", {4}};
    }
    void filter() {
        QFETCH(FilterRow, row);
        const auto& [query, rows] = row;
        ItemList items = listOf(kShop);
        QCOMPARE(items.filter(query, Language()),
                 rows.isEmpty() ? ItemList::Filtered::NoMatches : ItemList::Filtered::Hits);
        if (rows.isEmpty()) {
            QCOMPARE(items.shownCount(), 1);
            QCOMPARE(items.shownLine(0), QStringLiteral("No hay coincidencias."));
            QCOMPARE(items.fullIndexOfShown(0), -1);
        } else {
            QCOMPARE(shownRows(items), rows);
        }
    }

    // The byte scan (in blocks of sixteen bytes) against a plain substring test, on the whole list
    // and on a list cut into runs searched side by side, as a long one is.
    void searchAgreesWithPlainSubstringTests_data() {
        QTest::addColumn<int>("parts");
        QTest::newRow("whole") << 0;
        QTest::newRow("in runs") << 3;
    }
    void searchAgreesWithPlainSubstringTests() {
        QFETCH(int, parts);
        Parallel::cutEveryJobInto(parts);
        const auto whole = qScopeGuard([] { Parallel::cutEveryJobInto(0); });
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

    void changedLinesAreSearchedAsTheyNowRead() {
        ItemList items = listOf(kShop);
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

    void moveStockKeepsTheShownList() {
        ItemList items = listOf({QStringLiteral("[9] VASO $10.00"), QStringLiteral("[5] PLATO $20.00")});
        items.filter(u"plato", Language());
        const auto move = items.moveStock({QStringLiteral("2 x VASO de $10.00 = $20.00")}, kDollar, kDe);
        QCOMPARE(move.changed, std::vector<int>{0});
        QCOMPARE(shownRows(items), Rows{1});
        QCOMPARE(items.shownRowOf(0), -1);
    }

    void inventoryValue_data() {
        QTest::addColumn<ValueRow>("row"); // "-" for no result
        QTest::newRow("barcode ignored") << ValueRow{QStringList{"[2] A $1.50 #750"}, "3.00"};
        QTest::newRow("no leading bracket")
            << ValueRow{QStringList{"A $10.00", " [2] B $1.00", "", "NOTA"}, "0.00"};
        QTest::newRow("negative, fractional")
            << ValueRow{QStringList{"[-2.5] A $4.00", "[1] B $1.00"}, "-9.00"};
        QTest::newRow("below a million") << ValueRow{QStringList{"[1] A $999,999.99"}, "999,999.99"};
        QTest::newRow("millions") << ValueRow{QStringList{"[1000] A $1,234.567"}, "1,234,567.00"};
        QTest::newRow("minus a million") << ValueRow{QStringList{"[-1000] A $1,000"}, "-1,000,000.00"};
        QTest::newRow("empty list") << ValueRow{QStringList{}, "0.00"};
        QTest::newRow("bracket line without symbol stops")
            << ValueRow{QStringList{"[2] A $1.00", "[1] X 5"}, "-"};
        QTest::newRow("symbol only before the bracket stops") << ValueRow{QStringList{"[$2] A 1.00"}, "-"};
    }
    void inventoryValue() {
        QFETCH(ValueRow, row);
        const auto& [list, shown] = row;
        const auto value = listOf(list).inventoryValue(kDollar);
        QCOMPARE(value ? ItemList::inventoryValueText(*value) : QStringLiteral("-"), shown);
    }

    void changePrices_data() {
        using K = ItemList::PriceChange::Kind;
        QTest::addColumn<ChangePricesRow>("row");
        const auto row = [](const char* name, const QStringList& list, const QString& answer, bool raise,
                            K kind, const QStringList& after, int belowZero = 0) {
            QTest::newRow(name) << ChangePricesRow{list, answer, raise, kind, after, belowZero};
        };
        const QStringList libro{"[3] LIBRO $100.00"};
        row("raise 10%", libro, "10%", true, K::Change, {"[3] LIBRO $110.00"});
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

    void fileRoundTrip_data() {
        QTest::addColumn<FileRoundTripRow>("row");
        QTest::newRow("empty middle line kept") << FileRoundTripRow{
            "ES", "VL Lista.txt", "[1] A $1\r\n\r\n[2] B $2\r\n", "[1] A $1\r\n\r\n[2] B $2\r\n"};
        QTest::newRow("CR LF") << FileRoundTripRow{"EN", "VL List.txt", "[1] A $1\n[2] B $2",
                                                   "[1] A $1\r\n[2] B $2\r\n"};
        QTest::newRow("empty list deletes the file") << FileRoundTripRow{"EN", "VL List.txt", "", ""};
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
        QCOMPARE(items.filter(u"x $", Language(language)) == ItemList::Filtered::EmptyList, bytes.isEmpty());
        if (bytes.isEmpty()) QCOMPARE(items.shownLine(0), QStringLiteral("No items."));
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

    // A scanned code matches a whole barcode only; a code that two lines share matches neither.
    void findBarcode_data() {
        QTest::addColumn<BarcodeRow>("row");
        const QStringList shop{"[10] PAN BLANCO $12.50 #7501000000017", "[5] LECHE $20.00 #7501055300013",
                               "[2] QUESO $75.01 #750105530001", "[7501055300013] SAL $1.00"};
        QTest::newRow("its barcode") << BarcodeRow{shop, "7501055300013", 1};
        QTest::newRow("a barcode that is the start of another") << BarcodeRow{shop, "750105530001", 2};
        QTest::newRow("the start of a barcode") << BarcodeRow{shop, "75010553", -1};
        QTest::newRow("digits of a price") << BarcodeRow{shop, "75.01", -1};
        QTest::newRow("digits of a stock only") << BarcodeRow{{shop[3]}, "7501055300013", -1};
        QTest::newRow("blanks after it") << BarcodeRow{{"LECHE $20.00 #7501055300013  "}, "7501055300013", 0};
        QTest::newRow("two lines share it")
            << BarcodeRow{{"A $1.00 #123456", "B $2.00 #123456", "C $3.00 #654321"}, "123456", -1};
        QTest::newRow("# before $") << BarcodeRow{{"CAJA #123456 $5.00", "CAJA $5.00 #123456"}, "123456", 1};
        QTest::newRow("no item line") << BarcodeRow{{"NOTA #123456"}, "123456", -1};
        QTest::newRow("letters count exactly") << BarcodeRow{{"A $1.00 #ABC-123"}, "abc-123", -1};
        QTest::newRow("empty code") << BarcodeRow{{"A $1.00 #"}, "", -1};
    }
    void findBarcode() {
        QFETCH(BarcodeRow, row);
        const auto& [lines, code, found] = row;
        QCOMPARE(listOf(lines).findBarcode(code, kDollar), found);
    }

    void scanRingsUpOrBeeps_data() {
        QTest::addColumn<ScanRow>("row");
        const QString milk = "7501055300013";
        const auto row = [](const char* name, const QString& quantity, const QString& code,
                            const QStringList& lines, int beeps = 0, bool seeStock = false,
                            bool lookup = false, const QStringList& messages = {}) {
            QTest::newRow(name) << ScanRow{quantity, seeStock, lookup, code, lines, beeps, messages};
        };
        row("quantity", "3", milk, {"3 x LECHE de $20.00 = $60.00"});
        row("no quantity", "", milk, {"1 x LECHE de $20.00 = $20.00"});
        row("stock shown", "2", "7501000000017", {"2 x PAN BLANCO de $1,250.00 = $2,500.00"}, 0, true);
        row("unknown code", "3", "7501234567890", {}, 1);
        row("look-up", "3", milk, {}, 0, true, true, {"Artículo:\r\n[LECHE $20.00 #7501055300013]"});
    }
    void scanRingsUpOrBeeps() {
        QFETCH(ScanRow, row);
        const auto& [quantity, seeStock, lookup, code, lines, beeps, messages] = row;
        CounterRig rig;
        Counter& c =
            startWith(rig, {"[10] PAN BLANCO $1,250.00 #7501000000017", "[5] LECHE $20.00 #7501055300013"});
        if (c.settings().values().seeStock != seeStock) c.mnuSeeStock_Click();
        c.search().setLookupMode(lookup);
        c.fields().set(EntryFields::Quantity, quantity);
        const auto fields = [&c] {
            return QStringList{c.fields().field(1), c.fields().field(2), c.fields().field(3)};
        };
        const QStringList fieldsBefore = fields();
        rig.dialogs.clear();
        c.scanBarcode(code);
        QCOMPARE(c.notes().at(c.notes().current()).lines, lines);
        QCOMPARE(rig.shell.beeps, beeps);
        QCOMPARE(rig.dialogs.messages(), messages);
        if (lines.isEmpty()) { // nothing changed
            QCOMPARE(c.fields().field(EntryFields::Quantity), quantity);
            QCOMPARE(fields(), fieldsBefore);
        }
    }

    // The key's other answers are the shop-data print's key table (the same key check).
    void inventoryValueBehindTheKey() {
        CounterRig rig(QString(), QStringLiteral("k1"));
        Counter& c = startWith(rig, {"[2] A $10.00", "[3] B $1,000.00", "SIN STOCK $5"});
        rig.dialogs.type("k1");
        c.itemActions().mnuCountAll_Click();
        QCOMPARE(rig.dialogs.messages(), QStringList{"Tiene un inventario con valor de $3,020.00"});
        QCOMPARE(rig.dialogs.shown.first().echo, Dialogs::Echo::Masked); // the key is never seen
    }

    // The price change from the menu: asked until acceptable, refused below zero, kept when not saved.
    void priceChangeMenu_data() {
        QTest::addColumn<PriceMenuRow>("row");
        const QStringList list{"[3] LIBRO $100.00", "[1] CAJA $5.5 #750", "NOTA"};
        const QStringList bread{"[5] BOLILLO $3.00", "[1] PAN $12.00"};
        const QString below =
            "La bajada dejaría 1 artículo(s) con precio negativo; no se cambió ningún precio.";
        QTest::newRow("raised after two refused answers") << PriceMenuRow{
            list, {"100%", "-5", "10%"}, 0, {}, {"[3] LIBRO $110.00", "[1] CAJA $6.05 #750", "NOTA"}, true};
        QTest::newRow("cancelled") << PriceMenuRow{list, {""}, 1, {}, list, true};
        QTest::newRow("below zero refused") << PriceMenuRow{bread, {"5"}, 1, {below}, bread, true};
        QTest::newRow("list not saved") << PriceMenuRow{
            {"[9] VASO $10.00"}, {"1"}, 0, {"No se pudo crear el archivo, intente más tarde."},
            {"[9] VASO $11.00"}, false};
    }
    void priceChangeMenu() {
        QFETCH(PriceMenuRow, row);
        const auto& [list, answers, lowering, messages, after, saved] = row;
        CounterRig rig;
        Counter& c = startWith(rig, list);
        if (!saved) QVERIFY(QFile::remove(rig.shop.file(kList)) && QDir(rig.shop.path()).mkdir(kList));
        for (const QString& a : answers)
            rig.dialogs.type(a);
        c.itemActions().mnuPriceChg_Click(lowering);
        QCOMPARE(rig.dialogs.prompts().size(), answers.size());
        if (!lowering)
            QCOMPARE(rig.dialogs.prompts().first(),
                     QString("Subir al precio de todos los artículos (ej. '20' ó '5%'):"));
        QCOMPARE(rig.dialogs.messages(), messages);
        QCOMPARE(c.items().lines(), after); // in memory even when not saved
        if (saved) QCOMPARE(rig.shop.lines(kList), after);
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

    void stockShownOrHiddenKeepsTheSearch() {
        CounterRig rig;
        Counter& c = startWith(rig, {"[3] LIBRO $100.00", "[1] CAJA $5.00"});
        c.search().txtFinder_Change("caja");
        c.mnuSeeStock_Click();
        QCOMPARE(c.items().shownCount(), 1);
        QCOMPARE(c.items().shownLine(0), QString("[1] CAJA $5.00"));
    }

    void splitLines_data() {
        QTest::addColumn<SplitRow>("row");
        QTest::newRow("empty") << SplitRow{"", QStringList{}};
        QTest::newRow("crlf") << SplitRow{"a\r\nb", QStringList{"a", "b"}};
        QTest::newRow("ending in a break") << SplitRow{"a\n", QStringList{"a", ""}};
        QTest::newRow("lone cr and lf") << SplitRow{"a\rb\nc\r\r\nd", QStringList{"a", "b", "c", "", "d"}};
        QTest::newRow("separators") << SplitRow{QString::fromUtf8("a\u2029b\u2028c"),
                                                QStringList{"a", "b", "c"}};
    }
    void splitLines() {
        QFETCH(SplitRow, row);
        const auto& [text, lines] = row;
        QCOMPARE(ListEditor::splitLines(text), lines);
    }

    // Two searches in a row from the caret: where the caret ends after each, and the boxes shown.
    void find_data() {
        QTest::addColumn<FindRow>("row");
        const QString list = QStringLiteral("[1] CAFÉ $2.00\n[2] PAN $1.00\n[3] CAFE $3.00");
        QTest::newRow("wraps to the same") << FindRow{"[1] PAN $1", 10, "pan", {7, 7}, 0};
        QTest::newRow("folded, next then wrap") << FindRow{list, 0, "Café", {8, 37}, 0};
        QTest::newRow("from the caret") << FindRow{list, 9, "cafe", {37, 8}, 0};
        QTest::newRow("no match") << FindRow{list, 0, "leche", {-1, -1}, 2};
        QTest::newRow("text too short") << FindRow{"a", 0, "a", {-1, -1}, 0};
        QTest::newRow("empty query") << FindRow{list, 0, "", {-1, -1}, 0};
    }
    void find() {
        QFETCH(FindRow, row);
        auto [text, caret, query, carets, boxes] = row;
        CounterRig rig;
        Counter& c = startShop(rig);
        c.eItemToEdit();
        rig.dialogs.clear();
        qsizetype at = caret;
        for (const qsizetype expected : carets) {
            const qsizetype found = c.editor().eFindText(text, at, query);
            QCOMPARE(found, expected);
            if (found >= 0) at = found;
            QCOMPARE(c.editor().findNext(), carets.front() >= 0);
        }
        QCOMPARE(rig.dialogs.messages().size(), boxes);
        if (boxes) QCOMPARE(rig.dialogs.messages().front(), QStringLiteral("No hay coincidencias."));
        c.editor().txtFindEdit_Change();
        QVERIFY(!c.editor().findNext());
    }

    void saveList_data() {
        QTest::addColumn<SaveListRow>("row");
        const QStringList ab{"[1] A $1.00", "[2] B $2.00"};
        QTest::newRow("two lines") << SaveListRow{"[1] A $1.00\n[2] B $2.00", ab, 2};
        QTest::newRow("ending in an empty line") << SaveListRow{"[1] A $1.00\n", {"[1] A $1.00", ""}, 2};
        QTest::newRow("the aid's lone bracket") << SaveListRow{"[1] A $1.00\n[", {"[1] A $1.00"}, 1};
        QTest::newRow("a bracket among blanks") << SaveListRow{"[1] A $1.00\n \t[  \n[2] B $2.00", ab, 2};
        // Characters the code page lacks become "?", tabs and NUL stay, a lone CR is a line break.
        const QString nul = QStringLiteral("[2] B") + QChar(0) + "C";
        QTest::newRow("bad input") << SaveListRow{"[1] A\t\u0416 $1.00\r" + nul, {"[1] A\t? $1.00", nul}, 2};
    }
    void saveList() {
        QFETCH(SaveListRow, row);
        const auto& [text, fileLines, shown] = row;
        CounterRig rig;
        Counter& c = startShop(rig);
        const QStringList record = c.notes().at(0).lines;
        c.eItemToEdit();
        c.eSaveNotetoList(text);
        QCOMPARE(c.items().count(), int(fileLines.size()));
        QCOMPARE(c.items().shownCount(), shown);
        QCOMPARE(rig.shop.lines(kList), fileLines);
        QVERIFY(c.editor().visible()); // the panel stays open
        QCOMPARE(c.notes().at(0).lines, record);
        c.editor().startSlide(false); // closed as its close key does
        for (int tick = 0; tick < 1000 && c.editor().visible(); ++tick)
            c.tmrAni_Timer();
        QVERIFY(!c.editor().visible());
    }

    // Edited, and emptied: the day's file goes.
    void saveRegister() {
        for (const QString& text : {"1 x PAN de $2.00 = $2.00\n" + kSale2, QString()}) {
            const bool fileKept = !text.isEmpty();
            CounterRig rig;
            Counter& c = startShop(rig);
            const QByteArray list = rig.shop.bytes(kList);
            c.lblTask_Click(0);
            c.eNoteToEdit();
            c.eSaveNotetoList(text);
            const QStringList lines = ListEditor::splitLines(text);
            QCOMPARE(c.notes().at(0).lines, lines);
            QCOMPARE(c.notes().saleStart(), int(lines.size()) - 1);
            QCOMPARE(c.notes().at(0).selected, int(lines.size()) - 1);
            QCOMPARE(rig.shop.exists(rig.registerName()), fileKept);
            if (fileKept) QCOMPARE(rig.shop.lines(rig.registerName()), lines);
            QCOMPARE(rig.shop.bytes(kList), list);
        }
    }

    // With a user key set, the register opens only for whoever types it, masked.
    void registerBehindTheKey_data() {
        QTest::addColumn<RegisterKeyRow>("row");
        QTest::newRow("no key: nothing asked") << RegisterKeyRow{"", "", true};
        QTest::newRow("right key") << RegisterKeyRow{"k1", "k1", true};
        QTest::newRow("cancelled") << RegisterKeyRow{"k1", "-", false};
    }
    void registerBehindTheKey() {
        QFETCH(RegisterKeyRow, row);
        auto [key, answer, opened] = row;
        CounterRig rig(QString(), key);
        Counter& c = startShop(rig);
        c.lblTask_Click(0);
        if (!answer.isEmpty()) answer == u'-' ? rig.dialogs.cancel() : rig.dialogs.type(answer);
        rig.dialogs.clear();
        c.eNoteToEdit();
        QCOMPARE(c.editor().visible(), opened);
        QCOMPARE(rig.dialogs.prompts().size(), answer.isEmpty() ? 0 : 1);
        for (const auto& box : rig.dialogs.shown)
            if (box.kind == ScriptedDialogs::Shown::Input) QCOMPARE(box.echo, Dialogs::Echo::Masked);
        QCOMPARE(rig.dialogs.messages().size(), opened ? 1 : 0); // only the warning on opening
    }

    // Adding to the note is refused while the register is edited, allowed while the list is; no cut.
    void notesWhileEditing() {
        for (const bool list : {false, true}) {
            CounterRig rig;
            Counter& c = startShop(rig);
            list ? c.eItemToEdit() : c.eNoteToEdit();
            rig.dialogs.clear();
            rig.add("1", "PAN", "12.50");
            QCOMPARE(c.notes().at(1).lines.size(), list ? 1 : 0);
            QCOMPARE(rig.dialogs.messages().contains(
                         QStringLiteral("No puede usar las notas mientras está editando alguno.")),
                     !list);
            QVERIFY(!c.cut().cutMenuEnabled());
        }
    }

    // The list's format reminder comes once per run, the register's warning once; the register is not
    // edited while the note in front holds a sale.
    void editorReminders() {
        CounterRig rig;
        rig.dialogs.answer(false); // no list: the offer to create one
        Counter& c = rig.start();
        rig.add("1", "A", "2");
        rig.dialogs.clear();
        c.eNoteToEdit();
        QCOMPARE(rig.dialogs.messages(), QStringList{"Primero cancele la operación de la nota actual."});
        c.lblTask_Click(0);
        c.eItemToEdit();
        c.eItemToEdit(); // already open on the list: nothing
        c.eNoteToEdit();
        c.eNoteToEdit();
        c.eItemToEdit();
        const QStringList shown = rig.dialogs.messages();
        QCOMPARE(shown.size(), 3);
        QVERIFY(shown[1].startsWith("Para un buen funcionamiento del programa use el formato"));
        QCOMPARE(shown[2], "Solamente cambie nombres y valores para un buen funcionamiento del programa.");
        QVERIFY(c.editor().editingList());
    }
};

QTEST_GUILESS_MAIN(ItemListTest)
#include "itemlist_test.moc"

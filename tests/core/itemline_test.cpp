#include "core/items/ItemLine.h"

#include <QTest>

#include <tuple>

#include <optional>

using OptText = std::optional<QString>;

namespace {
const QString kNone = QStringLiteral("<none>");
QString orNone(const OptText& text) {
    return text.value_or(kNone);
}
} // namespace

// shown: shown form, stock hidden; desc: description of that shown form; descStock: description of the whole
// line, stock shown; sold: the line after selling 1
using TakingApartRow = std::tuple<QString, QString, double, double, QString, QString, QString, QString>;

class ItemLineTest : public QObject {
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
        row("euro", "[3] CUADERNO €25.50 #750", "€", 3, 25.5, "CUADERNO €25.50 #750", "CUADERNO", "CUADERNO",
            "[2] CUADERNO €25.50 #750");
        row("other symbol is no item", "[3] CUADERNO $25.50", "€", 3, 0, "CUADERNO $25.50", kNone, kNone,
            "[2] CUADERNO $25.50");
        row("no symbol", "[5] NOTA SIN PRECIO", "$", 5, 0, "NOTA SIN PRECIO", kNone, kNone,
            "[4] NOTA SIN PRECIO");
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
        QCOMPARE(ItemLine::shownForm(line, true), line);
        QCOMPARE(ItemLine::shownForm(line, false), shown);
        QCOMPARE(orNone(ItemLine::description(shown, symbol, false)), desc);
        QCOMPARE(orNone(ItemLine::description(line, symbol, true)), descStock);
        QCOMPARE(orNone(ItemLine::withStockLowered(line, 1)), sold);
    }

    // The key of a sold description against an item line, with the symbol "$".
    void stockKey_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("matches");
        const auto row = [](const char* name, const QString& description, const QString& line, bool matches) {
            QTest::newRow(name) << description << line << matches;
        };
        row("inside a longer name", "VASO", "[4] MI VASO $12.00", true);
        row("description trimmed", "  VASO ", "[9] VASO $10.00", true);
        row("case counts", "vaso", "[9] VASO $10.00", false);
        row("accents count", "LAMPARA", "[2] LÁMPARA $5.00", false);
        row("blank before the symbol needed", "VASO", "[9] VASO$10.00", false);
        row("other symbol", "VASO", "[9] VASO €10.00", false);
    }
    void stockKey() {
        QFETCH(QString, description);
        QFETCH(QString, line);
        QFETCH(bool, matches);
        const QString symbol = QStringLiteral("$");
        QCOMPARE(ItemLine::matchesKey(line, ItemLine::key(description, symbol), symbol), matches);
    }
};

QTEST_APPLESS_MAIN(ItemLineTest)
#include "itemline_test.moc"

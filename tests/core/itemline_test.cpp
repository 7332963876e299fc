#include "items/Folding.h"
#include "items/ItemLine.h"

#include <QTest>

#include <optional>

using OptText = std::optional<QString>;
Q_DECLARE_METATYPE(OptText)

namespace {
const QString kNone = QStringLiteral("<none>");
QString orNone(const OptText& text) {
    return text.value_or(kNone);
}
} // namespace

class ItemLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // How each reader takes a line apart, with the symbol "$" unless the row says otherwise.
    void takingApart_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<bool>("item");
        QTest::addColumn<double>("stock");
        QTest::addColumn<double>("price");
        QTest::addColumn<QString>("shownHidden"); // shown form with the stock hidden
        QTest::addColumn<QString>("descHidden");  // description of that shown form
        QTest::addColumn<QString>("descShown");   // description of the whole line (stock shown)
        QTest::addColumn<QString>("rest");

        QTest::newRow("plain") << "[10] ARTÍCULO $198.00"
                               << "$" << true << 10.0 << 198.0 << "ARTÍCULO $198.00"
                               << "ARTÍCULO"
                               << "ARTÍCULO"
                               << "ARTÍCULO $198.00";
        QTest::newRow("thousands comma and barcode")
            << "[2] LÁMPARA $1,250.00 #750"
            << "$" << true << 2.0 << 1250.0 << "LÁMPARA $1,250.00 #750"
            << "LÁMPARA"
            << "LÁMPARA"
            << "LÁMPARA $1,250.00 #750";
        QTest::newRow("euro") << "[3] CUADERNO €25.50 #750"
                              << "€" << true << 3.0 << 25.5 << "CUADERNO €25.50 #750"
                              << "CUADERNO"
                              << "CUADERNO"
                              << "CUADERNO €25.50 #750";
        QTest::newRow("other symbol is no item")
            << "[3] CUADERNO $25.50"
            << "€" << false << 3.0 << 0.0 << "CUADERNO $25.50" << kNone << kNone << "CUADERNO $25.50";
        QTest::newRow("no stock") << "LÁMPARA $1,250.00"
                                  << "$" << true << 0.0 << 1250.0 << "LÁMPARA $1,250.00"
                                  << "LÁMPARA" << kNone << kNone;
        QTest::newRow("no symbol") << "[5] NOTA SIN PRECIO"
                                   << "$" << false << 5.0 << 0.0 << "NOTA SIN PRECIO" << kNone << kNone
                                   << "NOTA SIN PRECIO";
        QTest::newRow("second stock end cuts the shown form")
            << "[5] CAJA] GRANDE $9.00"
            << "$" << true << 5.0 << 9.0 << "CAJA" << kNone << "CAJA"
            << "CAJA] GRANDE $9.00";
        QTest::newRow("symbol in description ends it") << "[1] A$B $6.00"
                                                       << "$" << true << 1.0 << 0.0 << "A$B $6.00"
                                                       << "A"
                                                       << "A"
                                                       << "A$B $6.00";
        QTest::newRow("negative fractional stock") << "[-2.5] PAN $3"
                                                   << "$" << true << -2.5 << 3.0 << "PAN $3"
                                                   << "PAN"
                                                   << "PAN"
                                                   << "PAN $3";
        QTest::newRow("stock with comma") << "[1,500] CLAVO $0.10"
                                          << "$" << true << 1500.0 << 0.1 << "CLAVO $0.10"
                                          << "CLAVO"
                                          << "CLAVO"
                                          << "CLAVO $0.10";
        QTest::newRow("stock and price not numbers") << "[mucho] VASO $barato"
                                                     << "$" << true << 0.0 << 0.0 << "VASO $barato"
                                                     << "VASO"
                                                     << "VASO"
                                                     << "VASO $barato";
        QTest::newRow("barcode without # joins the price")
            << "[1] X $198.00 750"
            << "$" << true << 1.0 << 198.0075 << "X $198.00 750"
            << "X"
            << "X"
            << "X $198.00 750";
        QTest::newRow("bracket without blank") << "[4]TAZA $2"
                                               << "$" << true << 4.0 << 2.0 << "[4]TAZA $2"
                                               << "[4]TAZA"
                                               << "TAZA" << kNone;
        QTest::newRow("empty line") << ""
                                    << "$" << false << 0.0 << 0.0 << "" << kNone << kNone << kNone;
    }
    void takingApart() {
        QFETCH(QString, line);
        QFETCH(QString, symbol);
        QFETCH(bool, item);
        QFETCH(double, stock);
        QFETCH(double, price);
        QFETCH(QString, shownHidden);
        QFETCH(QString, descHidden);
        QFETCH(QString, descShown);
        QFETCH(QString, rest);
        QCOMPARE(ItemLine::isItem(line, symbol), item);
        QCOMPARE(ItemLine::stock(line), stock);
        QCOMPARE(ItemLine::price(line, symbol), price);
        QCOMPARE(ItemLine::shownForm(line, true), line);
        QCOMPARE(ItemLine::shownForm(line, false), shownHidden);
        QCOMPARE(orNone(ItemLine::description(shownHidden, symbol, false)), descHidden);
        QCOMPARE(orNone(ItemLine::description(line, symbol, true)), descShown);
        QCOMPARE(orNone(ItemLine::rest(line)), rest);
    }

    void symbolOfFirstLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("dollar") << "[1] A $1"
                                << "$";
        QTest::newRow("euro") << "[1] A €1"
                              << "€";
        QTest::newRow("pound") << "[1] A £1"
                               << "£";
        QTest::newRow("dollar wins over euro") << "[1] A €1 $2"
                                               << "$";
        QTest::newRow("euro wins over pound") << "[1] A £1 €2"
                                              << "€";
        QTest::newRow("none is dollar") << "[1] A 1"
                                        << "$";
    }
    void symbolOfFirstLine() {
        QFETCH(QString, line);
        QFETCH(QString, symbol);
        QCOMPARE(ItemLine::symbolOf(line), symbol);
    }

    void keyMatching_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("matches");
        QTest::newRow("exact") << "VASO"
                               << "[9] VASO $10.00" << true;
        QTest::newRow("inside a longer name") << "VASO"
                                              << "[4] MI VASO $12.00" << true;
        QTest::newRow("description trimmed") << "  VASO "
                                             << "[9] VASO $10.00" << true;
        QTest::newRow("case counts") << "vaso"
                                     << "[9] VASO $10.00" << false;
        QTest::newRow("accents count") << "LAMPARA"
                                       << "[2] LÁMPARA $5.00" << false;
        QTest::newRow("blank before the symbol needed") << "VASO"
                                                        << "[9] VASO$10.00" << false;
        QTest::newRow("other symbol") << "VASO"
                                      << "[9] VASO €10.00" << false;
    }
    void keyMatching() {
        QFETCH(QString, description);
        QFETCH(QString, line);
        QFETCH(bool, matches);
        const QString symbol = QStringLiteral("$");
        QCOMPARE(ItemLine::matchesKey(line, ItemLine::key(description, symbol), symbol), matches);
    }

    void stockWrittenBack_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sale of 3") << "[10] ARTÍCULO $198.00" << 3.0 << "[7] ARTÍCULO $198.00";
        QTest::newRow("below zero") << "[1] ARTÍCULO $198.00" << 3.0 << "[-2] ARTÍCULO $198.00";
        QTest::newRow("from zero") << "[0] A $1" << 1.0 << "[-1] A $1";
        QTest::newRow("fractional") << "[10] QUESO $80.00" << 2.5 << "[7.5] QUESO $80.00";
        QTest::newRow("no binary noise") << "[0.3] HILO $1" << 0.1 << "[0.2] HILO $1";
        QTest::newRow("to exactly zero") << "[0.3] HILO $1" << 0.3 << "[0] HILO $1";
        QTest::newRow("negative quantity raises") << "[2] A $1" << -3.0 << "[5] A $1";
        QTest::newRow("rest trimmed") << "[2]   A $1   " << 1.0 << "[1] A $1";
        QTest::newRow("barcode kept") << "[2] A $1 #750" << 1.0 << "[1] A $1 #750";
        QTest::newRow("stock comma removed") << "[1,000] A $1" << 1.0 << "[999] A $1";
        QTest::newRow("no stock number") << "[x] A $1" << 1.0 << "[-1] A $1";
        QTest::newRow("nothing after a second stock end is lost")
            << "[5] CAJA] GRANDE $9.00" << 1.0 << "[4] CAJA] GRANDE $9.00";
        QTest::newRow("large but writable") << "[100000000000000] A $1" << 1.0 << "[99999999999999] A $1";
        QTest::newRow("too large to write") << "[999999999999999] A $1" << -1.0 << kNone;
        QTest::newRow("huge quantity") << "[1] A $1" << 1e300 << kNone;
        QTest::newRow("no stock end") << "LÁMPARA $1,250.00" << 1.0 << kNone;
        QTest::newRow("bracket without blank") << "[4]TAZA $2" << 1.0 << kNone;
    }
    void stockWrittenBack() {
        QFETCH(QString, line);
        QFETCH(double, quantity);
        QFETCH(QString, expected);
        QCOMPARE(orNone(ItemLine::withStockLowered(line, quantity)), expected);
    }

    void priceWrittenBack_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("add");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two decimals") << "[3] LIBRO $100" << 10.0 << "[3] LIBRO $110.00";
        QTest::newRow("barcode kept") << "[1] CAJA $5.5 #750" << 1.0 << "[1] CAJA $6.50 #750";
        QTest::newRow("blank before barcode normalised")
            << "[1] CAJA $5.5    #750" << 1.0 << "[1] CAJA $6.50 #750";
        QTest::newRow("comma read as thousands") << "[1] MESA $1,250.00" << 10.0 << "[1] MESA $1260.00";
        QTest::newRow("no number is 0") << "[1] MESA $barata" << 2.0 << "[1] MESA $2.00";
        QTest::newRow("may go negative") << "[1] A $5.00" << -15.0 << "[1] A $-10.00";
        QTest::newRow("no stock needed") << "A $5.00" << 1.0 << "A $6.00";
        QTest::newRow("too large") << "[1] A $999999999999999" << 1.0 << kNone;
        QTest::newRow("no symbol") << "[1] A 5.00" << 1.0 << kNone;
        QTest::newRow("symbol twice") << "[1] A $5 B $6" << 1.0 << kNone;
        QTest::newRow("# before the symbol") << "[1] CAJA #2 $5.00" << 1.0 << kNone;
    }
    void priceWrittenBack() {
        QFETCH(QString, line);
        QFETCH(double, add);
        QFETCH(QString, expected);
        const QString symbol = QStringLiteral("$");
        const auto pieces = ItemLine::pricePieces(line, symbol);
        const OptText rebuilt =
            pieces ? ItemLine::withPrice(*pieces, symbol, pieces->price + add) : std::nullopt;
        QCOMPARE(orNone(rebuilt), expected);
    }

    void folding_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("case") << "LáMPARA Grande"
                              << "lampara grande";
        QTest::newRow("accented capitals") << "ÁÉÍÓÚ"
                                           << "aeiou";
        QTest::newRow("eñe and diaeresis stay") << "PIÑA PINGÜINO"
                                                << "piña pingüino";
        QTest::newRow("grave accent stays") << "À LA"
                                            << "à la";
        QTest::newRow("symbols and digits") << "[2] $1,250.00 #750"
                                            << "[2] $1,250.00 #750";
    }
    void folding() {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(Folding::fold(text), folded);
    }
};

QTEST_APPLESS_MAIN(ItemLineTest)
#include "itemline_test.moc"

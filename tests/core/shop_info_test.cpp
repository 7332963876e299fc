#include "CounterRig.h"
#include "core/shop/ShopInfo.h"

#include <QTest>

#include <tuple>

// lines: empty: no file at all
using ShopFileRow = std::tuple<QStringList, QString, QString, int, QString>;
using ReadRow = std::tuple<QStringList, QString, QString, QString, QString, int>;

class ShopInfoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shopFile_data() {
        QTest::addColumn<ShopFileRow>("row");
        QTest::newRow("no file") << ShopFileRow{QStringList{}, "Mi negocio", "Vendel", 60,
                                                "¡Gracias por su preferencia!"};
        QTest::newRow("only a name") << ShopFileRow{QStringList{"Tienda Ñandú"}, "Tienda Ñandú",
                                                    "Vendel - TIENDA ÑANDÚ", 60,
                                                    "¡Gracias por su preferencia!"};
        QTest::newRow("dark blue") << ShopFileRow{QStringList{"A", "", "", "", "0 0 128"}, "A", "Vendel - A",
                                                  128, "¡Gracias por su preferencia!"};
        QTest::newRow("two parts give green") << ShopFileRow{
            QStringList{"A", "", "", "", "0 0"}, "A", "Vendel - A", 60, "¡Gracias por su preferencia!"};
        QTest::newRow("above 255") << ShopFileRow{QStringList{"A", "", "", "", "1 2 999"}, "A", "Vendel - A",
                                                  255, "¡Gracias por su preferencia!"};
        QTest::newRow("blank remark") << ShopFileRow{QStringList{"A", "", "", "", "", "   ", "Vuelva pronto"},
                                                     "A", "Vendel - A", 60, "Vuelva pronto"};
        QTest::newRow("remark") << ShopFileRow{QStringList{"A", "", "", "", "", "Sucursal 2"}, "A",
                                               "Vendel - A (Sucursal 2)", 60, "¡Gracias por su preferencia!"};
    }
    void shopFile() {
        QFETCH(ShopFileRow, row);
        auto [lines, brand, caption, blue, legend] = row;
        CounterRig rig;
        if (!lines.isEmpty()) rig.shop.write("VL Info.txt", lines);
        Counter& c = rig.start();
        QCOMPARE(c.shop().brand, brand);
        QCOMPARE(c.shop().windowCaption, caption);
        QCOMPARE(c.shop().theme.blue, blue);
        QCOMPARE(c.shop().legend, legend);
    }

    void tooltipNamesTheShop() {
        CounterRig rig;
        rig.shop.write("VL Info.txt", {"Mi negocio", "Calle 5", "555 1234", "RFC X"});
        QCOMPARE(rig.start().shop().brandTooltip,
                 QString(" Mi negocio - \"Calle 5\" | Tel 555 1234 | RFC X "));
    }
    // The reader itself: what each line of the file gives.
    void read_data() {
        QTest::addColumn<ReadRow>("row");
        QTest::newRow("english, no file")
            << ReadRow{QStringList{}, "EN", "My business", "Vendel", "Thanks for your preference!", 30};
        QTest::newRow("empty file") << ReadRow{
            QStringList{""}, "ES", "", "Vendel - ", "¡Gracias por su preferencia!", 30};
        QTest::newRow("colour rounded")
            << ReadRow{QStringList{"A", "", "", "", "7.6 0 0"}, "ES", "A", "Vendel - A",
                       "¡Gracias por su preferencia!",          8};
        QTest::newRow("negative colour")
            << ReadRow{QStringList{"A", "", "", "", "-5 0 0"}, "ES", "A", "Vendel - A",
                       "¡Gracias por su preferencia!",         0};
        QTest::newRow("legend") << ReadRow{
            QStringList{"A", "", "", "", "", "", "Hasta luego"}, "ES", "A", "Vendel - A", "Hasta luego", 30};
    }
    void read() {
        QFETCH(ReadRow, row);
        auto [lines, language, brand, caption, legend, red] = row;
        const ShopInfo info = ShopInfo::read(
            lines.isEmpty() ? std::nullopt : std::optional<QStringList>(lines), Language(language));
        QCOMPARE(info.brand, brand);
        QCOMPARE(info.windowCaption, caption);
        QCOMPARE(info.legend, legend);
        QCOMPARE(info.theme.red, red);
    }
};

QTEST_APPLESS_MAIN(ShopInfoTest)
#include "shop_info_test.moc"

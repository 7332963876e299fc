#include "CounterRig.h"
#include "core/shop/ShopInfo.h"

#include <QTest>

#include <tuple>

// lines: empty: no file at all; theme: "red green blue"
using ReadRow = std::tuple<QStringList, QString, QString, QString, QString, QString>;

class ShopInfoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What each line of the shop's file gives.
    void read_data() {
        QTest::addColumn<ReadRow>("row");
        const auto row = [](const char* name, const QStringList& lines, const char* language,
                            const char* brand, const char* caption, const char* legend, const char* theme) {
            QTest::newRow(name) << ReadRow{lines,
                                           language,
                                           QString::fromUtf8(brand),
                                           QString::fromUtf8(caption),
                                           QString::fromUtf8(legend),
                                           theme};
        };
        const char* thanks = "¡Gracias por su preferencia!";
        row("no file", {}, "ES", "Mi negocio", "Vendel", thanks, "30 120 60");
        row("english, no file", {}, "EN", "My business", "Vendel", "Thanks for your preference!",
            "30 120 60");
        row("empty file", {""}, "ES", "", "Vendel - ", thanks, "30 120 60");
        row("only a name", {"Tienda Ñandú"}, "ES", "Tienda Ñandú", "Vendel - TIENDA ÑANDÚ", thanks,
            "30 120 60");
        row("dark blue", {"A", "", "", "", "0 0 128"}, "ES", "A", "Vendel - A", thanks, "0 0 128");
        row("two parts give green", {"A", "", "", "", "0 0"}, "ES", "A", "Vendel - A", thanks, "30 120 60");
        row("above 255", {"A", "", "", "", "1 2 999"}, "ES", "A", "Vendel - A", thanks, "1 2 255");
        row("colour rounded", {"A", "", "", "", "7.6 0 0"}, "ES", "A", "Vendel - A", thanks, "8 0 0");
        row("negative colour", {"A", "", "", "", "-5 0 0"}, "ES", "A", "Vendel - A", thanks, "0 0 0");
        row("blank remark, legend", {"A", "", "", "", "", "   ", "Vuelva pronto"}, "ES", "A", "Vendel - A",
            "Vuelva pronto", "30 120 60");
        row("remark", {"A", "", "", "", "", "Sucursal 2"}, "ES", "A", "Vendel - A (Sucursal 2)", thanks,
            "30 120 60");
    }
    void read() {
        QFETCH(ReadRow, row);
        auto [lines, language, brand, caption, legend, theme] = row;
        const ShopInfo info = ShopInfo::read(
            lines.isEmpty() ? std::nullopt : std::optional<QStringList>(lines), Language(language));
        QCOMPARE(info.brand, brand);
        QCOMPARE(info.windowCaption, caption);
        QCOMPARE(info.legend, legend);
        QCOMPARE(QString("%1 %2 %3").arg(info.theme.red).arg(info.theme.green).arg(info.theme.blue), theme);
    }

    // The counter reads the shop's file at its start.
    void theCounterReadsTheShopFile() {
        CounterRig rig;
        rig.shop.write("VL Info.txt",
                       {"Mi negocio", "Calle 5", "555 1234", "RFC X", "0 0 128", "", "Vuelva"});
        const ShopInfo& shop = rig.start().shop();
        QCOMPARE(shop.windowCaption, QString("Vendel - MI NEGOCIO"));
        QCOMPARE(shop.brandTooltip, QString(" Mi negocio - \"Calle 5\" | Tel 555 1234 | RFC X "));
        QCOMPARE(shop.theme.blue, 128);
        QCOMPARE(shop.legend, QString("Vuelva"));
    }
};

QTEST_APPLESS_MAIN(ShopInfoTest)
#include "shop_info_test.moc"

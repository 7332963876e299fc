#include "core/shop/Contrast.h"
#include "core/shop/ShopInfo.h"
#include "core/shop/ThemePalette.h"

#include <QTest>

Q_DECLARE_METATYPE(Rgb)

namespace {
// Every text the window paints from this theme reaches 4.5:1 on its background.
void checkReadable(const ThemePalette& palette) {
    for (int role = 0; role < ThemePalette::RoleCount; ++role) {
        const Ink ink = palette.ink(ThemePalette::Role(role));
        const double ratio = Contrast::ratio(ink.text, ink.back);
        QVERIFY2(ratio >= Contrast::kReadable,
                 qPrintable(QStringLiteral("role %1: %2:1").arg(role).arg(ratio)));
    }
}
} // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ratio_data() {
        QTest::addColumn<Rgb>("a");
        QTest::addColumn<Rgb>("b");
        QTest::addColumn<double>("expected");
        QTest::newRow("black on white") << Rgb{0, 0, 0} << Rgb{255, 255, 255} << 21.0;
        QTest::newRow("same colour") << Rgb{30, 120, 60} << Rgb{30, 120, 60} << 1.0;
        QTest::newRow("order does not count") << Rgb{255, 255, 255} << Rgb{0, 0, 0} << 21.0;
        QTest::newRow("mid grey on white") << Rgb{119, 119, 119} << Rgb{255, 255, 255} << 4.48;
    }
    void ratio() {
        QFETCH(Rgb, a);
        QFETCH(Rgb, b);
        QFETCH(double, expected);
        QVERIFY2(qAbs(Contrast::ratio(a, b) - expected) < 0.01,
                 qPrintable(QString::number(Contrast::ratio(a, b))));
    }

    // A text colour that is readable stays; one that is not gives way to black or near-white.
    void textOn_data() {
        QTest::addColumn<Rgb>("back");
        QTest::addColumn<Rgb>("wished");
        QTest::addColumn<Rgb>("expected");
        QTest::newRow("white on dark green kept")
            << Rgb{0, 80, 20} << Rgb{250, 250, 250} << Rgb{250, 250, 250};
        QTest::newRow("white on pale blue") << Rgb{240, 250, 255} << Rgb{250, 250, 250} << Rgb{0, 0, 0};
        QTest::newRow("black on dark grey") << Rgb{30, 40, 50} << Rgb{0, 0, 0} << Rgb{250, 250, 250};
        QTest::newRow("pure red takes black") << Rgb{255, 0, 0} << Rgb{250, 250, 250} << Rgb{0, 0, 0};
        QTest::newRow("mid red keeps near-white")
            << Rgb{225, 0, 0} << Rgb{250, 250, 250} << Rgb{250, 250, 250};
    }
    void textOn() {
        QFETCH(Rgb, back);
        QFETCH(Rgb, wished);
        QFETCH(Rgb, expected);
        const Rgb got = Contrast::textOn(back, wished);
        QCOMPARE(got.red, expected.red);
        QCOMPARE(got.green, expected.green);
        QCOMPARE(got.blue, expected.blue);
    }

    // Every base colour, from the shop file's colour line as a shop may write it.
    void everyThemeReadable_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("default green") << QString();
        QTest::newRow("out of range") << "300 -5 abc";
        QTest::newRow("huge") << "1e9 1e9 1e9";
        QTest::newRow("blanks") << "  ";
        QString many;
        for (int i = 0; i < 300; ++i)
            many += QString::number(i * 7 % 256) + u' ';
        QTest::newRow("three hundred numbers") << many.trimmed();
    }
    void everyThemeReadable() {
        QFETCH(QString, line);
        const ShopInfo info = ShopInfo::read(QStringList{"Shop", "", "", "", line}, Language());
        for (int channel : {info.theme.red, info.theme.green, info.theme.blue})
            QVERIFY(channel >= 0 && channel <= 255);
        checkReadable(ThemePalette(info.theme));
    }

    // A sweep over many bases, to keep mid-tones honest too.
    void sweep() {
        for (int r = 0; r <= 255; r += 15)
            for (int g = 0; g <= 255; g += 15)
                for (int b = 0; b <= 255; b += 15)
                    checkReadable(ThemePalette(Rgb{r, g, b}));
    }
};

QTEST_APPLESS_MAIN(ContrastTest)
#include "contrast_test.moc"

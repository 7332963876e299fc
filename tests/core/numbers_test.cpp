#include "core/base/Numbers.h"

#include <QTest>

#include <limits>

class NumbersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "198.00" << 198.0;
        QTest::newRow("barcode after #") << "198.00 #750" << 198.0;
        QTest::newRow("blanks inside join digits") << "1 500" << 1500.0;
        QTest::newRow("barcode without # joins") << "198.00 750" << 198.0075;
        QTest::newRow("word") << "ARTÍCULO" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("leading blanks and tab") << " \t-2.5x" << -2.5;
        QTest::newRow("plus sign") << "+3" << 3.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma stops") << "1,500" << 1.0;
        QTest::newRow("exponent E") << "1.5E3" << 1500.0;
        QTest::newRow("exponent D") << "2D-2" << 0.02;
        QTest::newRow("exponent without digits") << "7E" << 7.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("overflow reads 0") << "1E400" << 0.0;
        QTest::newRow("twenty digits") << "99999999999999999999" << 1e20;
        QTest::newRow("line feed skipped") << "1\n2" << 12.0;
    }
    void leading() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(Numbers::leading(text), expected);
    }

    void amountRemovesCommas() {
        QCOMPARE(Numbers::amount(QStringLiteral("1,250.00")), 1250.0);
        QCOMPARE(Numbers::amount(QStringLiteral("1,000,000.5")), 1000000.5);
    }

    void amountText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("thousand groups") << 1000.0 << "1,000.00";
        QTest::newRow("below thousand") << 999.5 << "999.50";
        QTest::newRow("negative never grouped") << -1500.0 << "-1500.00";
        QTest::newRow("rounds half up") << 0.125 << "0.13";
        QTest::newRow("binary 2.675 still rounds up") << 2.675 << "2.68";
        QTest::newRow("half away from zero negative") << -0.125 << "-0.13";
        QTest::newRow("grouped with rounding") << 12345.678 << "12,345.68";
        QTest::newRow("millions") << 1234567.891 << "1,234,567.89";
        QTest::newRow("picture chosen before rounding") << 999.999 << "1000.00";
        QTest::newRow("tiny negative is zero") << -0.001 << "0.00";
        QTest::newRow("20-digit price") << 99999999999999999999.0 << "100,000,000,000,000,000,000.00";
        QTest::newRow("0.1+0.2") << 0.1 + 0.2 << "0.30";
        QTest::newRow("infinity never shows") << std::numeric_limits<double>::infinity() << "0.00";
    }
    void amountText() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(Numbers::amountText(value), expected);
    }

    void pictures_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("expected");
        QTest::newRow("grouped zero-fills") << 5.0 << int(Numbers::Picture::Grouped) << "0,005.00";
        QTest::newRow("plain thousand") << 1500.0 << int(Numbers::Picture::Plain) << "1500.00";
        QTest::newRow("millions zero-fills") << 23.0 << int(Numbers::Picture::Millions) << "0,000,023.00";
        QTest::newRow("carry into new digit") << 9999.995 << int(Numbers::Picture::Grouped) << "10,000.00";
    }
    void pictures() {
        QFETCH(double, value);
        QFETCH(int, picture);
        QFETCH(QString, expected);
        QCOMPARE(Numbers::format(value, Numbers::Picture(picture)), expected);
    }

    void plain_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fraction") << 7.5 << "7.5";
        QTest::newRow("15 digits") << 0.1 + 0.2 << "0.3";
        QTest::newRow("large exponent") << 1.5e20 << "1.5E+20";
        QTest::newRow("1E+15") << 1e15 << "1E+15";
        QTest::newRow("below 1E+15 stays plain") << 123456789012345.0 << "123456789012345";
        QTest::newRow("small exponent") << 2e-7 << "2E-07";
        QTest::newRow("negative zero") << -0.0 << "0";
    }
    void plain() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(Numbers::plain(value), expected);
    }

    void floorText() {
        QCOMPARE(Numbers::floorText(12.7), QStringLiteral("12"));
        QCOMPARE(Numbers::floorText(-2.5), QStringLiteral("-3"));
    }
};

QTEST_APPLESS_MAIN(NumbersTest)
#include "numbers_test.moc"

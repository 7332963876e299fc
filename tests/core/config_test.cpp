#include "CounterRig.h"
#include "core/base/Cp1252.h"
#include "core/shop/Config.h"
#include "core/shop/Contrast.h"
#include "core/shop/ShopInfo.h"
#include "core/shop/ThemePalette.h"

#include <QDir>
#include <QTest>

#include <tuple>

namespace {
const QString kConfig = QStringLiteral("VL Config.ini");

QString today(const CounterRig& rig) {
    return rig.clock.at.date().toString(QStringLiteral("dd/MM/yyyy"));
}

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

using TextOnRow = std::tuple<Rgb, Rgb, Rgb>;
// file lines ("today" and "yesterday" stand for those dates); back to record, tickets, stock, ticket, amounts
using ReadRow = std::pair<QStringList, QString>;

// The shop's settings file and the colours of its theme.
class ConfigTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scramble() {
        QCOMPARE(Cp1252::encode(Config::scramble(QStringLiteral("12"))),
                 QByteArray("\x3c\x48")); // 49+11, 50+22
        for (qint64 n : {1LL, 7LL, 10LL, 99LL, 1000LL, 12345LL, 99999999LL, 987654321LL})
            QCOMPARE(Config::unscramble(Config::scramble(QString::number(n))), QString::number(n));
        const QString garbage[] = {"zz", "", "<<<<<<<<<<", Cp1252::decode(QByteArray("\x01\xff"))};
        for (const QString& text : garbage)
            QCOMPARE(Config::unscramble(text), QStringLiteral("1"));
    }

    void missingFileStartsWithDefaultsAndWritesOne() {
        CounterRig rig(QStringLiteral("ES"), QStringLiteral("clave"));
        rig.start();
        QCOMPARE(rig.shop.lines(kConfig), (QStringList{"0", "0", "0", Config::scramble(QStringLiteral("1")),
                                                       today(rig), "clave", "ES", "0", "", ""}));
        QCOMPARE(rig.shop.bytes(kConfig).count("\r\n"), 10);
    }

    // Options read as numbers, the ticket number of today only, nothing after a bad date.
    void reading_data() {
        QTest::addColumn<ReadRow>("row");
        const QString ten = Config::scramble(QStringLiteral("10"));
        const auto row = [](const QByteArray& name, const QStringList& lines, const char* read) {
            QTest::newRow(name.constData()) << ReadRow{lines, read};
        };
        row("today", {"0", "0", "0", ten, "today", "", "", "0", "", ""}, "0000 #10");
        row("yesterday", {"0", "0", "0", ten, "yesterday", "", "", "0", "", ""}, "0000 #1");
        for (const char* o : {"2", "", "x", "0.5"})
            row(QByteArray("option '") + o + "'", {o, o, o, "", "today", "", "", o, "", ""},
                QString(o) == "2" ? "1111 #1" : "0000 #1");
        row("amounts lose their commas", {"0", "0", "0", "", "today", "", "", "0", "1,500", "500"},
            "0000 #1 $1500 top 500");
        row("a bad date stops the reading",
            {"1", "1", "0", Config::scramble(QStringLiteral("5")), "not a date", "", "", "1", "9", "9"},
            "1100 #1");
    }
    void reading() {
        QFETCH(ReadRow, row);
        auto [lines, read] = row;
        CounterRig rig;
        lines.replaceInStrings(QStringLiteral("yesterday"),
                               rig.clock.at.date().addDays(-1).toString("dd/MM/yyyy"));
        rig.shop.write(kConfig, lines.replaceInStrings(QStringLiteral("today"), today(rig)));
        const Settings& s = rig.start().settings().values();
        QString got = QString("%1%2%3%4 #%5")
                          .arg(int(s.backToRecord))
                          .arg(int(s.printTickets))
                          .arg(int(s.doubleTicket))
                          .arg(int(s.seeStock))
                          .arg(s.ticketNumber);
        if (s.cashLimit) got += " $" + QString::number(*s.cashLimit);
        if (s.topNote) got += " top " + QString::number(*s.topNote);
        QCOMPARE(got, read);
        QVERIFY(!rig.shop.lines(kConfig).mid(8).join(u' ').contains(u','));
    }

    void keyAndLanguageAreRewrittenFromMemory() {
        CounterRig rig(QStringLiteral("EN"), QStringLiteral("k2"));
        rig.shop.write(kConfig, {"0", "0", "0", "", today(rig), "old key", "ES", "0", "", ""});
        rig.start();
        QCOMPARE(rig.shop.lines(kConfig).mid(5, 2), (QStringList{"k2", "EN"}));
    }

    void garbageNeverStopsTheStart_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe\r\n\x80\x81\r\n", 10);
        QTest::newRow("one huge line") << QByteArray(10 * 1024 * 1024, '7');
        QTest::newRow("few lines") << QByteArray("1\r\n");
        QTest::newRow("only blank lines") << QByteArray("\r\n").repeated(11);
    }
    void garbageNeverStopsTheStart() {
        QFETCH(QByteArray, content);
        CounterRig rig;
        rig.shop.writeBytes(kConfig, content);
        QCOMPARE(rig.start().settings().values().ticketNumber, 1);
        const QStringList lines = rig.shop.lines(kConfig);
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[4], today(rig));
    }

    void togglesAreSaved() {
        CounterRig rig;
        Counter& c = rig.start();
        c.settings().toggleBackToRecord();
        c.mnuSeeStock_Click();
        QCOMPARE(rig.shop.lines(kConfig).at(0), QStringLiteral("1"));
        QCOMPARE(rig.shop.lines(kConfig).at(7), QStringLiteral("1"));
        c.settings().toggleDouble(); // also turns tickets on
        QCOMPARE(rig.shop.lines(kConfig).mid(1, 2), (QStringList{"1", "1"}));
        c.settings().toggleTickets(); // off, and the double ticket with it
        QCOMPARE(rig.shop.lines(kConfig).mid(1, 2), (QStringList{"0", "0"}));
    }

    void aFailedSaveIsShownAndKeepsTheSetting() {
        CounterRig rig;
        Counter& c = rig.start();
        QFile::remove(rig.shop.file(kConfig));
        QDir(rig.shop.path()).mkdir(kConfig);
        c.settings().toggleBackToRecord();
        QVERIFY(c.settings().values().backToRecord);
        QCOMPARE(rig.dialogs.messages(),
                 QStringList{QStringLiteral("No se pudo guardar la configuración, intente más tarde.")});
        QCOMPARE(rig.dialogs.shown.last().icon, Dialogs::Icon::Error);
    }

    // A text colour that is readable stays; one that is not gives way to black or near-white.
    void textOn_data() {
        QTest::addColumn<TextOnRow>("row");
        const Rgb white{250, 250, 250}, black{0, 0, 0};
        QTest::newRow("white on dark green kept") << TextOnRow{{0, 80, 20}, white, white};
        QTest::newRow("white on pale blue") << TextOnRow{{240, 250, 255}, white, black};
        QTest::newRow("black on dark grey") << TextOnRow{{30, 40, 50}, black, white};
        QTest::newRow("pure red takes black") << TextOnRow{{255, 0, 0}, white, black};
        QTest::newRow("mid red keeps near-white") << TextOnRow{{225, 0, 0}, white, white};
    }
    void textOn() {
        QFETCH(TextOnRow, row);
        const auto& [back, wished, expected] = row;
        QVERIFY(Contrast::textOn(back, wished) == expected);
    }

    // The colour line as a shop may write it.
    void everyThemeReadable_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("default green") << QString();
        QTest::newRow("out of range") << "300 -5 abc";
        QTest::newRow("huge") << "1e9 1e9 1e9";
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

    void sweep() {
        for (int r = 0; r <= 255; r += 15)
            for (int g = 0; g <= 255; g += 15)
                for (int b = 0; b <= 255; b += 15)
                    checkReadable(ThemePalette(Rgb{r, g, b}));
    }
};

QTEST_APPLESS_MAIN(ConfigTest)
#include "config_test.moc"

#include "TempShop.h"
#include "core/history/ChartLook.h"
#include "core/history/History.h"
#include "core/history/ReportDocument.h"
#include "core/history/ReportTables.h"
#include "core/register/DayRegister.h"
#include "core/shop/Contrast.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <tuple>

using Files = QMap<QString, QStringList>;

namespace {

const QDate kDay(2026, 12, 5);

const QStringList kSpanishDay = {
    "2 x PAN de $12.50 = $25.00",
    "1 x LECHE de $18.00 (-10%) = $16.20",
    "     -10% de descuento",
    "-----(09:15)------------------------------> [TOTAL $37.08]",
    "3 x PAN de $12.50 = $37.50",
    "-----(09:20)------------------------------> CANCELADO",
    "-----(10:00)-------> [INGRESO $50.00] cambio",
    "-----(11:00)-------> [RETIRO $20.00] pago total",
    "-----(11:05)-------> [CAJA ABIERTA]",
    "1 x CAFÉ de $1,250.00 = $1,250.00",
    "-----(18:30)------------------------------> [TOTAL $1,250.00]",
};
const QStringList kEnglishDay = {
    "1 x MILK of $18.00 = $18.00",
    "*****(12:00)**************************** [CARD $18.00]",
    "*****(12:30)********* [CARD $100.00]",
    "2 x BREAD free",
    "-----(13:00)------------------------------> [TOTAL $0.00]",
};
const QStringList kOneSale = {"1 x PAN de $12.50 = $12.50",
                              "-----(08:00)------------------------------> [TOTAL $12.50]"};

// Writes the files of a row: "name" in Windows-1252, "name@utf8" in UTF-8, "name@folder" as a folder.
void writeFiles(const TempShop& shop, const Files& files) {
    for (auto f = files.cbegin(); f != files.cend(); ++f) {
        QString name = f.key();
        if (name.endsWith("@folder")) {
            QDir(shop.path()).mkdir(name.chopped(7));
        } else if (name.endsWith("@utf8")) {
            shop.writeBytes(name.chopped(5), f.value().join("\r\n").toUtf8() + "\r\n");
        } else {
            shop.write(name, f.value());
        }
    }
}

// Only the tallies that are not zero.
QString figuresText(const History::Figures& x) {
    QStringList out;
    const auto add = [&out](const char* name, int n, double a) {
        if (n || a) out << name + QString(" %1 %2").arg(n).arg(a, 0, 'f', 2);
    };
    add("sales", x.sales, x.amount);
    add("cash", x.cashSales, x.cashAmount);
    add("card", x.cardSales, x.cardAmount);
    add("card entries", x.cardEntries, x.cardEntryAmount);
    add("entries", x.entries, x.entryAmount);
    add("withdrawals", x.withdrawals, x.withdrawalAmount);
    add("cancelled", x.cancelled, 0);
    add("counts", int(x.counts.size()), x.countDifference);
    return out.join("; ");
}

QString bestText(const QList<History::BestSeller>& list) {
    QStringList out;
    for (const History::BestSeller& b : list)
        out << b.description + u' ' + QString::number(b.quantity) + u' ' + QString::number(b.amount, 'f', 2);
    return out.join("; ");
}

} // namespace

// memory: the day's register in memory, in place of its file
using FiguresRow = std::tuple<Files, QStringList, bool, QString, QString, int>;
using PeriodsRow = std::tuple<int, QDate, QDate, QDate>;
using BarsRow = std::tuple<QDate, QDate, QStringList, QList<double>>;

class SalesHistoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Register files against the figures and best sellers of 5 December 2026 (or 1-5 December: "month").
    void figuresOfTheFiles_data() {
        QTest::addColumn<FiguresRow>("row");
        const auto row = [](const char* name, const Files& files, const QStringList& memory, bool month,
                            const char* figures, const char* best, int unreadable = 0) {
            QTest::newRow(name) << FiguresRow{
                files, memory, month, QString::fromUtf8(figures), QString::fromUtf8(best), unreadable};
        };
        row("spanish day", {{"VENTAS #05-12-2026.txt", kSpanishDay}}, {}, false,
            "sales 2 1287.08; cash 2 1287.08; entries 1 50.00; withdrawals 1 20.00; cancelled 1 0.00",
            "PAN 2 25.00; CAFÉ 1 1250.00; LECHE 1 16.20");
        row("english day", {{"SALES #05-12-2026.txt", kEnglishDay}}, {}, false,
            "sales 2 18.00; cash 1 0.00; card 1 18.00; card entries 1 100.00", "BREAD 2 0.00; MILK 1 18.00");
        // A cut splits the day into files; both languages' files of one day add up.
        row("splits and both languages",
            {{"VENTAS #05-12-2026 (1).txt", kOneSale},
             {"VENTAS #05-12-2026 (2).txt", kOneSale},
             {"VENTAS #05-12-2026.txt", kOneSale},
             {"SALES #05-12-2026.txt", kEnglishDay}},
            {}, false, "sales 5 55.50; cash 4 37.50; card 1 18.00; card entries 1 100.00",
            "PAN 3 37.50; BREAD 2 0.00; MILK 1 18.00");
        // The counter took an old-style file into the day's file: it counts once. Alone, it counts.
        row("old-style names",
            {{"Ventas de 05-12-2026.txt", kOneSale},
             {"VENTAS #05-12-2026.txt", kOneSale},
             {"Ventas de 04-12-2026.txt", kOneSale}},
            {}, true, "sales 2 25.00; cash 2 25.00", "PAN 2 25.00");
        row("counts of the drawer",
            {{"VENTAS #05-12-2026.txt",
              {"=====(18:05)=====> [ARQUEO $1,450.00] esperado $1,462.50 faltante $12.50",
               "=====(19:05)=====> [ARQUEO $50.00]", "=====(20:00)=====> [ARQUEO $70.00] esperado"}},
             {"SALES #05-12-2026.txt",
              {"=====(21:00)=====> [CASH COUNT $100.00] expected $90.00 over $10.00"}}},
            {}, false, "counts 4 -2.50", "");
        // Lines of no known kind, a sale left open and an item line that lost its symbol count nothing.
        row("odd lines",
            {{"VENTAS #05-12-2026.txt",
              {"hola", "-----( roto", "***", "2 x PAN 12.50 = 25.00", "1 x PAN de $12.50 = $12.50",
               "-----(08:00)------------------------------> [TOTAL $12.50]", "5 x PAN de $12.50 = $62.50"}}},
            {}, false, "sales 1 12.50; cash 1 12.50", "PAN 1 12.50");
        row("windows-1252 and utf-8",
            {{"VENTAS #04-12-2026.txt",
              {"1 x CAFÉ de $30.00 = $30.00", "-----(08:00)------------------------------> [TOTAL $30.00]"}},
             {"VENTAS #05-12-2026.txt@utf8",
              {"2 x CAFÉ de $30.00 = $60.00", "-----(08:00)------------------------------> [TOTAL $60.00]"}}},
            {}, true, "sales 2 90.00; cash 2 90.00", "CAFÉ 3 90.00");
        row("unreadable and odd files",
            {{"VENTAS #05-12-2026.txt", kOneSale},
             {"VENTAS #05-12-2026 (1).txt@folder", {}},
             {"VENTAS #31-02-2026.txt", kOneSale},
             {"VENTAS #05-12-2026 (copia).txt", kOneSale},
             {"notas.txt", kOneSale}},
            {}, false, "sales 1 12.50; cash 1 12.50", "PAN 1 12.50", 3);
        // Today's register comes from memory, not from its file; the day's split file still counts.
        row("the day in memory",
            {{"VENTAS #05-12-2026.txt", kSpanishDay}, {"VENTAS #05-12-2026 (1).txt", kOneSale}},
            kOneSale + kOneSale + QStringList{"9 x PAN de $12.50 = $112.50"}, false,
            "sales 3 37.50; cash 3 37.50", "PAN 3 37.50");
        row("outside the period",
            {{"VENTAS #30-11-2026.txt", kOneSale},
             {"VENTAS #06-12-2026.txt", kOneSale},
             {"VENTAS #01-12-2026.txt", kOneSale}},
            {}, true, "sales 1 12.50; cash 1 12.50", "PAN 1 12.50");
    }
    void figuresOfTheFiles() {
        QFETCH(FiguresRow, row);
        auto [files, memory, month, figures, best, unreadable] = row;
        TempShop shop;
        writeFiles(shop, files);
        History::Source source{shop.path(), {}, {}, {}};
        if (!memory.isEmpty()) source = {shop.path(), kDay, shop.file("VENTAS #05-12-2026.txt"), memory};
        const History history = History::read({source});
        const Period period = Period::of(month ? Period::Kind::ThisMonth : Period::Kind::Today, kDay);
        QCOMPARE(figuresText(history.figures(period)), figures);
        QCOMPARE(bestText(history.bestSellers(period)), best);
        QCOMPARE(history.unreadable(), unreadable);
        // The sales one by one add up to the figures.
        double sum = 0;
        for (const SalesDay::SaleRow& sale : history.sales(period))
            sum += sale.amount;
        QCOMPARE(QString::number(sum, 'f', 2), QString::number(history.figures(period).amount, 'f', 2));
    }

    // Two tills' folders: together and each on its own; a sale read back with its lines.
    void severalFolders() {
        TempShop one, two;
        one.write("VENTAS #05-12-2026.txt", kSpanishDay);
        two.write("SALES #05-12-2026.txt", kEnglishDay);
        const History history = History::read({{one.path(), {}, {}, {}}, {two.path(), {}, {}, {}}});
        const Period day = Period::of(Period::Kind::Today, kDay);
        QCOMPARE(history.figures(day).sales, 4);
        QCOMPARE(history.figures(day, 0).sales, 2);
        QCOMPARE(history.figures(day, 1).cardSales, 1);
        const QList<SalesDay::SaleRow> sales = history.sales(day);
        QCOMPARE(sales.size(), 4);
        QCOMPARE(sales.first().time, "09:15"); // by time, whichever the folder
        const std::optional<SalesDay::PastSale> sale = history.sale(sales.first());
        QVERIFY(sale);
        QCOMPARE(sale->lines, kSpanishDay.mid(0, 3));
        QCOMPARE(sale->totalLine, kSpanishDay.at(3));
        const std::optional<SalesDay::PastSale> card = history.sale(sales.at(1));
        QVERIFY(card && card->row.card && card->lines == QStringList{kEnglishDay.first()});
        QCOMPARE(history.perHour(day).sales[9], 1);
        QCOMPARE(history.perHour(day).sales[12], 1);
    }

    // A long history is read on several threads: the days and the item names come together whole.
    void manyDaysReadTogether() {
        TempShop shop;
        for (int d = 0; d < 60; ++d)
            shop.write(QFileInfo(DayRegister::filePath(shop.path(), kDay.addDays(-d), Language())).fileName(),
                       kOneSale + QStringList{QString("1 x ITEM %1 de $1.00 = $1.00").arg(d),
                                              "-----(20:00)------------------------------> [TOTAL $1.00]"});
        const History history = History::read({{shop.path(), {}, {}, {}}});
        const Period days{kDay.addDays(-59), kDay};
        QCOMPARE(history.figures(days).sales, 120);
        const QList<History::BestSeller> best = history.bestSellers(days);
        QCOMPARE(best.size(), 61);
        QCOMPARE(bestText(best.mid(0, 2)), "PAN 60 750.00; ITEM 0 1 1.00");
        QCOMPARE(history.sales(days).first().date, kDay.addDays(-59));
        QCOMPARE(history.perDay(days).size(), 60);
    }

    void periods_data() {
        QTest::addColumn<PeriodsRow>("row");
        using K = Period::Kind;
        const QDate sat(2026, 12, 5);
        QTest::newRow("today") << PeriodsRow{int(K::Today), sat, sat, sat};
        QTest::newRow("yesterday over new year")
            << PeriodsRow{int(K::Yesterday), QDate(2027, 1, 1), QDate(2026, 12, 31), QDate(2026, 12, 31)};
        QTest::newRow("week from monday") << PeriodsRow{int(K::ThisWeek), sat, QDate(2026, 11, 30), sat};
        QTest::newRow("week on a monday")
            << PeriodsRow{int(K::ThisWeek), QDate(2026, 11, 30), QDate(2026, 11, 30), QDate(2026, 11, 30)};
        QTest::newRow("month") << PeriodsRow{int(K::ThisMonth), sat, QDate(2026, 12, 1), sat};
        QTest::newRow("last month in march")
            << PeriodsRow{int(K::LastMonth), QDate(2028, 3, 31), QDate(2028, 2, 1), QDate(2028, 2, 29)};
        QTest::newRow("last month in january")
            << PeriodsRow{int(K::LastMonth), QDate(2027, 1, 15), QDate(2026, 12, 1), QDate(2026, 12, 31)};
        QTest::newRow("year") << PeriodsRow{int(K::ThisYear), sat, QDate(2026, 1, 1), sat};
    }
    void periods() {
        QFETCH(PeriodsRow, row);
        auto [kind, today, first, last] = row;
        QCOMPARE(Period::of(Period::Kind(kind), today), (Period{first, last}));
        // A range is taken in either order.
        QCOMPARE(Period::of(Period::Kind::Range, today, last, first), (Period{first, last}));
    }

    // The bars of the per-day chart: a day each up to two months, then a month each.
    void bars_data() {
        QTest::addColumn<BarsRow>("row");
        QTest::newRow("days of one month")
            << BarsRow{QDate(2026, 12, 3), QDate(2026, 12, 5), QStringList{"3", "4", "5"},
                       QList<double>{0, 12.5, 1287.08}};
        QTest::newRow("across months") << BarsRow{QDate(2026, 11, 30), QDate(2026, 12, 1),
                                                  QStringList{"30/11", "1/12"}, QList<double>{0, 0}};
        QStringList months;
        for (int m = 1; m <= 12; ++m)
            months << QString("%1/2026").arg(m, 2, 10, QChar('0'));
        QList<double> cash(12, 0.0);
        cash[11] = 1299.58;
        QTest::newRow("a year") << BarsRow{QDate(2026, 1, 1), QDate(2026, 12, 31), months, cash};
    }
    void bars() {
        QFETCH(BarsRow, row);
        auto [first, last, labels, cash] = row;
        TempShop shop;
        shop.write("VENTAS #04-12-2026.txt", kOneSale);
        shop.write("VENTAS #05-12-2026.txt", kSpanishDay);
        const History history = History::read({{shop.path(), {}, {}, {}}});
        QStringList shown;
        QList<double> amounts;
        for (const History::Bar& bar : history.perDay({first, last})) {
            shown << bar.label;
            amounts << std::round(bar.cash * 100) / 100;
        }
        QCOMPARE(shown, labels);
        QCOMPARE(amounts, cash);
    }

    // Fields with commas, quotes, line breaks and accents come back as they went out.
    void csvRoundTrip() {
        const QList<QStringList> rows = {{"Descripción", "Cantidad"},
                                         {"PAN, BLANCO", "2"},
                                         {"TAZA \"GRANDE\"", "1.5"},
                                         {"dos\r\nlíneas", ""},
                                         {"", "€"}};
        const QByteArray bytes = ReportTables::csv(rows);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.contains("\"PAN, BLANCO\",2\r\n\"TAZA \"\"GRANDE\"\"\",1.5\r\n"));
        QCOMPARE(ReportTables::parseCsv(bytes), rows);
    }

    // Every text of a chart is readable in the default theme, a dark one and on paper.
    void chartTextsReadable() {
        for (const Rgb& theme : {Rgb{30, 120, 60}, Rgb{20, 20, 30}}) {
            const ChartLook look = ChartLook::of(ThemePalette(theme));
            QVERIFY(Contrast::ratio(look.text, look.background) >= Contrast::kReadable);
        }
        const ChartLook printed = ChartLook::printed();
        QVERIFY(Contrast::ratio(printed.text, printed.background) >= Contrast::kReadable);
    }

    // The printed report's text lines fit 58 mm paper.
    void printedReport() {
        TempShop shop;
        shop.write("VENTAS #05-12-2026.txt", kSpanishDay);
        const History history = History::read({{shop.path(), {}, {}, {}}});
        const Period day = Period::of(Period::Kind::Today, kDay);
        const ReportDocument::Data data("La Esquina", day, "Todas las carpetas", "05/12/2026 14:35",
                                        history.figures(day), history.bestSellers(day), {"png1", "png2"}, "$",
                                        Language());
        const PrintDocument document = ReportDocument::build(data);
        const QStringList lines = document.lines();
        for (const QString& line : lines)
            QVERIFY2(line.size() <= ReportDocument::kColumns, qPrintable(line));
        QVERIFY(lines.contains("Ventas              2  $1,287.08"));
        QVERIFY(lines.contains("2 PAN                     $25.00"));
        QCOMPARE(ReportDocument::columns("UNA DESCRIPCIÓN MUY LARGA DE VERDAD", "$1,250.00", 20),
                 "UNA DESCRI $1,250.00");
    }
};

QTEST_GUILESS_MAIN(SalesHistoryTest)
#include "sales_history_test.moc"

#include "CounterRig.h"
#include "core/register/DaySummary.h"
#include "core/register/RegisterLines.h"

#include <QTest>

#include <tuple>

namespace {

const QString kSale100 = QStringLiteral("-----(10:00)------------------------------> [TOTAL $100.00]");
const QString kEntry50 = QStringLiteral("-----(10:05)-------> [INGRESO $50.00] cambio");
const QString kOut30 = QStringLiteral("-----(10:10)-------> [RETIRO $30.00] banco");
const QString kCard86 = QStringLiteral("*****(11:00)**************************** [TARJETA $86.00]");
const QString kCard1250 = QStringLiteral("*****(11:30)********* [TARJETA $1,250.00]");

QString money(double amount) {
    return QString::number(amount, 'f', 2);
}

// The summary on one line: each tally that is not zero as "count amount", the expected cash, every
// count of the drawer as "time counted/expected/difference", then the time of the day's count.
QString describe(const DaySummary& s) {
    QStringList out;
    const auto add = [&out](const char* name, const DaySummary::Tally& t) {
        if (t.count || t.amount) out << name + QString(" %1 %2").arg(t.count).arg(money(t.amount));
    };
    add("cash", s.cashSales);
    add("in", s.entries);
    add("out", s.withdrawals);
    add("card", s.cardSales);
    add("simple", s.cardEntries);
    if (s.cancelled) out << "cancelled " + QString::number(s.cancelled);
    out << "expected " + money(s.expectedCash);
    for (const DaySummary::Count& c : s.counts)
        out << "count " + c.time + u' ' + money(c.counted) + u'/' + money(c.expected) + u'/' +
                   money(c.difference());
    if (s.lastCount()) out << "last " + s.lastCount()->time;
    return out.join(" | ");
}

QStringList split(const char* lines) {
    return QString::fromUtf8(lines).split(u'|');
}

QString fileName(const QString& language) {
    return (language == QLatin1String("EN") ? QStringLiteral("SALES #") : QStringLiteral("VENTAS #")) +
           QStringLiteral("05-12-2026.txt");
}

Counter& startWith(CounterRig& rig, const QStringList& lines) {
    rig.shop.write("VL Info.txt", {"La Esquina", QString::fromUtf8("Av. Juárez 128")});
    if (!lines.isEmpty()) rig.shop.write(fileName(rig.language), lines);
    Counter& c = rig.start();
    c.lblTask_Click(0);
    rig.dialogs.clear();
    rig.dialogs.unexpected = 0; // the load's questions
    return c;
}

} // namespace

// sale: a sale rung up and paid in cash: price and cash; cut: the day cut before the count; typed: the
// counted cash typed whole; pieces: or the pieces of each banknote and coin, highest first
using BookedRow =
    std::tuple<QString, QStringList, QStringList, bool, double, QList<int>, int, QString, QStringList>;
using SummaryRow = std::tuple<QString, QStringList, QString>;
using ReportsRow = std::tuple<QString, int, QStringList, QStringList>;

class CashCountTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The day's summary over register lines: the faults the cashiers of other programs meet.
    void summary_data() {
        QTest::addColumn<SummaryRow>("row");
        const auto row = [](const char* name, const char* language, const QStringList& lines,
                            const char* summary) {
            QTest::newRow(name) << SummaryRow{language, lines, summary};
        };
        row("entries add, withdrawals subtract", "", {kSale100, kEntry50, kOut30},
            "cash 1 100.00 | in 1 50.00 | out 1 30.00 | expected 120.00");
        row("card sales and card entries apart", "", {kCard86, kSale100, kCard1250},
            "cash 1 100.00 | card 1 86.00 | simple 1 1250.00 | expected 100.00");
        row("a withdrawal for the total", "", {kSale100, "-----(10:10)-------> [RETIRO $30.00] pago total"},
            "cash 1 100.00 | out 1 30.00 | expected 70.00");
        // Each count against the cash before it; the last one counts.
        row("two counts", "",
            {kSale100, "=====(12:00)=====> [ARQUEO $90.00] esperado $100.00 faltante $10.00", kEntry50,
             "=====(18:05)=====> [ARQUEO $1,150.50] esperado $150.00 sobrante $1,000.50"},
            "cash 1 100.00 | in 1 50.00 | expected 150.00 | count 12:00 90.00/100.00/-10.00 | "
            "count 18:05 1150.50/150.00/1000.50 | last 18:05");
        row("a count counts no cash and no sale", "",
            {"=====(08:00)=====> [ARQUEO $500.00] esperado $0.00 sobrante $500.00", kOut30},
            "out 1 30.00 | expected -30.00 | count 08:00 500.00/0.00/500.00 | last 08:00");
        row("english", "EN",
            {kSale100, "-----(10:05)-------> [ENTRY $50.00] float",
             "-----(10:10)-------> [WITHDRAWAL $30.00] bank",
             "-----(10:20)------------------------------> CANCELLED",
             "*****(11:00)**************************** [CARD $86.00]",
             "=====(18:05)=====> [CASH COUNT $120.00] expected $120.00 balanced"},
            "cash 1 100.00 | in 1 50.00 | out 1 30.00 | card 1 86.00 | cancelled 1 | expected 120.00 | "
            "count 18:05 120.00/120.00/0.00 | last 18:05");
        row("a spanish register read in english: its totals only", "EN",
            {kSale100, kEntry50, kOut30, kCard86, "-----(10:20)------------------------------> CANCELADO"},
            "cash 1 100.00 | expected 100.00");
    }
    void summary() {
        QFETCH(SummaryRow, row);
        const auto& [language, lines, summary] = row;
        const DaySummary day = DaySummary::of(lines, "$", Language(language));
        QCOMPARE(describe(day), summary);
        // The expected cash is the record tab's total to the last bit.
        QVERIFY(day.expectedCash == RegisterLines::cashTotal(lines, "$", Language(language)));
    }

    // A count booked through the counter: the register line and the notice, whole.
    void booked_data() {
        QTest::addColumn<BookedRow>("row");
        const auto row = [](const char* name, const QString& language, const QStringList& day,
                            const QStringList& sale, bool cut, double typed, const QList<int>& pieces,
                            int columns, const QString& line, const char* notice) {
            QTest::newRow(name) << BookedRow{language, day,     sale, cut,          typed,
                                             pieces,   columns, line, split(notice)};
        };
        // The change given is not cash taken: a sale of 86 paid with 100 leaves 86 more in the drawer.
        row("typed, es", "", {}, {"86", "100"}, false, 100.0, {}, 48,
            "=====(14:35)=====> [ARQUEO $100.00] esperado $86.00 sobrante $14.00",
            "|LA ESQUINA|Av. Juárez 128||ARQUEO DE CAJA|05/12/2026 14:35|"
            "------------------------------------------------|"
            "  Contado                                $100.00|"
            "  Esperado                                $86.00|"
            "  Sobrante                                $14.00||||.|");
        row("by denomination, en, 58 mm", "EN",
            {"-----(10:00)------------------------------> [TOTAL $1,462.50]"}, {}, false, 0.0,
            {0, 2, 2, 0, 0, 2, 1, 0, 0, 0, 0}, 32,
            "=====(14:35)=====> [CASH COUNT $1,450.00] expected $1,462.50 short $12.50",
            "|LA ESQUINA|Av. Juárez 128||CASH COUNT|05/12/2026 14:35|--------------------------------|"
            "  $500             2   $1,000.00|  $200             2     $400.00|"
            "  $20              2      $40.00|  $10              1      $10.00|"
            "--------------------------------|  Counted              $1,450.00|"
            "  Expected             $1,462.50|  Short                   $12.50||||.|");
        row("after a cut: the lines after it only", "", {kSale100, kEntry50}, {}, true, 0.0, {}, 48,
            "=====(14:35)=====> [ARQUEO $0.00] esperado $0.00 cuadra",
            "|LA ESQUINA|Av. Juárez 128||ARQUEO DE CAJA|05/12/2026 14:35|"
            "------------------------------------------------|"
            "  Contado                                  $0.00|"
            "  Esperado                                 $0.00|"
            "  Cuadra                                   $0.00||||.|");
    }
    void booked() {
        QFETCH(BookedRow, row);
        auto [language, day, sale, cut, typed, pieces, columns, line, notice] = row;
        CounterRig rig(language);
        rig.printer.paperColumns = columns;
        Counter& c = startWith(rig, day);
        if (!sale.isEmpty()) {
            rig.add("1", "RADIO", sale[0]);
            c.amounts().setCashText(sale[1]);
            rig.dialogs.answer(false); // no ticket
            c.eFinal();
        }
        if (cut) {
            rig.dialogs.answer(true);
            c.mnuPrintCut_Click();
        }
        std::optional<CashCount> count = c.startCashCount();
        QVERIFY(count);
        count->setTyped(typed);
        for (int i = 0; i < pieces.size(); ++i)
            count->setPieces(i, pieces[i]);
        rig.printer.jobs.clear();
        c.eCountCash(*count);
        QCOMPARE(c.notes().at(0).lines.last(), line);
        QCOMPARE(c.notes().saleStart(), c.notes().at(0).lines.size() - 1);
        QCOMPARE(rig.shop.lines(fileName(language)), c.notes().at(0).lines);
        QCOMPARE(rig.printer.jobs.size(), 1);
        QCOMPARE(rig.printer.jobs[0].kind(), PrintDocument::Kind::CountNotice);
        QCOMPARE(rig.printer.jobs[0].lines(), notice);
        QCOMPARE(rig.dialogs.unexpected, 0);
    }

    // The X report at any time and, at the cut, the Z report after the register report, whole.
    void reports_data() {
        QTest::addColumn<ReportsRow>("row");
        QTest::newRow("es, 80 mm") << ReportsRow{
            "", 48,
            QStringList{"2 x PAN de $12.50 = $25.00",
                        "-----(09:00)------------------------------> [TOTAL $25.00]",
                        "-----(09:05)-------> [INGRESO $1,500.00] fondo",
                        "-----(10:00)------------------------------> [TOTAL $1,437.50]", kCard86, kCard1250,
                        "-----(12:00)-------> [RETIRO $100.00] banco",
                        "-----(12:30)------------------------------> CANCELADO",
                        "-----(12:40)-------> [CAJA ABIERTA]",
                        "=====(13:00)=====> [ARQUEO $2,850.00] esperado $2,862.50 faltante $12.50", kSale100},
            split("|LA ESQUINA|CORTE X|05/12/2026 14:35|------------------------------------------------|"
                  "EFECTIVO|  Ventas                           3   $1,562.50|"
                  "  Ingresos                         1   $1,500.00|"
                  "  Retiros                          1     $100.00|"
                  "  Esperado                             $2,962.50|TARJETA|"
                  "  Ventas                           1      $86.00|"
                  "  Ingresos                         1   $1,250.00|CANCELADAS                         1|"
                  "------------------------------------------------|ARQUEO 13:00|"
                  "  Contado                              $2,850.00|"
                  "  Esperado                             $2,862.50|"
                  "  Faltante                                $12.50||||.|")};
        QTest::newRow("en, 58 mm, never counted")
            << ReportsRow{"EN", 32,
                          QStringList{"-----(10:00)------------------------------> [TOTAL $100.00]",
                                      "-----(12:00)-------> [WITHDRAWAL $1,500.00] bank"},
                          split("|LA ESQUINA|X REPORT|05/12/2026 14:35|--------------------------------|"
                                "CASH|  Sales            1     $100.00|  Entries          0       $0.00|"
                                "  Withdrawals      1   $1,500.00|  Expected             $-1400.00|CARD|"
                                "  Sales            0       $0.00|  Entries          0       $0.00|"
                                "CANCELLED          0|--------------------------------|"
                                "NO CASH COUNT||||.|")};
    }
    void reports() {
        QFETCH(ReportsRow, row);
        auto [language, columns, day, report] = row;
        CounterRig rig(language);
        rig.printer.paperColumns = columns;
        Counter& c = startWith(rig, day);
        QVERIFY(c.reports().printXReport());
        rig.dialogs.answer(true);
        c.mnuPrintCut_Click();
        QCOMPARE(rig.printer.jobs.size(), 3);
        QCOMPARE(rig.printer.jobs[0].kind(), PrintDocument::Kind::XReport);
        QCOMPARE(rig.printer.jobs[0].lines(), report);
        QCOMPARE(rig.printer.jobs[1].kind(), PrintDocument::Kind::Report);
        // The Z report: the same summary under its own heading and the split-off file's name.
        QStringList z = report;
        z[2] = language.isEmpty() ? "CORTE Z" : "Z REPORT";
        z.insert(3, fileName(language).replace(".txt", " (1).txt"));
        QCOMPARE(rig.printer.jobs[2].kind(), PrintDocument::Kind::ZReport);
        QCOMPARE(rig.printer.jobs[2].lines(), z);
    }
};

QTEST_MAIN(CashCountTest)
#include "cash_count_test.moc"

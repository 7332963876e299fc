#include "CounterRig.h"
#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"
#include "core/register/DayRegister.h"
#include "core/register/DaySummary.h"
#include "core/register/RegisterLines.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <tuple>

namespace {
// How many lines of all the shop's register files name the item.
qsizetype linesNaming(const TempShop& shop, const QString& item) {
    qsizetype found = 0;
    for (const QString& name : QDir(shop.path()).entryList({QStringLiteral("VENTAS #*.txt")}, QDir::Files))
        found += shop.lines(name).filter(" x " + item + u' ').size();
    return found;
}

void sell(CounterRig& rig, const QString& item) {
    rig.add("1", item, "2.00");
    rig.counter->amounts().setCashText("5");
    rig.counter->eFinal();
}

// Records the order in which data files are put in place, and can fail one of them.
struct Saves : TextFile::IoFaults {
    QStringList renamed;
    QString failing; // a file name whose rename fails with a full disk
    int fault(TextFile::IoStep step, const QString& path) override {
        if (step != TextFile::IoStep::Rename) return 0;
        const QString name = QFileInfo(path).fileName().section(u'.', 0, -2); // without the temporary end
        if (!failing.isEmpty() && name.startsWith(failing)) return ENOSPC;
        renamed << name;
        return 0;
    }
    ~Saves() override { TextFile::setIoFaults(nullptr); }
};

const QString kSale100 = QStringLiteral("-----(10:00)------------------------------> [TOTAL $100.00]");
const QString kEntry50 = QStringLiteral("-----(10:05)-------> [INGRESO $50.00] cambio");
const QString kOut30 = QStringLiteral("-----(10:10)-------> [RETIRO $30.00] banco");
const QString kCard86 = QStringLiteral("*****(11:00)**************************** [TARJETA $86.00]");
const QString kCard1250 = QStringLiteral("*****(11:30)********* [TARJETA $1,250.00]");

// Tallies as "count amount", counts as "time counted/expected/difference", then the last count's time.
QString describe(const DaySummary& s) {
    const auto money = [](double amount) { return QString::number(amount, 'f', 2); };
    QStringList out;
    const std::pair<const char*, DaySummary::Tally> tallies[] = {{"cash", s.cashSales},
                                                                 {"in", s.entries},
                                                                 {"out", s.withdrawals},
                                                                 {"card", s.cardSales},
                                                                 {"simple", s.cardEntries}};
    for (const auto& [name, t] : tallies)
        if (t.count || t.amount) out << name + QString(" %1 %2").arg(t.count).arg(money(t.amount));
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

// sale: price and cash; cut: the day cut first; typed: the cash typed whole, or the pieces of each note
using BookedRow =
    std::tuple<QString, QStringList, QStringList, bool, double, QList<int>, int, QString, QStringList>;
using BlankRow = std::pair<QByteArray, bool>;
using ClosingRow = std::pair<QStringList, bool>; // the register, whether closing cancels its sale
using SummaryRow = std::tuple<QString, QStringList, QString>;
using ReportsRow = std::tuple<QString, int, QStringList, QStringList>;

// The day's register whatever the clock and the disk do, the cash count and the X and Z reports.
class DayRegisterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The lines no other test reads back.
    void lineCatalogue() {
        const Language en("EN");
        QCOMPARE(RegisterLines::cancelled("14:35", en),
                 QString("-----(14:35)------------------------------> CANCELLED"));
        QCOMPARE(RegisterLines::cashEntry("09:05", "€", 1500, "", en),
                 QString("-----(09:05)-------> [ENTRY €1,500.00] "));
        QCOMPARE(RegisterLines::simpleCard("18:41", "$", 86, en),
                 QString("*****(18:41)********* [CARD $86.00]"));
    }

    void loadingKeepsLinesAsWritten() {
        CounterRig rig;
        const QByteArray sale = kSale100.toLatin1();
        rig.shop.writeBytes(rig.registerName(),
                            "  1 x A de $5.00 = $5.00\r\n\r\n   \r\n" + sale + "\r\n\x01\x80\xff odd\r\n");
        Counter& c = rig.start();
        QCOMPARE(c.notes().at(0).lines,
                 (QStringList{"  1 x A de $5.00 = $5.00", kSale100, QString::fromUtf8("\x01€ÿ odd")}));
        QCOMPARE(c.notes().saleStart(), 2);
        QCOMPARE(c.notes().at(0).selected, 2);
        c.book().eSaveNote();
        QCOMPARE(rig.shop.bytes(rig.registerName()),
                 "  1 x A de $5.00 = $5.00\r\n" + sale + "\r\n\x01\x80\xff odd\r\n");
    }

    // Only blanks make a line blank; a register of a blank line alone is deleted.
    void blankLines_data() {
        QTest::addColumn<BlankRow>("row");
        QTest::newRow("blanks") << BlankRow{"    ", false};
        QTest::newRow("tab") << BlankRow{"\t", true};
        QTest::newRow("no-break space") << BlankRow{"\xa0", true};
        QTest::newRow("lone CR") << BlankRow{"\r\r", true};
    }
    void blankLines() {
        QFETCH(BlankRow, row);
        const auto& [line, kept] = row;
        TempShop shop;
        const QDate day(2026, 12, 5);
        const QString file = DayRegister::filePath(shop.path(), day, Language());
        shop.writeBytes(QFileInfo(file).fileName(), kSale100.toLatin1() + "\r\n" + line + "\r\n");
        const QStringList loaded = DayRegister::load(shop.path(), day, Language()).value();
        QStringList expected{kSale100};
        if (kept) expected << Cp1252::decode(line);
        QCOMPARE(loaded, expected);
        QVERIFY(DayRegister::save(shop.path(), day, Language(), loaded));
        QCOMPARE(DayRegister::load(shop.path(), day, Language()).value(), expected);
        QVERIFY(DayRegister::save(shop.path(), day, Language(), {Cp1252::decode(line)}));
        QCOMPARE(QFileInfo::exists(file), kept);
    }

    // An old-style file is read until a cut splits it off; its sales never come back (counted twice).
    void oldStyleFileIsReadButNeverWritten() {
        CounterRig rig;
        rig.shop.write("Ventas de 05-12-2026.txt", {kSale100});
        Counter& c = rig.start();
        QCOMPARE(c.notes().at(0).lines, QStringList{kSale100});
        rig.dialogs.answer(true);
        c.mnuPrintCut_Click();
        QCOMPARE(rig.shop.lines("VENTAS #05-12-2026 (1).txt"), QStringList{kSale100});
        QVERIFY(c.notes().at(0).lines.isEmpty());
        c.book().eSaveNote();
        QVERIFY(!rig.shop.exists(rig.registerName()));
        QCOMPARE(rig.shop.lines("Ventas de 05-12-2026.txt"), QStringList{kSale100});
    }

    void closingCancelsAnUnfinishedSale_data() {
        QTest::addColumn<ClosingRow>("row");
        QTest::newRow("empty") << ClosingRow{{}, false};
        QTest::newRow("closed sale") << ClosingRow{{kSale100}, false};
        QTest::newRow("card line") << ClosingRow{{kCard86}, false};
        QTest::newRow("item line") << ClosingRow{{kSale100, "1 x A de $5.00 = $5.00"}, true};
        QTest::newRow("discount line") << ClosingRow{{"     -10% de descuento"}, true};
    }
    void closingCancelsAnUnfinishedSale() {
        QFETCH(ClosingRow, row);
        auto [lines, cancelled] = row;
        CounterRig rig;
        if (!lines.isEmpty()) rig.shop.write(rig.registerName(), lines);
        const QStringList list = lines.isEmpty() ? QStringList() : QStringList{"[1] A $5.00"}; // or none
        if (!list.isEmpty()) rig.shop.write("VL Lista.txt", list);
        rig.dialogs.answer(false); // no new list
        Counter& c = rig.start();
        rig.clock.at.setTime(QTime(21, 7));
        c.unload();
        if (cancelled) lines << "-----(21:07)------------------------------> CANCELADO";
        QCOMPARE(rig.shop.lines(rig.registerName()), lines);
        QCOMPARE(rig.shop.lines("VL Lista.txt"), list);
        QCOMPARE(rig.shop.exists("VL Lista.txt"), !list.isEmpty());
    }

    void midnightWarningShowsOnce() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.dialogs.clear();
        for (const QTime& time : {QTime(23, 55, 0), QTime(23, 55, 0, 500), QTime(23, 55, 1)}) {
            rig.clock.at = QDateTime(QDate(2026, 12, 5), time);
            c.tmrNight_Timer();
        }
        QCOMPARE(rig.dialogs.messages(), QStringList{"Falta poco para la medianoche, se recomienda imprimir "
                                                     "el registro antes de que finalice el día."});
    }

    void theDayWaitsWhileABoxIsOpen() {
        CounterRig rig;
        Counter& c = rig.start();
        c.lblTask_Click(0);
        rig.add("1", "A", "5");
        c.amounts().setCashText("5");
        bool changedDuringQuestion = true;
        rig.dialogs.onQuestion = [&](const QString&) {
            rig.clock.at = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 1));
            c.tmrNight_Timer(); // a tick while the ticket question is open
            changedDuringQuestion = c.book().registerDate() != QDate(2026, 12, 5);
        };
        rig.dialogs.answer(false);
        c.eFinal();
        QVERIFY(!changedDuringQuestion);
        QCOMPARE(rig.shop.lines("VENTAS #05-12-2026.txt").size(), 2); // the sale closed on its own day
        c.tmrNight_Timer();
        QCOMPARE(c.book().registerDate(), QDate(2026, 12, 6));
        QVERIFY(c.notes().at(0).lines.isEmpty());
    }

    void changeOfDayKeepsTheOpenSale() {
        CounterRig rig;
        rig.shop.write(rig.registerName(), {"1 x A de $5.00 = $5.00", kSale100});
        Counter& c = rig.start();
        c.lblTask_Click(0);
        rig.add("1", "B", "7");
        rig.dialogs.clear();
        rig.clock.at = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0));
        c.tmrNight_Timer();
        c.tmrNight_Timer();
        QCOMPARE(rig.dialogs.messages().size(), 1);
        QCOMPARE(c.notes().at(0).lines, QStringList{"1 x B de $7.00 = $7.00"});
        QCOMPARE(c.notes().saleStart(), -1); // the open sale stays open into the new day
        QVERIFY(!rig.shop.exists("VENTAS #06-12-2026.txt"));
        QCOMPARE(rig.shop.lines("VENTAS #05-12-2026.txt").size(), 2);
        c.book().eSaveNote();
        QCOMPARE(rig.shop.lines("VENTAS #06-12-2026.txt"), QStringList{"1 x B de $7.00 = $7.00"});
        // Several midnights: one change for each new date.
        rig.clock.at = QDateTime(QDate(2026, 12, 8), QTime(8, 0, 0));
        c.tmrNight_Timer();
        c.tmrNight_Timer();
        QCOMPARE(rig.dialogs.messages().size(), 2);
        QCOMPARE(c.book().registerDate(), QDate(2026, 12, 8));
    }

    // The day left behind at midnight cannot be written (disk full): the cashier is told, once.
    void dayLeftBehindThatCannotBeSavedIsReported() {
        CounterRig rig;
        Counter& c = rig.start();
        sell(rig, "PAN");
        rig.dialogs.clear();
        Saves saves;
        saves.failing = "VENTAS #05";
        TextFile::setIoFaults(&saves);
        rig.clock.at = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0));
        c.tmrNight_Timer();
        QCOMPARE(rig.dialogs.messages().count("No se pudo guardar el registro del día, intente más tarde."),
                 1);
    }

    // Each sale in exactly one file; "midnight" rings an item up at 23:59:59 and closes it just after.
    void everySaleInOneFile_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("clock back a day") << QStringList{"-1d"};
        QTest::newRow("clock forward a day") << QStringList{"+1d"};
        QTest::newRow("back, then forward again") << QStringList{"-1d", "+1d"};
        QTest::newRow("forward, then back again") << QStringList{"+1d", "-1d", "+1d"};
        QTest::newRow("closed just after midnight") << QStringList{"midnight"};
        QTest::newRow("midnight, then back") << QStringList{"midnight", "-1d"};
    }
    void everySaleInOneFile() {
        QFETCH(QStringList, steps);
        CounterRig rig;
        rig.start();
        sell(rig, "ITEM0");
        int sold = 1;
        for (const QString& step : steps) {
            const QString item = "ITEM" + QString::number(sold++);
            if (step == "midnight") {
                rig.clock.at = QDateTime(rig.clock.at.date(), QTime(23, 59, 59));
                rig.add("1", item, "2.00");
                rig.clock.at = rig.clock.at.addMSecs(1300);
                rig.counter->amounts().setCashText("5");
                rig.counter->eFinal();
                continue;
            }
            rig.clock.at = rig.clock.at.addDays(step == "+1d" ? 1 : -1);
            sell(rig, item);
            rig.counter->tmrNight_Timer();
        }
        rig.counter->unload();
        for (int i = 0; i < sold; ++i)
            QCOMPARE(linesNaming(rig.shop, "ITEM" + QString::number(i)), 1);
    }

    void unreadableRegisterGetsRecoveredFile() {
        for (const auto& [language, recovered] : {std::pair("", "VENTAS #05-12-2026 (recuperado).txt"),
                                                  std::pair("EN", "SALES #05-12-2026 (recovered).txt")}) {
            CounterRig rig(language);
            const QString day = fileName(language);
            QVERIFY(QFile::link("/nonexistent/offline-drive/x.txt", rig.shop.file(day)));
            rig.start();
            QCOMPARE(rig.dialogs.messages().size(), 1);
            QVERIFY(rig.dialogs.messages().first().contains(day));
            sell(rig, "PAN");
            rig.counter->unload();
            QVERIFY(QFileInfo(rig.shop.file(day)).isSymLink());
            QVERIFY(rig.shop.lines(recovered).join(u'\n').contains("PAN"));
        }
    }

    void registerSavedBeforeStock() {
        CounterRig rig;
        rig.shop.write("VL Lista.txt", {"[5] PAN $2.00"});
        rig.start();
        rig.add("1", "PAN", "2.00");
        rig.counter->amounts().setCashText("5");
        Saves saves;
        TextFile::setIoFaults(&saves);
        rig.counter->eFinal();
        QVERIFY(saves.renamed.contains("VL Lista"));
        QVERIFY(saves.renamed.first().startsWith("VENTAS"));
    }

    void settingSavedAtCloseAfterFullDisk() {
        CounterRig rig;
        rig.start();
        const bool before = rig.counter->settings().values().backToRecord;
        Saves saves;
        saves.failing = "VL Config";
        TextFile::setIoFaults(&saves);
        rig.counter->settings().toggleBackToRecord();
        saves.failing.clear();
        rig.counter->unload();
        rig.counter.reset();
        QCOMPARE(rig.start().settings().values().backToRecord, !before);
    }

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

    // A count booked through the counter: the register line and the notice, whole where given.
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
            "=====(14:35)=====> [ARQUEO $0.00] esperado $0.00 cuadra", "");
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
        if (notice.size() > 1) QCOMPARE(rig.printer.jobs[0].lines(), notice);
        QCOMPARE(rig.dialogs.unexpected, 0);
    }

    // The X report at any time and, at the cut, the Z report after the register report, whole.
    void reports_data() {
        QTest::addColumn<ReportsRow>("row");
        const auto row = [](const char* name, const char* language, int columns, const QStringList& day,
                            const char* report) {
            QTest::newRow(name) << ReportsRow{language, columns, day, split(report)};
        };
        row("es, 80 mm", "", 48,
            {"2 x PAN de $12.50 = $25.00", "-----(09:00)------------------------------> [TOTAL $25.00]",
             "-----(09:05)-------> [INGRESO $1,500.00] fondo",
             "-----(10:00)------------------------------> [TOTAL $1,437.50]", kCard86, kCard1250,
             "-----(12:00)-------> [RETIRO $100.00] banco",
             "-----(12:30)------------------------------> CANCELADO", "-----(12:40)-------> [CAJA ABIERTA]",
             "=====(13:00)=====> [ARQUEO $2,850.00] esperado $2,862.50 faltante $12.50", kSale100},
            "|LA ESQUINA|CORTE X|05/12/2026 14:35|------------------------------------------------|EFECTIVO|"
            "  Ventas                           3   $1,562.50|"
            "  Ingresos                         1   $1,500.00|"
            "  Retiros                          1     $100.00|"
            "  Esperado                             $2,962.50|TARJETA|"
            "  Ventas                           1      $86.00|"
            "  Ingresos                         1   $1,250.00|CANCELADAS                         1|"
            "------------------------------------------------|ARQUEO 13:00|"
            "  Contado                              $2,850.00|"
            "  Esperado                             $2,862.50|"
            "  Faltante                                $12.50||||.|");
        row("en, 58 mm, never counted", "EN", 32,
            {kSale100, "-----(12:00)-------> [WITHDRAWAL $1,500.00] bank"},
            "|LA ESQUINA|X REPORT|05/12/2026 14:35|--------------------------------|"
            "CASH|  Sales            1     $100.00|  Entries          0       $0.00|"
            "  Withdrawals      1   $1,500.00|  Expected             $-1400.00|CARD|"
            "  Sales            0       $0.00|  Entries          0       $0.00|"
            "CANCELLED          0|--------------------------------|NO CASH COUNT||||.|");
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

QTEST_GUILESS_MAIN(DayRegisterTest)
#include "day_register_test.moc"

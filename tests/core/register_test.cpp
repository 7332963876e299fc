#include "CounterRig.h"
#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"
#include "core/counter/KeyRouter.h"
#include "core/counter/ScanDetector.h"
#include "core/history/ChartLook.h"
#include "core/history/History.h"
#include "core/history/ReportDocument.h"
#include "core/history/ReportTables.h"
#include "core/note/NoteLines.h"
#include "core/register/DayRegister.h"
#include "core/register/DaySummary.h"
#include "core/register/RegisterEntry.h"
#include "core/register/RegisterLines.h"
#include "core/shop/Contrast.h"
#include "core/shop/ShopInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <tuple>

// line as read: kind|time|amount|text|quantity|price|percent, empty and zero fields at the end left out
using KindRow = std::pair<QString, QString>;
using FileRow = std::tuple<QString, QString>;

using Files = QMap<QString, QStringList>;

namespace {

// Text is the reason of a booking or the description of an item.
QString readAs(const RegisterEntry& e) {
    static const QStringList kinds{"other", "item",       "discount", "interest", "total",       "cancelled",
                                   "entry", "withdrawal", "drawer",   "card",     "simple card", "count"};
    const bool item = e.kind() == RegisterEntry::Kind::Item;
    QStringList out{kinds.value(int(e.kind())),    e.time(),
                    QString::number(e.amount()),   item ? e.description() : e.reason(),
                    QString::number(e.quantity()), QString::number(e.unitPrice()),
                    QString::number(e.percent())};
    while (out.size() > 1 && (out.last().isEmpty() || out.last() == "0"))
        out.removeLast();
    return out.join(u'|');
}

const QString kSale100 = QStringLiteral("-----(10:00)------------------------------> [TOTAL $100.00]");
const QString kEntry50 = QStringLiteral("-----(10:05)-------> [INGRESO $50.00] cambio");
const QString kOut30 = QStringLiteral("-----(10:10)-------> [RETIRO $30.00] banco");
const QString kCard86 = QStringLiteral("*****(11:00)**************************** [TARJETA $86.00]");
const QString kCard1250 = QStringLiteral("*****(11:30)********* [TARJETA $1,250.00]");
const QString kRefusal = QStringLiteral("Primero complete la operación de la nota de registro.");

QString fileName(const QString& language) {
    return (language == QLatin1String("EN") ? QStringLiteral("SALES #") : QStringLiteral("VENTAS #")) +
           QStringLiteral("05-12-2026.txt");
}

// A counter on a register holding these lines, the record note in front, tickets printed or not asked.
Counter& startWith(CounterRig& rig, const QStringList& lines, bool tickets = true) {
    if (!lines.isEmpty()) rig.shop.write(fileName(rig.language), lines);
    Counter& c = rig.start();
    c.lblTask_Click(0);
    if (tickets) c.settings().toggleTickets();
    rig.dialogs.clear();
    rig.dialogs.unexpected = 0;
    return c;
}

QStringList printed(const CounterRig& rig, PrintDocument::Kind kind) {
    QStringList lines;
    for (const PrintDocument& job : rig.printer.jobs)
        if (job.kind() == kind) lines += job.lines();
    return lines;
}

// "<Cancel>" cancels its input box.
void typeAll(CounterRig& rig, const QStringList& answers) {
    for (const QString& a : answers)
        a == QLatin1String("<Cancel>") ? rig.dialogs.cancel() : rig.dialogs.type(a);
}

QStringList captions(const Counter& c) {
    QStringList out;
    for (int i = 0; i < Notes::kNotes; ++i)
        out << c.tabs().caption(i);
    return out;
}

// The entry fields: quantity|description|discount|price.
QString fields(const Counter& c) {
    QStringList out;
    for (EntryFields::Field f :
         {EntryFields::Quantity, EntryFields::Description, EntryFields::Discount, EntryFields::Price})
        out << c.fields().field(f);
    return out.join(u'|');
}

// The amounts shown: total|cash|change.
QString amounts(const Counter& c) {
    return c.amounts().totalText() + u'|' + c.amounts().cashText() + u'|' + c.amounts().changeText();
}

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

Counter& sideNoteWith100(CounterRig& rig) {
    Counter& c = rig.start();
    rig.dialogs.clear();
    rig.add("1", "A", "100");
    return c;
}

const QStringList kDayWithACard{"1 x OLD de $5.00 = $5.00",
                                "-----(09:00)------------------------------> [TOTAL $5.00]",
                                "*****(09:10)********* [TARJETA $3.00]"};

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

// op: 0 entry, 1 withdrawal, 2 card entry; line: the register's new last line, empty: nothing booked;
// notice: printed, by default the line up to its "]"
using MovementsRow = std::tuple<QString, int, QStringList, QString, int, QString>;
// procedure: 0 cash total, 1 sale count, 2 card sum, 3 card count
using MessagesRow = std::tuple<QString, QStringList, int, QString>;
// operation: 0 entry, 1 withdrawal, 2 simple card entry, 3 card sum
using RefusalRow = std::tuple<int, int, bool>;
using CashLimitRow = std::tuple<QString, QString, QString>;
using CutMenuRow = std::tuple<QStringList, int, bool>;
using ReplayRow = std::tuple<QString, QStringList, int, double>;
using ItemLinesRow = std::tuple<QString, QString, QString, QString>;
using UnusablePriceRow = std::tuple<QString, QString, QString, QStringList>;
using PickRow = std::tuple<bool, QString, QString, QString, SaleStep>;
using FreeItemRow = std::tuple<QString, bool, QStringList>;
using ReminderRow = std::tuple<QString, QString, bool>;
using ChangeRow = std::tuple<QString, QStringList, QString, QString, QString>;
using BackRow = std::tuple<bool, bool, int>;
using ScanRow = std::pair<QString, QString>;
// lines: empty for no file; red and blue of the theme
using ShopRow = std::tuple<QStringList, QString, QString, QString, QString, int, int>;

// sale: price and cash; cut: the day cut first; typed: the cash typed whole, or the pieces of each note
using BookedRow =
    std::tuple<QString, QStringList, QStringList, bool, double, QList<int>, int, QString, QStringList>;
using BlankRow = std::pair<QByteArray, bool>;
using ClosingRow = std::pair<QStringList, bool>; // the register, whether closing cancels its sale
using SummaryRow = std::tuple<QString, QStringList, QString>;
using ReportsRow = std::tuple<QString, int, QStringList, QStringList>;

// language, interest (else discount), answers, line added (empty: none), total, "too large" messages
using AdjustRow = std::tuple<QString, bool, QStringList, QString, QString, int>;
// steps, the line cancelled, the total before and after it
using CancelLineRow = std::tuple<QStringList, int, QString, QString>;
using CancelRow = std::tuple<int, int, bool>;
using QuantityRow = std::tuple<QString, QString, QString, QString>;
using SymbolRow = std::tuple<QStringList, QStringList, QString, QString>;
using OfferRow = std::tuple<QString, bool, QString, QString>;

// memory: the day's register in memory, in place of its file
using FiguresRow = std::tuple<Files, QStringList, bool, QString, QString, int>;
using PeriodsRow = std::tuple<int, QDate, QDate, QDate>;
using BarsRow = std::tuple<QDate, QDate, QStringList, QList<double>>;

// A sale on the counter's notes and the register it is written to: its lines, bookings, totals and cut;
// what the cashier types and the counter charges; the day's register whatever the clock and the disk do,
// the cash count and the X and Z reports; and the register files read back as the sales history.
class RegisterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every kind, then the lines a shop's hands or a cut-short file leave behind.
    void readsEveryKind_data() {
        QTest::addColumn<KindRow>("row");
        const auto row = [](const char* name, const QString& line, const char* read) {
            QTest::newRow(name) << KindRow{line, read};
        };
        row("sale total", "-----(14:35)------------------------------> [TOTAL $1,234.50]",
            "total|14:35|1234.5");
        row("cancelled", "-----(14:35)------------------------------> CANCELADO", "cancelled|14:35");
        row("entry", "-----(09:05)-------> [INGRESO $50.00] cambio", "entry|09:05|50|cambio");
        row("drawer opened", "-----(09:05)-------> [CAJA ABIERTA]", "drawer|09:05");
        row("card sale", "*****(18:41)**************************** [TARJETA $86.00]", "card|18:41|86");
        row("simple card", "*****(18:41)********* [TARJETA $86.00]", "simple card|18:41|86");
        row("count", "=====(18:05)=====> [ARQUEO $1,450.00] esperado $1,462.50",
            "count|18:05|1450|esperado $1,462.50");
        row("item", "2 x PAN de $12.50 = $25.00", "item||25|PAN|2|12.5");
        row("item with discount", "2 x PAN DE CASA de $1,500.00 (-10%) = $2,700.00",
            "item||2700|PAN DE CASA|2|1500|10");
        row("item with surcharge", "1.5 x PAN de $10.00 (+5%) = $15.75", "item||15.75|PAN|1.5|10|-5");
        row("free item", "3 x BOLSA gratis", "item||0|BOLSA|3");
        row("discount in per cent", "     -10% de descuento", "discount||0||0|0|10");
        row("discount as an amount", "     -$1,000 de descuento", "discount||1000");
        row("interest in per cent", "     +16% de interés", "interest||0||0|0|16");
        row("lower-case keyword", "-----(1)-------> [ingreso $10.00] Caja", "entry|1|10|Caja");
        row("keyword cut short", "-----(2)-> [TOTA $9]", "other|2");
        row("cut short in the amount", "-----(09:00)-> [TOTAL $100.0", "total|09:00|100");
        row("cut short in the time", "-----(09:0", "other");
        row("no symbol", "-----(09:00)-> [TOTAL 100.00]", "total|09:00");
        row("english keyword read in spanish", "*****(18:41)********* [CARD $86.00]", "other|18:41");
        // A keyword counts only where the program writes it: a reason or description naming a kind is text.
        row("kinds named in the reason",
            "-----(10:00)------------------------------> [TOTAL $5.00] cancelado tarjeta",
            "total|10:00|5|cancelado tarjeta");
        row("a card named in the reason", "*****(10:00)********* [TARJETA $5.00] ingreso total",
            "simple card|10:00|5|ingreso total");
        row("an item named as kinds", "1 x PAGO TOTAL CANCELADO de $1.00 = $1.00",
            "item||1|PAGO TOTAL CANCELADO|1|1");
        row("brackets in the reason", "-----(09:05)-> [RETIRO $5.00] caja [TOTAL $9]",
            "withdrawal|09:05|5|caja [TOTAL $9]");
        row("parenthesis after the brackets", "--- [TOTAL $5] (14:00)", "total||5|(14:00)");
        row("bare count", "=", "count");
        row("empty", "", "other");
        row("single signs", "-*", "other");
        row("item cut short", "2 x PAN de $12", "other");
        row("no bracket", "-----(2)-> TOTAL $9", "other|2");
        row("item without symbol", "2 x PAN de 12.50 = 25.00", "other");
        row("huge", QString(100000, 'x'), "other");
        row("binary", QString::fromLatin1("\x01\xff$12 x ["), "other");
    }
    void readsEveryKind() {
        QFETCH(KindRow, row);
        const auto& [line, read] = row;
        const RegisterEntry e = RegisterEntry::read(line, "$", Language());
        QCOMPARE(e.line(), line);
        QCOMPARE(readAs(e), read);
    }

    // The language comes from the file's name, the symbol from its first line.
    void aFileIsReadInTheLanguageOfItsName_data() {
        QTest::addColumn<FileRow>("row"); // language "none": no register file
        QTest::newRow("spanish") << FileRow{"/tienda/VENTAS #05-12-2026.txt", ""};
        QTest::newRow("english split-off") << FileRow{"SALES #05-12-2026 (2).txt", "EN"};
        QTest::newRow("not a register") << FileRow{"VL Lista.txt", "none"};
    }
    void aFileIsReadInTheLanguageOfItsName() {
        QFETCH(FileRow, row);
        const auto& [name, language] = row;
        const std::optional<Language> told = RegisterEntry::languageOfFile(name);
        QCOMPARE(told.has_value(), language != "none");
        const auto entries =
            RegisterEntry::readFile(name, {"1 x A de €5.00 = €5.00", "-----(10:00)-> [TOTAL €5.00]",
                                           "-----(10:05)-> [INGRESO €1,000.00] x"});
        QCOMPARE(entries.has_value(), told.has_value());
        if (!told) return;
        QCOMPARE(told->isEnglish(), language == "EN");
        double cash = 0;
        for (const RegisterEntry& entry : *entries)
            cash += entry.cash();
        QCOMPARE(cash, told->isEnglish() ? 5.0 : 1005.0);
    }

    void movements_data() {
        QTest::addColumn<MovementsRow>("row");
        const auto row = [](const char* name, const char* language, int op, const QStringList& answers,
                            const QString& line, int prompts, const char* notice = nullptr) {
            QTest::newRow(name) << MovementsRow{
                language, op, answers, line, prompts, notice ? notice : line.left(line.indexOf(u']') + 1)};
        };
        const QString at = "-----(14:35)-------> [", open = at + "CAJA ABIERTA]";
        row("commas removed", "", 0, {"1,500", "cambio"}, at + "INGRESO $1,500.00] cambio", 2);
        row("picture of the typed number", "", 1, {"999.999", "x"}, at + "RETIRO $1000.00] x", 2);
        row("negative asked again", "", 1, {"-20", "-0.5", "50", ""}, at + "RETIRO $50.00] ", 4);
        row("zero opens the drawer", "", 0, {"0"}, open, 1);
        row("blank", "", 0, {"  "}, "", 1);
        row("negative then cancelled", "", 1, {"-20", ""}, "", 2);
        row("cancelled at the reason", "", 0, {"25", "<Cancel>"}, "", 2);
        row("english", "EN", 0, {"20", "float"}, at + "ENTRY $20.00] float", 2);
        row("outside the code page", "", 0, {"5", "café 中\xF0\x9F\x98\x80\nfin"},
            at + "INGRESO $5.00] café ?? fin", 2);
        const QString longReason(10000, u'x');
        row("a long reason kept", "", 0, {"1", longReason}, at + "INGRESO $1.00] " + longReason, 2);
        const QString card = "*****(14:35)********* [TARJETA $";
        row("card entry", "", 2, {"1,250"}, card + "1,250.00]", 1);
        row("card entry asked again", "", 2, {"-3", "86"}, card + "86.00]", 2);
        row("card entry of zero: the drawer only", "", 2, {"0"}, "", 1,
            "-----(14:35)-------> [CAJA ABIERTA]");
        row("card entry blank", "", 2, {" "}, "", 1);
    }
    void movements() {
        QFETCH(MovementsRow, row);
        auto [language, op, answers, line, prompts, notice] = row;
        CounterRig rig(language);
        Counter& c = startWith(rig, {kSale100});
        typeAll(rig, answers);
        op == 2 ? c.eCreditCard() : op == 0 ? c.eInMoney() : c.eOutMoney();
        QCOMPARE(rig.dialogs.prompts().size(), prompts);
        QCOMPARE(rig.dialogs.unexpected, 0);
        QVERIFY(rig.dialogs.messages().isEmpty());
        const QStringList expected = line.isEmpty() ? QStringList{kSale100} : QStringList{kSale100, line};
        QCOMPARE(c.notes().at(0).lines, expected);
        QCOMPARE(rig.shop.lines(fileName(language)), expected);
        QCOMPARE(printed(rig, PrintDocument::Kind::Notice).contains(notice), !notice.isEmpty());
        if (notice.isEmpty()) QVERIFY(rig.printer.attempts.isEmpty());
        if (line.isEmpty()) return;
        QCOMPARE(c.notes().at(0).selected, 1);
        QCOMPARE(c.notes().saleStart(), 1);
    }

    // A sale open in the record note refuses movements and card entries; one open on another tab does not.
    void refusal_data() {
        QTest::addColumn<RefusalRow>("row");
        for (int op = 0; op < 3; ++op) {
            QTest::addRow("record open %d", op) << RefusalRow{0, op, true};
            QTest::addRow("tab 2 open %d", op) << RefusalRow{1, op, false};
        }
        QTest::newRow("card sum, record open") << RefusalRow{0, 3, true};
    }
    void refusal() {
        QFETCH(RefusalRow, row);
        auto [tab, operation, refused] = row;
        CounterRig rig;
        Counter& c = startWith(rig, {kSale100});
        c.lblTask_Click(tab);
        rig.add("1", "PAN", "10");
        c.lblTask_Click(0);
        rig.dialogs.clear();
        typeAll(rig, {"25", "r"});
        const QStringList before = c.notes().at(0).lines;
        if (operation == 0) c.eInMoney();
        if (operation == 1) c.eOutMoney();
        if (operation == 2) c.eCreditCard();
        if (operation == 3) c.cards().eSumCard();
        QCOMPARE(rig.dialogs.messages() == QStringList{kRefusal}, refused);
        QCOMPARE(c.notes().at(0).lines.size(), before.size() + (refused ? 0 : 1));
        if (refused) QVERIFY(rig.printer.attempts.isEmpty());
        QCOMPARE(c.notes().at(tab).used, true);
    }

    void aSideNotePaidByCardGoesToTheRecord() {
        CounterRig rig;
        Counter& c = startWith(rig, {kSale100});
        c.lblTask_Click(1);
        rig.add("1", "RADIO", "1250");
        c.eUsingCard();
        QCOMPARE(c.notes().at(0).lines.size(), 3);
        QCOMPARE(c.notes().at(0).lines.last(),
                 "*****(14:35)**************************** [TARJETA $1,250.00]");
        QVERIFY(c.notes().at(1).lines.isEmpty() && !c.notes().at(1).used);
        QCOMPARE(c.notes().at(1).total, 0.0);
        QCOMPARE(c.notes().saleStart(), 2);
        QCOMPARE(rig.shop.lines(fileName(QString())), c.notes().at(0).lines);
        QCOMPARE(printed(rig, PrintDocument::Kind::Ticket).filter("Compra con tarjeta").size(), 1);
    }

    void messages_data() {
        QTest::addColumn<MessagesRow>("row");
        const QStringList day{kSale100, kEntry50, kOut30, kCard86, kCard1250};
        const auto row = [](const char* name, const char* language, const QStringList& lines, int procedure,
                            const char* message) {
            QTest::newRow(name) << MessagesRow{language, lines, procedure, message};
        };
        row("spanish day read in english", "EN", day, 0, "TOTAL SUM [$100.00]");
        row("negative", "", {kOut30}, 0, "SUMA TOTAL [$-30.00]");
        row("sales", "", day, 1, "NÚMERO DE VENTAS [1]");
        row("no sales english", "EN", {kEntry50}, 1, "NO SALES.");
        row("card sum", "", day, 2, "INGRESOS CON TARJETA [$1,336.00]");
        row("spanish cards summed in english", "EN", day, 2, "NO ENTRIES CARD.");
        row("card count", "", day, 3, "NÚMERO DE INGRESOS CON TARJETA [2]");
        row("card count none english", "EN", {kSale100}, 3, "NO CARD ENTRIES.");
    }
    void messages() {
        QFETCH(MessagesRow, row);
        auto [language, lines, procedure, message] = row;
        CounterRig rig(language);
        Counter& c = startWith(rig, lines);
        if (procedure == 0) c.cut().mnuCut_Click();
        if (procedure == 1) c.cut().eCountSales();
        if (procedure == 2) c.cards().eSumCard();
        if (procedure == 3) c.cards().eNumbCard();
        QCOMPARE(rig.dialogs.messages(), QStringList{message});
        QCOMPARE(rig.dialogs.shown.first().icon, Dialogs::Icon::Information);
    }

    // The total is kept between checks: every change of the day's lines shows in the next one.
    void cashTotalFollowsEveryChangeOfTheDay() {
        CounterRig rig;
        Counter& c = startWith(rig, {kSale100, kEntry50});
        const auto total = [&] {
            rig.dialogs.clear();
            c.cut().mnuCut_Click();
            return rig.dialogs.messages().value(0);
        };
        rig.add("1", "PAN", "10");
        QCOMPARE(total(), QString()); // none while the record holds an open sale
        c.eDelBox();
        QCOMPARE(total(), QString("SUMA TOTAL [$150.00]"));
        typeAll(rig, {"30", "banco"});
        c.eOutMoney();
        QCOMPARE(total(), QString("SUMA TOTAL [$120.00]"));
        rig.dialogs.answer(true);
        c.eNoteToEdit();
        c.eSaveNotetoList(kEntry50 + "\n" + kEntry50); // the register rewritten in the editor
        c.editor().startSlide(false);
        QCOMPARE(total(), QString("SUMA TOTAL [$100.00]"));
    }

    void recordTabAtTheCashLimit_data() {
        QTest::addColumn<CashLimitRow>("row");
        QTest::newRow("at the limit") << CashLimitRow{"500", "400", "Registro*"};
        QTest::newRow("below") << CashLimitRow{"500", "399.99", "Registro"};
        QTest::newRow("no limit") << CashLimitRow{"0", "5000", "Registro"};
    }
    void recordTabAtTheCashLimit() {
        QFETCH(CashLimitRow, row);
        auto [limit, entry, caption] = row;
        CounterRig rig;
        Counter& c = startWith(rig, {kSale100});
        rig.dialogs.type(limit);
        c.mnuHangCash_Click();
        QCOMPARE(rig.shop.lines("VL Config.ini").at(8), limit);
        QCOMPARE(c.tabs().caption(0), QString("Registro"));
        typeAll(rig, {entry, ""});
        c.eInMoney(); // a booking recomputes the mark
        QCOMPARE(c.tabs().caption(0), caption);
    }

    void cutMenu_data() {
        QTest::addColumn<CutMenuRow>("row");
        QTest::newRow("one line") << CutMenuRow{QStringList{kSale100}, 0, false};
        QTest::newRow("two lines") << CutMenuRow{QStringList{kSale100, kEntry50}, 0, true};
        QTest::newRow("another tab in front") << CutMenuRow{QStringList{kSale100, kEntry50}, 1, false};
    }
    void cutMenu() {
        QFETCH(CutMenuRow, row);
        auto [lines, tab, enabled] = row;
        CounterRig rig;
        Counter& c = startWith(rig, lines);
        c.lblTask_Click(tab);
        QCOMPARE(c.cut().cutMenuEnabled(), enabled);
    }

    // The cut moves the day to the first free split-off name, prints the record note and starts afresh:
    // a freed number is used again, a folder ("d") is skipped.
    void cut() {
        for (const auto& [taken, number] :
             {std::pair{QStringList{"2"}, 1}, std::pair{QStringList{"1d", "2"}, 3}}) {
            CounterRig rig;
            for (const QString& t : taken) {
                const QString name = QStringLiteral("VENTAS #05-12-2026 (%1).txt").arg(t.left(1));
                t.endsWith(u'd') ? void(QDir(rig.shop.path()).mkdir(name)) : rig.shop.write(name, {"antes"});
            }
            const QStringList day{kSale100, kEntry50};
            Counter& c = startWith(rig, day);
            rig.dialogs.answer(true);
            c.mnuPrintCut_Click();
            QCOMPARE(rig.dialogs.questionTexts().size(), 1);
            QCOMPARE(rig.shop.lines(QString("VENTAS #05-12-2026 (%1).txt").arg(number)), day);
            QVERIFY(!rig.shop.exists(fileName(QString())));
            QVERIFY(c.notes().at(0).lines.isEmpty());
            QCOMPARE(c.notes().saleStart(), -1);
            QVERIFY(!c.cut().cutMenuEnabled());
            const QStringList report = printed(rig, PrintDocument::Kind::Report);
            QVERIFY(report.contains(kSale100) && report.contains(kEntry50));
            rig.add("1", "PAN", "10");
            c.amounts().setCashText("10");
            c.eFinal();
            QCOMPARE(rig.shop.lines(fileName(QString())).size(), 2);
        }
    }

    // Declined, or the day's file cannot be moved: nothing changes.
    void cutFailures() {
        for (const bool blocked : {false, true}) {
            CounterRig rig;
            const QStringList day{kSale100, kEntry50};
            Counter& c = startWith(rig, day);
            if (blocked) {
                QVERIFY(QFile::remove(rig.shop.file(fileName(QString()))));
                QVERIFY(QDir(rig.shop.path()).mkdir(fileName(QString())));
            }
            rig.dialogs.answer(blocked);
            c.mnuPrintCut_Click();
            QCOMPARE(rig.dialogs.messages(),
                     blocked ? QStringList{"No se pudo hacer el corte, intente de nuevo o después."}
                             : QStringList{});
            QCOMPARE(c.notes().at(0).lines, day);
            QVERIFY(rig.printer.attempts.isEmpty());
            QVERIFY(!rig.shop.exists("VENTAS #05-12-2026 (1).txt"));
        }
    }

    // Replaying the lines left after a cancel: adjustments apply their own value, free lines add nothing.
    void replay_data() {
        QTest::addColumn<ReplayRow>("row");
        const QString a = "1 x A de $100.00 = $100.00";
        const QString sold = "-----(09:00)---> [TOTAL $5.00]";
        QTest::newRow("after the sale start") << ReplayRow{"", {"1 x O de $5.00 = $5.00", sold, a}, 2, 100};
        QTest::newRow("english") << ReplayRow{
            "EN", {"1 x A of $100.00 = $100.00", "     +$10 interest", "     -5% discount"}, 0, 104.5};
    }
    void replay() {
        QFETCH(ReplayRow, row);
        const auto& [language, lines, first, total] = row;
        QCOMPARE(NoteLines::replayTotal(lines, first, "$", Language(language)), total);
    }

    void cancelCaptionAndTicketText() {
        const Language es;
        QCOMPARE(NoteLines::cancelCaption("     -5% de descuento", es),
                 QString("Cancelar [-5% de descuento]"));
        const QStringList record{"1 x OLD de $5.00 = $5.00", "-----> [TOTAL $5.00]", "2 x A de $1.00 = $2.00",
                                 "     -5% de descuento", "-----> [TOTAL $1.90]"};
        QCOMPARE(NoteLines::ticketText(record, 1), QString("2 x A de $1.00 \r\n     -5% de descuento\r\n"));
    }

    void itemLines_data() {
        QTest::addColumn<ItemLinesRow>("row");
        // entry: quantity|description|discount|price
        const auto row = [](const char* name, const char* language, const char* entry, const char* line,
                            const char* total) {
            QTest::newRow(name) << ItemLinesRow{language, entry, line, total};
        };
        row("plain", "", "2|PAN|0|12.50", "2 x PAN de $12.50 = $25.00", "25.00");
        row("english", "EN", "2|PAN|0|12.50", "2 x PAN of $12.50 = $25.00", "25.00");
        row("discount", "", "2|PAN|10|12.50", "2 x PAN de $12.50 (-10%) = $22.50", "22.50");
        row("discount cut to whole", "", "1|X|12.7|100", "1 x X de $100.00 (-12%) = $88.00", "88.00");
        row("negative discount adds", "", "2|PAN|-5|12.50", "2 x PAN de $12.50 (+5%) = $26.25", "26.25");
        row("price picture grouped", "", "2|X|0|1500", "2 x X de $1,500.00 = $3,000.00", "3,000.00");
        row("picture chosen by the price", "", "20|X|0|600", "20 x X de $600.00 = $12000.00", "12,000.00");
        row("price with commas", "", "1|X|0|1,250.00", "1 x X de $1,250.00 = $1,250.00", "1,250.00");
        row("quantity kept as typed", "", "1.50|QUESO|0|10", "1.50 x QUESO de $10.00 = $15.00", "15.00");
        row("garbled quantity counts 0", "", "abc|X|0|10", "abc x X de $10.00 = $0.00", "0.00");
        row("placeholder becomes ITEM", "", "1|  (ninguno) |0|5", "1 x ARTÍCULO de $5.00 = $5.00", "5.00");
        row("blank description", "EN", "1|   |0|5", "1 x ITEM of $5.00 = $5.00", "5.00");
    }
    void itemLines() {
        QFETCH(ItemLinesRow, row);
        const auto& [language, entry, line, total] = row;
        const QStringList in = entry.split(u'|');
        CounterRig rig(language);
        Counter& c = startWith(rig, {}, false);
        rig.add(in[0], in[1], in[3], in[2]);
        QCOMPARE(c.notes().at(0).lines, QStringList{line});
        QCOMPARE(c.amounts().totalText(), total);
        QCOMPARE(c.notes().at(0).step, SaleStep::LinesInNote);
        QVERIFY(c.notes().at(0).used);
        QCOMPARE(c.notes().at(0).selected, 0);
    }

    void freeItemAsksFirst_data() {
        QTest::addColumn<FreeItemRow>("row");
        QTest::newRow("yes") << FreeItemRow{"", true, QStringList{"3 x BOLSA gratis"}};
        QTest::newRow("yes, english") << FreeItemRow{"EN", true, QStringList{"3 x BOLSA free"}};
        QTest::newRow("no") << FreeItemRow{"", false, QStringList{}};
    }
    void freeItemAsksFirst() {
        QFETCH(FreeItemRow, row);
        const auto& [language, yes, lines] = row;
        CounterRig rig(language);
        Counter& c = rig.start();
        rig.add("2", "PAN", "10");
        rig.dialogs.clear();
        rig.dialogs.answer(yes);
        rig.add("3", "BOLSA", "0.00");
        QCOMPARE(rig.dialogs.questionTexts().size(), 1);
        if (language.isEmpty())
            QCOMPARE(rig.dialogs.questionTexts().first(),
                     QString("Agregará un artículo como \"gratis\" a la nota, ¿desea continuar?"));
        QCOMPARE(c.notes().at(1).lines.mid(1), lines);
        QCOMPARE(c.notes().at(1).total, 20.0);
    }

    // Money no note may hold: refused with the reason, or (beyond every number) quietly.
    void unusablePricesChangeNothing_data() {
        QTest::addColumn<UnusablePriceRow>("row");
        QTest::newRow("negative price") << UnusablePriceRow{
            "1", "-5", "0", {"Un artículo con precio negativo no se puede vender; corrija su precio."}};
        QTest::newRow("discount above 100%")
            << UnusablePriceRow{"1", "10", "150", {"El descuento de un artículo es de 100% como máximo."}};
        QTest::newRow("amount beyond every number") << UnusablePriceRow{"1E300", "1E300", "0", {}};
    }
    void unusablePricesChangeNothing() {
        QFETCH(UnusablePriceRow, row);
        const auto& [quantity, price, discount, messages] = row;
        CounterRig rig;
        Counter& c = rig.start();
        rig.add(quantity, "X", price, discount);
        QCOMPARE(rig.dialogs.messages(), messages);
        QVERIFY(c.notes().at(1).lines.isEmpty());
        QVERIFY(!c.notes().at(1).used);
        QCOMPARE(c.amounts().totalText(), QString("0.00"));
    }

    // A line without a currency symbol leaves the fields.
    void pickingAnItemFillsTheFields_data() {
        QTest::addColumn<PickRow>("row");
        const SaleStep ready = SaleStep::ItemReady, none = SaleStep::Nothing;
        QTest::newRow("stock shown") << PickRow{true, "[10] PAN $12.50 #7501", "PAN", "12.50", ready};
        QTest::newRow("stock hidden")
            << PickRow{false, "[2] LÁMPARA $1,250.00 #750", "LÁMPARA", "1,250.00", ready};
        QTest::newRow("no symbol") << PickRow{false, "[3] NOTA SIN PRECIO", "(Ninguno)", "0.00", none};
    }
    void pickingAnItemFillsTheFields() {
        QFETCH(PickRow, row);
        const auto& [seeStock, line, description, price, step] = row;
        CounterRig rig;
        rig.shop.write("VL Lista.txt", {line});
        Counter& c = rig.start();
        if (seeStock) c.mnuSeeStock_Click();
        c.search().selectItem(0);
        QCOMPARE(c.fields().field(EntryFields::Description), description);
        QCOMPARE(c.fields().field(EntryFields::Price), price);
        QCOMPARE(c.notes().at(c.notes().current()).step, step);
    }

    void priceReminderBlinks_data() {
        QTest::addColumn<ReminderRow>("row");
        QTest::newRow("price 0.00") << ReminderRow{"PAN", "0.00", true};
        QTest::newRow("price with comma") << ReminderRow{"PAN", "1,000.00", false};
        QTest::newRow("placeholder") << ReminderRow{"(Ninguno)", "0.00", false};
        QTest::newRow("empty description") << ReminderRow{"", "0.00", false};
    }
    void priceReminderBlinks() {
        QFETCH(ReminderRow, row);
        const auto& [description, price, blinks] = row;
        CounterRig rig;
        Counter& c = rig.start();
        c.fields().set(EntryFields::Description, description);
        c.fields().set(EntryFields::Price, price);
        c.fields().remindPrice();
        QCOMPARE(c.fields().priceTitle(), blinks ? QString("* &PRECIO") : QString(" &PRECIO"));
        c.fields().remindPrice();
        QCOMPARE(c.fields().priceTitle(), QString(" &PRECIO"));
        c.fields().remindPrice();
        c.fields().set(EntryFields::Price, "3");
        c.fields().remindPrice();
        QCOMPARE(c.fields().priceTitle(), QString(" &PRECIO"));
    }

    // While the record holds an open sale, a side note's sale is refused in cash and by card; cancelled,
    // it leaves the record's sale to go on with its next items.
    void aSideNoteWaitsForTheRecordsOpenSale() {
        CounterRig rig;
        Counter& c = startWith(rig, {});
        rig.add("1", "AAA", "10");
        c.lblTask_Click(1);
        rig.add("3", "BBB", "5");
        c.amounts().setCashText("20");
        c.eFinal();
        c.eUsingCard();
        QCOMPARE(rig.dialogs.messages(), QStringList(2, kRefusal));
        QCOMPARE(c.notes().at(1).lines.size(), 1);
        QCOMPARE(c.notes().at(0).lines.size(), 1);
        c.eDelBox();
        c.lblTask_Click(0);
        QCOMPARE(c.notes().saleStart(), -1);
        rig.add("1", "CCC", "3");
        c.amounts().setCashText("13");
        c.eFinal();
        QCOMPARE(c.notes().at(0).lines.last(), "-----(14:35)------------------------------> [TOTAL $13.00]");
        const QString ticket = rig.printer.attempts.last().lines().join(u'|');
        QVERIFY(ticket.contains(QStringLiteral("AAA")) && ticket.contains(QStringLiteral("CCC")));
    }

    void tabsFollowTheNotes() {
        CounterRig rig;
        Counter& c = rig.start();
        QCOMPARE(captions(c), (QStringList{"Registro", "(nuevo)", "-", "-", "-"}));
        QCOMPARE(c.notes().current(), 1);
        rig.add("1", "A", "2");
        QCOMPARE(captions(c), (QStringList{"Registro", "$2.00", "(nuevo)", "-", "-"}));
        QVERIFY(c.tabs().enabled(2));
        // An emptied tab steps back.
        c.lblTask_Click(2);
        QCOMPARE(c.notes().current(), 2);
        c.lblTask_Click(1);
        c.amounts().setCashText("2");
        rig.dialogs.answer(false);
        c.eFinal();
        QCOMPARE(captions(c), (QStringList{"Registro", "(nuevo)", "-", "-", "-"}));
        // Cancelling note #3 while note #2 holds a sale keeps tab #3 open and closes tab #4 again.
        rig.add("1", "A", "2");
        c.lblTask_Click(2);
        rig.add("1", "B", "3");
        c.lblTask_Click(3);
        QCOMPARE(c.notes().current(), 3);
        c.lblTask_Click(2);
        c.eDelBox();
        QCOMPARE(captions(c), (QStringList{"Registro", "$2.00", "(nuevo)", "-", "-"}));
    }

    void switchingRestoresTheNote() {
        CounterRig rig;
        Counter& c = rig.start();
        rig.add("2", "PAN", "12.50", "10");
        QCOMPARE(fields(c), QString("1|PAN|0|12.50")); // the quantity and the discount start again
        c.fields().set(EntryFields::Quantity, "3");
        c.amounts().setCashText("30");
        QCOMPARE(c.amounts().changeText(), QString("7.50"));
        c.lblTask_Click(2);
        QCOMPARE(amounts(c), QString("0.00|0.00|0.00"));
        QCOMPARE(fields(c), QString("1|(Ninguno)|0|0.00"));
        c.lblTask_Click(1);
        QCOMPARE(fields(c), QString("3|PAN|0|12.50"));
        QCOMPARE(amounts(c), QString("22.50|30.00|7.50"));
        QCOMPARE(c.notes().at(1).step, SaleStep::CashCovers);
        // The stored change of an exact payment comes back as a number.
        c.lblTask_Click(2);
        rig.add("1", "(Ninguno)", "1500");
        QCOMPARE(fields(c), QString("1|(Ninguno)|0|0.00")); // a line without a description starts afresh
        c.amounts().setCashText("1500");
        QCOMPARE(c.amounts().changeText(), QString("Sin cambio"));
        c.lblTask_Click(1);
        c.lblTask_Click(2);
        QCOMPARE(amounts(c), QString("1500.00|1500.00|0.00"));
    }

    // Items ("1 x X" at each price) and the cash ("=" and what is typed), in the order given.
    void change_data() {
        QTest::addColumn<ChangeRow>("row");
        QTest::newRow("exact") << ChangeRow{"", {"80", "=80"}, "80.00", "Sin cambio", ""};
        QTest::newRow("exact english") << ChangeRow{"EN", {"80", "=80.00"}, "80.00", "Not change", ""};
        QTest::newRow("grouped change") << ChangeRow{"", {"80", "=1,580"}, "80.00", "1,500.00", "$"};
        // The change adds up to the cash.
        QTest::newRow("half-cent total") << ChangeRow{"", {"167.675", "=200"}, "167.68", "32.32", "$"};
        QTest::newRow("an item after the cash")
            << ChangeRow{"", {"10", "=12", "5"}, "15.00", "Insuficiente", ""};
    }
    void change() {
        QFETCH(ChangeRow, row);
        const auto& [language, steps, total, change, money] = row;
        CounterRig rig(language);
        Counter& c = startWith(rig, {}, false);
        for (const QString& step : steps)
            step.startsWith(u'=') ? c.amounts().setCashText(step.mid(1)) : rig.add("1", "X", step);
        QCOMPARE(c.amounts().totalText(), total);
        QCOMPARE(c.amounts().changeText(), change);
        QCOMPARE(c.amounts().changeMoney(), money);
        const bool enough = change != "Insuficiente";
        QCOMPARE(c.notes().at(0).cashEnough, enough);
        if (enough) QCOMPARE(c.notes().at(0).step, SaleStep::CashCovers);
    }

    void veryHighCashWarnsOncePerChange() {
        CounterRig rig;
        Counter& c = startWith(rig, {}, false);
        rig.dialogs.type("500");
        c.settings().askTopNote(c.currency().symbol());
        rig.add("1", "X", "100");
        rig.dialogs.clear();
        for (const char* cash : {"1", "10", "100"})
            c.amounts().setCashText(cash);
        QCOMPARE(c.amounts().changeText(), QString("Sin cambio"));
        c.amounts().setCashText("1000");
        QCOMPARE(c.amounts().changeText(), QString("900.00"));
        QCOMPARE(rig.dialogs.messages(), QStringList{"Está escribiendo una cantidad muy alta de EFECTIVO."});
        c.amounts().setCashText("1000"); // the same change again: no second warning
        QCOMPARE(rig.dialogs.messages().size(), 1);
        c.amounts().setCashText("100");
        c.amounts().setCashText("1000");
        QCOMPARE(rig.dialogs.messages().size(), 2);
        rig.dialogs.type("-3").type("0"); // negative asked again, 0 switches the warning off
        c.settings().askTopNote(c.currency().symbol());
        QCOMPARE(rig.dialogs.prompts().size(), 2);
        c.amounts().setCashText("100000");
        QCOMPARE(rig.dialogs.messages().size(), 2);
        rig.dialogs.type("");
        c.settings().askTopNote(c.currency().symbol()); // cancel keeps the value
        QCOMPARE(c.settings().values().topNote.value_or(-1), 0.0);
    }

    void finishingTheRecordNote() {
        CounterRig rig;
        Counter& c = startWith(rig, {}, false);
        rig.add("2", "PAN", "12.50");
        c.amounts().setCashText("30");
        QString fileWhenAsked;
        rig.dialogs.onQuestion = [&](const QString&) {
            fileWhenAsked = rig.shop.lines(rig.registerName()).join('|');
        };
        rig.dialogs.answer(false);
        c.eFinal();
        const QStringList expected{"2 x PAN de $12.50 = $25.00",
                                   "-----(14:35)------------------------------> [TOTAL $25.00]"};
        QCOMPARE(c.notes().at(0).lines, expected);
        QCOMPARE(fileWhenAsked, expected.join('|')); // saved before the ticket step
        QCOMPARE(c.notes().saleStart(), 1);
        QVERIFY(!c.notes().at(0).used);
        QCOMPARE(c.notes().at(0).step, SaleStep::Nothing);
        QCOMPARE(amounts(c), QString("0.00|0.00|0.00"));
        QCOMPARE(fields(c), QString("1|(Ninguno)|0|0.00"));
        // The ticket question comes with the first sale of the run only.
        rig.add("1", "PAN", "12.50");
        c.amounts().setCashText("20");
        c.eFinal();
        QCOMPARE(rig.dialogs.questionTexts(), QStringList{"¿Desea imprimir el ticket?"});
        QCOMPARE(c.notes().at(0).lines.size(), 4);
        // Yes in the next run turns the tickets and the customer's copy on, saved.
        Counter& next = startWith(rig, {}, false);
        rig.add("1", "PAN", "12.50");
        next.amounts().setCashText("20");
        rig.dialogs.answer(true).answer(true);
        next.eFinal();
        QCOMPARE(rig.dialogs.questionTexts(),
                 (QStringList{"¿Desea imprimir el ticket?", "¿Desea imprimir una copia para el cliente?"}));
        QVERIFY(next.settings().values().printTickets && next.settings().values().doubleTicket);
        QCOMPARE(rig.shop.lines("VL Config.ini").mid(1, 2), (QStringList{"1", "1"}));
    }

    void backToRecordAfterASideNote_data() {
        QTest::addColumn<BackRow>("row");
        QTest::newRow("finish, stay") << BackRow{false, false, 1};
        QTest::newRow("finish, back") << BackRow{true, false, 0};
        QTest::newRow("cancel, stay") << BackRow{false, true, 1};
        QTest::newRow("cancel, back") << BackRow{true, true, 0};
    }
    void backToRecordAfterASideNote() {
        QFETCH(BackRow, row);
        const auto& [back, cancel, front] = row;
        CounterRig rig;
        Counter& c = rig.start();
        if (back) {
            c.settings().toggleBackToRecord();
            c.lblTask_Click(1);
        }
        rig.add("1", "B", "5");
        rig.dialogs.answer(false);
        if (!cancel) c.amounts().setCashText("5");
        cancel ? c.eDelBox() : c.eFinal();
        // A cancelled side note leaves no trace in the record.
        QCOMPARE(c.notes().at(0).lines.size(), cancel ? 0 : 2);
        QCOMPARE(c.notes().current(), front);
        QVERIFY(!c.notes().at(1).used);
        QCOMPARE(c.notes().at(1).total, 0.0);
    }

    void cancellingTheRecordNote() {
        CounterRig rig;
        Counter& c = startWith(rig, {}, false);
        c.eDelBox(); // nothing open: no line
        QVERIFY(c.notes().at(0).lines.isEmpty());
        rig.add("2", "PAN", "12.50");
        c.amounts().setCashText("5");
        c.eDelBox();
        QCOMPARE(c.notes().at(0).lines,
                 (QStringList{"2 x PAN de $12.50 = $25.00",
                              "-----(14:35)------------------------------> CANCELADO"}));
        QCOMPARE(c.notes().saleStart(), 1);
        QCOMPARE(c.amounts().cashText(), QString("0.00"));
        QCOMPARE(rig.shop.lines(rig.registerName()), c.notes().at(0).lines);
        QVERIFY(!c.notes().at(0).used);
    }

    void cashFieldFocus() {
        CounterRig rig;
        Counter& c = startWith(rig, {}, false);
        c.amounts().cashFocusIn();
        QCOMPARE(c.amounts().cashText(), QString());
        c.amounts().setCashText("1500");
        c.amounts().cashFocusOut();
        QCOMPARE(c.amounts().cashText(), QString("1,500.00"));
        c.amounts().setCashText("abc");
        c.amounts().cashFocusOut();
        QCOMPARE(c.amounts().cashText(), QString("0.00"));
    }

    void cashTypedIntoASaleRewritesTheRegisterOnlyWhenItsLinesChanged() {
        CounterRig rig;
        Counter& c = startWith(rig, {}, false);
        rig.add("1", "X", "10");
        c.amounts().setCashText("10");
        const QStringList written = rig.shop.lines(rig.registerName());
        QCOMPARE(written, c.notes().at(0).lines);
        rig.shop.write(rig.registerName(), {"marker"});
        c.amounts().setCashText("100"); // the same lines: the file is not rewritten
        QCOMPARE(rig.shop.lines(rig.registerName()), QStringList{"marker"});
        rig.dialogs.answer(false);
        c.eFinal(); // a new line: the whole day is written again
        QCOMPARE(rig.shop.lines(rig.registerName()), c.notes().at(0).lines);
        QCOMPARE(c.notes().at(0).lines.mid(0, 1), written);
    }

    void aRegisterThatCannotBeSavedIsReportedOnce() {
        CounterRig rig;
        Counter& c = startWith(rig, {}, false);
        QDir(rig.shop.path()).mkdir(rig.registerName());
        rig.add("1", "X", "10");
        c.amounts().setCashText("10"); // saves
        c.amounts().setCashText("20"); // saves again
        const QString warning = "No se pudo guardar el registro del día, intente más tarde.";
        QCOMPARE(rig.dialogs.messages(), QStringList{warning});
        rig.dialogs.answer(false);
        c.eFinal();
        QCOMPARE(rig.dialogs.messages(), QStringList{warning});
        QCOMPARE(c.notes().at(0).lines.size(), 2); // nothing lost in memory
        QDir(rig.shop.path()).rmdir(rig.registerName());
        c.eDelBox(); // saves fine
        QCOMPARE(rig.shop.lines(rig.registerName()), c.notes().at(0).lines);
        QDir(rig.shop.path()).mkdir("blocker");
        QFile::remove(rig.shop.file(rig.registerName()));
        QDir(rig.shop.path()).rename("blocker", rig.registerName());
        rig.add("1", "Y", "5");
        c.eDelBox();
        QCOMPARE(rig.dialogs.messages(), (QStringList{warning, warning}));
    }

    // Keys written as "<char>@<ms>" or "Enter@<ms>"; the scan found at the Enter, if any.
    void scans_data() {
        QTest::addColumn<ScanRow>("row");
        const auto fast = [](const QString& digits, qint64 start, qint64 gap) {
            QString out;
            for (int i = 0; i < digits.size(); ++i)
                out += QString(digits[i]) + "@" + QString::number(start + i * gap) + " ";
            return out + "Enter@" + QString::number(start + digits.size() * gap);
        };
        const auto row = [](const char* name, const QString& keys, const char* code = "") {
            QTest::newRow(name) << ScanRow{keys, code};
        };
        row("scanner, 13 digits", fast("7501055300013", 1000, 8), "7501055300013");
        row("scanner, at the limit", fast("123456", 0, 30), "123456");
        row("five characters are typing", fast("12345", 0, 5));
        row("one gap too long", fast("123456", 0, 31));
        row("typed, then a scan", "3@0 x@400 " + fast("987654", 900, 10), "987654");
        row("slow Enter after a fast run", "1@0 2@5 3@10 4@15 5@20 6@25 Enter@500");
        row("the clock going back breaks the run", "1@100 2@105 3@110 4@20 5@25 6@30 Enter@35");
        row("Enter from before the last key", "1@100 2@105 3@110 4@115 5@120 6@125 Enter@50");
        row("a move breaks the run", "1@0 2@5 3@10 Down@12 4@15 5@20 6@25 Enter@30");
    }
    void scans() {
        QFETCH(ScanRow, row);
        const auto& [keys, code] = row;
        ScanDetector scan;
        QString found;
        for (const QString& k : keys.split(u' ')) {
            const QString key = k.section('@', 0, 0);
            const qint64 ms = k.section('@', 1).toLongLong();
            if (key == "Enter")
                found = scan.enter(ms);
            else if (key.size() == 1)
                scan.key(key[0], ms);
            else
                scan.interrupt();
        }
        QCOMPARE(found, code);
        QVERIFY(scan.run().isEmpty());
    }

    void shopInfo_data() {
        QTest::addColumn<ShopRow>("row");
        const QString thanks = "¡Gracias por su preferencia!";
        const auto row = [&](const char* name, const QStringList& lines, const QString& brand,
                             const QString& caption, const QString& legend, int red, int blue) {
            QTest::newRow(name) << ShopRow{lines, "ES", brand, caption, legend, red, blue};
        };
        row("no file", {}, "Mi negocio", "Vendel", thanks, 30, 60);
        row("only a name", {"Tienda Ñandú"}, "Tienda Ñandú", "Vendel - TIENDA ÑANDÚ", thanks, 30, 60);
        row("empty file", {""}, "", "Vendel - ", thanks, 30, 60);
        row("dark blue", {"A", "", "", "", "0 0 128"}, "A", "Vendel - A", thanks, 0, 128);
        row("two parts give green", {"A", "", "", "", "0 0"}, "A", "Vendel - A", thanks, 30, 60);
        row("blank remark", {"A", "", "", "", "", "   ", "Vuelva pronto"}, "A", "Vendel - A", "Vuelva pronto",
            30, 60);
        row("remark", {"A", "", "", "", "", "Sucursal 2"}, "A", "Vendel - A (Sucursal 2)", thanks, 30, 60);
        QTest::newRow("english, no file")
            << ShopRow{{}, "EN", "My business", "Vendel", "Thanks for your preference!", 30, 60};
    }
    void shopInfo() {
        QFETCH(ShopRow, row);
        const auto& [lines, language, brand, caption, legend, red, blue] = row;
        const ShopInfo info = ShopInfo::read(
            lines.isEmpty() ? std::nullopt : std::optional<QStringList>(lines), Language(language));
        QCOMPARE(info.brand, brand);
        QCOMPARE(info.windowCaption, caption);
        QCOMPARE(info.legend, legend);
        QCOMPARE(info.theme.red, red);
        QCOMPARE(info.theme.blue, blue);
    }

    void counterReadsTheShopFile() {
        CounterRig rig;
        rig.shop.write("VL Info.txt", {"Mi negocio", "Calle 5", "555 1234", "RFC X", "0 64 128"});
        QCOMPARE(rig.start().shop().brandTooltip,
                 QString(" Mi negocio - \"Calle 5\" | Tel 555 1234 | RFC X "));
    }

    void adjustmentLines_data() {
        QTest::addColumn<AdjustRow>("row");
        QTest::newRow("amount discount") << AdjustRow{"", false, {"20"}, "-$20 de descuento", "80.00", 0};
        QTest::newRow("percent en") << AdjustRow{"EN", false, {"7.5%"}, "-7.5% discount", "92.50", 0};
        QTest::newRow("amount with comma") << AdjustRow{"", false, {"1,000"}, "", "100.00", 1};
        QTest::newRow("amount interest") << AdjustRow{"", true, {"20"}, "+$20 de interés", "120.00", 0};
        QTest::newRow("interest en") << AdjustRow{"EN", true, {"20.5"}, "+$20.5 interest", "120.50", 0};
        QTest::newRow("percent interest") << AdjustRow{"", true, {"16%"}, "+16% de interés", "116.00", 0};
        QTest::newRow("the whole total") << AdjustRow{"", false, {"100"}, "-$100 de descuento", "0.00", 0};
        QTest::newRow("150% then 15%")
            << AdjustRow{"", false, {"150%", "15%"}, "-15% de descuento", "85.00", 0};
        QTest::newRow("100% asked again") << AdjustRow{"", false, {"100%", ""}, "", "100.00", 0};
        QTest::newRow("negative then cancel") << AdjustRow{"", false, {"-5", ""}, "", "100.00", 0};
        QTest::newRow("blanks cancel") << AdjustRow{"", false, {"   "}, "", "100.00", 0};
        QTest::newRow("99%") << AdjustRow{"", false, {"99%"}, "-99% de descuento", "1.00", 0};
    }
    void adjustmentLines() {
        QFETCH(AdjustRow, row);
        const auto& [language, interest, answers, line, total, tooLarge] = row;
        CounterRig rig(language);
        Counter& c = sideNoteWith100(rig);
        for (const QString& a : answers)
            rig.dialogs.type(a);
        const QString before = c.notes().at(1).lines.last();
        interest ? c.adjustments().mnuIVA_Click() : c.adjustments().mnuDescx_Click();
        QCOMPARE(c.notes().at(1).lines.last(), line.isEmpty() ? before : "     " + line); // indented
        QCOMPARE(c.notes().at(1).lines.size(), line.isEmpty() ? 1 : 2);
        QCOMPARE(c.amounts().totalText(), total);
        QCOMPARE(rig.dialogs.prompts().size(), answers.size());
        if (language.isEmpty() && !interest)
            QCOMPARE(rig.dialogs.prompts().first(), QString("Agregar descuento de ... (ej. '20' ó '5%')"));
        QCOMPARE(
            rig.dialogs.messages().count(QStringLiteral("El descuento es mayor que el importe de la nota.")),
            tooLarge);
    }

    void discountNeedsAPositiveTotal() {
        CounterRig rig;
        Counter& c = rig.start();
        c.adjustments().eDesc("10%");
        QVERIFY(c.notes().at(1).lines.isEmpty());
        rig.add("1", "A", "5");
        c.adjustments().eDesc("5");
        c.adjustments().eDesc("5"); // the total is 0 now
        QCOMPARE(c.notes().at(1).lines.size(), 2);
    }

    // Cancelling a line replays the others with exactly the values written in them. Steps after "1 x A de
    // $100.00" in a side note: an item "NAME PRICE", a discount answer, or "+" and an interest answer.
    void cancellingALine_data() {
        QTest::addColumn<CancelLineRow>("row");
        QTest::newRow("amount discount") << CancelLineRow{{"20", "B 10"}, 2, "90.00", "80.00"};
        QTest::newRow("percent kept exact") << CancelLineRow{{"7.5%", "B 10"}, 2, "102.50", "92.50"};
        QTest::newRow("discount on the lines above") << CancelLineRow{{"B 10", "10%"}, 1, "99.00", "90.00"};
        QTest::newRow("percent and interest")
            << CancelLineRow{{"10%", "+16%", "B 10"}, 3, "114.40", "104.40"};
        QTest::newRow("amount interest with cents")
            << CancelLineRow{{"+20.5", "B 10"}, 2, "130.50", "120.50"};
        QTest::newRow("free items add nothing") << CancelLineRow{{"BOLSA 0", "C 3"}, 2, "103.00", "100.00"};
        QTest::newRow("the only line frees the note") << CancelLineRow{{}, 0, "100.00", "0.00"};
    }
    void cancellingALine() {
        QFETCH(CancelLineRow, row);
        const auto& [steps, line, before, total] = row;
        CounterRig rig;
        Counter& c = sideNoteWith100(rig);
        for (const QString& step : steps) {
            if (step[0].isLetter()) {
                if (step.endsWith(" 0")) rig.dialogs.answer(true); // a free item is confirmed
                rig.add("1", step.section(u' ', 0, 0), step.section(u' ', 1));
            } else if (step.startsWith(u'+')) {
                rig.dialogs.type(step.mid(1));
                c.adjustments().mnuIVA_Click();
            } else {
                c.adjustments().eDesc(step);
            }
        }
        QStringList expected = c.notes().at(1).lines;
        QCOMPARE(c.amounts().totalText(), before);
        QCOMPARE(c.tabs().caption(1), "$" + before);
        c.lstNote_Click(line);
        QCOMPARE(c.adjustments().cancelEntryCaption(),
                 "Cancelar [" + expected[line].section(" = ", 0, 0) + "]");
        c.adjustments().mnuDel_Click();
        expected.removeAt(line);
        QCOMPARE(c.notes().at(1).lines, expected);
        QCOMPARE(c.amounts().totalText(), total);
        QCOMPARE(c.notes().at(1).used, !expected.isEmpty());
        if (expected.isEmpty()) QCOMPARE(c.tabs().caption(1), QString("(nuevo)"));
    }

    // Delete key, menu and pop-up: any line of a side note, only an item of the open sale in the record.
    void cancelRule_data() {
        QTest::addColumn<CancelRow>("row");
        QTest::newRow("earlier sale") << CancelRow{0, 0, false};
        QTest::newRow("open sale") << CancelRow{0, 3, true};
        QTest::newRow("side note") << CancelRow{1, 0, true};
        QTest::newRow("no line chosen") << CancelRow{1, -1, false};
    }
    void cancelRule() {
        QFETCH(CancelRow, row);
        const auto& [note, line, cancelled] = row;
        CounterRig rig;
        rig.shop.write(rig.registerName(), kDayWithACard);
        Counter& c = rig.start();
        c.lblTask_Click(note);
        rig.add("1", "NEW", "7");
        c.lstNote_Click(line);
        QCOMPARE(c.adjustments().mayCancel(), cancelled);
        QCOMPARE(c.adjustments().cancelEntryVisible(), cancelled);
        const qsizetype before = c.notes().at(note).lines.size();
        if (!cancelled) c.adjustments().mnuDel_Click(); // refused by the menu entry too
        KeyRouter router(c);
        QVERIFY(router.keyDown(KeyRouter::Control::NoteList, Qt::Key_Delete, Qt::NoModifier));
        QCOMPARE(c.notes().at(note).lines.size(), before - (cancelled ? 1 : 0));
    }

    // The quantity field takes no comma; the charge and the stock read the same number.
    void quantityChargedAsMoved_data() {
        QTest::addColumn<QuantityRow>("row");
        QTest::newRow("point") << QuantityRow{"1.5", "1.5", "$3.00", "[18.5] PAN $2.00"};
        QTest::newRow("comma refused") << QuantityRow{"1,5", "15", "$30.00", "[5] PAN $2.00"};
    }
    void quantityChargedAsMoved() {
        QFETCH(QuantityRow, row);
        const auto& [typed, field, charged, stockLine] = row;
        CounterRig rig;
        rig.shop.write("VL Lista.txt", {"[20] PAN $2.00"});
        Counter& c = rig.start();
        c.lblTask_Click(0);
        c.fields().set(EntryFields::Quantity, typed);
        QCOMPARE(c.fields().field(EntryFields::Quantity), field);
        rig.add(typed, "PAN", "2.00");
        QVERIFY2(c.notes().at(0).lines.last().endsWith(" = " + charged),
                 qPrintable(c.notes().at(0).lines.last()));
        c.amounts().setCashText("9999");
        c.eFinal();
        QCOMPARE(rig.shop.lines("VL Lista.txt"), QStringList{stockLine});
    }

    void symbolIsRecognised_data() {
        QTest::addColumn<SymbolRow>("row");
        QTest::newRow("item list in euros") << SymbolRow{{}, {"[1] PAN €2.00"}, "€", "PAN €2.00"};
        QTest::newRow("record") << SymbolRow{{"1 x A de €5.00 = €5.00"}, {"[1] B £1.00"}, "€", "B £1.00"};
        QTest::newRow("record without sign") << SymbolRow{{"hola"}, {"[1] B £1.00"}, "$", "B £1.00"};
        QTest::newRow("dollar before euro") << SymbolRow{{}, {"[1] X €1 $2"}, "$", "X €1 $2"};
        QTest::newRow("empty list") << SymbolRow{{"1 x A de £5.00 = £5.00"}, {}, "$", "No hay elementos."};
    }
    void symbolIsRecognised() {
        QFETCH(SymbolRow, row);
        const auto& [record, list, symbol, firstShown] = row;
        CounterRig rig;
        if (!record.isEmpty()) rig.shop.write(rig.registerName(), record);
        if (!list.isEmpty()) rig.shop.write("VL Lista.txt", list);
        rig.dialogs.answer(false); // no offer to create a list
        Counter& c = rig.start();
        QCOMPARE(c.currency().symbol(), symbol);
        QCOMPARE(c.amounts().changeMoney(), symbol);
        QCOMPARE(c.items().shownLine(0), firstShown);
    }

    // The currency changes until a note holds a sale or the register a line.
    void changingTheCurrency() {
        CounterRig rig;
        Counter& c = rig.start();
        c.mMoneda_Click(1);
        rig.add("1", "PAN", "2");
        QCOMPARE(c.notes().at(1).lines.first(), QString("1 x PAN de €2.00 = €2.00"));
        c.mMoneda_Click(2);
        c.eDelBox();
        rig.dialogs.type("0");
        c.eInMoney(); // the drawer opened: the register's first line
        c.mMoneda_Click(2);
        QCOMPARE(rig.dialogs.messages(),
                 (QStringList{"Primero cancele la operación de la nota actual.",
                              "Sólo se puede cambiar la moneda antes de comenzar a registrar."}));
        QCOMPARE(c.currency().symbol(), QString("€"));
    }

    void missingListIsOffered_data() {
        QTest::addColumn<OfferRow>("row");
        QTest::newRow("spanish yes") << OfferRow{"", true, "VL Lista.txt", "ARTÍCULO $198.00"};
        QTest::newRow("english yes") << OfferRow{"EN", true, "VL List.txt", "ITEM $198.00"};
        QTest::newRow("no") << OfferRow{"", false, "", "No hay elementos."};
    }
    void missingListIsOffered() {
        QFETCH(OfferRow, row);
        const auto& [language, yes, file, shown] = row;
        CounterRig rig(language);
        rig.dialogs.answer(yes);
        Counter& c = rig.start();
        QCOMPARE(rig.dialogs.questionTexts().size(), 1);
        QCOMPARE(c.items().shownLine(0), shown);
        if (!file.isEmpty())
            QVERIFY(rig.shop.lines(file).size() == 1 && rig.shop.lines(file).first().startsWith("[10] "));
        QVERIFY(!rig.shop.exists(language == "EN" ? "VL Lista.txt" : "VL List.txt"));
    }

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
        row("a withdrawal for the total", "", {kSale100, "-----(10:10)-------> [RETIRO $30.00] pago total"},
            "cash 1 100.00 | out 1 30.00 | expected 70.00");
        // Each count against the cash before it; the last one counts.
        row("two counts", "",
            {kSale100, "=====(12:00)=====> [ARQUEO $90.00] esperado $100.00 faltante $10.00", kEntry50,
             "=====(18:05)=====> [ARQUEO $1,150.50] esperado $150.00 sobrante $1,000.50"},
            "cash 1 100.00 | in 1 50.00 | expected 150.00 | count 12:00 90.00/100.00/-10.00 | "
            "count 18:05 1150.50/150.00/1000.50 | last 18:05");
        row("english", "EN",
            {kSale100, "-----(10:05)-------> [ENTRY $50.00] float",
             "-----(10:10)-------> [WITHDRAWAL $30.00] bank",
             "-----(10:20)------------------------------> CANCELLED",
             "*****(11:00)**************************** [CARD $86.00]",
             "=====(18:05)=====> [CASH COUNT $120.00] expected $120.00 balanced"},
            "cash 1 100.00 | in 1 50.00 | out 1 30.00 | card 1 86.00 | cancelled 1 | expected 120.00 | "
            "count 18:05 120.00/120.00/0.00 | last 18:05");
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
        rig.shop.write("VL Info.txt", {"La Esquina", "Av. Juárez 128"});
        Counter& c = startWith(rig, day, false);
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
        rig.shop.write("VL Info.txt", {"La Esquina", "Av. Juárez 128"});
        Counter& c = startWith(rig, day, false);
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
        row("before the period", {{"VENTAS #30-11-2026.txt", kOneSale}}, {}, true, "", "");
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

QTEST_GUILESS_MAIN(RegisterTest)
#include "register_test.moc"

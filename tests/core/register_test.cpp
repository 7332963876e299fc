#include "CounterRig.h"
#include "core/register/RegisterEntry.h"
#include "core/register/RegisterLines.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <tuple>

// line as read: kind|time|amount|text|quantity|price|percent, empty and zero fields at the end left out
using KindRow = std::tuple<QString, QString, QString>;
using ReasonRow = std::tuple<QString, QString, double, int, double>;
using FileRow = std::tuple<QString, QString>;
// taken: split-off names already there ("d" marks a folder)
using CutRow = std::tuple<QStringList, QString>;

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

// A counter on a register holding these lines, the record note in front, tickets printed.
Counter& startWith(CounterRig& rig, const QStringList& lines) {
    if (!lines.isEmpty()) rig.shop.write(fileName(rig.language), lines);
    Counter& c = rig.start();
    c.lblTask_Click(0);
    c.settings().toggleTickets();
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

} // namespace

// line: the register's new last line; empty: nothing booked
using MovementsRow = std::tuple<QString, bool, QStringList, QString, int>;
// procedure: 0 cash total, 1 sale count, 2 card sum, 3 card count
using MessagesRow = std::tuple<QString, QStringList, int, QString>;

// operation: 0 entry, 1 withdrawal, 2 simple card entry, 3 card sum
using RefusalRow = std::tuple<int, int, bool>;
// line: booked; empty: the register is unchanged
using SimpleCardEntryRow = std::tuple<QStringList, QString, QString>;
using CashLimitRow = std::tuple<QString, QString, QString>;
using CutMenuRow = std::tuple<QStringList, int, bool>;

class RegisterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every kind in both languages, then the lines a shop's hands or a cut-short file leave behind.
    void readsEveryKind_data() {
        QTest::addColumn<KindRow>("row");
        const auto row = [](const char* name, const QString& language, const QString& line,
                            const char* read) {
            QTest::newRow(name) << KindRow{language, line, read};
        };
        const QString es, en = "EN";
        row("sale total", es, "-----(14:35)------------------------------> [TOTAL $1,234.50]",
            "total|14:35|1234.5");
        row("cancelled", es, "-----(14:35)------------------------------> CANCELADO", "cancelled|14:35");
        row("entry", es, "-----(09:05)-------> [INGRESO $50.00] cambio", "entry|09:05|50|cambio");
        row("drawer opened", es, "-----(09:05)-------> [CAJA ABIERTA]", "drawer|09:05");
        row("card sale", es, "*****(18:41)**************************** [TARJETA $86.00]", "card|18:41|86");
        row("simple card", es, "*****(18:41)********* [TARJETA $86.00]", "simple card|18:41|86");
        row("count", es, "=====(18:05)=====> [ARQUEO $1,450.00] esperado $1,462.50",
            "count|18:05|1450|esperado $1,462.50");
        row("item", es, "2 x PAN de $12.50 = $25.00", "item||25|PAN|2|12.5");
        row("item with discount", es, "2 x PAN DE CASA de $1,500.00 (-10%) = $2,700.00",
            "item||2700|PAN DE CASA|2|1500|10");
        row("item with surcharge", es, "1.5 x PAN de $10.00 (+5%) = $15.75", "item||15.75|PAN|1.5|10|-5");
        row("free item", es, "3 x BOLSA gratis", "item||0|BOLSA|3");
        row("discount in per cent", es, "     -10% de descuento", "discount||0||0|0|10");
        row("discount as an amount", es, "     -$1,000 de descuento", "discount||1000");
        row("interest in per cent", es, "     +16% de interés", "interest||0||0|0|16");
        row("entry en", en, "-----(09:05)-------> [ENTRY $1,500.00] change", "entry|09:05|1500|change");
        row("withdrawal en", en, "-----(09:05)-------> [WITHDRAWAL $30.00] bank", "withdrawal|09:05|30|bank");
        row("card sale en", en, "*****(18:41)**************************** [CARD $86.00]", "card|18:41|86");
        row("item en", en, "2 x MILK of $1.50 (-10%) = $2.70", "item||2.7|MILK|2|1.5|10");
        row("free item en", en, "1 x BAG free", "item||0|BAG|1");
        row("interest en", en, "     +$2.5 interest", "interest||2.5");
        row("lower-case keyword", es, "-----(1)-------> [ingreso $10.00] Caja", "entry|1|10|Caja");
        row("mixed-case card, short bridge", es, "*****(1)*** [Tarjeta $4.00]", "simple card|1|4");
        row("keyword cut short", es, "-----(2)-> [TOTA $9]", "other|2");
        row("cut short in the amount", es, "-----(09:00)-> [TOTAL $100.0", "total|09:00|100");
        row("cut short in the time", es, "-----(09:0", "other");
        row("no symbol", es, "-----(09:00)-> [TOTAL 100.00]", "total|09:00");
        row("another currency", es, "-----(09:00)-> [TOTAL €5.00]", "total|09:00");
        row("spanish keyword read in english", en, "-----(09:05)-------> [INGRESO $50.00] cambio",
            "other|09:05");
        row("english keyword read in spanish", es, "*****(18:41)********* [CARD $86.00]", "other|18:41");
        row("brackets in the reason", es, "-----(09:05)-> [RETIRO $5.00] caja [TOTAL $9]",
            "withdrawal|09:05|5|caja [TOTAL $9]");
        row("parenthesis after the brackets", es, "--- [TOTAL $5] (14:00)", "total||5|(14:00)");
        row("bare count", es, "=", "count");
        row("unknown booking", es, "--- nada $5", "other");
        row("empty", es, "", "other");
        row("single signs", es, "-*", "other");
        row("item cut short", es, "2 x PAN de $12", "other");
        row("no bracket", es, "-----(2)-> TOTAL $9", "other|2");
        row("plain text", es, "hola $3", "other");
        row("item without symbol", es, "2 x PAN de 12.50 = 25.00", "other");
        row("huge", es, QString(100000, 'x'), "other");
        row("binary", es, QString::fromLatin1("\x01\xff$12 x ["), "other");
    }
    void readsEveryKind() {
        QFETCH(KindRow, row);
        const auto& [language, line, read] = row;
        const RegisterEntry e = RegisterEntry::read(line, "$", Language(language));
        QCOMPARE(e.line(), line);
        QCOMPARE(readAs(e), read);
    }

    // A line's keyword is read only where the program writes it: a reason (or anything after the
    // brackets, or an item's description) that names another kind changes no total.
    void reasonsNeverChangeTheTotals_data() {
        QTest::addColumn<ReasonRow>("row");
        for (const QString& code : {QString(), QString("EN")}) {
            const Language l(code);
            for (const QString reason : {"pago total", "ingreso", "tarjeta", "retiro", "cancelado",
                                         "total paid", "card", "entry", "[TOTAL $50.00]"}) {
                const auto add = [&](const char* name, const QString& line, double cash, int sales,
                                     double cards) {
                    QTest::addRow("%s %s: %s", code.isEmpty() ? "es" : "en", name, qPrintable(reason))
                        << ReasonRow{code, line, cash, sales, cards};
                };
                const QString after = u' ' + reason;
                add("sale total", RegisterLines::saleTotal("10:00", "$", 100) + after, 100, 1, 0);
                add("cancelled", RegisterLines::cancelled("10:00", l) + after, 0, 0, 0);
                add("entry", RegisterLines::cashEntry("10:00", "$", 100, reason, l), 100, 0, 0);
                add("withdrawal", RegisterLines::cashWithdrawal("10:00", "$", 100, reason, l), -100, 0, 0);
                add("drawer opened", RegisterLines::drawerOpened("10:00", l) + after, 0, 0, 0);
                add("card sale", RegisterLines::cardSale("10:00", "$", 100, l) + after, 0, 0, 100);
                add("simple card", RegisterLines::simpleCard("10:00", "$", 100, l) + after, 0, 0, 100);
                add("item", "1 x " + reason + (l.isEnglish() ? " of" : " de") + " $1.00 = $1.00", 0, 0, 0);
            }
        }
    }
    void reasonsNeverChangeTheTotals() {
        QFETCH(ReasonRow, row);
        auto [language, line, cash, sales, cards] = row;
        const Language lang(language);
        QCOMPARE(RegisterLines::cashTotal({line}, "$", lang), cash);
        QCOMPARE(RegisterLines::saleCount({line}, lang), sales);
        QCOMPARE(RegisterLines::cardSum({line}, "$", lang), cards);
        QCOMPARE(RegisterLines::cardCount({line}, lang), cards > 0 ? 1 : 0);
    }

    // The language comes from the file's name, the symbol from its first line.
    void aFileIsReadInTheLanguageOfItsName_data() {
        QTest::addColumn<FileRow>("row"); // language "none": no register file
        QTest::newRow("spanish") << FileRow{"/tienda/VENTAS #05-12-2026.txt", ""};
        QTest::newRow("english split-off") << FileRow{"SALES #05-12-2026 (2).txt", "EN"};
        QTest::newRow("old-style name") << FileRow{"Ventas de 05-12-2026.txt", ""};
        QTest::newRow("recovered") << FileRow{"VENTAS #05-12-2026 (recuperado).txt", ""};
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
        const auto row = [](const char* name, const char* language, bool entry, const QStringList& answers,
                            const QString& line, int prompts) {
            QTest::newRow(name) << MovementsRow{QString(language), entry, answers, line, prompts};
        };
        const QString at = "-----(14:35)-------> [", open = at + "CAJA ABIERTA]";
        row("commas removed", "", true, {"1,500", "cambio"}, at + "INGRESO $1,500.00] cambio", 2);
        row("picture of the typed number", "", false, {"999.999", "x"}, at + "RETIRO $1000.00] x", 2);
        row("negative asked again", "", false, {"-20", "-0.5", "50", ""}, at + "RETIRO $50.00] ", 4);
        row("zero opens the drawer", "", true, {"0"}, open, 1);
        row("text opens the drawer", "", false, {"abc"}, open, 1);
        row("blank", "", true, {"  "}, "", 1);
        row("negative then cancelled", "", false, {"-20", ""}, "", 2);
        row("cancelled at the reason", "", true, {"25", "<Cancel>"}, "", 2);
        row("english", "EN", true, {"20", "float"}, at + "ENTRY $20.00] float", 2);
        row("outside the code page", "", true, {"5", "café 中\xF0\x9F\x98\x80\nfin"},
            at + "INGRESO $5.00] café ?? fin", 2);
    }
    void movements() {
        QFETCH(MovementsRow, row);
        auto [language, entry, answers, line, prompts] = row;
        CounterRig rig(language);
        Counter& c = startWith(rig, {kSale100});
        typeAll(rig, answers);
        entry ? c.eInMoney() : c.eOutMoney();
        QCOMPARE(rig.dialogs.prompts().size(), prompts);
        QCOMPARE(rig.dialogs.unexpected, 0);
        QVERIFY(rig.dialogs.messages().isEmpty());
        const QStringList expected = line.isEmpty() ? QStringList{kSale100} : QStringList{kSale100, line};
        QCOMPARE(c.notes().at(0).lines, expected);
        QCOMPARE(rig.shop.lines(fileName(language)), expected);
        if (line.isEmpty()) {
            QVERIFY(rig.printer.attempts.isEmpty());
            return;
        }
        QCOMPARE(c.notes().at(0).selected, 1);
        QCOMPARE(c.notes().saleStart(), 1);
        // The notice shows the booking without its reason.
        const QString notice = line.left(line.indexOf(u']') + 1);
        QVERIFY2(printed(rig, PrintDocument::Kind::Notice).contains(notice), qPrintable(notice));
    }

    void aLongReasonIsKept() {
        CounterRig rig;
        Counter& c = startWith(rig, {});
        const QString reason(10000, u'x');
        typeAll(rig, {"1", reason});
        c.eInMoney();
        QVERIFY(c.notes().at(0).lines.last().endsWith(QStringLiteral("] ") + reason));
        QCOMPARE(rig.shop.lines(fileName(QString())), c.notes().at(0).lines);
    }

    // A sale open in the record note refuses movements and card entries; one open on another tab
    // does not, and a side note paid by card waits for the record.
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
    void payingASideNoteByCardWaitsForTheRecord() {
        CounterRig rig;
        Counter& c = startWith(rig, {kSale100});
        rig.add("1", "PAN", "10");
        c.lblTask_Click(1);
        rig.add("1", "LECHE", "20");
        rig.dialogs.clear();
        c.eUsingCard();
        QCOMPARE(rig.dialogs.messages(), QStringList{kRefusal});
        QCOMPARE(c.notes().at(0).lines.size(), 2);
        QCOMPARE(c.notes().at(1).lines.size(), 1);
    }

    void simpleCardEntry_data() {
        QTest::addColumn<SimpleCardEntryRow>("row");
        const QString card = "*****(14:35)********* [TARJETA $%1]";
        QTest::newRow("booked") << SimpleCardEntryRow{{"1,250"}, card.arg("1,250.00"), card.arg("1,250.00")};
        QTest::newRow("negative asked again")
            << SimpleCardEntryRow{{"-3", "86"}, card.arg("86.00"), card.arg("86.00")};
        QTest::newRow("zero prints the drawer only")
            << SimpleCardEntryRow{{"0"}, "", "-----(14:35)-------> [CAJA ABIERTA]"};
        QTest::newRow("blank") << SimpleCardEntryRow{{" "}, "", ""};
    }
    void simpleCardEntry() {
        QFETCH(SimpleCardEntryRow, row);
        auto [answers, line, notice] = row;
        CounterRig rig;
        Counter& c = startWith(rig, {kSale100});
        typeAll(rig, answers);
        c.eCreditCard();
        QCOMPARE(rig.dialogs.unexpected, 0);
        const QStringList expected = line.isEmpty() ? QStringList{kSale100} : QStringList{kSale100, line};
        QCOMPARE(c.notes().at(0).lines, expected);
        QCOMPARE(rig.shop.lines(fileName(QString())), expected);
        QCOMPARE(printed(rig, PrintDocument::Kind::Notice).contains(notice), !notice.isEmpty());
        if (notice.isEmpty()) QVERIFY(rig.printer.attempts.isEmpty());
    }

    void payingByCard_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("record note") << 0;
        QTest::newRow("tab 2") << 1;
    }
    void payingByCard() {
        QFETCH(int, tab);
        CounterRig rig;
        Counter& c = startWith(rig, {kSale100});
        c.lblTask_Click(tab);
        rig.add("1", "RADIO", "1250");
        c.eUsingCard();
        QCOMPARE(c.notes().at(0).lines.size(), 3);
        QCOMPARE(c.notes().at(0).lines.last(),
                 "*****(14:35)**************************** [TARJETA $1,250.00]");
        QVERIFY(c.notes().at(tab).lines.isEmpty() == (tab > 0));
        QVERIFY(!c.notes().at(tab).used);
        QCOMPARE(c.notes().at(tab).total, 0.0);
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
        row("cash total", "", day, 0, "SUMA TOTAL [$120.00]");
        row("spanish day read in english", "EN", day, 0, "TOTAL SUM [$100.00]");
        row("negative", "", {kOut30}, 0, "SUMA TOTAL [$-30.00]");
        row("sales", "", day, 1, "NÚMERO DE VENTAS [1]");
        row("only card sales", "", {kCard86}, 1, "NO HAY VENTAS.");
        row("no sales english", "EN", {kEntry50}, 1, "NO SALES.");
        row("card sum", "", day, 2, "INGRESOS CON TARJETA [$1,336.00]");
        row("card sum none", "", {kSale100}, 2, "NO HAY INGRESOS CON TARJETA.");
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
    void cashTotalWaitsForAnOpenSale() {
        CounterRig rig;
        Counter& c = startWith(rig, {kSale100});
        rig.add("1", "PAN", "10");
        rig.dialogs.clear();
        c.cut().mnuCut_Click();
        QVERIFY(rig.dialogs.shown.isEmpty());
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

    // The cut moves the day's file to the first free split-off name, prints what was in the record
    // note and starts a fresh register.
    void cut_data() {
        QTest::addColumn<CutRow>("row");
        QTest::newRow("a freed number is used again") << CutRow{{"2"}, "VENTAS #05-12-2026 (1).txt"};
        QTest::newRow("a folder is skipped") << CutRow{{"1d", "2"}, "VENTAS #05-12-2026 (3).txt"};
    }
    void cut() {
        QFETCH(CutRow, row);
        const auto& [taken, expected] = row;
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
        QCOMPARE(rig.shop.lines(expected), day);
        QVERIFY(!rig.shop.exists(fileName(QString())));
        QVERIFY(c.notes().at(0).lines.isEmpty());
        QCOMPARE(c.notes().saleStart(), -1);
        QVERIFY(!c.cut().cutMenuEnabled());
        const QStringList report = printed(rig, PrintDocument::Kind::Report);
        QVERIFY(report.contains(kSale100) && report.contains(kEntry50));
        // The next sale goes to a fresh file of the day's name.
        rig.add("1", "PAN", "10");
        c.amounts().setCashText("10");
        c.eFinal();
        QCOMPARE(rig.shop.lines(fileName(QString())).size(), 2);
    }

    void cutFailures_data() {
        QTest::addColumn<bool>("blocked"); // the day's file cannot be written: yes, and it fails
        QTest::newRow("no") << false;
        QTest::newRow("blocked") << true;
    }
    void cutFailures() {
        QFETCH(bool, blocked);
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
};

QTEST_GUILESS_MAIN(RegisterTest)
#include "register_test.moc"

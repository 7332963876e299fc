#include "CounterRig.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString kSale100 = QStringLiteral("-----(10:00)------------------------------> [TOTAL $100.00]");
const QString kEntry50 = QStringLiteral("-----(10:05)-------> [INGRESO $50.00] cambio");
const QString kOut30 = QStringLiteral("-----(10:10)-------> [RETIRO $30.00] banco");
const QString kCard86 = QStringLiteral("*****(11:00)**************************** [TARJETA $86.00]");
const QString kCard1250 = QStringLiteral("*****(11:30)********* [TARJETA $1,250.00]");

QString fileName(const QString& language) {
    return (language == QLatin1String("EN") ? QStringLiteral("SALES #") : QStringLiteral("VENTAS #")) +
           QStringLiteral("05-12-2026.txt");
}

// A counter on a register already holding these lines, the record note in front, tickets printed,
// no box pending.
Counter& startWith(CounterRig& rig, const QStringList& lines) {
    if (!lines.isEmpty()) rig.shop.write(fileName(rig.language), lines);
    Counter& c = rig.start();
    c.lblTask_Click(0);
    c.settings().toggleTickets(); // tickets and notices print without a question
    rig.dialogs.clear();
    rig.dialogs.unexpected = 0;
    return c;
}

// Every line printed by the jobs of this kind.
QStringList printed(const CounterRig& rig, PrintDocument::Kind kind) {
    QStringList lines;
    for (const PrintDocument& job : rig.printer.jobs)
        if (job.kind() == kind) lines += job.lines();
    return lines;
}

// An answer that cancels its input box.
const QString kCancel = QStringLiteral("<Cancel>");

void typeAll(CounterRig& rig, const QStringList& answers) {
    for (const QString& a : answers)
        a == kCancel ? rig.dialogs.cancel() : rig.dialogs.type(a);
}

} // namespace

class RegisterOpsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void movements_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("entry");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("line");   // the register's new last line; empty: nothing booked
        QTest::addColumn<QString>("notice"); // the line on the notice
        QTest::addColumn<int>("prompts");
        const QString open = QStringLiteral("-----(14:35)-------> [CAJA ABIERTA]");
        QTest::newRow("entry grouped") << "" << true << QStringList{"1500", "cambio"}
                                       << "-----(14:35)-------> [INGRESO $1,500.00] cambio"
                                       << "-----(14:35)-------> [INGRESO $1,500.00]" << 2;
        QTest::newRow("picture of the typed number")
            << "" << false << QStringList{"999.999", "x"} << "-----(14:35)-------> [RETIRO $1000.00] x"
            << "-----(14:35)-------> [RETIRO $1000.00]" << 2;
        QTest::newRow("negative asked again")
            << "" << false << QStringList{"-20", "-0.5", "50", ""} << "-----(14:35)-------> [RETIRO $50.00] "
            << "-----(14:35)-------> [RETIRO $50.00]" << 4;
        QTest::newRow("commas removed")
            << "" << true << QStringList{"1,500", ""} << "-----(14:35)-------> [INGRESO $1,500.00] "
            << "-----(14:35)-------> [INGRESO $1,500.00]" << 2;
        QTest::newRow("zero opens the drawer") << "" << true << QStringList{"0"} << open << open << 1;
        QTest::newRow("text opens the drawer") << "" << false << QStringList{"abc"} << open << open << 1;
        QTest::newRow("overflow opens the drawer") << "" << true << QStringList{"1e400"} << open << open << 1;
        QTest::newRow("blank") << "" << true << QStringList{"  "} << ""
                               << "" << 1;
        QTest::newRow("cancelled") << "" << false << QStringList{""} << ""
                                   << "" << 1;
        QTest::newRow("negative then cancelled") << "" << false << QStringList{"-20", ""} << ""
                                                 << "" << 2;
        QTest::newRow("cancelled at the reason") << "" << true << QStringList{"25", kCancel} << ""
                                                 << "" << 2;
        QTest::newRow("english") << "EN" << true << QStringList{"20", "float"}
                                 << "-----(14:35)-------> [ENTRY $20.00] float"
                                 << "-----(14:35)-------> [ENTRY $20.00]" << 2;
        QTest::newRow("english drawer")
            << "EN" << false << QStringList{"0"} << "-----(14:35)-------> [OPEN CASH]"
            << "-----(14:35)-------> [OPEN CASH]" << 1;
        QTest::newRow("outside the code page")
            << "" << true << QStringList{"5", QString::fromUtf8("café 中\xF0\x9F\x98\x80\nfin")}
            << QString::fromUtf8("-----(14:35)-------> [INGRESO $5.00] café ?? fin")
            << "-----(14:35)-------> [INGRESO $5.00]" << 2;
    }
    void movements() {
        QFETCH(QString, language);
        QFETCH(bool, entry);
        QFETCH(QStringList, answers);
        QFETCH(QString, line);
        QFETCH(QString, notice);
        QFETCH(int, prompts);
        CounterRig rig(language);
        Counter& c = startWith(rig, {kSale100});
        typeAll(rig, answers);
        entry ? c.eInMoney() : c.eOutMoney();
        QCOMPARE(rig.dialogs.prompts().size(), prompts);
        QCOMPARE(rig.dialogs.unexpected, 0);
        QVERIFY(rig.dialogs.messages().isEmpty());
        if (line.isEmpty()) {
            QCOMPARE(c.notes().at(0).lines, QStringList{kSale100});
            QVERIFY(rig.printer.attempts.isEmpty());
            return;
        }
        QCOMPARE(c.notes().at(0).lines.size(), 2);
        QCOMPARE(c.notes().at(0).lines.last(), line);
        QCOMPARE(c.notes().at(0).selected, 1);
        QCOMPARE(c.notes().saleStart(), 1);
        QCOMPARE(rig.shop.lines(fileName(language)), c.notes().at(0).lines);
        const QStringList notes = printed(rig, PrintDocument::Kind::Notice);
        QVERIFY2(notes.contains(notice), qPrintable(notes.join(u'|')));
        QVERIFY(!notes.contains(line) || line == notice);
    }

    void promptTexts_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("entry");
        QTest::addColumn<QStringList>("prompts");
        QTest::newRow("es entry") << "" << true << QStringList{"Ingreso de $", "Motivo del ingreso: "};
        QTest::newRow("es withdrawal") << "" << false << QStringList{"Retiro de $", "Motivo del retiro: "};
        QTest::newRow("en entry") << "EN" << true << QStringList{"Entry $", "Entry reason?: "};
        QTest::newRow("en withdrawal")
            << "EN" << false << QStringList{"Withdrawal $", "Withdrawal reason?: "};
    }
    void promptTexts() {
        QFETCH(QString, language);
        QFETCH(bool, entry);
        QFETCH(QStringList, prompts);
        CounterRig rig(language);
        Counter& c = startWith(rig, {});
        typeAll(rig, {"1", "r"});
        entry ? c.eInMoney() : c.eOutMoney();
        QCOMPARE(rig.dialogs.prompts(), prompts);
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

    // A sale open in the record note refuses movements and simple card entries; one open on another
    // tab does not.
    void refusal_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("operation"); // 0 entry, 1 withdrawal, 2 simple card entry, 3 card sum
        QTest::addColumn<bool>("refused");
        for (int op = 0; op < 3; ++op) {
            QTest::addRow("record open %d", op) << 0 << op << true;
            QTest::addRow("tab 2 open %d", op) << 1 << op << false;
        }
        QTest::newRow("card sum, record open") << 0 << 3 << true;
    }
    void refusal() {
        QFETCH(int, tab);
        QFETCH(int, operation);
        QFETCH(bool, refused);
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
        const QStringList refusal{"Primero complete la operación de la nota de registro."};
        QCOMPARE(rig.dialogs.messages() == refusal, refused);
        if (refused) {
            QCOMPARE(c.notes().at(0).lines, before);
            QVERIFY(rig.printer.attempts.isEmpty());
        } else {
            QCOMPARE(c.notes().at(0).lines.size(), before.size() + 1);
            QCOMPARE(c.notes().at(tab).lines.size(), 1); // the other note is untouched
            QVERIFY(c.notes().at(tab).used);
        }
    }

    void simpleCardEntry_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("line"); // booked; empty: the register is unchanged
        QTest::addColumn<QString>("notice");
        QTest::newRow("booked") << QStringList{"1,250"} << "*****(14:35)********* [TARJETA $1,250.00]"
                                << "*****(14:35)********* [TARJETA $1,250.00]";
        QTest::newRow("negative asked again")
            << QStringList{"-3", "86"} << "*****(14:35)********* [TARJETA $86.00]"
            << "*****(14:35)********* [TARJETA $86.00]";
        QTest::newRow("zero prints the drawer only") << QStringList{"0"} << ""
                                                     << "-----(14:35)-------> [CAJA ABIERTA]";
        QTest::newRow("blank") << QStringList{" "} << ""
                               << "";
    }
    void simpleCardEntry() {
        QFETCH(QStringList, answers);
        QFETCH(QString, line);
        QFETCH(QString, notice);
        CounterRig rig;
        Counter& c = startWith(rig, {kSale100});
        typeAll(rig, answers);
        c.eCreditCard();
        QCOMPARE(rig.dialogs.unexpected, 0);
        QCOMPARE(rig.dialogs.prompts().first(), QString("Ingreso con tarjeta de $"));
        const QStringList expected = line.isEmpty() ? QStringList{kSale100} : QStringList{kSale100, line};
        QCOMPARE(c.notes().at(0).lines, expected);
        QCOMPARE(rig.shop.lines(fileName(QString())), expected);
        const QStringList notes = printed(rig, PrintDocument::Kind::Notice);
        QCOMPARE(notes.contains(notice), !notice.isEmpty());
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
        const QString card = QStringLiteral("*****(14:35)**************************** [TARJETA $1,250.00]");
        QCOMPARE(c.notes().at(0).lines.size(), 3);
        QCOMPARE(c.notes().at(0).lines.last(), card);
        QVERIFY(c.notes().at(0).lines[1].contains(QStringLiteral("RADIO")));
        QVERIFY(c.notes().at(tab).lines.isEmpty() == (tab > 0));
        QVERIFY(!c.notes().at(tab).used);
        QCOMPARE(c.notes().at(tab).total, 0.0);
        QCOMPARE(c.notes().saleStart(), 2);
        QCOMPARE(rig.shop.lines(fileName(QString())), c.notes().at(0).lines);
        const QStringList ticket = printed(rig, PrintDocument::Kind::Ticket);
        QVERIFY2(ticket.filter(QStringLiteral("Compra con tarjeta")).size() == 1,
                 qPrintable(ticket.join(u'|')));
        rig.dialogs.clear();
        c.lblTask_Click(0);
        c.cut().eCountSales(); // the card sale is no counted sale
        QCOMPARE(rig.dialogs.messages(), QStringList{"NÚMERO DE VENTAS [1]"});
    }

    void payingASideNoteByCardWaitsForTheRecord() {
        CounterRig rig;
        Counter& c = startWith(rig, {kSale100});
        rig.add("1", "PAN", "10");
        c.lblTask_Click(1);
        rig.add("1", "LECHE", "20");
        rig.dialogs.clear();
        c.eUsingCard();
        QCOMPARE(rig.dialogs.messages(),
                 QStringList{"Primero complete la operación de la nota de registro."});
        QCOMPARE(c.notes().at(0).lines.size(), 2);
        QCOMPARE(c.notes().at(1).lines.size(), 1);
        QVERIFY(c.notes().at(1).used);
    }

    void messages_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("procedure"); // 0 cash total, 1 sale count, 2 card sum, 3 card count
        QTest::addColumn<QString>("message");
        const QStringList day{kSale100, kEntry50, kOut30, kCard86, kCard1250};
        QTest::newRow("cash total") << "" << day << 0 << "SUMA TOTAL [$120.00]";
        QTest::newRow("spanish day read in english") << "EN" << day << 0 << "TOTAL SUM [$100.00]";
        QTest::newRow("exactly 1000")
            << "" << QStringList{"-----(10:00)------------------------------> [TOTAL $1,000.00]"} << 0
            << "SUMA TOTAL [$1,000.00]";
        QTest::newRow("negative") << "" << QStringList{kOut30} << 0 << "SUMA TOTAL [$-30.00]";
        QTest::newRow("withdrawal for the total subtracts")
            << "" << QStringList{"-----(10:10)-------> [RETIRO $30.00] total del banco"} << 0
            << "SUMA TOTAL [$-30.00]";
        QTest::newRow("sales") << "" << day << 1 << "NÚMERO DE VENTAS [1]";
        QTest::newRow("only card sales") << "" << QStringList{kCard86} << 1 << "NO HAY VENTAS.";
        QTest::newRow("sales english")
            << "EN" << QStringList{kSale100, kSale100} << 1 << "NUMBER OF SALES [2]";
        QTest::newRow("no sales english") << "EN" << QStringList{kEntry50} << 1 << "NO SALES.";
        QTest::newRow("card sum") << "" << day << 2 << "INGRESOS CON TARJETA [$1,336.00]";
        QTest::newRow("card sum none") << "" << QStringList{kSale100} << 2 << "NO HAY INGRESOS CON TARJETA.";
        QTest::newRow("card sum none english") << "EN" << QStringList{kSale100} << 2 << "NO ENTRIES CARD.";
        QTest::newRow("spanish cards summed in english") << "EN" << day << 2 << "NO ENTRIES CARD.";
        QTest::newRow("card count") << "" << day << 3 << "NÚMERO DE INGRESOS CON TARJETA [2]";
        QTest::newRow("card count none")
            << "" << QStringList{kSale100} << 3 << "NO HAY INGRESOS CON TARJETA.";
        QTest::newRow("card count none english") << "EN" << QStringList{kSale100} << 3 << "NO CARD ENTRIES.";
        QTest::newRow("spanish cards counted in english") << "EN" << day << 3 << "NO CARD ENTRIES.";
        QTest::newRow("english cards") << "EN" << QStringList{"*****(11:00)********* [CARD $86.00]"} << 3
                                       << "NUMBER OF CARD ENTRIES [1]";
    }
    void messages() {
        QFETCH(QString, language);
        QFETCH(QStringList, lines);
        QFETCH(int, procedure);
        QFETCH(QString, message);
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
        rig.dialogs.type("30");
        rig.dialogs.type("banco");
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
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("at the limit") << "500"
                                      << "400"
                                      << "Registro*";
        QTest::newRow("below") << "500"
                               << "399.99"
                               << "Registro";
        QTest::newRow("no limit") << "0"
                                  << "5000"
                                  << "Registro";
    }
    void recordTabAtTheCashLimit() {
        QFETCH(QString, limit);
        QFETCH(QString, entry);
        QFETCH(QString, caption);
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
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << QStringList{} << 0 << false;
        QTest::newRow("one line") << QStringList{kSale100} << 0 << false;
        QTest::newRow("two lines") << QStringList{kSale100, kEntry50} << 0 << true;
        QTest::newRow("another tab in front") << QStringList{kSale100, kEntry50} << 1 << false;
    }
    void cutMenu() {
        QFETCH(QStringList, lines);
        QFETCH(int, tab);
        QFETCH(bool, enabled);
        CounterRig rig;
        Counter& c = startWith(rig, lines);
        c.lblTask_Click(tab);
        QCOMPARE(c.cut().cutMenuEnabled(), enabled);
    }

    // The cut moves the day's file to the first free split-off name, prints what was in the record
    // note and starts a fresh register.
    void cut_data() {
        QTest::addColumn<QStringList>("taken"); // split-off names already there ("d" marks a folder)
        QTest::addColumn<QString>("expected");
        QTest::newRow("first") << QStringList{} << "VENTAS #05-12-2026 (1).txt";
        QTest::newRow("second") << QStringList{"1"} << "VENTAS #05-12-2026 (2).txt";
        QTest::newRow("a freed number is used again") << QStringList{"2"} << "VENTAS #05-12-2026 (1).txt";
        QTest::newRow("a folder is skipped") << QStringList{"1d", "2"} << "VENTAS #05-12-2026 (3).txt";
    }
    void cut() {
        QFETCH(QStringList, taken);
        QFETCH(QString, expected);
        CounterRig rig;
        for (const QString& t : taken) {
            const QString name = QStringLiteral("VENTAS #05-12-2026 (%1).txt").arg(t.left(1));
            if (t.endsWith(u'd'))
                QDir(rig.shop.path()).mkdir(name);
            else
                rig.shop.write(name, {QStringLiteral("antes")});
        }
        const QStringList day{kSale100, kEntry50};
        Counter& c = startWith(rig, day);
        QVERIFY(c.cut().cutMenuEnabled());
        rig.dialogs.answer(true);
        c.mnuPrintCut_Click();
        QCOMPARE(
            rig.dialogs.questionTexts(),
            QStringList{
                "Este corte es para separar registros de hoy en diferentes archivos. ¿Desea continuar?"});
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
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("blocked"); // the day's file cannot be written
        QTest::newRow("no") << false << false;
        QTest::newRow("blocked") << true << true;
    }
    void cutFailures() {
        QFETCH(bool, yes);
        QFETCH(bool, blocked);
        CounterRig rig;
        const QStringList day{kSale100, kEntry50};
        Counter& c = startWith(rig, day);
        if (blocked) {
            QVERIFY(QFile::remove(rig.shop.file(fileName(QString()))));
            QVERIFY(QDir(rig.shop.path()).mkdir(fileName(QString())));
        }
        rig.dialogs.answer(yes);
        c.mnuPrintCut_Click();
        QCOMPARE(rig.dialogs.messages(),
                 blocked ? QStringList{"No se pudo hacer el corte, intente de nuevo o después."}
                         : QStringList{});
        QCOMPARE(c.notes().at(0).lines, day);
        QVERIFY(rig.printer.attempts.isEmpty());
        QVERIFY(!rig.shop.exists("VENTAS #05-12-2026 (1).txt"));
    }
};

QTEST_GUILESS_MAIN(RegisterOpsTest)
#include "register_ops_test.moc"

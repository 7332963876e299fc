#include "CounterRig.h"

#include <QTest>

#include <tuple>

namespace {
const QString kDataError = QStringLiteral("Hubo un error al generar los datos del ticket.");
const QString kTicketFailed =
    QStringLiteral("No se pudo imprimir el ticket, intente nuevamente o más tarde.");
const QString kCopyPrinted =
    QStringLiteral("Se ha impreso la copia del cliente, ahora se imprimirá la copia del negocio.");

// A counter with the record note in front and tickets as asked.
Counter& startWith(CounterRig& rig, bool tickets, bool doubleTicket = false) {
    Counter& c = rig.start();
    c.lblTask_Click(0);
    if (tickets) c.settings().toggleTickets();
    if (doubleTicket) c.settings().toggleDouble();
    rig.dialogs.clear();
    rig.dialogs.unexpected = 0;
    return c;
}

void sell(CounterRig& rig) {
    rig.add("2", "PAN", "12.50");
    rig.counter->amounts().setCashText("30");
    rig.counter->eFinal();
}

QStringList kinds(const QList<PrintDocument>& jobs) {
    QStringList names;
    for (const PrintDocument& job : jobs)
        names << PrintDocument::kindName(job.kind());
    return names;
}
} // namespace

using TicketNumberRow = std::tuple<bool, bool, QStringList, QStringList, qint64>;
using NoticeRow = std::tuple<bool, bool, QList<bool>, bool, int, int, QStringList>;
using ShopKeyRow = std::tuple<QString, QString, bool, int, QStringList>;

class PrintProceduresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ticketNumberAdvancesForPrintedCustomerCopies_data() {
        QTest::addColumn<TicketNumberRow>("row");
        QTest::newRow("single") << TicketNumberRow{false, false, QStringList{"ticket"}, QStringList{},
                                                   qint64(2)};
        QTest::newRow("double") << TicketNumberRow{true, false, QStringList{"ticket", "copy"},
                                                   QStringList{kCopyPrinted}, qint64(2)};
        QTest::newRow("single fails")
            << TicketNumberRow{false, true, QStringList{}, QStringList{kDataError}, qint64(1)};
        // A customer copy that failed is not announced as printed, and no business copy follows.
        QTest::newRow("double fails")
            << TicketNumberRow{true, true, QStringList{}, QStringList{kDataError}, qint64(1)};
    }
    void ticketNumberAdvancesForPrintedCustomerCopies() {
        QFETCH(TicketNumberRow, row);
        auto [doubleTicket, failing, printed, messages, next] = row;
        CounterRig rig;
        Counter& c = startWith(rig, true, doubleTicket);
        rig.printer.failing = failing;
        sell(rig);
        QCOMPARE(kinds(rig.printer.jobs), printed);
        QCOMPARE(rig.dialogs.messages(), messages);
        if (!rig.dialogs.shown.isEmpty())
            QCOMPARE(rig.dialogs.shown.first().icon,
                     failing ? Dialogs::Icon::Warning : Dialogs::Icon::Information);
        for (const PrintDocument& job : rig.printer.jobs)
            QVERIFY(job.lines().contains("Ticket No. 001"));
        // The sale stays recorded whatever the printer did.
        QCOMPARE(rig.shop.lines(rig.registerName()).size(), 2);
        QCOMPARE(c.settings().values().ticketNumber, next);
        rig.dialogs.clear();
        c.tickets().mnuWhereTicket_Click();
        QCOMPARE(rig.dialogs.messages(),
                 QStringList{next == 2 ? QStringLiteral("Ticket #1")
                                       : QStringLiteral("Ningún ticket se ha impreso.")});
        // The number was saved at once.
        rig.start();
        QCOMPARE(rig.counter->settings().values().ticketNumber, next);
    }

    void noticeQuestionOncePerRun_data() {
        QTest::addColumn<NoticeRow>("row");
        QTest::newRow("tickets on") << NoticeRow{true, false, QList<bool>{}, false, 0, 2, QStringList{}};
        QTest::newRow("yes at the first")
            << NoticeRow{false, false, QList<bool>{true}, false, 1, 2, QStringList{}};
        QTest::newRow("no at the first")
            << NoticeRow{false, false, QList<bool>{false}, false, 1, 0, QStringList{}};
        QTest::newRow("after a sale") << NoticeRow{false, true, QList<bool>{}, false, 0, 0, QStringList{}};
        QTest::newRow("printer fails")
            << NoticeRow{true, false, QList<bool>{}, true, 0, 0, QStringList{kTicketFailed, kTicketFailed}};
    }
    void noticeQuestionOncePerRun() {
        QFETCH(NoticeRow, row);
        auto [tickets, saleFirst, answers, failing, questions, notices, messages] = row;
        CounterRig rig;
        Counter& c = startWith(rig, tickets);
        if (saleFirst) {
            rig.dialogs.answer(false);
            sell(rig);
            rig.dialogs.clear();
        }
        const qint64 before = c.settings().values().ticketNumber;
        for (const bool yes : answers)
            rig.dialogs.answer(yes);
        rig.printer.failing = failing;
        c.ePrintQuiz("Ticket No. 001\r\n\r\nMovimiento:\r\n--- ENTRADA");
        c.ePrintQuiz("Ticket No. 002\r\n\r\nMovimiento:\r\n--- ENTRADA");
        QCOMPARE(rig.dialogs.questionTexts().size(), questions);
        QCOMPARE(kinds(rig.printer.jobs), QStringList(notices, "notice"));
        QCOMPARE(rig.dialogs.messages(), messages);
        QCOMPARE(c.settings().values().ticketNumber, before + notices);
        QCOMPARE(rig.dialogs.unexpected, 0);
    }

    // The copy's mark is its first line, above the shop's name; a declined ticket can still be printed.
    void reprintMarksTheCopy_data() {
        QTest::addColumn<bool>("tickets");
        QTest::addColumn<QStringList>("expected"); // the copy's lines; "#" the ticket number's line
        const QString copy =
            "COPIA||MI NEGOCIO||FECHA 05/12/2026|HORA 14:35|#||Descripción:|2 x PAN de $12.50 ||"
            "Importe: $25.00|Efectivo: $30.00|Cambio: $5.00||¡Gracias por su preferencia!||||.|";
        QTest::newRow("printed") << true << QString(copy).replace("#", "Ticket No. 001").split(u'|');
        // Never printed, so it never took a number.
        QTest::newRow("declined") << false << QString(copy).remove("#|").split(u'|');
    }
    void reprintMarksTheCopy() {
        QFETCH(bool, tickets);
        QFETCH(QStringList, expected);
        CounterRig rig;
        Counter& c = startWith(rig, tickets);
        QVERIFY(!c.tickets().reprintAvailable());
        c.tickets().mnuReprint_Click();
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QVERIFY(rig.printer.attempts.isEmpty());
        if (!tickets) rig.dialogs.answer(false);
        sell(rig);
        QVERIFY(c.tickets().reprintAvailable());
        c.tickets().mnuReprint_Click();
        QCOMPARE(rig.printer.jobs.size(), tickets ? 2 : 1);
        QCOMPARE(rig.printer.jobs.last().lines(), expected);
        if (tickets) QCOMPARE(rig.printer.jobs.last().lines().mid(1), rig.printer.jobs.first().lines());
        // The cash sale's ticket opens the drawer; its copy, printed without money, does not.
        QVERIFY(!rig.printer.jobs.last().opensDrawer());
        QCOMPARE(c.settings().values().ticketNumber, qint64(tickets ? 2 : 1));
        rig.printer.failing = true;
        rig.dialogs.clear();
        c.tickets().mnuReprint_Click();
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown.first().icon, Dialogs::Icon::Warning);
    }

    void shopDataBehindTheKey_data() {
        QTest::addColumn<ShopKeyRow>("row");
        QTest::newRow("wrong key") << ShopKeyRow{"k1", "K1", false, 0, QStringList{"Clave incorrecta."}};
        QTest::newRow("empty without a key") << ShopKeyRow{"", "", false, 1, QStringList{}};
        QTest::newRow("right key") << ShopKeyRow{"k1", "k1", false, 1, QStringList{}};
        QTest::newRow("printer fails") << ShopKeyRow{"k1", "k1", true, 0, QStringList{kTicketFailed}};
    }
    void shopDataBehindTheKey() {
        QFETCH(ShopKeyRow, row);
        auto [key, answer, failing, printed, messages] = row;
        CounterRig rig(QString(), key);
        Counter& c = startWith(rig, false);
        rig.printer.failing = failing;
        rig.dialogs.type(answer);
        c.reports().mnuPrintInfo_Click();
        QCOMPARE(rig.dialogs.prompts().size(), 1);
        QCOMPARE(kinds(rig.printer.jobs), QStringList(printed, "shop"));
        QCOMPARE(rig.dialogs.messages(), messages);
        if (!messages.isEmpty())
            QCOMPARE(rig.dialogs.shown.last().icon, failing ? Dialogs::Icon::Warning : Dialogs::Icon::Error);
    }

    void reportAndDrawer_data() {
        QTest::addColumn<bool>("failing");
        QTest::newRow("prints") << false;
        QTest::newRow("fails") << true;
    }
    void reportAndDrawer() {
        QFETCH(bool, failing);
        CounterRig rig;
        Counter& c = startWith(rig, false);
        rig.printer.failing = failing;
        QCOMPARE(c.reports().ePrintHistory(), !failing);
        QCOMPARE(kinds(rig.printer.jobs), failing ? QStringList{} : QStringList{"report"});
        c.tickets().mnuDrawer_Click();
        QCOMPARE(rig.printer.drawerOpenings, 1);
        QCOMPARE(rig.dialogs.messages(),
                 failing ? (QStringList{"No se pudo imprimir el corte, intente nuevamente o más tarde.",
                                        "No se pudo abrir el cajón."})
                         : QStringList{});
    }
};

QTEST_GUILESS_MAIN(PrintProceduresTest)
#include "print_procedures_test.moc"

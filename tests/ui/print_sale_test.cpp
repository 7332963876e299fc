#include "CounterAreas.h"
#include "ScriptedPorts.h"
#include "TempShop.h"
#include "ui/printing/PdfFolderPrinter.h"
#include "ui/shell/MainWindow.h"
#include "ui/widgets/LabelButton.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// A sale typed into the real window prints its ticket into a folder of PDF and text files.
class PrintSaleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saleTicketIntoTheFolder() {
        TempShop shop;
        shop.write("VL Info.txt", {"La Esquina", "Calle 5", "555-1234"});
        QTemporaryDir jobs;
        ScriptedDialogs dialogs;
        FakeClock clock;
        PdfFolderPrinter printer(jobs.path(), clock);
        FakeShell shell;
        MainWindow window(shop.path(), Language(), QString(), Ports{dialogs, clock, printer, shell});
        window.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.counter().lblTask_Click(0);

        auto* reprint = window.findChild<QAction*>("mnuReprint");
        QVERIFY(reprint && !reprint->isEnabled());
        window.findChild<QAction*>("mnuTicket")->trigger();
        const auto type = [&window](const char* name, const QString& text) {
            auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(name));
            field->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(field, text);
        };
        type("txtDato1", "2");
        type("txtDato2", "PAN");
        type("txtDato4", "12.50");
        QTest::mouseClick(window.findChild<LabelButton*>("lblButton0"), Qt::LeftButton);
        type("txtTotal2", "30");
        QTest::keyClick(window.findChild<QLineEdit*>("txtTotal2"), Qt::Key_Return);

        const QStringList texts = QDir(jobs.path()).entryList({"* ticket.txt"}, QDir::Files);
        QCOMPARE(texts.size(), 1);
        QVERIFY(QFile::exists(jobs.filePath(QString(texts.first()).replace(".txt", ".pdf"))));
        const QByteArray expected = "\n"
                                    "LA ESQUINA\n"
                                    "Calle 5\n"
                                    "\n"
                                    "TEL 555-1234\n"
                                    "FECHA 05/12/2026\n"
                                    "HORA 14:35\n"
                                    "Ticket No. 001\n"
                                    "\n"
                                    "Descripción:\n"
                                    "2 x PAN de $12.50 \n"
                                    "\n"
                                    "Importe: $25.00\n"
                                    "Efectivo: $30.00\n"
                                    "Cambio: $5.00\n"
                                    "\n"
                                    "¡Gracias por su preferencia!\n"
                                    "\n\n\n.\n\n";
        QCOMPARE(readFile(jobs.filePath(texts.first())), expected);
        QCOMPARE(window.counter().settings().values().ticketNumber, qint64(2));

        // The same ticket again, marked as a copy, the number unchanged.
        QVERIFY(reprint->isEnabled());
        clock.at = clock.at.addSecs(1);
        reprint->trigger();
        const QStringList again = QDir(jobs.path()).entryList({"* ticket.txt"}, QDir::Files, QDir::Name);
        QCOMPARE(again.size(), 2);
        QCOMPARE(readFile(jobs.filePath(again.last())), "COPIA\n" + expected);
        QCOMPARE(window.counter().settings().values().ticketNumber, qint64(2));
        QCOMPARE(dialogs.messages(), QStringList{});
    }
};

QTEST_MAIN(PrintSaleTest)
#include "print_sale_test.moc"

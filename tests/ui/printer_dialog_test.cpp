#include "CaptureServer.h"
#include "CounterAreas.h"
#include "EscPosDecoder.h"
#include "ScriptedPorts.h"
#include "TempShop.h"
#include "ui/printing/PrinterDialog.h"
#include "ui/printing/PrinterQueues.h"
#include "ui/printing/PrinterSetup.h"
#include "ui/shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

QString focusedName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString("(none)");
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    // A mnemonic presses its button as a click would be seen: released a moment later.
    if (modifiers & Qt::AltModifier) QTest::qWait(150);
}

// The window as the program starts it: the printer chosen in vendel.ini under the command line.
struct Rig {
    void open(const QStringList& arguments = {}, const QString& language = QString()) {
        shop.write("VL Info.txt", {"La Esquina"});
        printers = std::make_unique<PrinterSetup>(shop.path(), Language(language),
                                                  CommandLine::parse(QStringList{"vendel"} + arguments, {}),
                                                  clock, PrinterSetup::Options{1500, {}});
        window = std::make_unique<MainWindow>(shop.path(), Language(language), QString(),
                                              Ports{dialogs, clock, printers->printer(), shell});
        QObject::connect(window.get(), &MainWindow::printerSettingsAsked, window.get(),
                         [this] { printers->openDialog(window.get(), window->counter().shop().brand); });
        window->load();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // "Impresora…" from the Datos menu.
    PrinterDialog* openDialog() {
        window->findChild<QAction*>("mnuPrinter")->trigger();
        auto* dialog = window->findChild<PrinterDialog*>();
        if (dialog && !QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }))
            qWarning("the printer dialog is not active");
        return dialog;
    }
    QString saved(const char* key) const {
        return QSettings(shop.file("vendel.ini"), QSettings::IniFormat)
            .value(QString("printer/") + key)
            .toString();
    }
    QString resultOf(PrinterDialog* dialog) const {
        return dialog->findChild<QLabel*>("lblTestResult")->text();
    }

    TempShop shop;
    ScriptedDialogs dialogs;
    FakeClock clock;
    FakeShell shell;
    std::unique_ptr<PrinterSetup> printers;
    std::unique_ptr<MainWindow> window;
};

} // namespace

// The printer dialog, driven by its keys as an owner would.
class PrinterDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A receipt printer picked in the dialog prints the test page and, after Enter, every ticket.
    void ownerPicksAReceiptPrinter() {
        CaptureServer printerPort(CaptureServer::Behaviour::Answer, {{1, '\x12'}, {4, '\x12'}});
        Rig rig;
        rig.open();
        PrinterDialog* dialog = rig.openDialog();
        QVERIFY(dialog);
        key(Qt::Key_T, Qt::AltModifier);
        key(Qt::Key_X, Qt::AltModifier);
        key(Qt::Key_Down); // network
        key(Qt::Key_D, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), QString("127.0.0.1:%1").arg(printerPort.port()));
        key(Qt::Key_P, Qt::AltModifier);
        key(Qt::Key_Down);               // 58 mm
        key(Qt::Key_J, Qt::AltModifier); // no drawer
        key(Qt::Key_U, Qt::AltModifier);
        QTRY_COMPARE(rig.resultOf(dialog), QString("Prueba impresa."));

        const EscPosDecoder::Job test = EscPosDecoder::decode(printerPort.captured());
        QStringList lines;
        for (const EscPosDecoder::Line& line : test.lines)
            lines << line.text;
        for (const char* expected :
             {"LA ESQUINA", "PRUEBA DE IMPRESIÓN", "05/12/2026 14:35", "áéíóú ÁÉÍÓÚ ñÑ üÜ ¿? ¡! €",
              "----+----1----+----2----+----3--", "--+----4----+---"}) // the 48 columns wrap on 58 mm paper
            QVERIFY2(lines.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(test.commands.contains("cut") && !test.commands.contains("drawer"));

        key(Qt::Key_Return);
        QTRY_VERIFY(!rig.window->findChild<PrinterDialog*>());
        QCOMPARE(rig.saved("kind"), QString("receipt"));
        QCOMPARE(rig.saved("connection"), QString("tcp"));
        QCOMPARE(rig.saved("paper"), QString("58"));
        QCOMPARE(rig.saved("drawer"), QString("false"));

        Counter& counter = rig.window->counter();
        counter.lblTask_Click(0);
        counter.settings().toggleTickets();
        counter.fields().set(EntryFields::Description, "PAN");
        counter.fields().set(EntryFields::Price, "12.50");
        counter.ePreFactura();
        counter.amounts().setCashText("30");
        counter.eFinal();
        QCOMPARE(rig.dialogs.messages(), QStringList{});
        QVERIFY(printerPort.captured().contains("Ticket No. 001\n"));
    }

    // Escape keeps what was saved, and the printer in use.
    void escapeDropsTheChoice() {
        Rig rig;
        rig.open();
        rig.openDialog();
        key(Qt::Key_F, Qt::AltModifier);
        key(Qt::Key_Escape);
        QTRY_VERIFY(!rig.window->findChild<PrinterDialog*>());
        QVERIFY(!rig.shop.exists("vendel.ini"));
        QCOMPARE(rig.printers->inUse(), PrinterSettings());
    }

    // Every control has its mnemonic, in both languages.
    void mnemonics_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("keys");
        QTest::newRow("Spanish") << QString() << QString("TXDPGRJEFSIN");
        QTest::newRow("English") << "EN" << QString("RVAPGTDUFLSN");
    }
    void mnemonics() {
        QFETCH(QString, language);
        QFETCH(QString, keys);
        Rig rig;
        rig.open({}, language);
        QVERIFY(rig.openDialog());
        QStringList reached;
        for (const QChar letter : keys) {
            key(Qt::Key(letter.unicode()), Qt::AltModifier);
            reached << focusedName();
        }
        QCOMPARE(reached,
                 (QStringList{"optReceipt", "cboLink", "txtAddress", "cboPaper", "cboCodepage", "chkCut",
                              "chkDrawer", "chkStatus", "optFolder", "txtFolder", "optSystem", "cboQueue"}));
    }

    // The command line still decides this run after OK; a choice that cannot be saved keeps the dialog.
    void commandLineAndSaving() {
        Rig rig;
        rig.open({"--print-to", rig.shop.file("jobs")});
        PrinterDialog* dialog = rig.openDialog();
        QVERIFY(dialog->findChild<QLabel*>("lblOverridden"));
        key(Qt::Key_T, Qt::AltModifier);
        key(Qt::Key_D, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), "/dev/usb/lp0");
        key(Qt::Key_Return);
        QTRY_VERIFY(!rig.window->findChild<PrinterDialog*>());
        QCOMPARE(rig.saved("kind"), QString("receipt"));
        QCOMPARE(rig.printers->inUse().kind, PrinterSettings::Kind::Folder);

        Rig blocked;
        QVERIFY(QDir(blocked.shop.path()).mkdir("vendel.ini"));
        blocked.open();
        dialog = blocked.openDialog();
        key(Qt::Key_F, Qt::AltModifier);
        key(Qt::Key_Return);
        QCOMPARE(blocked.resultOf(dialog), QString("No se pudo guardar la impresora, intente más tarde."));
        QVERIFY(dialog->isVisible());
        QCOMPARE(blocked.printers->inUse(), PrinterSettings());
    }

    // A print system that takes the question and never answers: the list says so at the deadline.
    void hungPrintSystem_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Spanish") << QString() << QString("Sin respuesta del sistema de impresión.");
        QTest::newRow("English") << "EN" << QString("No answer from the print system.");
    }
    void hungPrintSystem() {
        QFETCH(QString, language);
        QFETCH(QString, shown);
        auto hung = std::make_unique<CaptureServer>(CaptureServer::Behaviour::NeverRead);
        const QByteArray before = qgetenv("CUPS_SERVER");
        qputenv("CUPS_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(hung->port()));
        {
            PrinterDialog dialog(PrinterSettings(), Language(language), {}, false, 300);
            QTRY_COMPARE(dialog.findChild<QLabel*>("lblQueueState")->text(), shown);
            // The question ends once the server goes away; nothing is left asking.
            auto* queues = dialog.findChild<PrinterQueues*>();
            hung.reset();
            QTRY_VERIFY_WITH_TIMEOUT(!queues->asking(), 20000);
        }
        if (before.isNull())
            qunsetenv("CUPS_SERVER");
        else
            qputenv("CUPS_SERVER", before);
    }
};

QTEST_MAIN(PrinterDialogTest)
#include "printer_dialog_test.moc"

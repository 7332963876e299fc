#include "CaptureServer.h"
#include "CounterRig.h"
#include "PrivateCups.h"
#include "WindowRig.h"
#include "core/printing/EscPosEncoder.h"
#include "ui/printing/EscPosPrinter.h"
#include "ui/printing/EscPosTransport.h"
#include "ui/printing/PdfFolderPrinter.h"
#include "ui/printing/PrinterDialog.h"
#include "ui/printing/PrinterFactory.h"
#include "ui/printing/PrinterQueues.h"
#include "ui/printing/PrinterSetup.h"
#include "ui/printing/SystemPrinter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

// The printers: a folder of PDFs, receipt printers on the network and on a device, the system's
// printer, the printer dialog driven by its keys, and printing through a private CUPS of the test's own.
namespace {

using TcpRow = std::tuple<CaptureServer::Behaviour, QByteArray, bool, bool>;
using DeviceRow = std::pair<QByteArray, bool>;
using LanguageRow = std::pair<QString, QString>;
using FaultRow = std::pair<bool, QString>;

const QString kTicketFailed = QStringLiteral("Hubo un error al generar los datos del ticket.");
constexpr int kDeadlineMs = 2500;

PrintDocument sampleTicket(PrintDocument::Kind kind = PrintDocument::Kind::Ticket) {
    PrintDocument document(kind);
    document.setOpensDrawer(kind == PrintDocument::Kind::Ticket); // a cash sale
    document.font("Segoe UI").size(7).bold(true).line(QString()).line("ABARROTES ÑANDÚ").bold(false);
    document.line("Av. Juárez 128\r\n\r\nTEL 555\r\nFECHA 05/12/2026");
    document.size(10).line("Importe: €396.00").size(7).line("Efectivo: €500.00");
    return document;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Counts the event loop's turns while a job waits: the window would keep painting.
struct LoopWatch {
    LoopWatch() {
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout, [this] { ++ticks; });
        timer.start();
    }
    QTimer timer;
    int ticks = 0;
};

QString focusedName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString("(none)");
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    // A mnemonic presses its button as a click would be seen: released a moment later.
    if (modifiers & Qt::AltModifier) QTest::qWait(150);
}

// The window as the program starts it: the printer chosen in vendel.ini under the command line.
struct Rig : WindowRig {
    ~Rig() { window.reset(); } // before the printer it prints on
    void open(const QStringList& arguments = {}, const QString& language = QString()) {
        shop.write("VL Info.txt", {"La Esquina"});
        printers = std::make_unique<PrinterSetup>(shop.path(), Language(language),
                                                  CommandLine::parse(QStringList{"vendel"} + arguments, {}),
                                                  clock, PrinterSetup::Options{1500, {}});
        WindowRig::open(language, nullptr, &printers->printer());
        QObject::connect(window.get(), &MainWindow::printerSettingsAsked, window.get(),
                         [this] { printers->openDialog(window.get(), window->counter().shop().brand); });
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
    std::unique_ptr<PrinterSetup> printers;
};

// Bread at $12.50 paid with $30, closed with Enter.
void sell(Counter& counter, const QString& quantity) {
    counter.fields().set(EntryFields::Quantity, quantity);
    counter.fields().set(EntryFields::Description, "PAN");
    counter.fields().set(EntryFields::Price, "12.50");
    counter.ePreFactura();
    counter.amounts().setCashText("30");
    counter.eFinal();
}

// Passes every job on to the real printer and keeps the document.
class KeepingPrinter : public Printer {
public:
    explicit KeepingPrinter(Printer& real) : m_real(real) {}
    bool print(const PrintDocument& document) override {
        jobs.append(document);
        return m_real.print(document);
    }
    QList<PrintDocument> jobs;

private:
    Printer& m_real;
};

// A counter on a shop of its own with tickets on, printing on `real`.
struct Shop : CounterRig {
    explicit Shop(Printer& real) : keeping(real) {
        shop.write("VL Info.txt", {"La Esquina", "Calle 5", "555-1234"});
        start(&keeping);
        counter->lblTask_Click(0);
        counter->settings().toggleTickets();
        dialogs.clear();
    }
    void sell() { ::sell(*counter, "2"); }
    QStringList bookedLines() const { return shop.lines(registerName()); }
    ~Shop() { counter.reset(); } // before the printer it prints on
    KeepingPrinter keeping;
};

// A CUPS queue as the system's printer, or as a raw queue for a receipt printer.
PrinterSettings queue(const QString& name, bool system) {
    PrinterSettings settings;
    if (system) {
        settings.systemName = name;
    } else {
        settings.kind = PrinterSettings::Kind::Receipt;
        settings.link = PrinterSettings::Link::CupsQueue;
        settings.address = name;
    }
    return settings;
}

QString textOfPdf(const QByteArray& pdf) {
    QTemporaryFile file;
    if (!file.open()) return {};
    file.write(pdf);
    file.flush();
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", file.fileName(), "-"});
    pdftotext.waitForFinished(20000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// A private CUPS started for one test; the test is skipped where none can run.
#define START_CUPS(cups)                                                                                     \
    if (!m_noCups.isEmpty()) QSKIP(qPrintable("no private CUPS on this machine: " + m_noCups));              \
    PrivateCups cups;                                                                                        \
    QVERIFY2(cups.start(), qPrintable(cups.why()))

// Points Qt's calls to CUPS from inside this process at another server while it lives.
struct CupsServer {
    explicit CupsServer(const QByteArray& server) : before(qgetenv("CUPS_SERVER")) {
        qputenv("CUPS_SERVER", server);
    }
    ~CupsServer() {
        if (before.isNull())
            qunsetenv("CUPS_SERVER");
        else
            qputenv("CUPS_SERVER", before);
    }
    const QByteArray before;
};

} // namespace

class PrintersTest : public QObject {
    Q_OBJECT

    QString m_noCups; // why no private CUPS can run here; empty when one can

private Q_SLOTS:
    void initTestCase() {
        PrivateCups probe;
        if (!probe.start()) m_noCups = probe.why();
    }
    // Each job is a PDF and its exact text, named by the time and the kind; jobs of the same millisecond,
    // of this printer or of a second program on the folder, keep their files. A folder that cannot be
    // made fails the job.
    void pdfFolder() {
        QTemporaryDir dir;
        FakeClock clock;
        PdfFolderPrinter printer(dir.path(), clock);
        PdfFolderPrinter other(dir.path(), clock);
        for (PdfFolderPrinter* by : {&printer, &printer, &other})
            QVERIFY(by->print(sampleTicket()));
        QVERIFY(printer.print(sampleTicket(PrintDocument::Kind::BusinessCopy)));
        QVERIFY(other.print(sampleTicket(PrintDocument::Kind::Report)));
        const QString at = "20261205-143500-00";
        QCOMPARE(QDir(dir.path()).entryList({"*.txt"}, QDir::Files),
                 (QStringList{at + "0 ticket.txt", at + "1 ticket.txt", at + "2 copy.txt",
                              at + "2 ticket.txt", at + "3 report.txt"}));
        QVERIFY(readAll(dir.filePath(at + "2 copy.pdf")).startsWith("%PDF"));
        QCOMPARE(
            readAll(dir.filePath(at + "3 report.txt")),
            QByteArray("\nABARROTES ÑANDÚ\nAv. Juárez 128\n\nTEL 555\nFECHA 05/12/2026\nImporte: €396.00\n"
                       "Efectivo: €500.00\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 10);
        PdfFolderPrinter blocked(dir.filePath("20261205-143500-000 ticket.txt/tickets"), clock);
        QVERIFY(!blocked.print(sampleTicket()));
    }

    // A receipt printer on the network is asked after the job whether it is online with paper; the job
    // counts only when it says so before the deadline.
    void tcpPrinterStatus_data() {
        // The printer's behaviour, its answers to DLE EOT 1 and DLE EOT 4, status asked, printed.
        QTest::addColumn<TcpRow>("row");
        using B = CaptureServer::Behaviour;
        QTest::newRow("online with paper") << TcpRow{B::Answer, "\x12\x12", true, true};
        QTest::newRow("offline") << TcpRow{B::Answer, "\x1A\x12", true, false};
        QTest::newRow("no answer") << TcpRow{B::Capture, "", true, false};
        QTest::newRow("accepts and never reads") << TcpRow{B::NeverRead, "", true, false};
        QTest::newRow("reads 10 bytes and resets") << TcpRow{B::ResetAfter10, "", true, false};
        QTest::newRow("status off, no answer") << TcpRow{B::Capture, "", false, true};
    }
    void tcpPrinterStatus() {
        QFETCH(TcpRow, row);
        const auto& [behaviour, answers, askStatus, printed] = row;
        QMap<int, char> replies;
        if (!answers.isEmpty()) replies = {{1, answers.at(0)}, {4, answers.at(1)}};
        CaptureServer server(behaviour, replies);
        EscPosPrinter::Options options;
        options.target.kind = ReceiptTarget::Kind::Tcp;
        options.target.host = "127.0.0.1";
        options.target.port = server.port();
        options.encoder.columns = 32;
        options.deadlineMs = 1000;
        options.transport.askStatus = askStatus;
        EscPosPrinter printer(options);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(printer.print(sampleTicket()), printed);
        QVERIFY(clock.elapsed() < 2000);
        if (behaviour == CaptureServer::Behaviour::NeverRead) return;
        const QByteArray job = EscPosEncoder(options.encoder).encode(sampleTicket(), true);
        if (behaviour == CaptureServer::Behaviour::ResetAfter10) {
            QTRY_COMPARE(server.captured(), job.left(10));
            return;
        }
        QTRY_COMPARE(server.captured(), askStatus ? job + EscPosEncoder::statusRequest() : job);
    }

    // A receipt printer on a device answers on the same device: a pseudo-terminal stands for it.
    void devicePrinterStatus_data() {
        QTest::addColumn<DeviceRow>("row"); // the answers to DLE EOT 1 and 4, printed
        QTest::newRow("online with paper") << DeviceRow{"\x12\x12", true};
        QTest::newRow("paper out") << DeviceRow{"\x12\x72", false};
        QTest::newRow("no answer") << DeviceRow{"", false};
    }
    void devicePrinterStatus() {
        QFETCH(DeviceRow, row);
        const auto& [answers, printed] = row;
        const int printerSide = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        QVERIFY(printerSide >= 0 && ::grantpt(printerSide) == 0 && ::unlockpt(printerSide) == 0);
        const QString device = QString::fromLocal8Bit(::ptsname(printerSide));
        const int programSide = ::open(::ptsname(printerSide), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios raw{};
        QVERIFY(programSide >= 0 && ::tcgetattr(programSide, &raw) == 0);
        ::cfmakeraw(&raw);
        QCOMPARE(::tcsetattr(programSide, TCSANOW, &raw), 0);
        QByteArray received;
        QSocketNotifier notifier(printerSide, QSocketNotifier::Read);
        connect(&notifier, &QSocketNotifier::activated, this, [&] {
            char buffer[4096];
            const ssize_t n = ::read(printerSide, buffer, sizeof buffer);
            if (n > 0) received.append(buffer, n);
            if (received.endsWith(EscPosEncoder::statusRequest()) && !answers.isEmpty())
                QCOMPARE(::write(printerSide, answers.constData(), 2), ssize_t(2));
        });
        EscPosPrinter::Options options;
        options.target.path = device;
        options.deadlineMs = 800;
        EscPosPrinter printer(options);
        QCOMPARE(printer.print(sampleTicket()), printed);
        QVERIFY(received.startsWith(EscPosEncoder(options.encoder).encode(sampleTicket(), true)));
        ::close(programSide);
        ::close(printerSide);
    }

    // A printer that accepts the connection and never reads: the job fails at its deadline while the
    // event loop goes on.
    void tcpPrinterThatNeverReadsFailsAtTheDeadline() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QList<QTcpSocket*> peers;
        connect(&server, &QTcpServer::newConnection, this, [&] {
            QTcpSocket* peer = server.nextPendingConnection();
            peer->setReadBufferSize(1); // Qt stops reading too
            peers << peer;
        });
        LoopWatch watch;
        const QByteArray payload(64 * 1024 * 1024, 'x');
        QVERIFY(!EscPosTransport::sendToTcp("127.0.0.1", server.serverPort(), payload, QDeadlineTimer(300),
                                            false));
        QVERIFY(watch.ticks > 0);
    }

    void tcpPrinterNobodyListensOnFails() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const quint16 port = server.serverPort();
        server.close();
        QVERIFY(!EscPosTransport::sendToTcp("127.0.0.1", port, "job", QDeadlineTimer(2000), false));
    }

    // An unplugged printer: a pipe that is open but never drained blocks no one.
    void deviceThatNeverDrainsFailsAtTheDeadline() {
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath("lp0"));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        // Without a reader the device cannot be opened at all.
        QVERIFY(!EscPosTransport::sendToDevice(dir.filePath("lp0"), "job", QDeadlineTimer(200), false));
        const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        LoopWatch watch;
        const QByteArray payload(4 * 1024 * 1024, 'x');
        QVERIFY(!EscPosTransport::sendToDevice(dir.filePath("lp0"), payload, QDeadlineTimer(200), false));
        QVERIFY(watch.ticks > 0);
        ::close(reader);
    }

    // A device file is written from its start, as a printer takes it.
    void deviceFileReceivesTheJob() {
        QTemporaryDir dir;
        EscPosPrinter::Options options;
        options.target.path = dir.filePath("lp0");
        options.transport.askStatus = false; // a plain file never answers
        QFile(dir.filePath("lp0")).open(QIODevice::WriteOnly);
        EscPosPrinter printer(options);
        QVERIFY(printer.print(sampleTicket(PrintDocument::Kind::Report)));
        QVERIFY(readAll(dir.filePath("lp0"))
                    .contains("Importe: \x80"
                              "396.00\n"));
        QVERIFY(printer.openDrawer());
        QVERIFY(readAll(dir.filePath("lp0")).startsWith(EscPosEncoder().drawerKick()));
    }

    // No CUPS printer of that name (nor any print server here): the job fails, it does not hang.
    void systemPrinterWithoutPrinterFails() {
        SystemPrinter printer("vendel-no-such-printer");
        QVERIFY(!printer.print(sampleTicket()));
    }

    // A folder, and a receipt printer without a host (the CUPS and dialog cases make the others).
    void factoryPicksThePrinter() {
        FakeClock clock;
        QTemporaryDir dir;
        PrinterSettings settings;
        settings.kind = PrinterSettings::Kind::Folder;
        settings.folder = dir.path();
        QVERIFY(makePrinter(settings, clock)->print(sampleTicket()));
        QCOMPARE(QDir(dir.path()).entryList({"*.pdf"}, QDir::Files).size(), 1);
        settings.kind = PrinterSettings::Kind::Receipt;
        settings.link = PrinterSettings::Link::Tcp;
        settings.address = ":9100";
        auto unreachable = makePrinter(settings, clock);
        QVERIFY(!unreachable->print(sampleTicket()));
        QVERIFY(!unreachable->openDrawer());
    }

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
        const QByteArray page = printerPort.captured();
        for (const char* expected :
             {"LA ESQUINA", "PRUEBA DE IMPRESIÓN", "05/12/2026 14:35", "áéíóú ÁÉÍÓÚ ñÑ üÜ ¿? ¡! €",
              "----+----1----+----2----+----3--\n", "--+----4----+---\n"}) // 48 columns wrap on 58 mm paper
            QVERIFY2(page.contains(Cp1252::encode(QString::fromUtf8(expected))), expected);
        QVERIFY(page.contains("\x1DV") && !page.contains("\x1Bp")); // a cut (GS V), no drawer kick (ESC p)
        key(Qt::Key_Return);
        QTRY_VERIFY(!rig.window->findChild<PrinterDialog*>());
        QCOMPARE(rig.saved("kind"), QString("receipt"));
        QCOMPARE(rig.saved("connection"), QString("tcp"));
        QCOMPARE(rig.saved("paper"), QString("58"));
        QCOMPARE(rig.saved("drawer"), QString("false"));
        Counter& counter = rig.window->counter();
        counter.lblTask_Click(0);
        counter.settings().toggleTickets();
        sell(counter, "1");
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
        QTest::addColumn<LanguageRow>("row");
        QTest::newRow("Spanish") << LanguageRow{"", "TXDPGRJEFSIN"};
        QTest::newRow("English") << LanguageRow{"EN", "RVAPGTDUFLSN"};
    }
    void mnemonics() {
        QFETCH(LanguageRow, row);
        const auto& [language, keys] = row;
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
        QTest::addColumn<LanguageRow>("row");
        QTest::newRow("Spanish") << LanguageRow{"", "Sin respuesta del sistema de impresión."};
        QTest::newRow("English") << LanguageRow{"EN", "No answer from the print system."};
    }
    void hungPrintSystem() {
        QFETCH(LanguageRow, row);
        const auto& [language, shown] = row;
        auto hung = std::make_unique<CaptureServer>(CaptureServer::Behaviour::NeverRead);
        const CupsServer server("127.0.0.1:" + QByteArray::number(hung->port()));
        PrinterDialog dialog(PrinterSettings(), Language(language), {}, false, 300);
        QTRY_COMPARE(dialog.findChild<QLabel*>("lblQueueState")->text(), shown);
        // The question ends once the server goes away; nothing is left asking.
        auto* queues = dialog.findChild<PrinterQueues*>();
        hung.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!queues->asking(), 20000);
    }

    // A sale's ticket through a raw queue reaches the printer byte for byte.
    void receiptTicketThroughRawQueue() {
        START_CUPS(cups);
        CaptureServer printerPort;
        QVERIFY2(cups.addRawQueue("receipts", printerPort.port()), qPrintable(cups.lastOutput()));
        FakeClock clock;
        const auto printer = makePrinter(queue("receipts", false), clock, 15000, cups.server());
        Shop shop(*printer);
        shop.sell();
        QCOMPARE(shop.dialogs.messages(), QStringList{});
        QCOMPARE(shop.counter->settings().values().ticketNumber, qint64(2));
        QCOMPARE(shop.keeping.jobs.size(), 1);
        QVERIFY(shop.keeping.jobs.first().lines().contains("Ticket No. 001"));
        // CUPS said the job was done once the printer had every byte of it, drawer kick first.
        QCOMPARE(printerPort.captured(), EscPosEncoder().encode(shop.keeping.jobs.first(), true));
    }

    // The system printer's job is a PDF whose text holds the ticket's lines.
    void systemPrinterThroughQueue() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed (Debian package poppler-utils)");
        START_CUPS(cups);
        CaptureServer printerPort;
        QVERIFY(cups.addRawQueue("office", printerPort.port()));
        FakeClock clock;
        const auto printer = makePrinter(queue("office", true), clock, 15000, cups.server());
        Shop shop(*printer);
        shop.sell();
        QCOMPARE(shop.dialogs.messages(), QStringList{});
        QCOMPARE(shop.counter->settings().values().ticketNumber, qint64(2));
        QVERIFY(printerPort.captured().startsWith("%PDF"));
        const QString text = textOfPdf(printerPort.captured());
        for (const QString& line : shop.keeping.jobs.first().lines())
            if (!line.trimmed().isEmpty())
                QVERIFY2(text.contains(line.trimmed()), qPrintable(line + "\n" + text));
    }

    // Faults of the print system end in the ticket warning within the deadline; the sale stays booked,
    // the ticket number stays, and no job is left to print later.
    void faults_data() {
        QTest::addColumn<FaultRow>("row");
        for (const bool system : {false, true})
            for (const char* fault : {"queue disabled", "jobs rejected", "daemon stopped mid-job",
                                      "printer accepts and never reads"})
                QTest::addRow("%s, %s", system ? "system printer" : "raw queue", fault)
                    << FaultRow{system, fault};
    }
    void faults() {
        QFETCH(FaultRow, row);
        const auto& [system, fault] = row;
        START_CUPS(cups);
        const bool stalls = fault.startsWith("daemon") || fault.contains("never reads");
        CaptureServer printerPort(stalls ? CaptureServer::Behaviour::NeverRead
                                         : CaptureServer::Behaviour::Capture);
        QVERIFY2(cups.addRawQueue("q", printerPort.port()), qPrintable(cups.lastOutput() + cups.errorLog()));
        if (fault == "queue disabled") QVERIFY(cups.run("cupsdisable", {"q"}));
        if (fault == "jobs rejected") QVERIFY(cups.run("cupsreject", {"q"}));
        if (fault.startsWith("daemon"))
            QTimer::singleShot(500, this, [&cups] { cups.stop(); }); // while the job waits
        FakeClock clock;
        const auto printer = makePrinter(queue("q", system), clock, kDeadlineMs, cups.server());
        Shop shop(*printer);
        QElapsedTimer elapsed;
        elapsed.start();
        shop.sell();
        QVERIFY2(elapsed.elapsed() < kDeadlineMs + 2000, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(shop.dialogs.messages(), QStringList{kTicketFailed});
        QCOMPARE(shop.bookedLines().size(), 2);
        QVERIFY(shop.bookedLines().last().contains("[TOTAL $25.00]"));
        QCOMPARE(shop.counter->settings().values().ticketNumber, qint64(1));
        if (fault.startsWith("daemon") || fault == "jobs rejected") return;
        const auto nothingPending = [&cups] {
            QByteArray pending;
            return cups.run("lpstat", {"-W", "not-completed", "-o", "q"}, &pending) && pending.isEmpty();
        };
        QTRY_VERIFY2(nothingPending(), qPrintable(cups.lastOutput()));
        QCOMPARE(printerPort.captured(), QByteArray());
    }

    // The printer dialog lists the queues of the print system with Qt's printer information, the
    // system's default marked.
    void dialogListsTheQueues() {
        START_CUPS(cups);
        QVERIFY(cups.addRawQueue("office", 9) && cups.addRawQueue("receipts", 9));
        QVERIFY(cups.run("lpadmin", {"-d", "receipts"}));
        const CupsServer server(cups.server().toUtf8());
        PrinterDialog dialog(PrinterSettings(), Language("EN"), {}, false, 10000);
        auto* queues = dialog.findChild<QComboBox*>("cboQueue");
        QTRY_COMPARE_WITH_TIMEOUT(queues->count(), 3, 10000);
        QStringList shown;
        for (int i = 0; i < queues->count(); ++i)
            shown << queues->itemText(i);
        QCOMPARE(shown, (QStringList{"The system's default", "office", "receipts (default)"}));
    }
};

QTEST_MAIN(PrintersTest)
#include "printers_test.moc"

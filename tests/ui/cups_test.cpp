#include "CaptureServer.h"
#include "CounterAreas.h"
#include "EscPosDecoder.h"
#include "PrivateCups.h"
#include "ScriptedPorts.h"
#include "TempShop.h"
#include "core/counter/Counter.h"
#include "ui/printing/PrinterDialog.h"
#include "ui/printing/PrinterFactory.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString kTicketFailed = QStringLiteral("Hubo un error al generar los datos del ticket.");
constexpr int kDeadlineMs = 2500;

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

// A counter on a shop of its own with tickets on, printing on `printer`.
struct Shop {
    explicit Shop(Printer& printer) : keeping(printer) {
        shop.write("VL Info.txt", {"La Esquina", "Calle 5", "555-1234"});
        counter = std::make_unique<Counter>(shop.path(), Language(), QString(),
                                            Ports{dialogs, clock, keeping, shell});
        counter->load();
        counter->lblTask_Click(0);
        counter->settings().toggleTickets();
        dialogs.clear();
    }
    // Two loaves paid with $30, closed with Enter.
    void sell() {
        counter->fields().set(EntryFields::Quantity, "2");
        counter->fields().set(EntryFields::Description, "PAN");
        counter->fields().set(EntryFields::Discount, "0");
        counter->fields().set(EntryFields::Price, "12.50");
        counter->ePreFactura();
        counter->amounts().setCashText("30");
        counter->eFinal();
    }
    QStringList bookedLines() const {
        return shop.lines("VENTAS #" + clock.at.date().toString("dd-MM-yyyy") + ".txt");
    }

    TempShop shop;
    ScriptedDialogs dialogs;
    FakeClock clock;
    FakeShell shell;
    KeepingPrinter keeping;
    std::unique_ptr<Counter> counter;
};

PrinterSettings rawQueue(const QString& queue) {
    PrinterSettings settings;
    settings.kind = PrinterSettings::Kind::Receipt;
    settings.link = PrinterSettings::Link::CupsQueue;
    settings.address = queue;
    return settings;
}

PrinterSettings systemQueue(const QString& queue) {
    PrinterSettings settings;
    settings.systemName = queue;
    return settings;
}

// The lines a job prints with their style, as an ESC/POS printer shows them.
QList<EscPosDecoder::Line> styledLines(const PrintDocument& document) {
    QList<EscPosDecoder::Line> lines;
    for (const PrintDocument::PrintedLine& line : document.printedLines())
        lines.append({line.text, line.bold, line.size >= 10.0});
    return lines;
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

} // namespace

// Printing through a real CUPS: a private cupsd started by the test, with raw queues whose device is
// a capture server of the test. Each test starts its own daemon.
class CupsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        PrivateCups probe;
        if (!probe.start()) QSKIP(qPrintable("no private CUPS on this machine: " + probe.why()));
    }

    // A sale's ticket through a raw queue reaches the printer as the ticket's lines and styles.
    void receiptTicketThroughRawQueue() {
        PrivateCups cups;
        QVERIFY2(cups.start(), qPrintable(cups.why()));
        CaptureServer printerPort;
        QVERIFY2(cups.addRawQueue("receipts", printerPort.port()), qPrintable(cups.lastOutput()));
        FakeClock clock;
        const auto printer = makePrinter(rawQueue("receipts"), clock, 15000, cups.server());
        Shop shop(*printer);
        shop.sell();
        QCOMPARE(shop.dialogs.messages(), QStringList{});
        QCOMPARE(shop.counter->settings().values().ticketNumber, qint64(2));
        QCOMPARE(shop.keeping.jobs.size(), 1);
        // CUPS said the job was done once the printer had every byte.
        const EscPosDecoder::Job received = EscPosDecoder::decode(printerPort.captured());
        QCOMPARE(received.lines, styledLines(shop.keeping.jobs.first()));
        QVERIFY(received.lines.contains({"Ticket No. 001", false, false}));
        QVERIFY(received.lines.contains({"Importe: $25.00", false, true}));
        QCOMPARE(received.commands.mid(0, 3), (QStringList{"init", "drawer", "code table 16"}));
        QCOMPARE(received.commands.last(), QString("cut"));
        QCOMPARE(received.unknown, QByteArray());
    }

    // The system printer's job is a PDF whose text holds the ticket's lines.
    void systemPrinterThroughQueue() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed (Debian package poppler-utils)");
        PrivateCups cups;
        QVERIFY2(cups.start(), qPrintable(cups.why()));
        CaptureServer printerPort;
        QVERIFY(cups.addRawQueue("office", printerPort.port()));
        FakeClock clock;
        const auto printer = makePrinter(systemQueue("office"), clock, 15000, cups.server());
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
        QTest::addColumn<bool>("system");
        QTest::addColumn<QString>("fault");
        for (const bool system : {false, true})
            for (const char* fault : {"queue disabled", "jobs rejected", "daemon stopped mid-job",
                                      "printer accepts and never reads"})
                QTest::addRow("%s, %s", system ? "system printer" : "raw queue", fault)
                    << system << QString(fault);
    }
    void faults() {
        QFETCH(bool, system);
        QFETCH(QString, fault);
        PrivateCups cups;
        QVERIFY2(cups.start(), qPrintable(cups.why()));
        const bool stalls = fault.startsWith("daemon") || fault.contains("never reads");
        CaptureServer printerPort(stalls ? CaptureServer::Behaviour::NeverRead
                                         : CaptureServer::Behaviour::Capture);
        QVERIFY2(cups.addRawQueue("q", printerPort.port()), qPrintable(cups.lastOutput() + cups.errorLog()));
        if (fault == "queue disabled") QVERIFY(cups.run("cupsdisable", {"q"}));
        if (fault == "jobs rejected") QVERIFY(cups.run("cupsreject", {"q"}));
        if (fault.startsWith("daemon"))
            QTimer::singleShot(500, this, [&cups] { cups.stop(); }); // while the job waits
        FakeClock clock;
        const auto printer =
            makePrinter(system ? systemQueue("q") : rawQueue("q"), clock, kDeadlineMs, cups.server());
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
        PrivateCups cups;
        QVERIFY2(cups.start(), qPrintable(cups.why()));
        QVERIFY(cups.addRawQueue("office", 9) && cups.addRawQueue("receipts", 9));
        QVERIFY(cups.run("lpadmin", {"-d", "receipts"}));
        // Qt asks CUPS from inside this process: only its environment can point it at the daemon.
        const QByteArray before = qgetenv("CUPS_SERVER");
        qputenv("CUPS_SERVER", cups.server().toUtf8());
        PrinterDialog dialog(PrinterSettings(), Language("EN"), {}, false, 10000);
        auto* queues = dialog.findChild<QComboBox*>("cboQueue");
        QTRY_COMPARE_WITH_TIMEOUT(queues->count(), 3, 10000);
        QStringList shown;
        for (int i = 0; i < queues->count(); ++i)
            shown << queues->itemText(i);
        QCOMPARE(shown, (QStringList{"The system's default", "office", "receipts (default)"}));
        if (before.isNull())
            qunsetenv("CUPS_SERVER");
        else
            qputenv("CUPS_SERVER", before);
    }
};

QTEST_MAIN(CupsTest)
#include "cups_test.moc"

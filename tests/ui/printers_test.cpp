#include "CaptureServer.h"
#include "ScriptedPorts.h"
#include "core/printing/EscPosEncoder.h"
#include "ui/printing/EscPosPrinter.h"
#include "ui/printing/EscPosTransport.h"
#include "ui/printing/PdfFolderPrinter.h"
#include "ui/printing/PrinterFactory.h"
#include "ui/printing/SystemPrinter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

PrintDocument sampleTicket(PrintDocument::Kind kind = PrintDocument::Kind::Ticket) {
    PrintDocument document(kind);
    document.setOpensDrawer(kind == PrintDocument::Kind::Ticket); // a cash sale
    document.font(s("Segoe UI")).size(7).bold(true).line(QString()).line(s("ABARROTES ÑANDÚ")).bold(false);
    document.line(s("Av. Juárez 128\r\n\r\nTEL 555\r\nFECHA 05/12/2026"));
    document.size(10).line(s("Importe: €396.00")).size(7).line(s("Efectivo: €500.00"));
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

ReceiptTarget tcpTarget(quint16 port) {
    ReceiptTarget target;
    target.kind = ReceiptTarget::Kind::Tcp;
    target.host = s("127.0.0.1");
    target.port = port;
    return target;
}

} // namespace

class PrintersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:

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
        const QString at = s("20261205-143500-00");
        QCOMPARE(QDir(dir.path()).entryList({s("*.txt")}, QDir::Files),
                 (QStringList{at + s("0 ticket.txt"), at + s("1 ticket.txt"), at + s("2 copy.txt"),
                              at + s("2 ticket.txt"), at + s("3 report.txt")}));
        QVERIFY(readAll(dir.filePath(at + s("2 copy.pdf"))).startsWith("%PDF"));
        QCOMPARE(readAll(dir.filePath(at + s("3 report.txt"))),
                 s("\nABARROTES ÑANDÚ\nAv. Juárez 128\n\nTEL 555\nFECHA 05/12/2026\nImporte: €396.00\n"
                   "Efectivo: €500.00\n")
                     .toUtf8());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 10);
        PdfFolderPrinter blocked(dir.filePath(s("20261205-143500-000 ticket.txt/tickets")), clock);
        QVERIFY(!blocked.print(sampleTicket()));
    }

    // A receipt printer on the network is asked after the job whether it is online with paper; the job
    // counts only when it says so before the deadline.
    void tcpPrinterStatus_data() {
        QTest::addColumn<int>("behaviour");
        QTest::addColumn<QByteArray>("answers"); // to DLE EOT 1 and DLE EOT 4
        QTest::addColumn<bool>("askStatus");
        QTest::addColumn<bool>("printed");
        using B = CaptureServer::Behaviour;
        QTest::newRow("online with paper") << int(B::Answer) << QByteArray("\x12\x12") << true << true;
        QTest::newRow("offline") << int(B::Answer) << QByteArray("\x1A\x12") << true << false;
        QTest::newRow("paper out") << int(B::Answer) << QByteArray("\x12\x72") << true << false;
        QTest::newRow("no answer") << int(B::Capture) << QByteArray() << true << false;
        QTest::newRow("accepts and never reads") << int(B::NeverRead) << QByteArray() << true << false;
        QTest::newRow("reads 10 bytes and resets") << int(B::ResetAfter10) << QByteArray() << true << false;
        QTest::newRow("status off, no answer") << int(B::Capture) << QByteArray() << false << true;
    }
    void tcpPrinterStatus() {
        QFETCH(int, behaviour);
        QFETCH(QByteArray, answers);
        QFETCH(bool, askStatus);
        QFETCH(bool, printed);
        QMap<int, char> replies;
        if (!answers.isEmpty()) replies = {{1, answers.at(0)}, {4, answers.at(1)}};
        CaptureServer server(CaptureServer::Behaviour(behaviour), replies);
        EscPosPrinter::Options options;
        options.target = tcpTarget(server.port());
        options.encoder.columns = 32;
        options.deadlineMs = 1000;
        options.transport.askStatus = askStatus;
        EscPosPrinter printer(options);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(printer.print(sampleTicket()), printed);
        QVERIFY(clock.elapsed() < 2000);
        if (behaviour == int(CaptureServer::Behaviour::NeverRead)) return;
        const QByteArray job = EscPosEncoder(options.encoder).encode(sampleTicket(), true);
        if (behaviour == int(CaptureServer::Behaviour::ResetAfter10)) {
            QTRY_COMPARE(server.captured(), job.left(10));
            return;
        }
        QTRY_COMPARE(server.captured(), askStatus ? job + EscPosEncoder::statusRequest() : job);
    }

    // A receipt printer on a device answers on the same device: a pseudo-terminal stands for it.
    void devicePrinterStatus_data() {
        QTest::addColumn<QByteArray>("answers");
        QTest::addColumn<bool>("printed");
        QTest::newRow("online with paper") << QByteArray("\x12\x12") << true;
        QTest::newRow("paper out") << QByteArray("\x12\x72") << false;
        QTest::newRow("no answer") << QByteArray() << false;
    }
    void devicePrinterStatus() {
        QFETCH(QByteArray, answers);
        QFETCH(bool, printed);
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
        QVERIFY(!EscPosTransport::sendToTcp(s("127.0.0.1"), server.serverPort(), payload, QDeadlineTimer(300),
                                            false));
        QVERIFY(watch.ticks > 0);
    }

    void tcpPrinterNobodyListensOnFails() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const quint16 port = server.serverPort();
        server.close();
        QVERIFY(!EscPosTransport::sendToTcp(s("127.0.0.1"), port, "job", QDeadlineTimer(2000), false));
    }

    // An unplugged printer: a pipe that is open but never drained blocks no one.
    void deviceThatNeverDrainsFailsAtTheDeadline() {
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath(s("lp0")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        // Without a reader the device cannot be opened at all.
        QVERIFY(!EscPosTransport::sendToDevice(dir.filePath(s("lp0")), "job", QDeadlineTimer(200), false));
        const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        LoopWatch watch;
        const QByteArray payload(4 * 1024 * 1024, 'x');
        QVERIFY(!EscPosTransport::sendToDevice(dir.filePath(s("lp0")), payload, QDeadlineTimer(200), false));
        QVERIFY(watch.ticks > 0);
        ::close(reader);
    }

    void deviceFileReceivesTheJobAndBadCharactersPrintAsQuestionMarks() {
        QTemporaryDir dir;
        EscPosPrinter::Options options;
        options.target.path = dir.filePath(s("lp0"));
        options.encoder.codePage = EscPosEncoder::CodePage::Pc858;
        options.transport.askStatus = false; // a plain file never answers
        QFile(dir.filePath(s("lp0"))).open(QIODevice::WriteOnly);
        EscPosPrinter printer(options);
        PrintDocument document(PrintDocument::Kind::Report);
        document.line(s("Дом €"));
        QVERIFY(printer.print(document));
        QVERIFY(readAll(dir.filePath(s("lp0"))).contains("??? \xD5\n"));
        QVERIFY(printer.openDrawer());
        // A device file is written from its start, as a printer takes it.
        QVERIFY(readAll(dir.filePath(s("lp0"))).startsWith(EscPosEncoder().drawerKick()));
    }

    // No CUPS printer of that name (nor any print server here): the job fails, it does not hang.
    void systemPrinterWithoutPrinterFails() {
        SystemPrinter printer(s("vendel-no-such-printer"));
        QVERIFY(!printer.print(sampleTicket()));
    }

    void factoryPicksThePrinter() {
        FakeClock clock;
        QTemporaryDir dir;
        PrinterSettings settings;
        QVERIFY(dynamic_cast<SystemPrinter*>(makePrinter(settings, clock).get()));
        settings.kind = PrinterSettings::Kind::Folder;
        settings.folder = dir.path();
        QVERIFY(dynamic_cast<PdfFolderPrinter*>(makePrinter(settings, clock).get()));
        settings.kind = PrinterSettings::Kind::Receipt;
        settings.address = s("/dev/null");
        settings.status = false;
        QVERIFY(dynamic_cast<EscPosPrinter*>(makePrinter(settings, clock).get()));
        QVERIFY(makePrinter(settings, clock)->print(sampleTicket()));
        settings.link = PrinterSettings::Link::Tcp;
        settings.address = s(":9100");
        auto unreachable = makePrinter(settings, clock);
        QVERIFY(!unreachable->print(sampleTicket()));
        QVERIFY(!unreachable->openDrawer());
    }
};

QTEST_MAIN(PrintersTest)
#include "printers_test.moc"

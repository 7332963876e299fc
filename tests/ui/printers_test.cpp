#include "ScriptedPorts.h"
#include "core/printing/EscPosEncoder.h"
#include "ui/printing/EscPosPrinter.h"
#include "ui/printing/EscPosTransport.h"
#include "ui/printing/PdfFolderPrinter.h"
#include "ui/printing/PrinterFactory.h"
#include "ui/printing/SystemPrinter.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
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

EscPosTransport::Target tcpTarget(quint16 port) {
    EscPosTransport::Target target;
    target.kind = EscPosTransport::Target::Kind::Tcp;
    target.host = s("127.0.0.1");
    target.port = port;
    return target;
}

} // namespace

class PrintersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pdfFolderWritesPdfAndExactText_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("ticket") << int(PrintDocument::Kind::Ticket) << s("20261205-143500-000 ticket");
        QTest::newRow("business copy")
            << int(PrintDocument::Kind::BusinessCopy) << s("20261205-143500-000 copy");
        QTest::newRow("report") << int(PrintDocument::Kind::Report) << s("20261205-143500-000 report");
    }
    void pdfFolderWritesPdfAndExactText() {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QTemporaryDir dir;
        FakeClock clock;
        PdfFolderPrinter printer(dir.path(), clock);
        QVERIFY(printer.print(sampleTicket(PrintDocument::Kind(kind))));
        QVERIFY(readAll(dir.filePath(name + s(".pdf"))).startsWith("%PDF"));
        QCOMPARE(readAll(dir.filePath(name + s(".txt"))),
                 s("\nABARROTES ÑANDÚ\nAv. Juárez 128\n\nTEL 555\nFECHA 05/12/2026\nImporte: €396.00\n"
                   "Efectivo: €500.00\n")
                     .toUtf8());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void jobsInTheSameMillisecondKeepTheirFiles() {
        QTemporaryDir dir;
        FakeClock clock;
        PdfFolderPrinter printer(dir.path(), clock);
        QVERIFY(printer.print(sampleTicket()));
        QVERIFY(printer.print(sampleTicket()));
        // A second program on the same folder with the same clock does not overwrite either.
        PdfFolderPrinter other(dir.path(), clock);
        QVERIFY(other.print(sampleTicket()));
        QCOMPARE(QDir(dir.path()).entryList({s("*.txt")}, QDir::Files),
                 (QStringList{s("20261205-143500-000 ticket.txt"), s("20261205-143500-001 ticket.txt"),
                              s("20261205-143500-002 ticket.txt")}));
    }

    void unwritableFolderFailsTheJob() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(s("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        FakeClock clock;
        PdfFolderPrinter printer(dir.filePath(s("file/tickets")), clock);
        QVERIFY(!printer.print(sampleTicket()));
    }

    void tcpPrinterReceivesTheEncodedJob() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QByteArray received;
        connect(&server, &QTcpServer::newConnection, this, [&] {
            QTcpSocket* peer = server.nextPendingConnection();
            connect(peer, &QTcpSocket::readyRead, peer, [&received, peer] { received += peer->readAll(); });
        });
        EscPosPrinter::Options options;
        options.target = tcpTarget(server.serverPort());
        options.encoder.columns = 32;
        EscPosPrinter printer(options);
        QVERIFY(printer.print(sampleTicket()));
        QTRY_COMPARE(received, EscPosEncoder(options.encoder).encode(sampleTicket(), true));
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
        QVERIFY(
            !EscPosTransport::sendToTcp(s("127.0.0.1"), server.serverPort(), payload, QDeadlineTimer(300)));
        QVERIFY(watch.ticks > 0);
    }

    void tcpPrinterNobodyListensOnFails() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const quint16 port = server.serverPort();
        server.close();
        QVERIFY(!EscPosTransport::sendToTcp(s("127.0.0.1"), port, "job", QDeadlineTimer(2000)));
    }

    // An unplugged printer: a pipe that is open but never drained blocks no one.
    void deviceThatNeverDrainsFailsAtTheDeadline() {
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath(s("lp0")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        // Without a reader the device cannot be opened at all.
        QVERIFY(!EscPosTransport::sendToDevice(dir.filePath(s("lp0")), "job", QDeadlineTimer(200)));
        const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        LoopWatch watch;
        const QByteArray payload(4 * 1024 * 1024, 'x');
        QVERIFY(!EscPosTransport::sendToDevice(dir.filePath(s("lp0")), payload, QDeadlineTimer(200)));
        QVERIFY(watch.ticks > 0);
        ::close(reader);
    }

    void deviceFileReceivesTheJobAndBadCharactersPrintAsQuestionMarks() {
        QTemporaryDir dir;
        EscPosPrinter::Options options;
        options.target = *EscPosTransport::parse(dir.filePath(s("lp0")));
        options.encoder.codePage = EscPosEncoder::CodePage::Pc858;
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

    void cupsQueue_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("ok");
        QTest::newRow("lp takes the job") << s("printf '%s ' \"$@\" > \"$0.args\"; cat > \"$0.job\"") << true;
        QTest::newRow("lp refuses") << s("cat > /dev/null; echo 'lp: no such queue' >&2; exit 1") << false;
        QTest::newRow("hung print server") << s("exec sleep 30") << false;
    }
    void cupsQueue() {
        QFETCH(QString, script);
        QFETCH(bool, ok);
        QTemporaryDir dir;
        const QString lp = dir.filePath(s("lp"));
        QFile file(lp);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + script.toUtf8() + '\n');
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        LoopWatch watch;
        QCOMPARE(EscPosTransport::sendToCupsQueue(lp, s("receipts"), "job bytes", QDeadlineTimer(1500)), ok);
        if (ok) {
            QCOMPARE(readAll(lp + s(".args")), QByteArray("-d receipts -o raw "));
            QCOMPARE(readAll(lp + s(".job")), QByteArray("job bytes"));
        }
        QVERIFY(watch.ticks > 0);
    }

    void missingLpFails() {
        QVERIFY(!EscPosTransport::sendToCupsQueue(s("/nonexistent/lp"), s("q"), "job", QDeadlineTimer(1000)));
    }

    void targets_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("port");
        using Kind = EscPosTransport::Target::Kind;
        QTest::newRow("usb device") << s("/dev/usb/lp0") << true << int(Kind::Device) << s("/dev/usb/lp0")
                                    << 0;
        QTest::newRow("tcp default port")
            << s("tcp://192.168.1.50") << true << int(Kind::Tcp) << s("192.168.1.50") << 9100;
        QTest::newRow("tcp with port")
            << s("tcp://printer.local:9101") << true << int(Kind::Tcp) << s("printer.local") << 9101;
        QTest::newRow("cups queue") << s("cups:TM-T20") << true << int(Kind::CupsQueue) << s("TM-T20") << 0;
        QTest::newRow("tcp without host") << s("tcp://") << false << 0 << QString() << 0;
        QTest::newRow("cups without queue") << s("cups:") << false << 0 << QString() << 0;
        QTest::newRow("nothing") << QString() << false << 0 << QString() << 0;
    }
    void targets() {
        QFETCH(QString, address);
        QFETCH(bool, valid);
        QFETCH(int, kind);
        QFETCH(QString, where);
        QFETCH(int, port);
        const auto target = EscPosTransport::parse(address);
        QCOMPARE(target.has_value(), valid);
        if (!valid) return;
        QCOMPARE(int(target->kind), kind);
        QCOMPARE(target->kind == EscPosTransport::Target::Kind::Tcp ? target->host : target->path, where);
        if (port) QCOMPARE(int(target->port), port);
    }

    // No CUPS printer of that name (nor any print server here): the job fails, it does not hang.
    void systemPrinterWithoutPrinterFails() {
        SystemPrinter printer(s("vendel-no-such-printer"));
        QVERIFY(!printer.print(sampleTicket()));
    }

    void factoryPicksThePrinter() {
        FakeClock clock;
        QTemporaryDir dir;
        PrinterOptions options;
        options.printTo = dir.path();
        options.printer = s("escpos:/dev/null");
        QVERIFY(dynamic_cast<PdfFolderPrinter*>(makePrinter(options, clock).get()));
        options.printTo.clear();
        QVERIFY(dynamic_cast<EscPosPrinter*>(makePrinter(options, clock).get()));
        QVERIFY(makePrinter(options, clock)->print(sampleTicket()));
        options.printer = s("escpos:tcp://");
        auto unreachable = makePrinter(options, clock);
        QVERIFY(!unreachable->print(sampleTicket()));
        QVERIFY(!unreachable->openDrawer());
    }
};

QTEST_MAIN(PrintersTest)
#include "printers_test.moc"

#include "CaptureServer.h"
#include "CounterRig.h"
#include "PrivateCups.h"
#include "WindowRig.h"
#include "core/base/CommandLine.h"
#include "core/printing/Documents.h"
#include "core/printing/EscPosEncoder.h"
#include "core/printing/PrinterSettings.h"
#include "core/printing/ReportPrinter.h"
#include "core/register/CashCount.h"
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
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using Documents::TicketData;
using Options = EscPosEncoder::Options;
using CodePage = EscPosEncoder::CodePage;
using Kind = PrinterSettings::Kind;
using Link = PrinterSettings::Link;

namespace {

const Language kEs;
const Language kEn(QStringLiteral("EN"));

QStringList split(const char* joined) {
    return QString(joined).split(u'|');
}

TicketData fullTicket(const Language& language) {
    const Documents::Shop shop{"Abarrotes La Esquina", "Av. Juárez 128",  "555 123 4567",
                               "rfc aes-010203",       "Sucursal Centro", "¡Gracias por su preferencia!"};
    return TicketData(shop, "05/12/2026", "14:35", 7,
                      "2 x PAN de $12.50 = $25.00\r\n1 x LECHE de $371.00 = $371.00\r\n", "$500.00",
                      "$104.00", false, "$", language);
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

const QByteArray kInit = bytes({0x1B, 0x40});
const QByteArray kTable16 = bytes({0x1B, 0x74, 16});
const QByteArray kKick = bytes({0x1B, 0x70, 0, 0x19, 0xFA});
const QByteArray kCut = bytes({0x1D, 0x56, 0x41, 3});

const QString kDataError = QStringLiteral("Hubo un error al generar los datos del ticket.");
const QString kTicketFailed = "No se pudo imprimir el ticket, intente nuevamente o más tarde.";
const QString kCopyPrinted = "Se ha impreso la copia del cliente, ahora se imprimirá la copia del negocio.";

// A counter with the record note in front and tickets as asked, printing on `printing` when given.
Counter& startWith(CounterRig& rig, bool tickets, bool doubleTicket = false, Printer* printing = nullptr) {
    Counter& c = rig.start(printing);
    c.lblTask_Click(0);
    if (tickets) c.settings().toggleTickets();
    if (doubleTicket) c.settings().toggleDouble();
    rig.dialogs.clear();
    rig.dialogs.unexpected = 0;
    return c;
}

QStringList kinds(const QList<PrintDocument>& jobs) {
    QStringList names;
    for (const PrintDocument& job : jobs)
        names << PrintDocument::kindName(job.kind());
    return names;
}

PrinterSettings receipt(Link link, const QString& address) {
    PrinterSettings s;
    s.kind = Kind::Receipt;
    s.link = link;
    s.address = address;
    return s;
}

PrinterSettings named(PrinterSettings s, Kind kind, const QString& name, const QString& folder = {}) {
    s.kind = kind;
    s.systemName = name;
    s.folder = folder;
    return s;
}

// The receipt printer's paper and code page, with cut, drawer and status all on or all off.
PrinterSettings withOptions(PrinterSettings s, int paper, int codepage, bool on) {
    s.paper = paper;
    s.codepage = codepage;
    s.cut = s.drawer = s.status = on;
    return s;
}

// mark: the business copy's; empty: not printed
using TicketRow = std::tuple<TicketData, QStringList, QString>;
// expected: empty when no ticket amount is found
using AmountRow = std::tuple<QString, QString, QString>;
using ReportRow = std::tuple<QStringList, Language, QStringList, QString>;
using ShopDataRow = std::tuple<Documents::Shop, Language, QStringList>;
using JobRow = std::tuple<int, bool, bool, bool, QByteArray>;
using TextRow = std::tuple<QString, bool, QByteArray>;
using WrapRow = std::tuple<QByteArray, int, QList<QByteArray>>;
using StatusRow = std::tuple<QByteArray, EscPosEncoder::Status>;
using TicketNumberRow = std::tuple<bool, bool, QStringList, QStringList, qint64>;
using NoticeRow = std::tuple<bool, bool, QList<bool>, bool, int, int, QStringList>;
using ShopKeyRow = std::tuple<QString, QString, bool, int, QStringList>;
using CommandLineRow = std::tuple<PrinterSettings, QStringList, PrinterSettings, bool>;
using TargetRow = std::tuple<Link, QString, int, QString, int>;

using TcpRow = std::tuple<CaptureServer::Behaviour, QByteArray, bool, bool>;
using DeviceRow = std::pair<QByteArray, bool>;
using LanguageRow = std::pair<QString, QString>;
using FaultRow = std::pair<bool, QString>;

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
        startWith(*this, true, false, &keeping);
    }
    QStringList bookedLines() const { return shop.lines(registerName()); }
    ~Shop() { counter.reset(); } // before the printer it prints on
    KeepingPrinter keeping;
};

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

// Printed documents, how a receipt printer gets them, the printing procedures and the printer's settings;
// the printers: a folder of PDFs, receipt printers on the network and on a device, the system's printer,
// the printer dialog driven by its keys, and printing through a private CUPS of the test's own.
class PrintersTest : public QObject {
    Q_OBJECT

    QString m_noCups; // why no private CUPS can run here; empty when one can

private Q_SLOTS:
    void initTestCase() {
        PrivateCups probe;
        if (!probe.start()) m_noCups = probe.why();
    }

    // The customer's ticket; the business copy has the mark in place of the legend.
    void ticket_data() {
        QTest::addColumn<TicketRow>("row");
        QTest::newRow("full, cash, Spanish") << TicketRow{
            fullTicket(kEs),
            split("|ABARROTES LA ESQUINA|Av. Juárez 128||TEL 555 123 4567|RFC AES-010203|FECHA 05/12/2026|"
                  "HORA 14:35|SUCURSAL CENTRO|Ticket No. 007||Descripción:|2 x PAN de $12.50 = $25.00|"
                  "1 x LECHE de $371.00 = $371.00||Importe: $396.00|Efectivo: $500.00|Cambio: $104.00||"
                  "¡Gracias por su preferencia!||||.|"),
            "N-E-G-O-C-I-O"};
        TicketData en = fullTicket(kEn);
        en.shop.legend = "Thanks!";
        QTest::newRow("full, cash, English") << TicketRow{
            en,
            split("|ABARROTES LA ESQUINA|Av. Juárez 128||PHONE 555 123 4567|RFC AES-010203|DATE 05/12/2026|"
                  "TIME 14:35|SUCURSAL CENTRO|Ticket No. 007||Description:|2 x PAN de $12.50 = $25.00|"
                  "1 x LECHE de $371.00 = $371.00||Amount: $396.00|Cash: $500.00|Change: $104.00||"
                  "Thanks!||||.|"),
            "B-U-S-I-N-E-S-S"};
        // Blank (only blanks) shop lines leave out their lines; the date line follows an empty line.
        const Documents::Shop blanks{"Mi negocio", "  ", QString(), " ", "   ", QString()};
        const TicketData blank(blanks, "05/12/2026", "14:35", 1000, "1 x PAN de $396.00 = $396.00\r\n",
                               "$500.00", "$104.00", true, "$", kEs);
        QTest::newRow("blank shop lines, card, number 1000")
            << TicketRow{blank,
                         split("|MI NEGOCIO||FECHA 05/12/2026|HORA 14:35|Ticket No. 1000||Descripción:|"
                               "1 x PAN de $396.00 = $396.00||Importe: $396.00|Compra con tarjeta||||.|"),
                         ""};
    }
    void ticket() {
        QFETCH(TicketRow, row);
        auto [data, expected, mark] = row;
        QCOMPARE(Documents::customerTicket(data, "396.00").lines(), expected);
        if (mark.isEmpty()) return;
        expected[expected.size() - 6] = mark;
        QCOMPARE(Documents::businessTicket(data, "396.00").lines(), expected);
    }

    void serieRemarkInCapitalsUntrimmed() {
        QCOMPARE(Documents::eSerie(" sucursal ñ", 1), QString(" SUCURSAL Ñ\r\nTicket No. 001\r\n"));
    }

    void amount_data() {
        QTest::addColumn<AmountRow>("row");
        const QString total = "-----(14:35)------------------------------> [TOTAL $396.00]";
        QTest::newRow("cash total") << AmountRow{total, "$", "396.00"};
        QTest::newRow("card sale") << AmountRow{"*****(18:41)**************************** [TARJETA €86.00]",
                                                "€", "86.00"};
        QTest::newRow("no symbol: no ticket") << AmountRow{total, "€", ""};
        QTest::newRow("empty register") << AmountRow{"", "$", ""};
    }
    void amount() {
        QFETCH(AmountRow, row);
        const auto& [line, symbol, expected] = row;
        QCOMPARE(Documents::ticketAmount(line, symbol).value_or("none"),
                 expected.isEmpty() ? "none" : expected);
    }

    void report_data() {
        QTest::addColumn<ReportRow>("row");
        const auto row = [](const char* name, const QString& lines, const Language& language,
                            const QString& body, const char* total) {
            QTest::newRow(name) << ReportRow{lines.isEmpty() ? QStringList() : lines.split(u'|'), language,
                                             body.split(u'|'), QString(total)};
        };
        const QString items = "2 x PAN de $12.50 = $25.00|1 x LECHE de $371.00 = $371.00|";
        const QString sale = "-----(10:00)------------------------------> [TOTAL $396.00]";
        const QString t500 = "-----(10:00)------------------------------> [TOTAL $500.00]";
        const QString out = "-----(11:00)-------> [RETIRO $700.00] banco";
        const QString in = "-----(09:00)-------> [INGRESO $1,000.00] cambio";
        const QString card = "*****(10:30)**************************** [TARJETA $99.00]";
        const QString outTotal = "-----(11:00)-------> [WITHDRAWAL $50.00] total";
        row("one sale of two items", items + sale, kEs, items + sale + "||", "TOTAL EN CAJA $396.00");
        row("negative total never grouped", t500 + "|" + out, kEs, t500 + "||" + out + "||",
            "TOTAL EN CAJA $-200.00");
        row("grouped total, card line not counted", in + "|" + t500 + "|" + card, kEs,
            in + "||" + t500 + "||" + card + "||", "TOTAL EN CAJA $1,500.00");
        row("empty register", "", kEs, "", "TOTAL EN CAJA $0.00");
        row("English: a withdrawal whose reason says total subtracts", outTotal, kEn, outTotal + "||",
            "TOTAL CASH $-50.00");
    }
    void report() {
        QFETCH(ReportRow, row);
        auto [registerLines, language, body, total] = row;
        const Documents::ReportData data{"Abarrotes La Esquina", "05/12/2026", "14:35",
                                         registerLines,          "$",          language};
        const QString heading =
            (language.isEnglish() ? "REGISTRY" : "REGISTRO") + QString(" - 05/12/2026 14:35");
        const QStringList expected = QStringList{QString(), "ABARROTES LA ESQUINA", heading, QString()} +
                                     body + QStringList{total, QString(), QString(), ".", QString()};
        QCOMPARE(Documents::report(data).lines(), expected);
    }

    // The movement text ends in fifteen line breaks and ".": fourteen empty lines.
    void notice() {
        const QString info = Documents::movementNotice({}, 3, "-----(09:05)-------> [RETIRO $50.00]", kEs);
        for (const QString& address : {QString("  "), QString("Av. Juárez 128")})
            QCOMPARE(Documents::notice("Mi negocio", address, info).lines(),
                     (QStringList{"", "MI NEGOCIO"} +
                      QStringList(address.trimmed().isEmpty() ? 0 : 1, address) +
                      split("|Ticket No. 003||Movimiento:|-----(09:05)-------> [RETIRO $50.00]") +
                      QStringList(14, QString()) + QStringList{"."}));
    }

    void shopData_data() {
        QTest::addColumn<ShopDataRow>("row");
        QTest::newRow("every line, Spanish")
            << ShopDataRow{Documents::Shop{"Abarrotes", "Av. Juárez 128", "555 123", "rfc x", {}, {}}, kEs,
                           split("|ABARROTES|Av. Juárez 128||TEL 555 123|RFC X||...")};
        QTest::newRow("nothing but the name") << ShopDataRow{
            Documents::Shop{"Mi negocio", " ", {}, {}, {}, {}}, kEs, split("|MI NEGOCIO|||...")};
    }
    void shopData() {
        QFETCH(ShopDataRow, row);
        auto [shop, language, expected] = row;
        QCOMPARE(Documents::shopData(shop, language).lines(), expected);
    }

    void testPage() {
        const QStringList expected =
            split("|ÑANDÚ|PRUEBA DE IMPRESIÓN|05/12/2026 14:35|áéíóú ÁÉÍÓÚ ñÑ üÜ ¿? ¡! €|"
                  "32 columnas:|----+----1----+----2----+----3--|48 columnas:|"
                  "----+----1----+----2----+----3----+----4----+---|1234567890||||.|");
        const PrintDocument document = Documents::testPage("Ñandú", "05/12/2026 14:35", kEs);
        QCOMPARE(document.lines(), expected);
        QVERIFY(document.opensDrawer());
    }

    void job_data() {
        QTest::addColumn<JobRow>("row");
        // Empty line bold, name bold, body plain, amount tall, back to normal.
        const QByteArray body = bytes({0x1B, 0x45, 1}) + "\nTIENDA\n" + bytes({0x1B, 0x45, 0}) + "PAN\n" +
                                bytes({0x1D, 0x21, 1}) + "Importe: $5.00\n" + bytes({0x1D, 0x21, 0}) +
                                "Efectivo: $5.00\n";
        QTest::newRow("80 mm, table 16, cut")
            << JobRow{48, false, true, false, kInit + kTable16 + body + kCut};
        QTest::newRow("no cut") << JobRow{48, false, false, false, kInit + kTable16 + body};
        QTest::newRow("drawer kick first")
            << JobRow{48, false, true, true, kInit + kKick + kTable16 + body + kCut};
        QTest::newRow("code page 858")
            << JobRow{32, true, true, false, kInit + bytes({0x1B, 0x74, 19}) + body + kCut};
    }
    void job() {
        QFETCH(JobRow, row);
        auto [columns, pc858, cut, kick, expected] = row;
        PrintDocument document;
        document.font("Segoe UI").size(7).bold(true).line(QString()).line("TIENDA").bold(false);
        document.line("PAN").size(10).line("Importe: $5.00").size(7).line("Efectivo: $5.00");
        const EscPosEncoder encoder(Options{columns, pc858 ? CodePage::Pc858 : CodePage::Windows1252, cut});
        QCOMPARE(encoder.encode(document, kick), expected);
    }

    void text_data() {
        QTest::addColumn<TextRow>("row");
        QTest::newRow("1252 accents and euro") << TextRow{"Juárez ñ €5", false, "Ju\xE1rez \xF1 \2005"};
        QTest::newRow("858 accents and euro") << TextRow{"Juárez ñ €5", true, "Ju\xA0rez \xA4 \3255"};
        QTest::newRow("1252 lacks Cyrillic") << TextRow{"Дом", false, "???"};
        QTest::newRow("858 lacks curly quotes") << TextRow{"“A”", true, "?A?"};
        QTest::newRow("emoji is one character") << TextRow{"a😀b", false, "a?b"};
        QTest::newRow("escape in a shop name is no command") << TextRow{QString("A\033d\177"), false, "A?d?"};
        QTest::newRow("undefined 1252 byte is a control") << TextRow{QString(QChar(0x81)), false, "?"};
    }
    void text() {
        QFETCH(TextRow, row);
        const auto& [text, pc858, expected] = row;
        const EscPosEncoder encoder(Options{48, pc858 ? CodePage::Pc858 : CodePage::Windows1252, true});
        QCOMPARE(encoder.encodeText(text), expected);
    }

    void wrap_data() {
        QTest::addColumn<WrapRow>("row");
        QTest::newRow("empty") << WrapRow{"", 8, {""}};
        QTest::newRow("fits") << WrapRow{"12345678", 8, {"12345678"}};
        QTest::newRow("at a blank") << WrapRow{"aaa bbb ccc", 8, {"aaa bbb", "ccc"}};
        QTest::newRow("long word cut at the edge") << WrapRow{"abcdefghijkl", 5, {"abcde", "fghij", "kl"}};
        QTest::newRow("blank right after the edge") << WrapRow{"abcde fgh", 5, {"abcde", "fgh"}};
        QTest::newRow("leading blanks kept") << WrapRow{"  ab", 8, {"  ab"}};
    }
    void wrap() {
        QFETCH(WrapRow, row);
        const auto& [line, columns, expected] = row;
        QCOMPARE(EscPosEncoder::wrap(line, columns), expected);
    }

    // What the printer answers to DLE EOT 1 and DLE EOT 4.
    void status_data() {
        QTest::addColumn<StatusRow>("row");
        using Status = EscPosEncoder::Status;
        QTest::newRow("online with paper") << StatusRow{bytes({0x12, 0x12}), Status::Ready};
        QTest::newRow("paper near its end") << StatusRow{bytes({0x12, 0x1E}), Status::Ready};
        QTest::newRow("drawer open signal") << StatusRow{bytes({0x16, 0x12}), Status::Ready};
        QTest::newRow("offline") << StatusRow{bytes({0x1A, 0x12}), Status::Offline};
        QTest::newRow("paper out") << StatusRow{bytes({0x12, 0x72}), Status::NoPaper};
        QTest::newRow("offline and out of paper") << StatusRow{bytes({0x1A, 0x72}), Status::Offline};
        QTest::newRow("one answer only") << StatusRow{bytes({0x12}), Status::Unanswered};
        // An automatic status message (4 bytes, bit 4 of each clear or bits 0-1 of the first clear).
        QTest::newRow("automatic status first")
            << StatusRow{bytes({0x10, 0x00, 0x00, 0x0F, 0x12, 0x72}), Status::NoPaper};
    }
    void status() {
        QFETCH(StatusRow, row);
        const auto& [received, status] = row;
        QCOMPARE(EscPosEncoder::readStatus(received), status);
        QCOMPARE(EscPosEncoder::statusRequest(), bytes({0x10, 0x04, 1, 0x10, 0x04, 4}));
    }

    void paperColumnsAndDrawer() {
        QCOMPARE(EscPosEncoder::columnsForPaper(58), 32);
        QCOMPARE(EscPosEncoder::columnsForPaper(80), 48);
        QCOMPARE(EscPosEncoder().drawerKick(), kInit + kKick);
    }

    void ticketNumberAdvancesForPrintedCustomerCopies_data() {
        QTest::addColumn<TicketNumberRow>("row");
        QTest::newRow("single") << TicketNumberRow{false, false, {"ticket"}, {}, 2};
        QTest::newRow("double") << TicketNumberRow{true, false, {"ticket", "copy"}, {kCopyPrinted}, 2};
        QTest::newRow("single fails") << TicketNumberRow{false, true, {}, {kDataError}, 1};
        // A customer copy that failed is not announced as printed, and no business copy follows.
        QTest::newRow("double fails") << TicketNumberRow{true, true, {}, {kDataError}, 1};
    }
    void ticketNumberAdvancesForPrintedCustomerCopies() {
        QFETCH(TicketNumberRow, row);
        auto [doubleTicket, failing, printed, messages, next] = row;
        CounterRig rig;
        Counter& c = startWith(rig, true, doubleTicket);
        rig.printer.failing = failing;
        sell(*rig.counter, "2");
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
        QTest::newRow("tickets on") << NoticeRow{true, false, {}, false, 0, 2, {}};
        QTest::newRow("yes at the first") << NoticeRow{false, false, {true}, false, 1, 2, {}};
        QTest::newRow("no at the first") << NoticeRow{false, false, {false}, false, 1, 0, {}};
        QTest::newRow("after a sale") << NoticeRow{false, true, {}, false, 0, 0, {}};
        QTest::newRow("printer fails")
            << NoticeRow{true, false, {}, true, 0, 0, {kTicketFailed, kTicketFailed}};
    }
    void noticeQuestionOncePerRun() {
        QFETCH(NoticeRow, row);
        auto [tickets, saleFirst, answers, failing, questions, notices, messages] = row;
        CounterRig rig;
        Counter& c = startWith(rig, tickets);
        if (saleFirst) {
            rig.dialogs.answer(false);
            sell(*rig.counter, "2");
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
    void reprintMarksTheCopy() {
        // "#" marks the ticket number's line: a declined ticket never took a number.
        const QString copy =
            "COPIA||MI NEGOCIO||FECHA 05/12/2026|HORA 14:35|#||Descripción:|2 x PAN de $12.50 ||"
            "Importe: $25.00|Efectivo: $30.00|Cambio: $5.00||¡Gracias por su preferencia!||||.|";
        for (const bool tickets : {true, false}) {
            const QStringList expected =
                (tickets ? QString(copy).replace("#", "Ticket No. 001") : QString(copy).remove("#|"))
                    .split(u'|');
            CounterRig rig;
            Counter& c = startWith(rig, tickets);
            QVERIFY(!c.tickets().reprintAvailable());
            c.tickets().mnuReprint_Click();
            QCOMPARE(rig.dialogs.shown.size(), 1);
            QVERIFY(rig.printer.attempts.isEmpty());
            if (!tickets) rig.dialogs.answer(false);
            sell(*rig.counter, "2");
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
    }

    void shopDataBehindTheKey_data() {
        QTest::addColumn<ShopKeyRow>("row");
        QTest::newRow("wrong key") << ShopKeyRow{"k1", "K1", false, 0, {"Clave incorrecta."}};
        QTest::newRow("empty without a key") << ShopKeyRow{"", "", false, 1, {}};
        QTest::newRow("right key") << ShopKeyRow{"k1", "k1", false, 1, {}};
        QTest::newRow("printer fails") << ShopKeyRow{"k1", "k1", true, 0, {kTicketFailed}};
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

    void reportAndDrawer() {
        for (const bool failing : {false, true}) {
            CounterRig rig;
            Counter& c = startWith(rig, false);
            rig.printer.failing = failing;
            QCOMPARE(c.reports().ePrintHistory(), !failing);
            QCOMPARE(c.reports().printXReport(), !failing);
            QCOMPARE(c.reports().printCountNotice(CashCount(), QStringLiteral("18:05")), !failing);
            const QStringList printed{"report", "x-report", "count"};
            QCOMPARE(kinds(rig.printer.jobs), failing ? QStringList{} : printed);
            c.tickets().mnuDrawer_Click();
            QCOMPARE(rig.printer.drawerOpenings, 1);
            const QString cut = "No se pudo imprimir el corte, intente nuevamente o más tarde.";
            const QStringList warned{cut, cut,
                                     "No se pudo imprimir el ticket, intente nuevamente o más tarde.",
                                     "No se pudo abrir el cajón."};
            QCOMPARE(rig.dialogs.messages(), failing ? warned : QStringList{});
        }
    }

    void read_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<PrinterSettings>("expected");
        QTest::newRow("no file: the system's default printer") << QByteArray() << PrinterSettings();
        QTest::newRow("receipt printer on the network")
            << QByteArray("[printer]\nkind=receipt\nconnection=tcp\naddress=192.168.1.50:9100\npaper=58\n"
                          "codepage=858\ncut=false\ndrawer=false\nstatus=false\n")
            << withOptions(receipt(Link::Tcp, "192.168.1.50:9100"), 58, 858, false);
        QTest::newRow("system printer by name")
            << QByteArray("[printer]\nkind=system\nname=Oficina\n") << named({}, Kind::System, "Oficina");
        QTest::newRow("folder") << QByteArray("[printer]\nkind=folder\nfolder=/srv/tickets\n")
                                << named({}, Kind::Folder, "", "/srv/tickets");
        // Values that cannot be read stand for their defaults.
        QTest::newRow("unreadable values")
            << QByteArray("[printer]\nkind=laser\nconnection=bluetooth\npaper=76\ncodepage=437\ncut=maybe\n")
            << PrinterSettings();
        QTest::newRow("not an ini file") << QByteArray("\xFF\xFE garbage = = [[\n") << PrinterSettings();
    }
    void read() {
        QFETCH(QByteArray, file);
        QFETCH(PrinterSettings, expected);
        TempShop shop;
        shop.writeBytes(PrinterSettings::kFileName, file);
        const QSettings settings(shop.file(PrinterSettings::kFileName), QSettings::IniFormat);
        QCOMPARE(PrinterSettings::read(settings), expected);
        // What is written reads back the same.
        TempShop other;
        {
            QSettings written(other.file(PrinterSettings::kFileName), QSettings::IniFormat);
            expected.write(written);
        }
        const QSettings again(other.file(PrinterSettings::kFileName), QSettings::IniFormat);
        QCOMPARE(PrinterSettings::read(again), expected);
    }

    void commandLine_data() {
        QTest::addColumn<CommandLineRow>("row");
        const auto row = [](const char* name, const PrinterSettings& saved, const QStringList& arguments,
                            const PrinterSettings& used) {
            QTest::newRow(name) << CommandLineRow{saved, arguments, used, !arguments.isEmpty()};
        };
        const PrinterSettings lan = receipt(Link::Tcp, "10.0.0.9:9100"),
                              office = named({}, Kind::System, "Oficina");
        row("nothing given", lan, {}, lan);
        row("receipt printer on a device", {}, {"--printer", "escpos:/dev/usb/lp0"},
            receipt(Link::Device, "/dev/usb/lp0"));
        row("receipt printer on tcp", office, {"--printer", "escpos:tcp://caja:9101"},
            named(receipt(Link::Tcp, "caja:9101"), Kind::Receipt, "Oficina"));
        row("raw CUPS queue", {}, {"--printer", "escpos:cups:TM-T20"}, receipt(Link::CupsQueue, "TM-T20"));
        row("system printer over a receipt printer", lan, {"--printer", "Oficina"},
            named(lan, Kind::System, "Oficina"));
        row("folder wins over printer", lan, {"--print-to", "/tmp/jobs", "--printer", "Oficina"},
            named(lan, Kind::Folder, "", "/tmp/jobs"));
        row("receipt options over the saved printer", lan,
            {"--paper", "58", "--codepage", "858", "--no-cut", "--no-drawer", "--no-status"},
            withOptions(lan, 58, 858, false));
        row("options cannot switch back on", withOptions(lan, 58, 858, false), {"--paper", "80"},
            withOptions(lan, 80, 858, false));
    }
    void commandLine() {
        QFETCH(CommandLineRow, row);
        auto [saved, arguments, used, overrides] = row;
        const StartOptions options = CommandLine::parse(QStringList{"vendel"} + arguments, {});
        QCOMPARE(options.error, QString());
        QCOMPARE(saved.overriddenBy(options), used);
        QCOMPARE(PrinterSettings::overrides(options), overrides);
    }

    // kind -1: no target
    void receiptTarget_data() {
        QTest::addColumn<TargetRow>("row");
        const int device = int(ReceiptTarget::Kind::Device), tcp = int(ReceiptTarget::Kind::Tcp);
        QTest::newRow("usb device") << TargetRow{Link::Device, "/dev/usb/lp0", device, "/dev/usb/lp0", 0};
        QTest::newRow("tcp default port") << TargetRow{Link::Tcp, "192.168.1.50", tcp, "192.168.1.50", 9100};
        QTest::newRow("tcp with port")
            << TargetRow{Link::Tcp, "printer.local:9101", tcp, "printer.local", 9101};
        QTest::newRow("tcp written as a url")
            << TargetRow{Link::Tcp, "tcp://10.0.0.2:9100", tcp, "10.0.0.2", 9100};
        QTest::newRow("cups queue") << TargetRow{Link::CupsQueue, "TM-T20",
                                                 int(ReceiptTarget::Kind::CupsQueue), "TM-T20", 0};
        QTest::newRow("no device") << TargetRow{Link::Device, "", -1, "", 0};
        QTest::newRow("no host") << TargetRow{Link::Tcp, ":9100", -1, "", 0};
        QTest::newRow("port too large") << TargetRow{Link::Tcp, "caja:70000", -1, "", 0};
        QTest::newRow("a path after the host") << TargetRow{Link::Tcp, "caja:9100/x", -1, "", 0};
    }
    void receiptTarget() {
        QFETCH(TargetRow, row);
        const auto& [link, address, kind, where, port] = row;
        const auto target = receipt(link, address).receiptTarget();
        QCOMPARE(target.has_value(), kind >= 0);
        if (!target) return;
        QCOMPARE(int(target->kind), kind);
        QCOMPARE(target->kind == ReceiptTarget::Kind::Tcp ? target->host : target->path, where);
        if (port) QCOMPARE(int(target->port), port);
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
        QTRY_COMPARE(dialog->findChild<QLabel*>("lblTestResult")->text(), QString("Prueba impresa."));
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
        QCOMPARE(dialog->findChild<QLabel*>("lblTestResult")->text(),
                 QString("No se pudo guardar la impresora, intente más tarde."));
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

    void receiptTicketThroughRawQueue() {
        START_CUPS(cups);
        CaptureServer printerPort;
        QVERIFY2(cups.addRawQueue("receipts", printerPort.port()), qPrintable(cups.lastOutput()));
        FakeClock clock;
        const auto printer = makePrinter(receipt(Link::CupsQueue, "receipts"), clock, 15000, cups.server());
        Shop shop(*printer);
        sell(*shop.counter, "2");
        QCOMPARE(shop.dialogs.messages(), QStringList{});
        QCOMPARE(shop.counter->settings().values().ticketNumber, qint64(2));
        QCOMPARE(shop.keeping.jobs.size(), 1);
        QVERIFY(shop.keeping.jobs.first().lines().contains("Ticket No. 001"));
        // CUPS said the job was done once the printer had every byte of it, drawer kick first.
        QCOMPARE(printerPort.captured(), EscPosEncoder().encode(shop.keeping.jobs.first(), true));
    }

    void systemPrinterThroughQueue() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed (Debian package poppler-utils)");
        START_CUPS(cups);
        CaptureServer printerPort;
        QVERIFY(cups.addRawQueue("office", printerPort.port()));
        FakeClock clock;
        const auto printer = makePrinter(named({}, Kind::System, "office"), clock, 15000, cups.server());
        Shop shop(*printer);
        sell(*shop.counter, "2");
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
        const auto printer =
            makePrinter(system ? named({}, Kind::System, "q") : receipt(Link::CupsQueue, "q"), clock,
                        kDeadlineMs, cups.server());
        Shop shop(*printer);
        QElapsedTimer elapsed;
        elapsed.start();
        sell(*shop.counter, "2");
        QVERIFY2(elapsed.elapsed() < kDeadlineMs + 2000, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(shop.dialogs.messages(), QStringList{kDataError});
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

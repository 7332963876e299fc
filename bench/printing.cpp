// Printing a sale ticket of 30 lines: encoding it for an ESC/POS printer (target: 0.2 ms or less) and
// writing it as PDF and text into a folder, each beside building the document alone in the same run.
// Closing a sale with its ticket printed into the folder, from Enter to the counter ready for the
// next sale (target: 60 ms or less), beside the same sale closed with printing off.
// The ticket through a real CUPS raw queue (a private cupsd started here) up to its bytes captured at
// the printer's port, beside the same ticket written to a local file as to a receipt printer's device.

#include "CaptureServer.h"
#include "CounterAreas.h"
#include "PrivateCups.h"
#include "QuietPorts.h"
#include "core/base/Ports.h"
#include "core/counter/Counter.h"
#include "core/printing/Documents.h"
#include "core/printing/EscPosEncoder.h"
#include "ui/printing/EscPosPrinter.h"
#include "ui/printing/PdfFolderPrinter.h"
#include "ui/printing/PrinterFactory.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

namespace {

class StillClock : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 5), QTime(14, 35)); }
};

// A ticket whose printed lines number 30 (20 items, shop lines, amount, cash, legend and tail).
Documents::TicketData thirtyLineTicket() {
    Documents::TicketData data;
    data.shop = {QStringLiteral("Abarrotes La Esquina"), QString::fromUtf8("Av. Juárez 128, Col. Centro"),
                 QStringLiteral("555 123 4567"),         QStringLiteral("RFC AES-010203-XY1"),
                 QStringLiteral("Sucursal Centro"),      QString::fromUtf8("¡Gracias por su preferencia!")};
    data.dateText = QStringLiteral("05/12/2026");
    data.timeText = QStringLiteral("14:35");
    data.ticketNumber = 7;
    for (int i = 0; i < 9; ++i)
        data.itemText += QString::fromUtf8("2 x AZÚCAR ESTÁNDAR 1 KG de $34.50 = $69.00\r\n");
    data.cashText = QStringLiteral("$700.00");
    data.changeText = QStringLiteral("$79.00");
    data.symbol = QStringLiteral("$");
    return data;
}

void BM_BuildTicket(benchmark::State& state) {
    const Documents::TicketData data = thirtyLineTicket();
    for (auto _ : state)
        benchmark::DoNotOptimize(Documents::customerTicket(data, QStringLiteral("621.00")));
}
BENCHMARK(BM_BuildTicket)->Unit(benchmark::kMicrosecond);

void BM_EncodeEscPos(benchmark::State& state) {
    const Documents::TicketData data = thirtyLineTicket();
    const EscPosEncoder encoder;
    state.counters["lines"] =
        double(Documents::customerTicket(data, QStringLiteral("621.00")).lines().size());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            encoder.encode(Documents::customerTicket(data, QStringLiteral("621.00")), true));
}
BENCHMARK(BM_EncodeEscPos)->Unit(benchmark::kMicrosecond);

void BM_PdfFolderPrinter(benchmark::State& state) {
    const Documents::TicketData data = thirtyLineTicket();
    QTemporaryDir dir;
    StillClock clock;
    PdfFolderPrinter printer(dir.path(), clock);
    for (auto _ : state)
        if (!printer.print(Documents::customerTicket(data, QStringLiteral("621.00"))))
            state.SkipWithError("the folder printer failed");
}
BENCHMARK(BM_PdfFolderPrinter)->Unit(benchmark::kMillisecond);

// The ticket as an ESC/POS job through `printer`, each time until `arrived(jobs)` says that the
// printer's end holds the bytes of that many jobs.
void printTickets(benchmark::State& state, Printer& printer, const std::function<bool(int)>& arrived) {
    const PrintDocument ticket = Documents::customerTicket(thirtyLineTicket(), QStringLiteral("621.00"));
    int jobs = 0;
    for (auto _ : state) {
        if (!printer.print(ticket)) return state.SkipWithError("the printer failed");
        ++jobs;
        while (!arrived(jobs))
            QThread::yieldCurrentThread();
    }
}

qsizetype ticketBytes() {
    const PrintDocument ticket = Documents::customerTicket(thirtyLineTicket(), QStringLiteral("621.00"));
    return EscPosEncoder().encode(ticket, ticket.opensDrawer()).size();
}

void BM_TicketThroughCupsRawQueue(benchmark::State& state) {
    PrivateCups cups;
    if (!cups.start())
        return state.SkipWithError(qPrintable(QStringLiteral("no private CUPS: ") + cups.why()));
    CaptureServer port;
    if (!cups.addRawQueue(QStringLiteral("receipts"), port.port()))
        return state.SkipWithError("the raw queue could not be added");
    PrinterSettings settings;
    settings.kind = PrinterSettings::Kind::Receipt;
    settings.link = PrinterSettings::Link::CupsQueue;
    settings.address = QStringLiteral("receipts");
    StillClock clock;
    const auto printer = makePrinter(settings, clock, 10000, cups.server());
    const qsizetype bytes = ticketBytes();
    printTickets(state, *printer, [&](int jobs) { return port.captured().size() >= jobs * bytes; });
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_TicketThroughCupsRawQueue)->Unit(benchmark::kMillisecond)->Iterations(30);

// The reference: the same ticket written to a local file, as to a receipt printer's device file.
void BM_TicketToLocalFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lp0"));
    QFile(path).open(QIODevice::WriteOnly);
    EscPosPrinter::Options options;
    options.target.path = path;
    options.transport.askStatus = false; // a file never answers
    EscPosPrinter printer(options);
    // A device file is written from its start: each job leaves the file as long as the ticket.
    const qsizetype bytes = ticketBytes();
    printTickets(state, printer, [&](int) { return QFileInfo(path).size() >= bytes; });
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_TicketToLocalFile)->Unit(benchmark::kMillisecond);

// A sale of three items closed with the cash covering it; printing on or off.
void closeSales(benchmark::State& state, bool printing) {
    QTemporaryDir shop;
    QTemporaryDir jobs;
    SilentDialogs dialogs;
    StillClock clock;
    PdfFolderPrinter printer(jobs.path(), clock);
    NoShell shell;
    Counter counter(shop.path(), Language(), QString(), Ports{dialogs, clock, printer, shell});
    counter.load();
    counter.lblTask_Click(0);
    if (printing) counter.settings().toggleTickets();
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 3; ++i) {
            counter.fields().set(EntryFields::Quantity, QStringLiteral("2"));
            counter.fields().set(EntryFields::Description, QString::fromUtf8("AZÚCAR ESTÁNDAR 1 KG"));
            counter.fields().set(EntryFields::Price, QStringLiteral("34.50"));
            counter.ePreFactura();
        }
        counter.amounts().setCashText(QStringLiteral("500"));
        state.ResumeTiming();
        counter.eFinal();
    }
    state.counters["tickets"] = double(counter.settings().values().ticketNumber - 1);
}

void BM_CloseSalePrintingOff(benchmark::State& state) {
    closeSales(state, false);
}
BENCHMARK(BM_CloseSalePrintingOff)->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_CloseSaleWithTicket(benchmark::State& state) {
    closeSales(state, true);
}
BENCHMARK(BM_CloseSaleWithTicket)->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

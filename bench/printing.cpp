// Printing a sale ticket of 30 lines: encoding it for an ESC/POS printer (target: 0.2 ms or less) and
// writing it as PDF and text into a folder, each beside building the document alone in the same run.
// Closing a sale with its ticket printed into the folder, from Enter to the counter ready for the
// next sale (target: 60 ms or less), beside the same sale closed with printing off.

#include "CounterAreas.h"
#include "QuietPorts.h"
#include "core/base/Ports.h"
#include "core/counter/Counter.h"
#include "core/printing/Documents.h"
#include "core/printing/EscPosEncoder.h"
#include "ui/printing/PdfFolderPrinter.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QTemporaryDir>

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

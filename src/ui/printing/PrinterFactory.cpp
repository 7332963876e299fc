#include "PrinterFactory.h"

#include "ui/ports/UnavailablePrinter.h"
#include "ui/printing/EscPosPrinter.h"
#include "ui/printing/PdfFolderPrinter.h"
#include "ui/printing/SystemPrinter.h"

std::unique_ptr<Printer> makePrinter(const PrinterOptions& options, const Clock& clock) {
    if (!options.printTo.isEmpty()) return std::make_unique<PdfFolderPrinter>(options.printTo, clock);
    const QString escpos = QStringLiteral("escpos:");
    if (options.printer.startsWith(escpos)) {
        const auto target = EscPosTransport::parse(options.printer.mid(escpos.size()));
        if (!target) return std::make_unique<UnavailablePrinter>();
        EscPosPrinter::Options escOptions;
        escOptions.target = *target;
        escOptions.encoder.columns = EscPosEncoder::columnsForPaper(options.paper);
        escOptions.encoder.codePage =
            options.codepage == 858 ? EscPosEncoder::CodePage::Pc858 : EscPosEncoder::CodePage::Windows1252;
        escOptions.encoder.cut = options.cut;
        escOptions.drawer = options.drawer;
        escOptions.deadlineMs = options.deadlineMs;
        return std::make_unique<EscPosPrinter>(escOptions);
    }
    return std::make_unique<SystemPrinter>(options.printer, options.deadlineMs);
}

#include "PrinterFactory.h"

#include "ui/ports/UnavailablePrinter.h"
#include "ui/printing/EscPosPrinter.h"
#include "ui/printing/PdfFolderPrinter.h"
#include "ui/printing/SystemPrinter.h"

std::unique_ptr<Printer> makePrinter(const PrinterSettings& settings, const Clock& clock, int deadlineMs,
                                     const QString& cupsServer) {
    switch (settings.kind) {
    case PrinterSettings::Kind::Folder:
        if (settings.folder.isEmpty()) return std::make_unique<UnavailablePrinter>();
        return std::make_unique<PdfFolderPrinter>(settings.folder, clock);
    case PrinterSettings::Kind::Receipt: {
        const auto target = settings.receiptTarget();
        if (!target) return std::make_unique<UnavailablePrinter>();
        EscPosPrinter::Options options;
        options.target = *target;
        options.encoder.columns = EscPosEncoder::columnsForPaper(settings.paper);
        options.encoder.codePage =
            settings.codepage == 858 ? EscPosEncoder::CodePage::Pc858 : EscPosEncoder::CodePage::Windows1252;
        options.encoder.cut = settings.cut;
        options.drawer = settings.drawer;
        options.deadlineMs = deadlineMs;
        options.transport.askStatus = settings.status;
        options.transport.cupsServer = cupsServer;
        return std::make_unique<EscPosPrinter>(options);
    }
    case PrinterSettings::Kind::System:
        break;
    }
    return std::make_unique<SystemPrinter>(settings.systemName, deadlineMs, cupsServer);
}

#include "SystemPrinter.h"

#include "core/printing/PrintDocument.h"
#include "ui/printing/ReceiptRenderer.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <atomic>
#include <thread>

struct SystemPrinter::Job {
    std::atomic<bool> done{false};
    std::atomic<bool> ok{false};
};

namespace {

bool printNow(const QString& name, const PrintDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    if (!name.isEmpty()) printer.setPrinterName(name);
    // Without a CUPS printer QPrinter falls back to writing a PDF file: that is no printer.
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName().isEmpty() ||
        !printer.isValid())
        return false;
    printer.setDocName(QStringLiteral("Vendel ") + PrintDocument::kindName(document.kind()));
    printer.setFullPage(true);
    const double dpi = printer.resolution();
    const double heightMm = ReceiptRenderer::pageHeightMm(document, &printer, dpi);
    printer.setPageSize(QPageSize(QSizeF(ReceiptRenderer::kPaperWidthMm, heightMm), QPageSize::Millimeter,
                                  QStringLiteral("Receipt"), QPageSize::ExactMatch));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double margin = ReceiptRenderer::kMarginMm / 25.4 * dpi;
    const double width = (ReceiptRenderer::kPaperWidthMm - 2 * ReceiptRenderer::kMarginMm) / 25.4 * dpi;
    ReceiptRenderer::paint(painter, document, &printer, margin, margin, width);
    return painter.end();
}

} // namespace

bool SystemPrinter::print(const PrintDocument& document) {
    // The last job never came back: the print server is hung; do not stack another thread on it.
    if (m_last && !m_last->done.load()) return false;
    auto job = std::make_shared<Job>();
    m_last = job;
    std::thread([job, name = m_name, copy = document] {
        job->ok.store(printNow(name, copy));
        job->done.store(true);
    }).detach();
    const bool finished =
        JobDeadline::waitUntil([&] { return job->done.load(); }, QDeadlineTimer(m_deadlineMs));
    return finished && job->ok.load();
}

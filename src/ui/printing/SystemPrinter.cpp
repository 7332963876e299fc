#include "SystemPrinter.h"

#include "core/printing/PrintDocument.h"
#include "ui/printing/CupsJob.h"
#include "ui/printing/ReceiptRenderer.h"

bool SystemPrinter::print(const PrintDocument& document) {
    if (m_busy) return false;
    const QDeadlineTimer deadline(m_deadlineMs);
    const QByteArray pdf = ReceiptRenderer::pdf(document);
    if (pdf.isEmpty()) return false;
    m_busy = true;
    CupsJob::Options options;
    options.title = QStringLiteral("Vendel ") + PrintDocument::kindName(document.kind());
    options.server = m_cupsServer;
    const bool ok = CupsJob::print(m_name, pdf, options, deadline);
    m_busy = false;
    return ok;
}

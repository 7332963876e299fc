#include "printing/EscPosPrinter.h"

bool EscPosPrinter::print(const PrintDocument& document) {
    const bool moneyJob =
        document.kind() == PrintDocument::Kind::Ticket || document.kind() == PrintDocument::Kind::Notice;
    return send(m_encoder.encode(document, m_options.drawer && moneyJob));
}

bool EscPosPrinter::openDrawer() {
    return send(m_encoder.drawerKick());
}

bool EscPosPrinter::send(const QByteArray& bytes) {
    if (m_busy) return false;
    m_busy = true;
    const bool ok = EscPosTransport::send(m_options.target, bytes, QDeadlineTimer(m_options.deadlineMs),
                                          m_options.lpProgram);
    m_busy = false;
    return ok;
}

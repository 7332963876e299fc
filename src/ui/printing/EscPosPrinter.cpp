#include "EscPosPrinter.h"

bool EscPosPrinter::print(const PrintDocument& document) {
    return send(m_encoder.encode(document, m_options.drawer && document.opensDrawer()));
}

bool EscPosPrinter::openDrawer() {
    return send(m_encoder.drawerKick());
}

bool EscPosPrinter::send(const QByteArray& bytes) {
    if (m_busy) return false;
    m_busy = true;
    const bool ok = EscPosTransport::send(m_options.target, bytes, QDeadlineTimer(m_options.deadlineMs),
                                          m_options.transport);
    m_busy = false;
    return ok;
}

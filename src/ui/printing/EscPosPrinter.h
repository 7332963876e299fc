#pragma once

#include "core/base/Ports.h"
#include "core/printing/EscPosEncoder.h"
#include "ui/printing/EscPosTransport.h"
#include "ui/printing/JobDeadline.h"

// A receipt printer spoken to in ESC/POS: our own encoder, sent to a device file, a TCP port or a
// CUPS raw queue. The drawer opens at the start of a ticket or a notice (the jobs of money changing
// hands) when the drawer is on, and on its own through openDrawer().
class EscPosPrinter : public Printer {
public:
    struct Options {
        ReceiptTarget target;
        EscPosEncoder::Options encoder;
        bool drawer = true;
        int deadlineMs = JobDeadline::kDefaultMs;
        EscPosTransport::Options transport;
    };

    explicit EscPosPrinter(Options options) : m_options(std::move(options)), m_encoder(m_options.encoder) {}

    bool print(const PrintDocument& document) override;
    bool openDrawer() override;
    int columns() const override { return m_options.encoder.columns; }

private:
    bool send(const QByteArray& bytes);

    Options m_options;
    EscPosEncoder m_encoder;
    bool m_busy = false; // a job waiting in the event loop; another one arriving meanwhile fails
};

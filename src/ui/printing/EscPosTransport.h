#pragma once

#include "core/printing/PrinterSettings.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

// The ways the bytes of an ESC/POS job reach the printer. Each send waits in the window's event loop
// and gives up when the deadline passes: an unplugged printer, one that stopped reading or a hung
// print server fail the job instead of freezing the counter, and nothing stays blocked afterwards.
namespace EscPosTransport {

struct Options {
    // On a device or a TCP port: after the job, ask the printer's real-time status and count the job
    // as printed only when the printer answers that it is online with paper.
    bool askStatus = true;
    QString cupsServer; // the CUPS server of a raw queue; empty: the system's own
};

// A device file opened without blocking; a full buffer is waited on until the deadline.
bool sendToDevice(const QString& path, const QByteArray& bytes, const QDeadlineTimer& deadline,
                  bool askStatus);
// A raw TCP printer port; the job is done when every byte has left (and the printer answered its
// status, when asked) and the connection is closed.
bool sendToTcp(const QString& host, quint16 port, const QByteArray& bytes, const QDeadlineTimer& deadline,
               bool askStatus);
// A CUPS raw queue: done when CUPS has sent the job whole to the printer.
bool sendToCupsQueue(const QString& queue, const QByteArray& bytes, const QDeadlineTimer& deadline,
                     const QString& cupsServer);

bool send(const ReceiptTarget& target, const QByteArray& bytes, const QDeadlineTimer& deadline,
          const Options& options);

} // namespace EscPosTransport

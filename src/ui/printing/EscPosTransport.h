#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <optional>

// The ways the bytes of an ESC/POS job reach the printer. Each send waits in the window's event loop
// and gives up when the deadline passes: an unplugged printer, one that stopped reading or a hung
// print server fail the job instead of freezing the counter, and nothing stays blocked afterwards.
namespace EscPosTransport {

struct Target {
    enum class Kind { Device, Tcp, CupsQueue } kind = Kind::Device;
    QString path; // the device file, or the CUPS queue
    QString host; // for Tcp
    quint16 port = 9100;
};

// "/dev/usb/lp0", "tcp://HOST[:PORT]" or "cups:QUEUE" (what follows "escpos:" on the command line);
// nothing for a text that names no target.
std::optional<Target> parse(const QString& address);

// A device file opened without blocking; a full buffer is waited on until the deadline.
bool sendToDevice(const QString& path, const QByteArray& bytes, const QDeadlineTimer& deadline);
// A raw TCP printer port; the job is done when every byte has left and the connection is closed.
bool sendToTcp(const QString& host, quint16 port, const QByteArray& bytes, const QDeadlineTimer& deadline);
// A CUPS raw queue through `lp -d QUEUE -o raw` (`program` stands for lp); killed at the deadline.
bool sendToCupsQueue(const QString& program, const QString& queue, const QByteArray& bytes,
                     const QDeadlineTimer& deadline);

bool send(const Target& target, const QByteArray& bytes, const QDeadlineTimer& deadline,
          const QString& lpProgram = QStringLiteral("lp"));

} // namespace EscPosTransport

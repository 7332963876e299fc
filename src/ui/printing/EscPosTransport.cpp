#include "EscPosTransport.h"

#include "core/printing/EscPosEncoder.h"
#include "ui/printing/CupsJob.h"
#include "ui/printing/JobDeadline.h"

#include <QFile>
#include <QTcpSocket>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace EscPosTransport {

namespace {

// Lets the event loop run for a few milliseconds (or less, near the deadline).
void pause(const QDeadlineTimer& deadline) {
    const QDeadlineTimer step(5);
    JobDeadline::waitUntil([&] { return step.hasExpired() || deadline.hasExpired(); }, deadline);
}

} // namespace

bool sendToDevice(const QString& path, const QByteArray& bytes, const QDeadlineTimer& deadline,
                  bool askStatus) {
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking: a device nobody drains (an unplugged printer, a pipe without a reader) returns at
    // once instead of holding the window.
    const int mode = askStatus ? O_RDWR : O_WRONLY;
    int fd = -1;
    while (fd < 0) {
        fd = ::open(name.constData(), mode | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0) break;
        if (errno != EINTR) return false;
    }
    const QByteArray job = askStatus ? bytes + EscPosEncoder::statusRequest() : bytes;
    qsizetype sent = 0;
    bool ok = true;
    while (sent < job.size()) {
        const ssize_t n = ::write(fd, job.constData() + sent, std::size_t(job.size() - sent));
        if (n > 0) {
            sent += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if ((n == 0 || errno == EAGAIN || errno == EWOULDBLOCK) && !deadline.hasExpired()) {
            pause(deadline);
            continue;
        }
        ok = false;
        break;
    }
    ok = ok && sent == job.size();
    if (ok && askStatus) {
        // The answer comes back on the same device; nothing yet (or no answer at all) is waited on.
        QByteArray answer;
        auto status = EscPosEncoder::Status::Unanswered;
        while (status == EscPosEncoder::Status::Unanswered && !deadline.hasExpired()) {
            char buffer[64];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                answer.append(buffer, n);
                status = EscPosEncoder::readStatus(answer);
            } else if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
                pause(deadline);
            } else {
                break;
            }
        }
        ok = status == EscPosEncoder::Status::Ready;
    }
    if (::close(fd) != 0 && errno != EINTR) ok = false;
    return ok;
}

bool sendToTcp(const QString& host, quint16 port, const QByteArray& bytes, const QDeadlineTimer& deadline,
               bool askStatus) {
    QTcpSocket socket;
    bool failed = false;
    QByteArray answer;
    auto status = EscPosEncoder::Status::Unanswered;
    QObject::connect(&socket, &QAbstractSocket::errorOccurred, [&](QAbstractSocket::SocketError error) {
        // The printer closing its end after the last byte is no failure.
        if (error != QAbstractSocket::RemoteHostClosedError || socket.bytesToWrite() > 0) failed = true;
    });
    QObject::connect(&socket, &QIODevice::readyRead, [&] {
        answer += socket.readAll();
        status = EscPosEncoder::readStatus(answer);
    });
    socket.connectToHost(host, port);
    const bool connected = JobDeadline::waitUntil(
        [&] { return failed || socket.state() == QAbstractSocket::ConnectedState; }, deadline);
    if (!connected || failed) {
        socket.abort();
        return false;
    }
    const QByteArray job = askStatus ? bytes + EscPosEncoder::statusRequest() : bytes;
    if (socket.write(job) != job.size()) {
        socket.abort();
        return false;
    }
    const bool written = JobDeadline::waitUntil(
        [&] {
            // A printer that hangs up before it answers has given its answer too.
            return failed || socket.state() == QAbstractSocket::UnconnectedState ||
                   (socket.bytesToWrite() == 0 &&
                    (!askStatus || status != EscPosEncoder::Status::Unanswered));
        },
        deadline);
    if (!written || failed || (askStatus && status != EscPosEncoder::Status::Ready)) {
        socket.abort();
        return false;
    }
    socket.disconnectFromHost();
    JobDeadline::waitUntil([&] { return failed || socket.state() == QAbstractSocket::UnconnectedState; },
                           deadline);
    const bool closed = socket.state() == QAbstractSocket::UnconnectedState;
    socket.abort();
    return closed && !failed;
}

bool sendToCupsQueue(const QString& queue, const QByteArray& bytes, const QDeadlineTimer& deadline,
                     const QString& cupsServer) {
    CupsJob::Options options;
    options.raw = true;
    options.title = QStringLiteral("Vendel");
    options.server = cupsServer;
    return CupsJob::print(queue, bytes, options, deadline);
}

bool send(const ReceiptTarget& target, const QByteArray& bytes, const QDeadlineTimer& deadline,
          const Options& options) {
    switch (target.kind) {
    case ReceiptTarget::Kind::Device:
        return sendToDevice(target.path, bytes, deadline, options.askStatus);
    case ReceiptTarget::Kind::Tcp:
        return sendToTcp(target.host, target.port, bytes, deadline, options.askStatus);
    case ReceiptTarget::Kind::CupsQueue:
        return sendToCupsQueue(target.path, bytes, deadline, options.cupsServer);
    }
    return false;
}

} // namespace EscPosTransport

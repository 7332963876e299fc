#include "EscPosTransport.h"

#include "ui/printing/JobDeadline.h"

#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace EscPosTransport {

std::optional<Target> parse(const QString& address) {
    Target target;
    if (address.startsWith(QLatin1String("tcp://"))) {
        const QUrl url(address);
        if (!url.isValid() || url.host().isEmpty()) return std::nullopt;
        const int port = url.port(9100);
        if (port < 1 || port > 65535) return std::nullopt;
        target.kind = Target::Kind::Tcp;
        target.host = url.host();
        target.port = quint16(port);
        return target;
    }
    if (address.startsWith(QLatin1String("cups:"))) {
        target.kind = Target::Kind::CupsQueue;
        target.path = address.mid(5);
        if (target.path.isEmpty()) return std::nullopt;
        return target;
    }
    if (address.isEmpty()) return std::nullopt;
    target.kind = Target::Kind::Device;
    target.path = address;
    return target;
}

namespace {

// Lets the event loop run for a few milliseconds (or less, near the deadline).
void pause(const QDeadlineTimer& deadline) {
    const QDeadlineTimer step(5);
    JobDeadline::waitUntil([&] { return step.hasExpired() || deadline.hasExpired(); }, deadline);
}

} // namespace

bool sendToDevice(const QString& path, const QByteArray& bytes, const QDeadlineTimer& deadline) {
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking: a device nobody drains (an unplugged printer, a pipe without a reader) returns at
    // once instead of holding the window.
    int fd = -1;
    while (fd < 0) {
        fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0) break;
        if (errno != EINTR) return false;
    }
    qsizetype sent = 0;
    bool ok = true;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + sent, std::size_t(bytes.size() - sent));
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
    if (::close(fd) != 0 && errno != EINTR) ok = false;
    return ok && sent == bytes.size();
}

bool sendToTcp(const QString& host, quint16 port, const QByteArray& bytes, const QDeadlineTimer& deadline) {
    QTcpSocket socket;
    bool failed = false;
    QObject::connect(&socket, &QAbstractSocket::errorOccurred, [&](QAbstractSocket::SocketError error) {
        // The printer closing its end after the last byte is no failure.
        if (error != QAbstractSocket::RemoteHostClosedError || socket.bytesToWrite() > 0) failed = true;
    });
    socket.connectToHost(host, port);
    const bool connected = JobDeadline::waitUntil(
        [&] { return failed || socket.state() == QAbstractSocket::ConnectedState; }, deadline);
    if (!connected || failed) {
        socket.abort();
        return false;
    }
    if (socket.write(bytes) != bytes.size()) {
        socket.abort();
        return false;
    }
    const bool written =
        JobDeadline::waitUntil([&] { return failed || socket.bytesToWrite() == 0; }, deadline);
    if (!written || failed) {
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

bool sendToCupsQueue(const QString& program, const QString& queue, const QByteArray& bytes,
                     const QDeadlineTimer& deadline) {
    QProcess lp;
    lp.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lp.setStandardOutputFile(QProcess::nullDevice());
    lp.start(program, {QStringLiteral("-d"), queue, QStringLiteral("-o"), QStringLiteral("raw")});
    bool finished = false;
    QObject::connect(&lp, &QProcess::finished, [&] { finished = true; });
    QObject::connect(&lp, &QProcess::errorOccurred, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) finished = true;
    });
    const bool started =
        JobDeadline::waitUntil([&] { return finished || lp.state() == QProcess::Running; }, deadline);
    if (started && lp.state() == QProcess::Running) {
        lp.write(bytes);
        lp.closeWriteChannel();
    }
    const bool done = JobDeadline::waitUntil([&] { return finished; }, deadline);
    if (!done) {
        lp.kill();
        lp.waitForFinished(1000);
        return false;
    }
    return lp.error() != QProcess::FailedToStart && lp.exitStatus() == QProcess::NormalExit &&
           lp.exitCode() == 0;
}

bool send(const Target& target, const QByteArray& bytes, const QDeadlineTimer& deadline,
          const QString& lpProgram) {
    switch (target.kind) {
    case Target::Kind::Device:
        return sendToDevice(target.path, bytes, deadline);
    case Target::Kind::Tcp:
        return sendToTcp(target.host, target.port, bytes, deadline);
    case Target::Kind::CupsQueue:
        return sendToCupsQueue(lpProgram, target.path, bytes, deadline);
    }
    return false;
}

} // namespace EscPosTransport

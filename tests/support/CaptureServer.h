#pragma once

// A printer's network port for the tests: it listens on a loopback port of its own thread and
// behaves as a printer would, well or badly. Header only, for the tests and the benchmarks.

#include <QByteArray>
#include <QMap>

#include <mutex>
#include <thread>
#include <vector>

#include <cerrno>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

class CaptureServer {
public:
    enum class Behaviour {
        Capture,      // reads every byte until the sender closes, then closes
        NeverRead,    // accepts and never reads
        ResetAfter10, // reads 10 bytes, then resets the connection
        Answer        // reads like Capture and answers each status request (DLE EOT n)
    };

    // `answers`: for Answer, the byte sent back for each DLE EOT n, by n.
    explicit CaptureServer(Behaviour behaviour = Behaviour::Capture, QMap<int, char> answers = {})
        : m_behaviour(behaviour), m_answers(std::move(answers)) {
        m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (m_listen < 0 || ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(m_listen, 8) != 0 ||
            ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
            ::pipe2(m_wake, O_CLOEXEC) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { run(); });
    }
    ~CaptureServer() {
        if (m_thread.joinable()) {
            const char stop = 1;
            (void)!::write(m_wake[1], &stop, 1);
            m_thread.join();
        }
        for (int fd : {m_listen, m_wake[0], m_wake[1]})
            if (fd >= 0) ::close(fd);
    }
    CaptureServer(const CaptureServer&) = delete;
    CaptureServer& operator=(const CaptureServer&) = delete;

    quint16 port() const { return m_port; }
    // Every byte read so far, over all connections.
    QByteArray captured() const {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_captured;
    }

private:
    // Waits for `fd` or the stop signal; false on stop.
    bool waitFor(int fd) {
        pollfd fds[2] = {{fd, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        while (::poll(fds, 2, -1) < 0)
            if (errno != EINTR) return false;
        return !(fds[1].revents & POLLIN);
    }

    void run() {
        std::vector<int> held;
        while (waitFor(m_listen)) {
            const int peer = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
            if (peer < 0) continue;
            if (m_behaviour == Behaviour::NeverRead)
                held.push_back(peer);
            else
                serve(peer);
        }
        for (int fd : held)
            ::close(fd);
    }

    void serve(int peer) {
        qsizetype taken = 0;
        QByteArray pending; // the tail of a status request split between two reads
        for (;;) {
            if (!waitFor(peer)) break;
            char buffer[65536];
            const qsizetype room =
                m_behaviour == Behaviour::ResetAfter10 ? 10 - taken : qsizetype(sizeof buffer);
            const ssize_t n = ::read(peer, buffer, std::size_t(room));
            if (n <= 0) break;
            taken += n;
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_captured.append(buffer, n);
            }
            if (m_behaviour == Behaviour::ResetAfter10 && taken >= 10) {
                const linger reset{1, 0};
                ::setsockopt(peer, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
                break;
            }
            if (m_behaviour == Behaviour::Answer) {
                pending.append(buffer, n);
                QByteArray reply;
                qsizetype at = 0;
                while ((at = pending.indexOf("\x10\x04", at)) >= 0 && at + 2 < pending.size()) {
                    const int which = pending.at(at + 2);
                    if (m_answers.contains(which)) reply.append(m_answers.value(which));
                    at += 3;
                }
                pending = pending.right(2);
                if (!reply.isEmpty()) (void)!::write(peer, reply.constData(), std::size_t(reply.size()));
            }
        }
        ::close(peer);
    }

    Behaviour m_behaviour;
    QMap<int, char> m_answers;
    int m_listen = -1;
    int m_wake[2] = {-1, -1};
    quint16 m_port = 0;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    QByteArray m_captured;
};

#pragma once
// A tiny loopback HTTP listener on a free port, for the transport cases the demo shop cannot play.
#include <QByteArray>
#include <QList>
#include <QString>

#include "support/loopback_socket.h"

#include <arpa/inet.h>
#include <atomic>
#include <functional>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace sumbrel::testing {

class LoopbackListener {
public:
    enum class Mode {
        Hold,  // accepts, reads the request, never answers
        Close,  // accepts and closes at once
        Status500,  // answers 500 with an error page
        Ok,  // answers 200 with a fixed text
        Trickle,  // answers 200 with the fixed text, a header line or a body byte every 100 ms
        CloseOnceThenOk,  // closes the first connection at once, answers 200 on the later ones
    };

    // Every answer sets a session cookie and, with keepAlive, leaves the connection open for the
    // next request, so a client that kept cookies or connections would show it.
    explicit LoopbackListener(Mode mode, QByteArray okBody = "ok", bool keepAlive = false,
                              QByteArray contentType = "text/html; charset=utf-8")
        : m_mode(mode)
        , m_okBody(std::move(okBody))
        , m_keepAlive(keepAlive)
        , m_contentType(std::move(contentType))
    {
        m_fd = LoopbackSocket(16, m_port);
        m_thread = std::thread([this] { loop(); });
    }
    // Meets every connection its own way (on the listener's thread), then closes it.
    explicit LoopbackListener(std::function<void(int)> meet)
        : m_mode(Mode::Close)
        , m_meet(std::move(meet))
    {
        m_fd = LoopbackSocket(16, m_port);
        m_thread = std::thread([this] { loop(); });
    }
    ~LoopbackListener()
    {
        m_stop = true;
        m_thread.join();
        for (int fd : m_held)
            ::close(fd);
        ::close(m_fd);
    }

    int port() const { return m_port; }
    QString url(const QString& path = QStringLiteral("/x.php")) const
    {
        return QStringLiteral("http://127.0.0.1:") + QString::number(m_port) + path;
    }
    int connections() const { return m_connections; }
    // Every request as it arrived: request line, headers, blank line, body.
    QList<QByteArray> requests() const
    {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }

    static constexpr const char* kErrorPage = "<html><body>서버 오류</body></html>";

private:
    void loop()
    {
        while (!m_stop) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0)
                continue;
            const int c = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (c < 0)
                continue;
            const int number = ++m_connections;
            if (m_meet)
                m_meet(c);
            if (m_mode == Mode::Close || (m_mode == Mode::CloseOnceThenOk && number == 1)) {
                ::close(c);
                continue;
            }
            if (m_mode == Mode::Hold) {
                record(readRequest(c));
                m_held.push_back(c);
                continue;
            }
            // With keep-alive, answer every request that comes on the connection until the client
            // closes it (or 2 s pass).
            do {
                const QByteArray request = readRequest(c);
                if (request.isEmpty())
                    break;
                record(request);
                answer(c);
            } while (m_keepAlive);
            ::close(c);
        }
    }

    void record(const QByteArray& request)
    {
        std::lock_guard lock(m_mutex);
        m_requests.append(request);
    }

    void answer(int c)
    {
        {
            const bool ok = m_mode != Mode::Status500;
            const QByteArray body = ok ? m_okBody : QByteArray(kErrorPage);
            const QByteArray status = ok ? "200 OK" : "500 Internal Server Error";
            const QByteArray answer = "HTTP/1.1 " + status + "\r\nContent-Type: " + m_contentType
                + "\r\nSet-Cookie: session=" + QByteArray::number(m_connections.load()) + "; path=/\r\n"
                + "Content-Length: " + QByteArray::number(body.size())
                + (m_keepAlive ? "\r\nConnection: keep-alive\r\n\r\n" : "\r\nConnection: close\r\n\r\n") + body;
            const bool trickle = m_mode == Mode::Trickle;
            qsizetype done = 0;
            while (done < answer.size()) {
                if (trickle && done > 0)
                    ::usleep(100000);
                size_t chunk = size_t(answer.size() - done);
                if (trickle) {
                    const qsizetype eol = answer.indexOf('\n', done);
                    const bool inHeader = eol >= 0 && done < answer.indexOf("\r\n\r\n") + 4;
                    chunk = inHeader ? size_t(eol + 1 - done) : 1;
                }
                const ssize_t n = ::send(c, answer.constData() + done, chunk, MSG_NOSIGNAL);
                if (n <= 0)
                    break;
                done += n;
            }
        }
    }

    QByteArray readRequest(int c)
    {
        QByteArray data;
        qsizetype need = -1;
        char buf[4096];
        int idleRounds = 0;
        while (!m_stop) {
            // A kept connection on which no further request comes is given up after 2 s.
            if (m_keepAlive && data.isEmpty() && ++idleRounds > 100 && m_mode != Mode::Hold)
                break;
            if (need >= 0 && data.size() >= need)
                break;
            pollfd p{c, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0)
                continue;
            const ssize_t n = ::recv(c, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            data.append(buf, n);
            const qsizetype end = data.indexOf("\r\n\r\n");
            if (need < 0 && end >= 0) {
                qsizetype length = 0;
                for (const QByteArray& line : data.left(end).split('\n')) {
                    const QByteArray l = line.trimmed();
                    if (l.toLower().startsWith("content-length:"))
                        length = l.mid(15).trimmed().toLongLong();
                }
                need = end + 4 + length;
            }
        }
        return data;
    }

    Mode m_mode;
    std::function<void(int)> m_meet;
    QByteArray m_okBody;
    bool m_keepAlive = false;
    QByteArray m_contentType;
    int m_fd = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_connections{0};
    std::vector<int> m_held;
    mutable std::mutex m_mutex;
    QList<QByteArray> m_requests;
    std::thread m_thread;
};

}  // namespace sumbrel::testing

// HTTP answers replayed from a loopback socket into PostText: status lines, headers, charsets,
// chunking, lengths that lie, early close, a connection held open. The input is a flag byte and the
// bytes the server sends for each connection, in pieces (split at two NUL bytes) with a short pause
// between them. Every call returns within what the client's limits allow for that script, and the
// answer is no longer than what the server sent.
#include "fuzz_support.h"
#include "server/http_client.h"
#include "startup/clock.h"
#include "support/loopback_socket.h"

#include <QElapsedTimer>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace sumbrel;

constexpr int kPauseMs = 20;
constexpr int kMaxPieces = 8;
constexpr int kHold = 1;  // flag: keep the connection open after the last piece
constexpr int kNoRead = 2;  // flag: answer before reading the request

struct Script {
    int flags = 0;
    QList<QByteArray> pieces;
    qsizetype bytes() const
    {
        qsizetype n = 0;
        for (const QByteArray& p : pieces)
            n += p.size();
        return n;
    }
};

std::mutex g_lock;
Script g_script;
std::atomic<int> g_generation{0};
int g_listener = -1;
int g_port = 0;

// Waits up to ms on the connection; false when the script changed or the client went away.
bool Wait(int fd, int ms, int generation)
{
    for (int waited = 0; waited < ms; waited += 5) {
        if (g_generation.load() != generation)
            return false;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 5) > 0) {
            char buffer[4096];
            if (::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT) == 0)
                return false;
        }
    }
    return true;
}

void ReadRequest(int fd)
{
    QByteArray request;
    for (int rounds = 0; rounds < 200 && !request.contains("\r\n\r\n"); ++rounds) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 5) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            return;
        request.append(buffer, n);
    }
}

void Serve()
{
    while (true) {
        const int fd = ::accept(g_listener, nullptr, nullptr);
        if (fd < 0)
            continue;
        Script script;
        int generation;
        {
            std::lock_guard<std::mutex> lock(g_lock);
            script = g_script;
            generation = g_generation.load();
        }
        if (!(script.flags & kNoRead))
            ReadRequest(fd);
        bool going = true;
        for (qsizetype i = 0; going && i < script.pieces.size(); ++i) {
            if (i > 0)
                going = Wait(fd, kPauseMs, generation);
            if (going && !script.pieces[i].isEmpty())
                going = ::send(fd, script.pieces[i].constData(), size_t(script.pieces[i].size()), MSG_NOSIGNAL) >= 0;
        }
        if (going && (script.flags & kHold))
            while (Wait(fd, 1000, generation)) { }
        ::close(fd);
    }
}

constexpr qint64 kSlackMs = 2000;  // a loaded machine under the sanitizers

// The longest a call may take: per attempt the script's pauses and one stall before the client
// gives up, or the client's own bounds on an attempt and on a whole call where it has them.
template <typename Limits>
qint64 CallDeadline(const Limits& limits, qint64 pausesMs)
{
    qint64 perAttempt = pausesMs + limits.stallMs + kSlackMs;
    if constexpr (requires { limits.attemptMs; })
        perAttempt = std::min(perAttempt, qint64(limits.attemptMs) + kSlackMs);
    qint64 call = qint64(std::max(limits.attempts, 1)) * perAttempt;
    if constexpr (requires { limits.callMs; })
        call = std::min(call, qint64(limits.callMs) + kSlackMs);
    return call;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::NoLogFiles();
    HttpLimits limits = httpLimits();
    limits.connectMs = 1000;
    limits.stallMs = 300;
    limits.attempts = 2;
    setHttpLimits(limits);

    g_listener = testing::LoopbackSocket(16, g_port);
    std::thread(Serve).detach();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    Script script;
    script.flags = data[0];
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    qsizetype from = 0;
    while (script.pieces.size() + 1 < kMaxPieces) {
        const qsizetype at = rest.indexOf(QByteArrayView("\0\0", 2), from);
        if (at < 0)
            break;
        script.pieces << rest.mid(from, at - from);
        from = at + 2;
    }
    script.pieces << rest.mid(from);
    {
        std::lock_guard<std::mutex> lock(g_lock);
        g_script = script;
        ++g_generation;
    }

    setFormCharset({});
    const qint64 deadline = CallDeadline(httpLimits(), qint64(script.pieces.size() - 1) * kPauseMs);
    QElapsedTimer timer;
    timer.start();
    const QString answer = PostText(QStringLiteral("http://127.0.0.1:%1/program/TOLoadProgram.php").arg(g_port),
                                    QStringLiteral("ID=demo&PassWord=demo1234"));
    const qint64 elapsed = timer.elapsed();
    FUZZ_CHECK(elapsed <= deadline, QStringLiteral("%1 ms, deadline %2 ms").arg(elapsed).arg(deadline));
    FUZZ_CHECK(answer.size() <= script.bytes(),
               QStringLiteral("%1 chars from %2 bytes").arg(answer.size()).arg(script.bytes()));
    return 0;
}

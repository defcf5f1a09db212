// The watchdog: its interval from systemd's variables, and its pings from the screens' thread,
// which stop while that thread is held and come back afterwards.
#include "kiosk/watchdog.h"
#include "startup/clock.h"

#include <QByteArrayList>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace sumbrel::kiosk;

TEST(Watchdog, IntervalIsHalfTheLimitForThisProcessOrItsCompositor)
{
    const struct {
        const char* usec;
        const char* pid;
        int intervalMs;
    } cases[] = {
        {"", "", 0},
        {"0", "", 0},
        {"abc", "", 0},
        {"90000000", "", 45000},
        {"90000000", "100", 45000},  // this process
        {"90000000", "7", 45000},  // its parent, the compositor the service started
        {"90000000", "8", 0},  // a variable inherited from elsewhere
        {"90000000", "x", 0},
        {"1000", "", 1},  // never below a millisecond
    };
    for (const auto& c : cases)
        EXPECT_EQ(WatchdogIntervalMs(c.usec, c.pid, 100, 7), c.intervalMs) << c.usec << " / " << c.pid;
}

namespace {

// A datagram socket in the place of systemd's, and the environment that points at it.
class NotifySocket {
public:
    NotifySocket()
    {
        m_path = m_dir.path().toLocal8Bit() + "/notify";
        m_fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_path.constData(), sizeof(address.sun_path) - 1);
        m_bound = ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
        m_saved = {qgetenv("NOTIFY_SOCKET"), qgetenv("WATCHDOG_USEC"), qgetenv("WATCHDOG_PID")};
        qputenv("NOTIFY_SOCKET", m_path);
        qunsetenv("WATCHDOG_PID");
    }
    ~NotifySocket()
    {
        const char* names[] = {"NOTIFY_SOCKET", "WATCHDOG_USEC", "WATCHDOG_PID"};
        for (int i = 0; i < 3; ++i) {
            if (m_saved[i].isNull())
                qunsetenv(names[i]);
            else
                qputenv(names[i], m_saved[i]);
        }
        ::close(m_fd);
    }
    bool bound() const { return m_bound; }
    // A datagram of the test's own among the notifier's, in the order they were sent.
    void mark(const QByteArray& text) const
    {
        const int out = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_path.constData(), sizeof(address.sun_path) - 1);
        ::sendto(out, text.constData(), size_t(text.size()), 0, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        ::close(out);
    }
    // Every datagram received so far.
    QByteArrayList take()
    {
        char buffer[512];
        for (;;) {
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n < 0)
                break;
            m_received.append(QByteArray(buffer, n));
        }
        return m_received;
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
    int m_fd = -1;
    bool m_bound = false;
    QByteArrayList m_saved;
    QByteArrayList m_received;
};

qsizetype Pings(const QByteArrayList& datagrams, qsizetype from, qsizetype to)
{
    qsizetype n = 0;
    for (qsizetype i = from; i < to; ++i)
        n += datagrams[i] == "WATCHDOG=1" ? 1 : 0;
    return n;
}

}  // namespace

TEST(Watchdog, PingsStopWhileTheScreenThreadIsHeldAndResumeAfter)
{
    NotifySocket socket;
    ASSERT_TRUE(socket.bound());
    qputenv("WATCHDOG_USEC", "100000");  // a limit of 100 ms: a ping every 50 ms
    sumbrel::setTimeScale(1.0);
    WatchdogNotifier notifier;
    notifier.start();
    EXPECT_EQ(notifier.intervalMs(), 50);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QByteArrayList got = socket.take();
            return Pings(got, 0, got.size()) >= 3;
        },
        5000));

    // The screens' thread is held well past the limit: nothing may be sent meanwhile.
    socket.mark("HOLD");
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    socket.mark("RESUME");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QByteArrayList got = socket.take();
            const qsizetype resume = got.indexOf("RESUME");
            return resume >= 0 && Pings(got, resume, got.size()) >= 3;
        },
        5000));

    const QByteArrayList got = socket.take();
    ASSERT_FALSE(got.isEmpty());
    EXPECT_EQ(got.first(), QByteArray("READY=1"));
    const qsizetype hold = got.indexOf("HOLD");
    const qsizetype resume = got.indexOf("RESUME");
    ASSERT_GT(hold, 0);
    ASSERT_GT(resume, hold);
    EXPECT_GE(Pings(got, 0, hold), 3);
    EXPECT_EQ(Pings(got, hold, resume), 0) << QByteArrayList(got.mid(hold, resume - hold + 1)).join(' ').toStdString();
    EXPECT_GE(Pings(got, resume, got.size()), 3);
    EXPECT_EQ(notifier.sent(), got.size() - 2);
}

TEST(Watchdog, WithoutAWatchdogOnlyReadinessIsSent)
{
    NotifySocket socket;
    ASSERT_TRUE(socket.bound());
    qunsetenv("WATCHDOG_USEC");
    WatchdogNotifier notifier;
    notifier.start();
    EXPECT_EQ(notifier.intervalMs(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !socket.take().isEmpty(); }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(socket.take(), QByteArrayList{"READY=1"});
}

TEST(Watchdog, WithoutANotifySocketNothingIsSent)
{
    const QByteArray saved = qgetenv("NOTIFY_SOCKET");
    qunsetenv("NOTIFY_SOCKET");
    qputenv("WATCHDOG_USEC", "100000");
    WatchdogNotifier notifier;
    notifier.start();
    QTest::qWait(120);
    EXPECT_EQ(notifier.sent(), 0);
    EXPECT_EQ(notifier.intervalMs(), 0);
    qunsetenv("WATCHDOG_USEC");
    if (!saved.isNull())
        qputenv("NOTIFY_SOCKET", saved);
}

#pragma once
// The systemd watchdog: READY=1 once the screens' event loop runs, then WATCHDOG=1 from a timer on
// that same thread, so a held screen thread stops the pings and systemd restarts the terminal. It
// talks to whatever socket NOTIFY_SOCKET names (systemd's, or a test's). No widgets.
#include <QByteArray>
#include <QObject>
#include <QTimer>

namespace sumbrel::kiosk {

// Half of WATCHDOG_USEC in ms, 0 without a watchdog. WATCHDOG_PID, when set, must be this process or
// its parent: under the kiosk the service's main process is the compositor that started us.
int WatchdogIntervalMs(const QByteArray& watchdogUsec, const QByteArray& watchdogPid, qint64 ownPid, qint64 parentPid);

class WatchdogNotifier : public QObject {
public:
    explicit WatchdogNotifier(QObject* parent = nullptr);

    // Reads the environment now; without NOTIFY_SOCKET nothing is ever sent.
    void start();
    int intervalMs() const { return m_intervalMs; }
    // Notifications handed to the socket so far.
    int sent() const { return m_sent; }

private:
    void notify(const char* state);

    QTimer m_timer;
    int m_intervalMs = 0;
    int m_sent = 0;
};

}  // namespace sumbrel::kiosk

#include "kiosk/watchdog.h"

#include "startup/clock.h"

#include <systemd/sd-daemon.h>
#include <unistd.h>

namespace sumbrel::kiosk {

int WatchdogIntervalMs(const QByteArray& watchdogUsec, const QByteArray& watchdogPid, qint64 ownPid, qint64 parentPid)
{
    bool ok = false;
    const qulonglong usec = watchdogUsec.trimmed().toULongLong(&ok);
    if (!ok || usec == 0)
        return 0;
    if (!watchdogPid.isEmpty()) {
        const qint64 pid = watchdogPid.trimmed().toLongLong(&ok);
        if (!ok || (pid != ownPid && pid != parentPid))
            return 0;
    }
    // systemd's advice: ping at half the limit, so one late tick does not kill a healthy screen.
    const qulonglong ms = usec / 2000u;
    return ms < 1 ? 1 : (ms > 0x7fffffffu ? 0x7fffffff : int(ms));
}

WatchdogNotifier::WatchdogNotifier(QObject* parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, [this] { notify("WATCHDOG=1"); });
}

void WatchdogNotifier::start()
{
    if (qEnvironmentVariableIsEmpty("NOTIFY_SOCKET"))
        return;
    m_intervalMs = WatchdogIntervalMs(qgetenv("WATCHDOG_USEC"), qgetenv("WATCHDOG_PID"), qint64(::getpid()),
                                      qint64(::getppid()));
    // Ready once the loop that runs the screens turns, not merely when the process exists.
    QTimer::singleShot(0, this, [this] {
        notify("READY=1");
        if (m_intervalMs > 0) {
            notify("WATCHDOG=1");
            m_timer.start(scaledMs(m_intervalMs));
        }
    });
}

void WatchdogNotifier::notify(const char* state)
{
    if (sd_notify(0, state) > 0)
        ++m_sent;
}

}  // namespace sumbrel::kiosk

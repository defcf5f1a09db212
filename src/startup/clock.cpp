#include "startup/clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <cmath>
#include <ctime>

namespace sumbrel {

namespace {
double g_scale = 1.0;
int64_t g_offsetMs = 0;
uint32_t g_advanced = 0;
}  // namespace

namespace {
ManualClock* g_manual = nullptr;

int64_t MonotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}
}  // namespace

QDateTime LocalNow()
{
    const QDateTime now = g_manual ? g_manual->m_startTime.addMSecs(g_manual->m_elapsed) : QDateTime::currentDateTime();
    return g_offsetMs == 0 ? now : now.addMSecs(g_offsetMs);
}

void setLocalTimeOffsetMs(int64_t offsetMs)
{
    g_offsetMs = offsetMs;
}

int64_t localTimeOffsetMs()
{
    return g_offsetMs;
}

uint32_t RealTickCount()
{
    return uint32_t(uint64_t(MonotonicMs()) & 0xffffffffu);
}

uint32_t TickCount()
{
    if (g_manual)
        return g_manual->m_startTick + uint32_t(g_manual->m_elapsed) + g_advanced;
    return RealTickCount() + g_advanced;
}

int64_t ElapsedMs()
{
    return g_manual ? g_manual->m_elapsed : MonotonicMs();
}

void advanceTickCount(uint32_t ms)
{
    g_advanced += ms;
}

void setTimeScale(double scale)
{
    g_scale = scale > 0 ? scale : 1.0;
}

double timeScale()
{
    return g_scale;
}

int scaledMs(int nominalMs)
{
    if (nominalMs <= 0)
        return 0;
    const double real = std::round(nominalMs * g_scale);
    return real < 1 ? 1 : int(real);
}

void WaitMs(int ms)
{
    if (g_manual) {
        g_manual->advance(ms);
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        return;
    }
    // Nanosecond reading, so a wait never ends before the full time has passed.
    auto now = [] {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
    };
    const int64_t end = now() + int64_t(scaledMs(ms)) * 1000000;
    while (now() < end) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        // Yield the core between rounds instead of spinning on it.
        const timespec nap{0, 500000};
        nanosleep(&nap, nullptr);
    }
}

ManualClock::ManualClock()
    : ManualClock(QDateTime::currentDateTime())
{
}

ManualClock::ManualClock(const QDateTime& localStart)
    : m_startTick(RealTickCount())
    , m_startTime(localStart)
{
    g_manual = this;
}

ManualClock::~ManualClock()
{
    for (ClockTimer* timer : m_timers)
        timer->m_manual = nullptr;
    if (g_manual == this)
        g_manual = nullptr;
}

ManualClock* ManualClock::installed()
{
    return g_manual;
}

void ManualClock::add(ClockTimer* timer)
{
    if (!m_timers.contains(timer))
        m_timers.append(timer);
}

void ManualClock::remove(ClockTimer* timer)
{
    m_timers.removeAll(timer);
}

void ManualClock::advance(int64_t ms)
{
    const int64_t target = m_elapsed + std::max<int64_t>(ms, 0);
    for (;;) {
        // The earliest due timer; of two due at once, the one that has waited longer.
        ClockTimer* next = nullptr;
        for (ClockTimer* timer : m_timers) {
            if (timer->m_due <= target && (!next || timer->m_due < next->m_due))
                next = timer;
        }
        if (!next)
            break;
        m_elapsed = std::max(m_elapsed, next->m_due);
        // Due again one interval on; what the handler does to the timer (stop, start) decides.
        next->m_due += std::max(next->m_interval, 1);
        m_timers.removeAll(next);
        m_timers.append(next);
        Q_EMIT next->timeout();
    }
    m_elapsed = target;
}

ClockTimer::ClockTimer(QObject* parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ClockTimer::timeout);
}

ClockTimer::~ClockTimer()
{
    if (m_manual)
        m_manual->remove(this);
}

void ClockTimer::start(int nominalMs)
{
    stop();
    m_interval = nominalMs;
    if (g_manual) {
        m_manual = g_manual;
        m_due = m_manual->m_elapsed + std::max(nominalMs, 1);
        m_manual->add(this);
        return;
    }
    m_timer.start(scaledMs(nominalMs));
}

void ClockTimer::stop()
{
    m_timer.stop();
    if (m_manual) {
        m_manual->remove(this);
        m_manual = nullptr;
    }
}

bool ClockTimer::isActive() const
{
    return m_manual ? true : m_timer.isActive();
}

}  // namespace sumbrel

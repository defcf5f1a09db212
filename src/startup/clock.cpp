#include "startup/clock.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <ctime>

namespace sumbrel {

// The clock is read from any thread (an exchange's traces carry its time) and moved on the screens'
// thread only: what is read is atomic. A manual clock is installed and removed while no other thread
// runs.
namespace {
std::atomic<double> g_scale{1.0};
std::atomic<int64_t> g_offsetMs{0};
std::atomic<uint32_t> g_advanced{0};
}  // namespace

namespace {
std::atomic<ManualClock*> g_manual{nullptr};

int64_t MonotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}
}  // namespace

QDateTime LocalNow()
{
    const ManualClock* manual = g_manual.load();
    const QDateTime now = manual ? manual->m_startTime.addMSecs(manual->m_elapsed.load() + manual->m_wallStep.load())
                                       : QDateTime::currentDateTime();
    const int64_t offset = g_offsetMs.load();
    return offset == 0 ? now : now.addMSecs(offset);
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
    if (const ManualClock* manual = g_manual.load())
        return manual->m_startTick + uint32_t(manual->m_elapsed.load()) + g_advanced.load();
    return RealTickCount() + g_advanced.load();
}

int64_t ElapsedMs()
{
    const ManualClock* manual = g_manual.load();
    return manual ? manual->m_elapsed.load() : MonotonicMs();
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
    const double real = std::round(nominalMs * g_scale.load());
    return real < 1 ? 1 : int(real);
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
    ManualClock* self = this;
    g_manual.compare_exchange_strong(self, nullptr);
}

ManualClock* ManualClock::installed()
{
    return g_manual.load();
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
    const int64_t target = m_elapsed.load() + std::max<int64_t>(ms, 0);
    for (;;) {
        // The earliest due timer; of two due at once, the one that has waited longer.
        ClockTimer* next = nullptr;
        for (ClockTimer* timer : m_timers) {
            if (timer->m_due <= target && (!next || timer->m_due < next->m_due))
                next = timer;
        }
        if (!next)
            break;
        m_elapsed.store(std::max(m_elapsed.load(), next->m_due));
        // Due again one interval on; what the handler does to the timer (stop, start) decides.
        next->m_due += std::max(next->m_interval, 1);
        m_timers.removeAll(next);
        m_timers.append(next);
        Q_EMIT next->timeout();
    }
    m_elapsed.store(target);
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
    if (ManualClock* manual = g_manual.load()) {
        m_manual = manual;
        m_due = m_manual->m_elapsed.load() + std::max(nominalMs, 1);
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

#include "startup/clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <cmath>
#include <ctime>

namespace sumbrel {

namespace {
double g_scale = 1.0;
int64_t g_offsetMs = 0;
uint32_t g_advanced = 0;
}  // namespace

QDateTime LocalNow()
{
    const QDateTime now = QDateTime::currentDateTime();
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

uint32_t TickCount()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const uint64_t ms = uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u;
    return uint32_t(ms & 0xffffffffu) + g_advanced;
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

}  // namespace sumbrel

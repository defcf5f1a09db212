#include "clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <cmath>
#include <ctime>

namespace sumbrel {

namespace {
double g_scale = 1.0;
}

uint32_t TickCount()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const uint64_t ms = uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u;
    return uint32_t(ms & 0xffffffffu);
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
    const uint32_t start = TickCount();
    const uint32_t wait = uint32_t(scaledMs(ms));
    while (TickCount() - start < wait) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        // Yield the core between rounds instead of spinning on it.
        const timespec nap {0, 500000};
        nanosleep(&nap, nullptr);
    }
}

} // namespace sumbrel

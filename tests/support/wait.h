#pragma once
// A test's wait: the nominal ms (scaled by the time scale) while events keep being handled; with a
// manual clock, the clock advances by ms and the events are handled once.
#include "startup/clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <ctime>

namespace sumbrel::testing {

inline void WaitMs(int ms)
{
    if (ManualClock* manual = ManualClock::installed()) {
        manual->advance(ms);
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
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const timespec nap{0, 500000};
        nanosleep(&nap, nullptr);
    }
}

}  // namespace sumbrel::testing

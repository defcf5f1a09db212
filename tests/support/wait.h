#pragma once
// A test's wait: the manual clock advances by ms and the events are handled once.
#include "startup/clock.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace sumbrel::testing {

inline void WaitMs(int ms)
{
    ManualClock* manual = ManualClock::installed();
    ASSERT_TRUE(manual) << "a test waits on the manual clock, never in real time";
    manual->advance(ms);
    QCoreApplication::processEvents();
}

}  // namespace sumbrel::testing

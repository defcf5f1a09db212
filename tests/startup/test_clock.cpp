// The manual clock: timers fire in the order they fall due as a test advances it, the tick count and
// the local time follow it, waits advance it, and a removed clock gives the system's back.
#include "startup/clock.h"
#include "startup/screen_hold.h"
#include "support/wait.h"

#include <QCoreApplication>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace sumbrel;
using sumbrel::testing::WaitMs;

// Of two due at once, the one that has waited longer fires first.
TEST(ManualClock, TimersFireInTheOrderTheyFallDueWithTheClockAtThatTime)
{
    ManualClock clock;
    ClockTimer fast;
    ClockTimer slow;
    QList<std::pair<char, int64_t>> fired;
    QObject::connect(&fast, &ClockTimer::timeout, [&] { fired.append({'f', clock.elapsedMs()}); });
    QObject::connect(&slow, &ClockTimer::timeout, [&] { fired.append({'s', clock.elapsedMs()}); });
    slow.start(250);
    fast.start(100);
    EXPECT_TRUE(fast.isActive());
    EXPECT_EQ(fast.interval(), 100);
    clock.advance(99);
    EXPECT_TRUE(fired.isEmpty());
    clock.advance(401);
    const QList<std::pair<char, int64_t>> expected{{'f', 100}, {'f', 200}, {'s', 250}, {'f', 300},
                                                   {'f', 400}, {'s', 500}, {'f', 500}};
    EXPECT_EQ(fired, expected);
    EXPECT_EQ(clock.elapsedMs(), 500);
}

TEST(ManualClock, AHandlerThatStopsOrRestartsItsTimerIsObeyed)
{
    ManualClock clock;
    ClockTimer once;
    ClockTimer again;
    int onceFired = 0;
    QList<int64_t> againAt;
    QObject::connect(&once, &ClockTimer::timeout, [&] {
        ++onceFired;
        once.stop();
    });
    QObject::connect(&again, &ClockTimer::timeout, [&] {
        againAt << clock.elapsedMs();
        again.start(300);  // the next one 300 ms on
    });
    once.start(50);
    again.start(100);
    clock.advance(1000);
    EXPECT_EQ(onceFired, 1);
    EXPECT_FALSE(once.isActive());
    EXPECT_EQ(againAt, (QList<int64_t>{100, 400, 700, 1000}));
    again.stop();
    clock.advance(1000);
    EXPECT_EQ(againAt.size(), 4);
}

TEST(ManualClock, TickCountLocalTimeWaitsAndHoldsFollowIt)
{
    auto clock = std::make_unique<ManualClock>();
    const uint32_t tick = TickCount();
    const QDateTime local = LocalNow();
    clock->advance(60000);
    EXPECT_EQ(TickCount() - tick, 60000u);
    EXPECT_EQ(local.msecsTo(LocalNow()), 60000);
    WaitMs(2500);  // advances instead of waiting
    EXPECT_EQ(TickCount() - tick, 62500u);
    const int64_t held = ScreenHold::heldMs();
    {
        ScreenHold hold;
        clock->advance(700);
    }
    EXPECT_EQ(ScreenHold::heldMs() - held, 700);
    // The longest single hold, not the sum; a hold inside another is part of the outer one.
    const int64_t longest = ScreenHold::longestMs();
    {
        ScreenHold outer;
        clock->advance(300);
        {
            ScreenHold inner;
            clock->advance(500);
        }
    }
    EXPECT_EQ(ScreenHold::heldMs() - held, 1500);
    EXPECT_EQ(ScreenHold::longestMs(), std::max<int64_t>(longest, 800));
    // Removed, the system's clock counts again and a running timer stops with its clock.
    ClockTimer timer;
    timer.start(10);
    clock.reset();
    EXPECT_FALSE(timer.isActive());
    const uint32_t real = RealTickCount();
    EXPECT_LE(uint32_t(TickCount() - real), 5u);
}

TEST(ClockTimer, WithoutAManualClockItRunsOnTheSystemsTimeAtTheScale)
{
    ASSERT_EQ(ManualClock::installed(), nullptr);
    setTimeScale(0.01);
    ClockTimer timer;
    int fired = 0;
    QObject::connect(&timer, &ClockTimer::timeout, [&] { ++fired; });
    timer.start(1000);  // 10 real milliseconds
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 2; }, 5000));
    timer.stop();
    EXPECT_FALSE(timer.isActive());
    setTimeScale(1.0);
}

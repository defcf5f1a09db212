// The idle countdown and the hold-to-repeat rule of the menu screens.
#include "menu/idle.h"
#include "support/qstring_print.h"

#include <gtest/gtest.h>

using namespace sumbrel::menu;

TEST(Idle, CountdownFromThirtyToOneSecondThenClosed)
{
    const struct {
        int32_t left;
        const char16_t* text;
    } cases[] = {{30000, u"31초"}, {29999, u"30초"}, {29000, u"30초"}, {1000, u"2초"}, {999, u"1초"}, {0, u"1초"}};
    for (const auto& c : cases)
        EXPECT_EQ(CountdownText(c.left).value_or(QString()), QString::fromUtf16(c.text)) << c.left;
    EXPECT_FALSE(CountdownText(-1).has_value());

    IdleDeadline deadline;
    deadline.renew();
    EXPECT_LE(deadline.remainingMs(), kIdleMs);
    EXPECT_GT(deadline.remainingMs(), kIdleMs - 5000);
}

TEST(Idle, TheWarningIsDueOnceWithinTenSecondsOfTheCloseAndAgainAfterARenewal)
{
    IdleDeadline longer(kIdleMs);
    longer.renew();
    EXPECT_FALSE(longer.warningDue().has_value()) << "thirty seconds left";
    IdleDeadline shorter(5000);
    shorter.renew();
    const std::optional<int> seconds = shorter.warningDue();
    ASSERT_TRUE(seconds.has_value());
    EXPECT_TRUE(*seconds == 6 || *seconds == 5) << *seconds << " (as the countdown shows it)";
    EXPECT_FALSE(shorter.warningDue().has_value()) << "said once";
    shorter.renew();
    EXPECT_TRUE(shorter.warningDue().has_value()) << "due again after a renewal";
}

TEST(Idle, AHeldKeyRepeatsFromTheSixthTickUntilReleased)
{
    HoldRepeat hold;
    EXPECT_FALSE(hold.tick().has_value());  // nothing held
    hold.press(1);
    int repeats = 0;
    // One second held: ticks 1 to 20; ticks 6 to 20 repeat.
    for (int t = 1; t <= 20; ++t) {
        const auto fire = hold.tick();
        if (fire) {
            EXPECT_EQ(*fire, 1);
            EXPECT_GE(t, 6);
            ++repeats;
        }
    }
    EXPECT_EQ(repeats, 15);
    hold.release();
    EXPECT_FALSE(hold.tick().has_value());
    hold.press(0);  // a new press counts from the start again
    for (int t = 1; t <= 5; ++t)
        EXPECT_FALSE(hold.tick().has_value()) << t;
    EXPECT_EQ(hold.tick().value_or(-1), 0);
}

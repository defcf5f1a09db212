// The typed order: amounts, the quantity rule, adding, removing and the option summary.
#include "menu/order.h"
#include "startup/utilities.h"
#include "support/orders.h"

#include <climits>
#include <gtest/gtest.h>

using namespace sumbrel::order;
using sumbrel::FormatThousands;
using namespace Qt::StringLiterals;

TEST(Order, AmountsAndTotal)
{
    const Order order = Of({Line(u"Coffee"_s, 3500, 2, {{u"Size", u"Large", 500}}), Line(u"Tea"_s, 3000),
                            Line(u"Bagel"_s, 4800, 1, {{u"Topping", u"Cheese", 500}, {u"Topping", u"Egg", 300}})});
    EXPECT_EQ(order.line(0).amount(), Money::Won(7000));
    EXPECT_EQ(order.total(), Money::Won(7000 + 3000 + 4800));
    EXPECT_EQ(Order().total(), Money());
    // Beyond the 64-bit range an amount counts as 0, as one read from such a text does.
    EXPECT_EQ(Line(u"Big"_s, INT64_MAX / 2, 3).amount(), Money());
    EXPECT_EQ(Money::Won(INT64_MAX) + Money::Won(1), Money());

    const struct {
        int64_t won;
        const char16_t* caption;
    } captions[] = {{0, u"0"}, {999, u"999"}, {3500, u"3,500"}, {1234567, u"1,234,567"}, {-500, u"-500"}};
    for (const auto& c : captions)
        EXPECT_EQ(Money::Won(c.won).caption(), QString::fromUtf16(c.caption)) << c.won;
}

TEST(Order, QuantityStaysWithinOneAndNinetyNine)
{
    const int cases[][3] = {{1, -1, 1},    {2, -1, 1},     {98, 1, 99},          {99, 1, 99},
                            {5, 1, 6},     {150, -1, 149}, {150, 1, 150},        {0, 1, 1},
                            {-4, -1, -4},  {INT_MAX, 1, INT_MAX}, {INT_MIN, -1, INT_MIN}};
    for (const auto& c : cases)
        EXPECT_EQ(StepQuantity(c[0], c[1]), c[2]) << c[0] << " " << c[1];

    Order order = Of({Line(u"Coffee"_s, 3500, 2, {{u"Size", u"Large", 500}}), Line(u"Tea"_s, 3000, 99)});
    EXPECT_TRUE(order.step(0, +1));
    EXPECT_EQ(order.line(0).quantity, 3);
    EXPECT_EQ(order.line(0).amount(), Money::Won(10500));
    EXPECT_EQ(order.line(0).options.size(), 1);  // the options stay
    EXPECT_FALSE(order.step(1, +1));
    EXPECT_TRUE(order.step(1, -1));
    EXPECT_FALSE(order.step(2, +1));
    EXPECT_FALSE(order.step(-1, -1));
    EXPECT_EQ(order.total(), Money::Won(10500 + 98 * 3000));
}

TEST(Order, AddAndRemoveLines)
{
    Order order;
    for (int i = 0; i < kMaxLines; ++i)
        EXPECT_TRUE(order.add(Line(QString::number(i), 100)));
    EXPECT_TRUE(order.full());
    EXPECT_FALSE(order.add(Line(u"21st"_s, 100)));
    EXPECT_EQ(order.size(), kMaxLines);

    EXPECT_TRUE(order.remove(0));
    EXPECT_EQ(order.line(0).name, u"1"_s);
    EXPECT_FALSE(order.remove(order.size()));
    EXPECT_FALSE(order.remove(-1));
    while (!order.isEmpty())
        order.remove(order.size() - 1);
    EXPECT_EQ(order.total(), Money());
}

TEST(Order, OptionSummaryByGroup)
{
    const struct {
        OrderLine line;
        const char16_t* summary;
    } cases[] = {
        {Line(u"Tea"_s, 3000), u""},
        {Line(u"Coffee"_s, 3500, 1, {{u"Size", u"Large", 500}}), u"Size:Large"},
        {Line(u"Bagel"_s, 4800, 1, {{u"Topping", u"Cheese", 500}, {u"Topping", u"Egg", 300}}),
         u"Topping:Cheese,Egg"},
        {Line(u"Bagel"_s, 4800, 1, {{u"Size", u"L", 0}, {u"Topping", u"Cheese", 500}, {u"Topping", u"Egg", 300}}),
         u"Size:L / Topping:Cheese,Egg"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OptionSummary(c.line), QString::fromUtf16(c.summary));
}

// The "#,##0" that every caption of an amount uses.
TEST(Order, PriceFormat)
{
    EXPECT_EQ(FormatThousands(QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_EQ(FormatThousands(QStringLiteral("999")), QStringLiteral("999"));
    EXPECT_EQ(FormatThousands(QStringLiteral("1234567")), QStringLiteral("1,234,567"));
    EXPECT_EQ(FormatThousands(QStringLiteral("-1500")), QStringLiteral("-1,500"));
    EXPECT_EQ(FormatThousands(QStringLiteral("1500.5")), QStringLiteral("1,501"));
    EXPECT_EQ(FormatThousands(QStringLiteral("무료")), QStringLiteral("무료"));
    // A number gives the text its digits give, up to the largest formatted and beyond.
    for (const int64_t n : {int64_t(0), int64_t(999), int64_t(-1500), int64_t(1234567), int64_t(-9'000'000'000'000'000),
                            int64_t(9'000'000'000'000'001)})
        EXPECT_EQ(FormatThousands(n), FormatThousands(QString::number(n))) << n;
}

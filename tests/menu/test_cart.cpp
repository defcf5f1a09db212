// The cart text: reading, appending, rewriting and deleting lines.
#include "menu/cart.h"
#include "support/qstring_print.h"

#include <climits>
#include <gtest/gtest.h>

using namespace sumbrel::cart;
using namespace Qt::StringLiterals;

namespace {
const QString kCoffee = QStringLiteral("Coffee◈1◈2◈3500◈7000◈◈Size◈Large◈500");
const QString kTea = QStringLiteral("Tea◈1◈1◈3000◈3000");
const QString kTwoLines = kCoffee + QStringLiteral("◈◈◈") + kTea;
}  // namespace

TEST(Cart, ReadsLinesPartsAndFields)
{
    EXPECT_EQ(LineCount(QString()), 0);
    EXPECT_EQ(LineCount(kTwoLines), 2);
    const Parsed p = Parse(kTwoLines + QStringLiteral("◈◈◈Bagel◈1◈1◈4500◈4500◈◈Topping◈Cheese◈500◈Egg◈300◈◈x"));
    ASSERT_TRUE(p.complete);
    ASSERT_EQ(p.lines.size(), 3);
    EXPECT_EQ(p.lines[0].main, (QStringList{u"Coffee"_s, u"1"_s, u"2"_s, u"3500"_s, u"7000"_s}));
    EXPECT_EQ(p.lines[1].optionParts.size(), 0);
    // A part of one field is no option group.
    ASSERT_EQ(p.lines[2].optionParts.size(), 1);
    EXPECT_EQ(OptionSummary(p.lines[0]), QStringLiteral("Size:Large"));
    EXPECT_EQ(OptionSummary(p.lines[2]), QStringLiteral("Topping:Cheese,Egg"));
    EXPECT_EQ(Total(p), 7000 + 3000 + 4500);

    Line two = p.lines[0];
    two.optionParts.append(p.lines[2].optionParts[0]);
    EXPECT_EQ(OptionSummary(two), QStringLiteral("Size:Large / Topping:Cheese,Egg"));
}

TEST(Cart, ReadingStopsAtAShortMainPart)
{
    const Parsed p = Parse(kTea + QStringLiteral("◈◈◈Broken◈1◈1◈◈◈") + kCoffee);
    EXPECT_FALSE(p.complete);
    ASSERT_EQ(p.lines.size(), 1);
    EXPECT_EQ(Total(p), 3000);
}

TEST(Cart, AppendDeleteAndRegen)
{
    EXPECT_EQ(AppendLine(QString(), kTea), kTea);
    EXPECT_EQ(AppendLine(kCoffee, kTea), kTwoLines);

    EXPECT_EQ(DeleteLine(kTwoLines, 0), kTea);
    EXPECT_EQ(DeleteLine(kTwoLines, 1), kCoffee);
    EXPECT_EQ(DeleteLine(kTea, 0), QString());
    EXPECT_EQ(DeleteLine(kTwoLines, 2), kTwoLines);

    // The main part is rebuilt from quantity and unit price; the option parts stay.
    EXPECT_EQ(RegenLine(kTwoLines, 0, QStringLiteral("3"), QStringLiteral("3500")).value_or(QString()),
              QStringLiteral("Coffee◈1◈3◈3500◈10500◈◈Size◈Large◈500◈◈◈") + kTea);
    EXPECT_EQ(RegenLine(QStringLiteral("Tea◈1◈1◈3000◈3000◈extra"), 0, QStringLiteral("2"), QStringLiteral("3000"))
                  .value_or(QString()),
              QStringLiteral("Tea◈1◈2◈3000◈6000"));
    EXPECT_FALSE(RegenLine(kTwoLines, 5, QStringLiteral("1"), QStringLiteral("1")).has_value());

    EXPECT_EQ(MainPart(QStringLiteral("Tea"), 3, 3000), QStringLiteral("Tea◈1◈3◈3000◈9000"));
}

TEST(Cart, QuantityStaysWithinOneAndNinetyNine)
{
    // A quantity outside the range, as a hand-edited text may hold: "-" above 1 and "+" below 99
    // still act, and the largest number read steps without overflowing.
    const int cases[][3] = {{1, -1, 1},     {2, -1, 1},          {98, 1, 99},          {99, 1, 99},
                            {5, 1, 6},      {150, -1, 149},      {150, 1, 150},        {0, 1, 1},
                            {-4, -1, -4},   {INT_MAX, 1, INT_MAX}, {INT_MAX, -1, INT_MAX - 1},
                            {INT_MIN, -1, INT_MIN}};
    for (const auto& c : cases)
        EXPECT_EQ(StepQuantity(c[0], c[1]), c[2]) << c[0] << " " << c[1];
    EXPECT_TRUE(IsFieldText(QStringLiteral("Large")));
    EXPECT_FALSE(IsFieldText(QString()));
    EXPECT_FALSE(IsFieldText(QStringLiteral("a◈b")));
}

// The item dialogs' rules without widgets: the single line, the option groups as the dialog reads
// them, the minimum per group, the line composed, the empty-name rule and the paging.
#include "menu/option_menu.h"
#include "menu/single_menu.h"
#include "support/option_groups.h"
#include "support/orders.h"

#include <gtest/gtest.h>

using namespace sumbrel;
using namespace sumbrel::menu;
using namespace sumbrel::testing;
using sumbrel::order::Line;
using sumbrel::order::Money;
using sumbrel::order::OrderLine;
using namespace Qt::StringLiterals;

namespace {

MenuItem Item(const QString& name, int64_t price, std::array<QString, kOptionGroups> groups = {})
{
    MenuItem item;
    item.num = u"7"_s;
    item.name = name;
    item.price = Money::Won(price);
    item.groups = Groups(groups);
    return item;
}

const QString kSize = u"N◈Size◈1◈Small◈0◈Large◈500"_s;
const QString kTopping = u"N◈Topping◈2◈Cheese◈500◈Egg◈300◈Ham◈1000"_s;
const QString kExtra = u"N◈Extra◈0◈Shot◈500"_s;

}  // namespace

TEST(SingleMenu, LineAndAmount)
{
    MenuCatalogue table;
    table.reset(2);
    MenuRecord& rec = table.nextRow();
    rec.num = u"31"_s;
    rec.title = u"Tea"_s;
    rec.price = Money::Won(3000);
    rec.composition = u"Leaves"_s;
    rec.description = u"Hot"_s;
    table.nextRow().num = u"32"_s;  // no plain price: not offered
    table.finish(2);
    const std::optional<MenuItem> item = ReadMenuItem(table, 0);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->price, Money::Won(3000));
    EXPECT_EQ(item->composition, u"Leaves"_s);
    EXPECT_EQ(item->description, u"Hot"_s);
    EXPECT_FALSE(ReadMenuItem(table, 1));
    EXPECT_FALSE(ReadMenuItem(table, 2));
    EXPECT_FALSE(ReadMenuItem(table, -1));

    SingleMenu menu(*item);
    EXPECT_EQ(menu.line(), Line(u"Tea"_s, 3000, 1, {}, u"31"_s));  // opening: quantity 1, amount = price
    EXPECT_EQ(menu.amount(), Money::Won(3000));
    menu.quantity().step(+1);
    menu.quantity().step(+1);
    menu.computeTotal();
    EXPECT_EQ(menu.line(), Line(u"Tea"_s, 3000, 3, {}, u"31"_s));
    EXPECT_EQ(menu.totalText(), u"9,000"_s);

    EXPECT_EQ(menu.added().value_or(OrderLine()), menu.line());
    // A nameless item would show an empty line on the order.
    EXPECT_FALSE(SingleMenu(Item(QString(), 1000)).added());
}

TEST(SingleMenu, QuantityStaysWithinOneAndNinetyNine)
{
    Quantity q;
    EXPECT_EQ(q.value(), 1);
    EXPECT_EQ(q.minimumText(), u"1"_s);
    EXPECT_FALSE(q.step(-1));
    EXPECT_EQ(q.value(), 1);
    for (int i = 0; i < 97; ++i)
        q.step(+1);
    EXPECT_EQ(q.value(), 98);
    EXPECT_TRUE(q.step(+1));
    EXPECT_EQ(q.value(), 99);
    EXPECT_FALSE(q.step(+1));
    EXPECT_EQ(q.value(), 99);
    EXPECT_TRUE(q.step(-1));
    EXPECT_EQ(q.value(), 98);
}

TEST(OptionMenu, GroupsAsTheDialogReadsThem)
{
    const struct {
        const char16_t* text;
        bool shown;
        bool single;
        const char16_t* heading;  // as group 2
        int options;
    } cases[] = {
        {u"N◈Size◈1◈Small◈0◈Large◈500", true, true, u"2) Size", 2},
        {u"N◈Milk◈0◈Oat◈600", true, false, u"2) Milk", 1},
        {u"N◈Milk◈◈Oat◈600", true, false, u"2) Milk", 1},
        {u"N◈Topping◈2◈Cheese◈500◈Egg◈300", true, false, u"2) Topping (최소: 2개 선택)", 2},
        {u"N◈◈1◈Small◈0", false, false, u"", 0},
        {u"", false, false, u"", 0},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        const std::optional<OptionGroup> group = Group(text).offered;
        ASSERT_EQ(group.has_value(), c.shown) << text.toStdString();
        if (!group)
            continue;
        EXPECT_EQ(group->singleChoice, c.single) << text.toStdString();
        EXPECT_EQ(OptionHeading(1, *group), QString::fromUtf16(c.heading));
        EXPECT_EQ(group->options.size(), c.options);
    }

    // Prices are read once from the group text; captions are made from the numbers.
    const struct {
        const char16_t* price;
        int64_t won;
        const char16_t* caption;
    } prices[] = {{u"0", 0, u"(+0)"},           {u"500", 500, u"(+500)"},       {u"1000", 1000, u"(+1,000)"},
                  {u"12500", 12500, u"(+12,500)"}, {u"-500", -500, u"(-500)"}, {u"", 0, u"(+0)"},
                  {u"1,500", 1500, u"(+1,500)"}};
    for (const auto& p : prices) {
        const std::optional<OptionGroup> group = Group(u"N◈Size◈1◈Large◈"_s + QString::fromUtf16(p.price)).offered;
        ASSERT_TRUE(group);
        EXPECT_EQ(group->options[0].price, Money::Won(p.won)) << QString::fromUtf16(p.price).toStdString();
        EXPECT_EQ(PriceCaption(group->options[0]), QString::fromUtf16(p.caption));
    }
}

TEST(OptionMenu, GroupsInAdd1AndAdd5AreShownFirstAndSecond)
{
    const std::array<QString, kOptionGroups> stored{kSize, QString(), QString(), QString(), kExtra};
    const OptionMenu menu(Item(u"Coffee"_s, 3000, stored));
    EXPECT_EQ(menu.groupCount(), 2);
    ASSERT_TRUE(menu.group(0) && menu.group(1));
    EXPECT_EQ(OptionHeading(0, *menu.group(0)), u"1) Size"_s);
    EXPECT_EQ(OptionHeading(1, *menu.group(1)), u"2) Extra"_s);
    EXPECT_FALSE(menu.group(2) || menu.group(3) || menu.group(4));
    // First single choice preselected, check boxes clear.
    EXPECT_TRUE(menu.isChosen(0, 0));
    EXPECT_FALSE(menu.isChosen(0, 1));
    EXPECT_FALSE(menu.isChosen(1, 0));
}

TEST(OptionMenu, MinimumAndTheLineComposed)
{
    OptionMenu menu(Item(u"Coffee"_s, 3000, {kSize, kTopping}));
    EXPECT_FALSE(menu.valid());  // Topping needs two
    EXPECT_EQ(menu.selection(), Line(u"Coffee"_s, 3000, 1, {{u"Size", u"Small", 0}}, u"7"_s));

    menu.touch(0, 1);  // Large
    menu.touch(1, 0);  // Cheese
    menu.quantity().step(+1);
    menu.computeTotal();
    EXPECT_FALSE(menu.valid());
    EXPECT_TRUE(menu.isChosen(0, 1));
    EXPECT_FALSE(menu.isChosen(0, 0));  // single choice moved
    menu.touch(1, 2);  // Ham
    menu.computeTotal();
    EXPECT_TRUE(menu.valid());
    EXPECT_EQ(menu.unitTotal(), Money::Won(3000 + 500 + 500 + 1000));
    EXPECT_EQ(menu.totalText(), u"10,000"_s);
    EXPECT_EQ(menu.selection(), Line(u"Coffee"_s, 5000, 2,
                                     {{u"Size", u"Large", 500}, {u"Topping", u"Cheese", 500, 1}, {u"Topping", u"Ham", 1000, 1}},
                                     u"7"_s));

    menu.touch(1, 0);  // Cheese off again
    menu.computeTotal();
    EXPECT_FALSE(menu.valid());
    EXPECT_EQ(menu.selection(),
              Line(u"Coffee"_s, 4500, 2, {{u"Size", u"Large", 500}, {u"Topping", u"Ham", 1000, 1}}, u"7"_s));
    EXPECT_EQ(menu.lineTotal(), Money::Won(9000));

    // A minimum of 0 never blocks; the line added is the one composed.
    OptionMenu tea(Item(u"Tea"_s, 2000, {kExtra}));
    EXPECT_TRUE(tea.valid());
    EXPECT_EQ(tea.added().value_or(OrderLine()), Line(u"Tea"_s, 2000, 1, {}, u"7"_s));
    menu.touch(1, 1);
    menu.computeTotal();
    EXPECT_EQ(menu.added().value_or(OrderLine()),
              Line(u"Coffee"_s, 4800, 2, {{u"Size", u"Large", 500}, {u"Topping", u"Egg", 300, 1}, {u"Topping", u"Ham", 1000, 1}},
                   u"7"_s));
}

TEST(OptionMenu, EmptyNamesNeverReachTheOrder)
{
    const struct {
        const char16_t* text;
        const char16_t* kept;
        int notes;
    } cases[] = {
        {u"N◈Size◈1◈Small◈0◈Large◈500", u"N◈Size◈1◈Small◈0◈Large◈500", 0},
        {u"N◈◈1◈Small◈0◈Large◈500", u"", 1},  // no group name: the whole group
        {u"N◈Size◈1◈◈0◈Large◈500", u"N◈Size◈1◈Large◈500", 1},  // no option name: that option
        {u"N◈Size◈1◈◈0◈◈500", u"", 3},  // no named option left
    };
    for (const auto& c : cases) {
        const OptionGroupSlot group = Group(QString::fromUtf16(c.text), 1);
        EXPECT_TRUE(group.given);
        const OptionGroupSlot kept = Group(QString::fromUtf16(c.kept), 1);
        EXPECT_EQ(group.offered, kept.offered) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(group.notes.size(), c.notes) << group.notes.join(u" | "_s).toStdString();
        for (const QString& note : group.notes)
            EXPECT_TRUE(note.startsWith(u"add2: "_s)) << note.toStdString();
    }

    // A dropped group leaves no gap: the next one is shown as group 1.
    const OptionMenu menu(Item(u"Coffee"_s, 3000, {u"N◈◈1◈A◈0"_s, u"N◈Size◈1◈◈0◈Large◈500"_s}));
    EXPECT_EQ(menu.groupCount(), 1);
    ASSERT_TRUE(menu.group(0));
    EXPECT_EQ(menu.group(0)->name, u"Size"_s);
    ASSERT_EQ(menu.group(0)->options.size(), 1);
    EXPECT_EQ(menu.selection(), Line(u"Coffee"_s, 3500, 1, {{u"Size", u"Large", 500}}, u"7"_s));
    EXPECT_EQ(menu.notes().size(), 2);
}

TEST(OptionMenu, EveryOptionHasARowInsideItsPanelAndTheMinimumStaysReachable)
{
    const struct {
        int options;
        const char16_t* minimum;
        int pages;
        int required;
        const char16_t* heading;
        bool capped;
    } cases[] = {
        {3, u"1", 1, 1, u"1) G", false},
        {6, u"0", 1, 0, u"1) G", false},
        {7, u"2", 2, 2, u"1) G (최소: 2개 선택)", false},
        {9, u"9", 2, 9, u"1) G (최소: 9개 선택)", false},
        {12, u"3", 3, 3, u"1) G (최소: 3개 선택)", false},
        {3, u"9", 1, 3, u"1) G (최소: 3개 선택)", true},  // capped at the options there are
        {1, u"5", 1, 1, u"1) G", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        QString text = u"N◈G◈"_s + QString::fromUtf16(c.minimum);
        for (int k = 0; k < c.options; ++k)
            text += u"◈O%1◈100"_s.arg(k);
        OptionMenu menu(Item(u"A"_s, 1000, {text}));
        ASSERT_TRUE(menu.group(0));
        EXPECT_EQ(menu.rowPages(0), c.pages);
        // Page by page: each option on exactly one page, in one of the page's row slots.
        const int slots = c.pages > 1 ? OptionMenu::kRowsPaged : OptionMenu::kRowsFitting;
        QList<int> seen(c.options, 0);
        for (int page = 0; page < c.pages; ++page) {
            EXPECT_EQ(menu.rowPageText(0), u"%1/%2"_s.arg(page + 1).arg(c.pages));
            for (int k = 0; k < c.options; ++k) {
                const int slot = menu.rowSlot(0, k);
                if (slot < 0)
                    continue;
                ++seen[k];
                EXPECT_LT(slot, slots) << k;
            }
            menu.stepRowPage(0, +1);
        }
        EXPECT_EQ(seen, QList<int>(c.options, 1));
        EXPECT_EQ(menu.rowPage(0), 0);  // wrapped round
        menu.stepRowPage(0, -1);
        EXPECT_EQ(menu.rowPage(0), c.pages - 1);

        EXPECT_EQ(menu.group(0)->required(), c.required);
        EXPECT_EQ(OptionHeading(0, *menu.group(0)), QString::fromUtf16(c.heading));
        EXPECT_EQ(menu.notes().filter(u"capped"_s).size(), c.capped ? 1 : 0);
        if (menu.group(0)->singleChoice)
            continue;
        // Ticking the required number confirms; one fewer does not.
        for (int k = 0; k < c.required; ++k)
            menu.touch(0, k);
        menu.computeTotal();
        EXPECT_TRUE(menu.valid());
        if (c.required > 0) {
            menu.touch(0, 0);
            menu.computeTotal();
            EXPECT_FALSE(menu.valid());
        }
    }
}

TEST(OptionMenu, GroupsPageOnlyWithAFourthOrFifthGroup)
{
    OptionMenu three(Item(u"A"_s, 1, {kSize, kExtra, kTopping}));
    three.togglePage();
    EXPECT_EQ(three.groupPage(), 0);

    OptionMenu four(Item(u"A"_s, 1, {kSize, QString(), kExtra, kTopping, kExtra}));
    EXPECT_EQ(four.groupPage(), 0);
    four.togglePage();
    EXPECT_EQ(four.groupPage(), 1);
    four.togglePage();
    EXPECT_EQ(four.groupPage(), 0);
}

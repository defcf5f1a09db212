// The menu page's rules: tab groups, pages of tiles with their counter and marker, the order list's
// scrolling, the keys and the choice of dialog.
#include "menu/menu_page_rules.h"
#include "support/qstring_print.h"

#include <gtest/gtest.h>

using namespace sumbrel;
using namespace sumbrel::menu;

namespace {

// Entries of consecutive categories: {"A", 3} gives three entries of A.
std::vector<TileEntry> Table(const std::vector<std::pair<QString, int>>& categories)
{
    std::vector<TileEntry> table;
    int num = 100;
    for (const auto& [name, count] : categories) {
        for (int i = 0; i < count; ++i) {
            TileEntry e;
            e.category = name;
            e.num = QString::number(num++);
            table.push_back(e);
        }
    }
    return table;
}

QStringList Categories(int n)
{
    QStringList list;
    for (int i = 1; i <= n; ++i)
        list << QStringLiteral("C%1").arg(i);
    return list;
}

}  // namespace

TEST(MenuPageRules, PagesOfTwentyWrapBothWaysWithCounterAndMarker)
{
    const struct {
        int items;
        int page;
        int direction;
        int wantPage;
        const char* counter;
        int marker;  // the MarkerSlot, -1: hidden
        int tiles;
    } cases[] = {
        {20, 0, 0, 0, "", -1, 20},    {20, 0, +1, 0, "", -1, 20},   {20, 0, -1, 0, "", -1, 20},
        {21, 0, 0, 0, "1/2", 0, 20},  {21, 0, +1, 1, "2/2", 2, 1},  {21, 1, +1, 0, "1/2", 0, 20},
        {21, 0, -1, 1, "2/2", 2, 1},  {41, 0, +1, 1, "2/3", 1, 20}, {41, 1, +1, 2, "3/3", 2, 1},
        {41, 2, +1, 0, "1/3", 0, 20}, {41, 0, -1, 2, "3/3", 2, 1},  {41, 2, -1, 1, "2/3", 1, 20},
        {41, 7, 0, 0, "1/3", 0, 20},  // a page left from a longer list starts over
    };
    for (const auto& c : cases) {
        // Other categories before and after: the pages never reach into them.
        const auto table = Table({{QStringLiteral("X"), 3}, {QStringLiteral("A"), c.items}, {QStringLiteral("B"), 30}});
        const TilePage p = showTilePage(table, QStringLiteral("A"), c.page, c.direction);
        SCOPED_TRACE(testing::Message() << c.items << " items, page " << c.page << " dir " << c.direction);
        EXPECT_EQ(p.page, c.wantPage);
        EXPECT_EQ(p.counter, QString::fromLatin1(c.counter));
        EXPECT_EQ(p.marker ? int(*p.marker) : -1, c.marker);
        EXPECT_EQ(p.count, c.tiles);
        EXPECT_EQ(p.first, 3 + c.wantPage * kTileCount);
    }
    // A category without entries, and an empty table: nothing to fill.
    const TilePage none = showTilePage(Table({{QStringLiteral("A"), 2}}), QStringLiteral("Z"), 0, 0);
    EXPECT_EQ(none.first, -1);
    EXPECT_EQ(none.count, 0);
    EXPECT_EQ(showTilePage({}, QStringLiteral("A"), 0, 1).first, -1);
    // The last category ends with the table.
    const TilePage tail = showTilePage(Table({{QStringLiteral("A"), 25}}), QStringLiteral("A"), 0, +1);
    EXPECT_EQ(tail.count, 5);
}

TEST(MenuPageRules, TabGroupsOfFiveWrapToTheFirstAndLastGroup)
{
    const struct {
        int categories;
        const char* current;
        int direction;
        const char* tab0;
        int filled;
        int highlighted;
    } cases[] = {
        {5, "C3", 0, "C1", 5, 2},       {5, "C3", +1, "C1", 5, 2},  {5, "C3", -1, "C1", 5, 2},
        {7, "C1", 0, "C1", 5, 0},       {7, "C1", +1, "C6", 2, -1}, {7, "C6", +1, "C1", 5, -1},
        {7, "C1", -1, "C6", 2, -1},     {7, "C7", 0, "C6", 2, 1},   {7, "C7", -1, "C1", 5, -1},
        {7, "nowhere", 0, "C1", 5, -1},
    };
    for (const auto& c : cases) {
        const TabStrip strip = showTabStrip(Categories(c.categories), QString::fromLatin1(c.current), c.direction);
        SCOPED_TRACE(testing::Message() << c.categories << " " << c.current << " dir " << c.direction);
        EXPECT_EQ(strip.captions[0], QString::fromLatin1(c.tab0));
        int filled = 0;
        for (const QString& caption : strip.captions)
            filled += caption.isEmpty() ? 0 : 1;
        EXPECT_EQ(filled, c.filled);
        EXPECT_EQ(strip.current, c.highlighted);
    }
    EXPECT_EQ(showTabStrip({}, QStringLiteral("C1"), 1).captions[0], QString());
}

TEST(MenuPageRules, OrderListScrollsByThreeRowsWithinItsEnds)
{
    const struct {
        int top;
        int height;
        int back;  // key 4
        int on;  // key 5
        int end;  // after a dialog
        int clamped;
    } cases[] = {
        {0, 135, 0, 0, 0, 0},  // shorter than the viewport
        {-140, 135, 0, 0, -140, 0},  // left scrolled by an earlier, longer cart
        {0, 415, 0, 0, 0, 0},  // exactly the viewport
        {0, 555, 0, -140, -140, 0},
        {-140, 555, 0, -140, -140, -140},
        {0, 1395, 0, -420, -980, 0},
        {-420, 1395, 0, -840, -980, -420},
        {-840, 1395, -420, -980, -980, -840},
        {-980, 1395, -560, -980, -980, -980},
        {-1200, 1395, -780, -980, -980, -980},
    };
    for (const auto& c : cases) {
        const ListGeometry list{c.top, c.height, 415};
        SCOPED_TRACE(testing::Message() << "top " << c.top << " height " << c.height);
        EXPECT_EQ(ScrollBack(list), c.back);
        EXPECT_EQ(ScrollOn(list), c.on);
        EXPECT_EQ(ScrollToEnd(list), c.end);
        EXPECT_EQ(ClampTop(list), c.clamped);
    }
}

TEST(MenuPageRules, KeysDialogsAndTilePlaces)
{
    for (int k = 0; k < kPageKeyCount; ++k)
        EXPECT_EQ(ActsOnDoubleTouch(PageKey(k)), k <= 5) << k;
    EXPECT_EQ(DialogFor(0), DialogKind::Single);
    for (int n : {1, 2, 5})
        EXPECT_EQ(DialogFor(n), DialogKind::Options) << n;
    EXPECT_EQ(TileCellOf(0).row, 0);
    EXPECT_EQ(TileCellOf(0).column, 0);
    EXPECT_EQ(TileCellOf(7).row, 1);
    EXPECT_EQ(TileCellOf(7).column, 2);
    EXPECT_EQ(TileCellOf(19).row, 3);
    EXPECT_EQ(TileCellOf(19).column, 4);
    EXPECT_EQ(WonText(QStringLiteral("12500")), QStringLiteral("12,500원"));
    EXPECT_EQ(WonText(QStringLiteral("abc")), QStringLiteral("0원"));
}

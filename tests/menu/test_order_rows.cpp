// The menu page's order rows: what each row shows at which top, the list height and the totals.
#include "menu/order_rows.h"
#include "support/orders.h"

#include <gtest/gtest.h>

using namespace sumbrel::menu;
using namespace sumbrel::order;
using namespace Qt::StringLiterals;

namespace {
const OrderLine kTea = Line(u"Tea"_s, 3000);
const OrderLine kCoffee = Line(u"Coffee"_s, 3500, 2, {{u"Size", u"Large", 500}});
const QString kLong = u"LongName"_s;  // measured as wide below

// Names are "wide" only when they are kLong (the real width comes from the screen's font).
int FakeWidth(const QString& text)
{
    return text == kLong ? 160 : 159;
}

Order Lines(int n)
{
    Order order;
    for (int i = 0; i < n; ++i)
        order.add(kTea);
    return order;
}
}  // namespace

TEST(OrderRows, RowsTopsHeightAndTotals)
{
    const struct {
        OrderLine line;
        int nameTop;
        int priceTop;
        const char* options;
    } rows[] = {
        {kTea, 25, 54, ""},
        {Line(kLong, 3000), 15, 59, ""},
        {kCoffee, 15, 39, "Size:Large"},
        {Line(kLong, 500, 1, {{u"Topping", u"Cheese", 500}, {u"Topping", u"Egg", 300}, {u"Size", u"L", 0}}), 5, 44,
         "Topping:Cheese,Egg / Size:L"},
    };
    for (const auto& r : rows) {
        const OrderRowsLayout layout = LayOutOrderRows(Of({r.line}), FakeWidth);
        ASSERT_EQ(layout.rows.size(), 1) << r.line.name.toStdString();
        EXPECT_EQ(layout.rows[0].nameTop, r.nameTop) << r.line.name.toStdString();
        EXPECT_EQ(layout.rows[0].priceTop, r.priceTop) << r.line.name.toStdString();
        EXPECT_EQ(layout.rows[0].options, QString::fromUtf8(r.options));
    }

    const OrderRowsLayout one = LayOutOrderRows(Of({kTea}), FakeWidth);
    EXPECT_EQ(one.rows[0].serial, u"1"_s);
    EXPECT_EQ(one.rows[0].name, u"Tea"_s);
    EXPECT_EQ(one.rows[0].price, u"3,000원"_s);
    EXPECT_EQ(one.rows[0].quantity, 1);
    EXPECT_EQ(one.count, u"1"_s);
    EXPECT_EQ(one.total, u"3,000"_s);

    const struct {
        int lines;
        int height;
    } heights[] = {{1, 135}, {3, 415}, {4, 555}, {20, 2795}};
    for (const auto& h : heights)
        EXPECT_EQ(LayOutOrderRows(Lines(h.lines), FakeWidth).listHeight.value_or(-1), h.height) << h.lines;

    const OrderRowsLayout empty = LayOutOrderRows(Order(), FakeWidth);
    EXPECT_TRUE(empty.rows.isEmpty());
    EXPECT_FALSE(empty.listHeight.has_value());  // the list keeps its height
    EXPECT_EQ(empty.count, u"0"_s);
    EXPECT_EQ(empty.total, u"0"_s);

    // The line amount is the quantity times the unit price, options included.
    const OrderRowsLayout two = LayOutOrderRows(Of({kCoffee, kTea}), FakeWidth);
    EXPECT_EQ(two.rows[0].price, u"7,000원"_s);
    EXPECT_EQ(two.rows[1].serial, u"2"_s);
    EXPECT_EQ(two.total, u"10,000"_s);
}

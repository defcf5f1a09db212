// The menu page's order rows: what each row shows at which top, the list height and the totals.
#include "menu/order_rows.h"
#include "support/qstring_print.h"

#include <gtest/gtest.h>

using namespace sumbrel::menu;

namespace {
const QString kTea = QStringLiteral("Tea◈1◈1◈3000◈3000");
const QString kCoffee = QStringLiteral("Coffee◈1◈2◈3500◈7000◈◈Size◈Large◈500");
const QString kLong = QStringLiteral("LongName");  // measured as wide below
const QString kSep = QStringLiteral("◈◈◈");

// Names are "wide" only when they are kLong (the real width comes from the screen's font).
int FakeWidth(const QString& text)
{
    return text == kLong ? 160 : 159;
}

QString Lines(int n)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << kTea;
    return lines.join(kSep);
}
}  // namespace

TEST(OrderRows, RowsTopsHeightAndTotals)
{
    const struct {
        QString cart;
        int nameTop;
        int priceTop;
        const char* options;
    } rows[] = {
        {kTea, 25, 54, ""},
        {kLong + QStringLiteral("◈1◈1◈3000◈3000"), 15, 59, ""},
        {kCoffee, 15, 39, "Size:Large"},
        {kLong + QStringLiteral("◈1◈1◈500◈500◈◈Topping◈Cheese◈500◈Egg◈300◈◈Size◈L◈0"), 5, 44,
         "Topping:Cheese,Egg / Size:L"},
    };
    for (const auto& r : rows) {
        const OrderRowsLayout layout = LayOutOrderRows(r.cart, FakeWidth);
        ASSERT_EQ(layout.rows.size(), 1) << r.cart.toStdString();
        EXPECT_EQ(layout.rows[0].nameTop, r.nameTop) << r.cart.toStdString();
        EXPECT_EQ(layout.rows[0].priceTop, r.priceTop) << r.cart.toStdString();
        EXPECT_EQ(layout.rows[0].options, QString::fromUtf8(r.options));
    }

    const OrderRowsLayout one = LayOutOrderRows(kTea, FakeWidth);
    EXPECT_EQ(one.rows[0].serial, QStringLiteral("1"));
    EXPECT_EQ(one.rows[0].name, QStringLiteral("Tea"));
    EXPECT_EQ(one.rows[0].price, QStringLiteral("3,000원"));
    EXPECT_EQ(one.rows[0].quantity, QStringLiteral("1"));
    EXPECT_EQ(one.rows[0].unitPrice, QStringLiteral("3000"));
    EXPECT_EQ(one.count, QStringLiteral("1"));
    EXPECT_EQ(one.total, QStringLiteral("3,000"));

    const struct {
        int lines;
        int height;
    } heights[] = {{1, 135}, {3, 415}, {4, 555}, {20, 2795}};
    for (const auto& h : heights)
        EXPECT_EQ(LayOutOrderRows(Lines(h.lines), FakeWidth).listHeight.value_or(-1), h.height) << h.lines;

    const OrderRowsLayout empty = LayOutOrderRows(QString(), FakeWidth);
    EXPECT_TRUE(empty.rows.isEmpty());
    EXPECT_FALSE(empty.listHeight.has_value());  // the list keeps its height
    EXPECT_EQ(empty.count, QStringLiteral("0"));
    EXPECT_EQ(empty.total, QStringLiteral("0"));

    const OrderRowsLayout two = LayOutOrderRows(kCoffee + kSep + kTea, FakeWidth);
    EXPECT_EQ(two.rows[1].serial, QStringLiteral("2"));
    EXPECT_EQ(two.total, QStringLiteral("10,000"));

    // A line that cannot be read: the rows before it are shown, totals and height stay.
    const OrderRowsLayout broken = LayOutOrderRows(kTea + QStringLiteral("◈◈◈Broken◈1◈1"), FakeWidth);
    EXPECT_FALSE(broken.complete);
    EXPECT_EQ(broken.rows.size(), 1);
    EXPECT_TRUE(broken.count.isEmpty());
    EXPECT_FALSE(broken.listHeight.has_value());
}

TEST(OrderRows, QuantityKeysStayWithinOneAndNinetyNine)
{
    EXPECT_EQ(StepRowQuantity(kCoffee, 0, +1).value_or(QString()),
              QStringLiteral("Coffee◈1◈3◈3500◈10500◈◈Size◈Large◈500"));
    EXPECT_EQ(StepRowQuantity(kCoffee + kSep + kTea, 1, +1).value_or(QString()),
              kCoffee + kSep + QStringLiteral("Tea◈1◈2◈3000◈6000"));
    EXPECT_EQ(StepRowQuantity(kCoffee, 0, -1).value_or(QString()),
              QStringLiteral("Coffee◈1◈1◈3500◈3500◈◈Size◈Large◈500"));
    EXPECT_FALSE(StepRowQuantity(kTea, 0, -1).has_value());  // 1 and "-"
    EXPECT_FALSE(StepRowQuantity(QStringLiteral("Tea◈1◈99◈3000◈297000"), 0, +1).has_value());
    EXPECT_FALSE(StepRowQuantity(kTea, 1, +1).has_value());  // no such row
    // A quantity beyond 99 in the text: "-" steps down, "+" does nothing, the largest one read too.
    EXPECT_EQ(StepRowQuantity(QStringLiteral("Tea◈1◈150◈3000◈450000"), 0, -1).value_or(QString()),
              QStringLiteral("Tea◈1◈149◈3000◈447000"));
    EXPECT_FALSE(StepRowQuantity(QStringLiteral("Tea◈1◈2147483647◈1◈2147483647"), 0, +1).has_value());
}

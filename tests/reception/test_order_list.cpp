// The reception order list without painting: where its texts and rows go, its height and total,
// the scroll steps and the "-", "+" and "x" keys on the order.
#include "menu/option_menu.h"
#include "menu/order_rows.h"
#include "menu/single_menu.h"
#include "reception/order_list.h"
#include "reception/reception_service.h"
#include "support/option_groups.h"
#include "support/orders.h"

#include <gtest/gtest.h>

using namespace sumbrel::reception;
using namespace sumbrel::order;

namespace {

// Ten pixels per character at every size; a line of size s is 2 s high.
TextMeasure Fixed()
{
    return {[](const QString& text, int) { return int(text.size()) * 10; }, [](int sizePt) { return 2 * sizePt; }};
}

const OrderLine kTea = Line(QStringLiteral("Tea"), 3000);
const OrderLine kCoffeeLarge = Line(QStringLiteral("Coffee"), 3500, 2, {{u"Size", u"Large", 500}});

Order Lines(int count, const OrderLine& line)
{
    Order order;
    for (int i = 0; i < count; ++i)
        order.add(line);
    return order;
}

}  // namespace

TEST(OrderListLayout, EmptyOrderAndOneLine)
{
    const OrderListLayout empty = LayOutOrderList(Order(), Fixed());
    EXPECT_TRUE(empty.rows.isEmpty() && empty.texts.isEmpty());
    EXPECT_EQ(empty.height, 20);
    EXPECT_EQ(empty.total, Money());

    const OrderListLayout tea = LayOutOrderList(Of({kTea}), Fixed());
    ASSERT_EQ(tea.texts.size(), 2);
    EXPECT_EQ(tea.texts[0], (PrintedText{TextRole::Title, 10, 10, 16, QStringLiteral("1) Tea (x1)")}));
    ASSERT_EQ(tea.rows.size(), 1);
    EXPECT_EQ(tea.rows[0], (RowPlace{0, 10 + 32, 1}));
    // "3,000원" is 6 characters: right-aligned 95 pixels from the list's edge, 5 below the row.
    EXPECT_EQ(tea.texts[1], (PrintedText{TextRole::Price, 469 - 60 - 95, 42 + 40 + 5, 20, QStringLiteral("3,000원")}));
    EXPECT_EQ(tea.height, 87 + 40 + 20);
    EXPECT_EQ(tea.total, Money::Won(3000));
    EXPECT_TRUE(tea.separators.isEmpty());
}

TEST(OrderListLayout, OptionsBesideThePriceAndSeparatorsBetweenLines)
{
    const Order order = Of({Line(QStringLiteral("Coffee"), 3500, 2,
                                 {{u"Size", u"Large", 500}, {u"Topping", u"Cheese", 1500}, {u"Topping", u"Egg", 300}}),
                            kTea});
    const OrderListLayout l = LayOutOrderList(order, Fixed());
    QStringList texts;
    for (const PrintedText& t : l.texts)
        texts << t.text;
    EXPECT_EQ(texts,
              (QStringList{QStringLiteral("1) Coffee (x1)"), QStringLiteral("7,000원"), QStringLiteral("Size"),
                           QStringLiteral("Large ( + 500원 )"), QStringLiteral("Topping"),
                           QStringLiteral("Cheese ( + 1,500원 )"), QStringLiteral("Egg ( + 300원 )"),
                           QStringLiteral("2) Tea (x1)"), QStringLiteral("3,000원")}));
    // The price ends at 127; the first option title starts 50 above that end, plus 5.
    EXPECT_EQ(l.texts[2], (PrintedText{TextRole::OptionTitle, 20, 127 - 50 + 5, 13, QStringLiteral("Size")}));
    EXPECT_EQ(l.texts[3].role, TextRole::Option);
    EXPECT_EQ(l.texts[3].y, 82 + 26);
    EXPECT_EQ(l.texts[4].y, 108 + 26 + 5) << "a further group follows on, without going back up";
    const int lastOption = l.texts[6].y + 26;
    ASSERT_EQ(l.separators.size(), 1);
    EXPECT_EQ(l.separators[0], lastOption + 10);
    EXPECT_EQ(l.texts[7].y, lastOption + 20);
    ASSERT_EQ(l.rows.size(), 2);
    EXPECT_EQ(l.rows[1].top, lastOption + 20 + 32);
    EXPECT_EQ(l.total, Money::Won(10000)) << "option prices are inside the line amounts";
    EXPECT_EQ(l.height, l.texts[8].y + 40 + 20);
}

TEST(OrderListLayout, TwentyRowPanelsAtMost)
{
    // The order itself never grows beyond twenty lines; the list draws no more than its panels.
    Order order = Lines(20, kTea);
    EXPECT_FALSE(order.add(kTea));
    const OrderListLayout l = LayOutOrderList(order, Fixed());
    EXPECT_EQ(l.rows.size(), 20);
    EXPECT_EQ(l.total, Money::Won(20 * 3000));
}

TEST(OrderListScroll, StepsOfFiveHundredWithinTheList)
{
    // 1200 in 531: down -500, down -669 (the bottom), up -169, up 0.
    struct Step {
        ScrollDirection direction;
        int top;
    };
    const Step steps[] = {{ScrollDirection::Later, -500}, {ScrollDirection::Later, -669},
                          {ScrollDirection::Later, -669}, {ScrollDirection::Earlier, -169},
                          {ScrollDirection::Earlier, 0},  {ScrollDirection::Earlier, 0}};
    int top = 0;
    for (const Step& s : steps) {
        top = ScrolledTop(top, 1200, 531, s.direction);
        EXPECT_EQ(top, s.top);
    }
    EXPECT_EQ(ScrolledTop(-500, 1200, 531, ScrollDirection::Earlier), 0);
    EXPECT_EQ(ScrolledTop(-100, 400, 531, ScrollDirection::Later), 0) << "a short list stays at its top";
    // A touch released in the upper half of the viewport shows earlier lines.
    EXPECT_EQ(TouchDirection(0, 265, 531), ScrollDirection::Earlier);
    EXPECT_EQ(TouchDirection(0, 266, 531), ScrollDirection::Later);
    EXPECT_EQ(TouchDirection(-500, 700, 531), ScrollDirection::Earlier);
}

TEST(OrderListKeys, QuantityLimitsAndDeletingBackToAShortList)
{
    OrderList list(Fixed());
    Order cart = Of({kCoffeeLarge});
    list.draw(cart);
    EXPECT_TRUE(list.stepQuantity(cart, 0, +1));
    EXPECT_EQ(cart.line(0).quantity, 3);
    EXPECT_EQ(cart.line(0).options, kCoffeeLarge.options);
    EXPECT_EQ(list.layout().rows[0].quantity, 3);
    EXPECT_EQ(list.totalText(), QStringLiteral("10,500원"));
    for (const auto& [start, step] : {std::pair{1, -1}, std::pair{99, +1}}) {
        cart = Of({Line(QStringLiteral("Tea"), 3000, start)});
        list.draw(cart);
        const Order before = cart;
        EXPECT_FALSE(list.stepQuantity(cart, 0, step)) << start;
        EXPECT_EQ(cart, before);
    }
    EXPECT_FALSE(list.stepQuantity(cart, 5, +1)) << "no such row";

    // Ten lines are longer than the viewport; scrolled down, then deleted back to two.
    cart = Lines(10, kTea);
    list.draw(cart);
    ASSERT_GT(list.height(), list.viewHeight());
    EXPECT_TRUE(list.scroll(ScrollDirection::Later));
    EXPECT_LT(list.top(), 0);
    while (list.layout().rows.size() > 2)
        list.deleteLine(cart, 0);
    EXPECT_EQ(cart, Lines(2, kTea));
    EXPECT_LT(list.height(), list.viewHeight());
    EXPECT_EQ(list.top(), 0);
    list.deleteLine(cart, 1);
    list.deleteLine(cart, 0);
    EXPECT_TRUE(cart.isEmpty());
    EXPECT_EQ(list.height(), 20);
    EXPECT_EQ(list.totalText(), QStringLiteral("0원"));
}

TEST(Amounts, ALineOf2To31WonOrMoreCountsEverywhere)
{
    using namespace sumbrel;
    const Order order = Of({Line(QStringLiteral("Big"), 2147483648), kTea});

    menu::MenuItem item;
    item.name = QStringLiteral("Big");
    item.price = Money::Won(1'100'000'000);
    menu::SingleMenu single(item);
    single.quantity().step(+1);
    single.computeTotal();
    item.price = Money::Won(2'000'000'000);
    item.groups[0] = sumbrel::testing::Group(QStringLiteral("N◈Size◈1◈Huge◈500000000"));
    menu::OptionMenu options(item);
    options.quantity().step(+1);
    options.computeTotal();
    OrderList list(Fixed());
    list.draw(order);
    const menu::OrderRowsLayout rows = menu::LayOutOrderRows(order, {});
    Order stepped = Of({Line(QStringLiteral("Big"), 1'100'000'000, 2)});
    stepped.step(0, +1);

    // Where an amount is summed or shown, and what it must come to.
    const std::pair<const char*, std::pair<QString, QString>> places[] = {
        {"order total", {QString::number(order.total().won()), QStringLiteral("2147486648")}},
        {"line stepped", {QString::number(stepped.line(0).amount().won()), QStringLiteral("3300000000")}},
        {"menu page row", {rows.rows.value(0).price, QStringLiteral("2,147,483,648원")}},
        {"menu page total", {rows.total, QStringLiteral("2,147,486,648")}},
        {"reception list total", {QString::number(LayOutOrderList(order, Fixed()).total.won()), QStringLiteral("2147486648")}},
        {"reception list shown", {list.totalText(), QStringLiteral("2,147,486,648원")}},
        {"single dialog amount", {QString::number(single.amount().won()), QStringLiteral("2200000000")}},
        {"single dialog total", {single.totalText(), QStringLiteral("2,200,000,000")}},
        {"option dialog unit", {QString::number(options.unitTotal().won()), QStringLiteral("2500000000")}},
        {"option dialog total", {options.totalText(), QStringLiteral("5,000,000,000")}},
        {"option price shown", {menu::PriceCaption(Money::Won(3'000'000'000)), QStringLiteral("(+3,000,000,000)")}},
        {"order text", {reception::OrderText(Of({Line(QStringLiteral("Big"), 2500000000, 2, {{u"Size", u"Huge", 3000000000}})})),
                        QStringLiteral("<menuliner>\r\n<mnuname>Big ( x1 )</mnuname>\r\n<mnucount>2</mnucount>\r\n"
                                       "<mnuprice>5000000000</mnuprice>\r\n<menubrr>\r\n<field>Size</field>\r\n"
                                       "<submenu>Huge</submenu>\r\n<subprice>+3,000,000,000원</subprice>\r\n"
                                       "</menubrr>\r\n</menuliner>\r\n")}},
    };
    for (const auto& [place, values] : places)
        EXPECT_EQ(values.first, values.second) << place;
}

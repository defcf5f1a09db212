// The reception order list without painting: where its texts and rows go, its height and total,
// the scroll steps and the "-", "+" and "x" keys on the cart text.
#include "menu/cart.h"
#include "menu/option_menu.h"
#include "menu/order_rows.h"
#include "menu/single_menu.h"
#include "reception/order_list.h"

#include <gtest/gtest.h>

using namespace sumbrel::reception;

namespace {

// Ten pixels per character at every size; a line of size s is 2 s high.
TextMeasure Fixed()
{
    return {[](const QString& text, int) { return int(text.size()) * 10; }, [](int sizePt) { return 2 * sizePt; }};
}

const QString kTea = QStringLiteral("Tea◈1◈1◈3000◈3000");
const QString kCoffeeLarge = QStringLiteral("Coffee◈1◈2◈3500◈7000◈◈Size◈Large◈500");

QString Lines(int count, const QString& line)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << line;
    return lines.join(QStringLiteral("◈◈◈"));
}

}  // namespace

TEST(OrderListLayout, EmptyCartAndOneLine)
{
    const OrderListLayout empty = LayOutOrderList(QString(), Fixed());
    EXPECT_TRUE(empty.complete);
    EXPECT_TRUE(empty.rows.isEmpty() && empty.texts.isEmpty());
    EXPECT_EQ(empty.height, 20);
    EXPECT_EQ(empty.total, 0);

    const OrderListLayout tea = LayOutOrderList(kTea, Fixed());
    ASSERT_EQ(tea.texts.size(), 2);
    EXPECT_EQ(tea.texts[0], (PrintedText{TextRole::Title, 10, 10, 16, QStringLiteral("1) Tea (x1)")}));
    ASSERT_EQ(tea.rows.size(), 1);
    EXPECT_EQ(tea.rows[0], (RowPlace{0, 10 + 32, QStringLiteral("1"), QStringLiteral("3000")}));
    // "3,000원" is 6 characters: right-aligned 95 pixels from the list's edge, 5 below the row.
    EXPECT_EQ(tea.texts[1], (PrintedText{TextRole::Price, 469 - 60 - 95, 42 + 40 + 5, 20, QStringLiteral("3,000원")}));
    EXPECT_EQ(tea.height, 87 + 40 + 20);
    EXPECT_EQ(tea.total, 3000);
    EXPECT_TRUE(tea.separators.isEmpty());
}

TEST(OrderListLayout, OptionsBesideThePriceAndSeparatorsBetweenLines)
{
    const QString cart = kCoffeeLarge + QStringLiteral("◈◈Topping◈Cheese◈1500◈Egg◈300◈◈◈") + kTea;
    const OrderListLayout l = LayOutOrderList(cart, Fixed());
    ASSERT_TRUE(l.complete);
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
    EXPECT_EQ(l.total, 10000) << "option prices are inside the line amounts";
    EXPECT_EQ(l.height, l.texts[8].y + 40 + 20);
}

TEST(OrderListLayout, AMalformedLineStopsTheDrawingThere)
{
    struct Case {
        QString cart;
        int rows;
    };
    const Case cases[] = {
        {kTea + QStringLiteral("◈◈◈Cake◈1◈2"), 1},
        {kTea + QStringLiteral("◈◈◈") + kCoffeeLarge + QStringLiteral("◈◈Sauce◈Hot"), 2},
        {Lines(21, kTea), 20},  // twenty row panels
    };
    for (const Case& c : cases) {
        const OrderListLayout l = LayOutOrderList(c.cart, Fixed());
        EXPECT_FALSE(l.complete) << c.cart.toStdString();
        EXPECT_EQ(l.rows.size(), c.rows) << c.cart.toStdString();
    }
    // The list keeps the height and total of its last complete drawing.
    OrderList list(Fixed());
    list.draw(kTea);
    const int height = list.height();
    list.draw(cases[0].cart);
    EXPECT_EQ(list.height(), height);
    EXPECT_EQ(list.totalText(), QStringLiteral("3,000원"));
    EXPECT_EQ(list.layout().rows.size(), 1);
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
    QString cart = kCoffeeLarge;
    list.draw(cart);
    EXPECT_TRUE(list.stepQuantity(cart, 0, +1));
    EXPECT_EQ(cart, QStringLiteral("Coffee◈1◈3◈3500◈10500◈◈Size◈Large◈500"));
    EXPECT_EQ(list.layout().rows[0].quantity, QStringLiteral("3"));
    EXPECT_EQ(list.totalText(), QStringLiteral("10,500원"));
    for (const auto& [start, step] : {std::pair{1, -1}, std::pair{99, +1}}) {
        cart = QStringLiteral("Tea◈1◈%1◈3000◈%2").arg(start).arg(start * 3000);
        list.draw(cart);
        const QString before = cart;
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
    EXPECT_EQ(cart, QString());
    EXPECT_EQ(list.height(), 20);
    EXPECT_EQ(list.totalText(), QStringLiteral("0원"));
}

TEST(Amounts, ALineOf2To31WonOrMoreCountsEverywhere)
{
    using namespace sumbrel;
    const QString big = QStringLiteral("Big◈1◈1◈2147483648◈2147483648");
    const QString cart = big + QStringLiteral("◈◈◈") + kTea;

    menu::MenuItem item;
    item.name = QStringLiteral("Big");
    item.priceText = QStringLiteral("1,100,000,000");
    menu::SingleMenu single(item);
    single.quantity().step(+1);
    single.computeTotal();
    item.priceText = QStringLiteral("2,000,000,000");
    item.groups[0] = QStringLiteral("N◈Size◈1◈Huge◈500000000");
    menu::OptionMenu options(item);
    options.quantity().step(+1);
    options.computeTotal();
    OrderList list(Fixed());
    list.draw(cart);
    const menu::OrderRowsLayout rows = menu::LayOutOrderRows(cart, {});

    // Where an amount is read, summed or written, and what it must come to.
    const std::pair<const char*, std::pair<QString, QString>> places[] = {
        {"cart total", {QString::number(cart::Total(cart::Parse(cart))), QStringLiteral("2147486648")}},
        {"cart line rebuilt",
         {cart::RegenLine(cart, 0, QStringLiteral("3"), QStringLiteral("1100000000")).value_or(QString()),
          QStringLiteral("Big◈1◈3◈1100000000◈3300000000◈◈◈") + kTea}},
        {"menu page row", {rows.rows.value(0).price, QStringLiteral("2,147,483,648원")}},
        {"menu page total", {rows.total, QStringLiteral("2,147,486,648")}},
        {"reception list total", {QString::number(LayOutOrderList(cart, Fixed()).total), QStringLiteral("2147486648")}},
        {"reception list shown", {list.totalText(), QStringLiteral("2,147,486,648원")}},
        {"single dialog line", {single.line(), QStringLiteral("Big◈1◈2◈1100000000◈2200000000")}},
        {"single dialog total", {single.totalText(), QStringLiteral("2,200,000,000")}},
        {"option dialog line",
         {options.selection(), QStringLiteral("Big◈1◈2◈2500000000◈5000000000◈◈Size◈Huge◈500000000")}},
        {"option dialog total", {options.totalText(), QStringLiteral("5,000,000,000")}},
        {"option price shown", {menu::PriceCaption(QStringLiteral("3000000000")), QStringLiteral("(+3,000,000,000)")}},
    };
    for (const auto& [place, values] : places)
        EXPECT_EQ(values.first, values.second) << place;
}

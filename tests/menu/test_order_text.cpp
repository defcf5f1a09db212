// The tagged order text built from a cart.
#include "menu/order_text.h"
#include "startup/utilities.h"

#include <gtest/gtest.h>

using sumbrel::FormatThousands;
using sumbrel::XML_Order;

namespace {
QString Lines(std::initializer_list<const char16_t*> lines)
{
    QString out;
    for (const char16_t* line : lines)
        out += QString::fromUtf16(line) + QStringLiteral("\r\n");
    return out;
}
}  // namespace

TEST(XmlOrder, CartLinesToBlocks)
{
    struct Case {
        const char* name;
        QString cart;
        QString expected;
    };
    const Case cases[] = {
        {"empty cart", QString(), QString()},
        {"line without options", QStringLiteral("아메리카노◈1◈2◈3000◈6000"),
         Lines({u"<menuliner>", u"<mnuname>아메리카노 ( x1 )</mnuname>", u"<mnucount>2</mnucount>",
                u"<mnuprice>6000</mnuprice>", u"</menuliner>"})},
        {"one option", QStringLiteral("Coffee◈1◈2◈3500◈7000◈◈Size◈Large◈1500"),
         Lines({u"<menuliner>", u"<mnuname>Coffee ( x1 )</mnuname>", u"<mnucount>2</mnucount>",
                u"<mnuprice>7000</mnuprice>", u"<menubrr>", u"<field>Size</field>", u"<submenu>Large</submenu>",
                u"<subprice>+1,500원</subprice>", u"</menubrr>", u"</menuliner>"})},
        {"two options, two groups, two lines",
         QStringLiteral("라떼◈1◈1◈4000◈4000◈◈샷◈추가◈500◈더블◈12000◈◈컵◈개인컵◈0◈◈◈A&<b◈2◈1◈10◈10"),
         Lines({u"<menuliner>",
                u"<mnuname>라떼 ( x1 )</mnuname>",
                u"<mnucount>1</mnucount>",
                u"<mnuprice>4000</mnuprice>",
                u"<menubrr>",
                u"<field>샷</field>",
                u"<submenu>추가</submenu>",
                u"<subprice>+500원</subprice>",
                u"<submenu>더블</submenu>",
                u"<subprice>+12,000원</subprice>",
                u"</menubrr>",
                u"<menubrr>",
                u"<field>컵</field>",
                u"<submenu>개인컵</submenu>",
                u"<subprice>+0원</subprice>",
                u"</menubrr>",
                u"</menuliner>",
                u"<menuliner>",
                u"<mnuname>A&<b ( x2 )</mnuname>",
                u"<mnucount>1</mnucount>",
                u"<mnuprice>10</mnuprice>",
                u"</menuliner>"})},
        {"main part with four fields", QStringLiteral("A◈1◈1◈10◈10◈◈◈B◈1◈1◈10"), QString()},
        {"option name without price", QStringLiteral("A◈1◈1◈10◈10◈◈Size◈Large"), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(XML_Order(c.cart), c.expected) << c.name;
}

TEST(XmlOrder, PriceFormat)
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

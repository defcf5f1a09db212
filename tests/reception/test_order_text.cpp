// The order text the shop takes in "menu", written from the typed order: pinned byte for byte.
#include "reception/reception_service.h"
#include "support/orders.h"

#include <gtest/gtest.h>

using namespace sumbrel;
using namespace sumbrel::order;
using namespace Qt::StringLiterals;

namespace {
QString Lines(std::initializer_list<const char16_t*> lines)
{
    QString out;
    for (const char16_t* line : lines)
        out += QString::fromUtf16(line) + QStringLiteral("\r\n");
    return out;
}
}  // namespace

TEST(OrderText, TypedOrderGivesTheShopsText)
{
    struct Case {
        const char* name;
        Order order;
        QString expected;
    };
    const Case cases[] = {
        {"empty order", Order(), QString()},
        {"line without options, quantity 2", Of({Line(u"아메리카노"_s, 3000, 2)}),
         Lines({u"<menuliner>", u"<mnuname>아메리카노 ( x1 )</mnuname>", u"<mnucount>2</mnucount>",
                u"<mnuprice>6000</mnuprice>", u"</menuliner>"})},
        {"one option", Of({Line(u"Coffee"_s, 3500, 2, {{u"Size", u"Large", 1500}})}),
         Lines({u"<menuliner>", u"<mnuname>Coffee ( x1 )</mnuname>", u"<mnucount>2</mnucount>",
                u"<mnuprice>7000</mnuprice>", u"<menubrr>", u"<field>Size</field>", u"<submenu>Large</submenu>",
                u"<subprice>+1,500원</subprice>", u"</menubrr>", u"</menuliner>"})},
        {"two options, two groups with a zero price, two lines",
         Of({Line(u"라떼"_s, 4000, 1, {{u"샷", u"추가", 500}, {u"샷", u"더블", 12000}, {u"컵", u"개인컵", 0}}),
             Line(u"A&<b"_s, 10, 1)}),
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
                u"<mnuname>A&<b ( x1 )</mnuname>",
                u"<mnucount>1</mnucount>",
                u"<mnuprice>10</mnuprice>",
                u"</menuliner>"})},
        {"quantity 99 of a large price, a negative option",
         Of({Line(u"세트"_s, 1234500, 99, {{u"할인", u"쿠폰", -500}})}),
         Lines({u"<menuliner>", u"<mnuname>세트 ( x1 )</mnuname>", u"<mnucount>99</mnucount>",
                u"<mnuprice>122215500</mnuprice>", u"<menubrr>", u"<field>할인</field>", u"<submenu>쿠폰</submenu>",
                u"<subprice>+-500원</subprice>", u"</menubrr>", u"</menuliner>"})},
        {"two groups of one name, side by side",
         Of({Line(u"빵"_s, 2000, 1, {{u"소스", u"잼", 0, 0}, {u"소스", u"버터", 0, 1}})}),
         Lines({u"<menuliner>", u"<mnuname>빵 ( x1 )</mnuname>", u"<mnucount>1</mnucount>",
                u"<mnuprice>2000</mnuprice>", u"<menubrr>", u"<field>소스</field>", u"<submenu>잼</submenu>",
                u"<subprice>+0원</subprice>", u"</menubrr>", u"<menubrr>", u"<field>소스</field>",
                u"<submenu>버터</submenu>", u"<subprice>+0원</subprice>", u"</menubrr>", u"</menuliner>"})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reception::OrderText(c.order), c.expected) << c.name;
}

// The reception screen's exchanges with the web service, against the demo shop, without a screen.
#include "reception/reception_service.h"
#include "startup/health_metrics.h"
#include "startup/trace_log.h"
#include "support/demo_shop.h"
#include "support/orders.h"
#include "support/shop_login.h"
#include "support/sumbrel_test.h"

#include <QJsonObject>
#include <QRegularExpression>

using namespace sumbrel;
using namespace sumbrel::reception;
using sumbrel::testing::SumbrelTest;

namespace {

const QString kOrderPath = QStringLiteral("/program/TOorderProgram2.php");

class ServiceTest : public SumbrelTest {
protected:
    QJsonArray orderRequests() const
    {
        QJsonArray out;
        for (const QJsonValue& r : shop.requests())
            if (r[QStringLiteral("path")].toString() == kOrderPath)
                out.append(r);
        return out;
    }
    int entries(const QString& channel, const QString& text) const
    {
        return int(logEntries(channel).filter(text).size());
    }

    DemoShop shop;
    ReceptionService service{sumbrel::testing::ShopSession(shop)};
};

}  // namespace

TEST(OrderAnswer, SuccessIsLookedForBeforeAlready)
{
    struct Case {
        const char16_t* answer;
        OrderState outcome;
    };
    const Case cases[] = {
        {u"주문 접수 성공", OrderState::Accepted},
        {u"이미 신청된 번호입니다.", OrderState::Refused},
        {u"이미 있던 주문에 추가 성공", OrderState::Accepted},
        {u"<html>500 Internal Server Error</html>", OrderState::Failed},
        {u"", OrderState::Failed},
        {u"성 공", OrderState::Failed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JudgeOrderAnswer(QString::fromUtf16(c.answer)), c.outcome)
            << QString::fromUtf16(c.answer).toStdString();
}

TEST_F(ServiceTest, UnchangedPollAnswerCostsOneShortLine)
{
    shop.setSettings(
        {{QStringLiteral("count"), QStringLiteral("3분")}, {QStringLiteral("time"), QStringLiteral("15분")}});
    EXPECT_EQ(service.poll().teams.value_or(QString()), QStringLiteral("3"));
    EXPECT_EQ(service.poll().time.value_or(QString()), QStringLiteral("15분"));
    const QString request = RedactPasswords(QStringLiteral("TOLoad() ... ") + shop.httpBase()
                                            + QStringLiteral("/program/TOLoadProgram.php?ID=demo&PassWord=demo1234"));
    EXPECT_EQ(entries(QStringLiteral("_WinHttp"), request), 1);
    EXPECT_EQ(entries(QString(), request), 1);
    EXPECT_EQ(entries(QStringLiteral("_WinHttp"), QStringLiteral("TOLoad() ... ResponseStr:\r\n... count[3분]count")),
              1);
    static const QRegularExpression same(
        QStringLiteral("^TOLoad\\(\\) \\.\\.\\. ResponseStr: 직전과 동일\\. \\d+ms 걸림\\.$"));
    EXPECT_EQ(logEntries(QStringLiteral("_WinHttp")).filter(same).size(), 1);
    EXPECT_TRUE(service.lastWaitAnswer().contains(QStringLiteral("time[15분]time")));
    // A changed answer is traced in full again.
    shop.setSettings({{QStringLiteral("count"), QStringLiteral("4")}});
    service.poll();
    EXPECT_EQ(entries(QString(), request), 2);
}

TEST_F(ServiceTest, OrderTravelsFieldByFieldWithOnlyTheMenuEscaped)
{
    const order::Order cart = order::Of({order::Line(QStringLiteral("치즈&베이컨 베이글"), 4500, 2, {{u"소스", u"핫+칠리", 500}}),
                                         order::Line(QStringLiteral("아메리카노"), 3000)});
    const OrderValues values{QStringLiteral("01012345678"), Dining::EatIn, Payment::Card, QStringLiteral("1234")};
    EXPECT_EQ(service.submit(values, cart), OrderState::Accepted);
    const QJsonArray requests = orderRequests();
    ASSERT_EQ(requests.size(), 1);
    const QString body = requests[0][QStringLiteral("raw_body")].toString();
    const QString head = QStringLiteral(
        "ID=demo&PassWord=demo1234&phonet=01012345678&where=매장식사&pay=1&taxi=1234&memo=현장접수&menu=");
    ASSERT_TRUE(body.startsWith(head)) << body.toStdString();
    const QString menu = body.mid(head.size());
    for (QChar raw : {QChar(u'&'), QChar(u'\r'), QChar(u'\n'), QChar(u'+')})
        EXPECT_FALSE(menu.contains(raw)) << "escaped: " << QString(raw).toStdString();
    const QJsonArray orders = shop.orders();
    ASSERT_EQ(orders.size(), 1);
    EXPECT_EQ(orders[0][QStringLiteral("menu")].toString(), OrderText(cart));
    EXPECT_EQ(orders[0][QStringLiteral("taxi")].toString(), QStringLiteral("1234"));
    const QStringList http = logEntries(QStringLiteral("_WinHttp"));
    ASSERT_EQ(http.size(), 2);
    EXPECT_EQ(http[0],
              RedactPasswords(QStringLiteral("Save_Input() ... ") + shop.httpBase() + kOrderPath + u'?' + body));
    EXPECT_TRUE(http[1].startsWith(QStringLiteral("Save_Input() ... ResponseStr:\r\n")));
    // The same number again within the repeat window.
    EXPECT_EQ(service.submit(values, cart), OrderState::Refused);
    EXPECT_EQ(shop.orders().size(), 1);
}

TEST_F(ServiceTest, AnOrderWithoutLinesIsNeverSent)
{
    EXPECT_EQ(service.submit({QStringLiteral("01012345678"), Dining::Takeout, Payment::Cash, {}},
                             order::Order()),
              OrderState::NotSent);
    EXPECT_TRUE(orderRequests().isEmpty());
    EXPECT_TRUE(shop.orders().isEmpty());
    EXPECT_EQ(entries(QString(), QStringLiteral("e)->Save_Input[Erl:=0, Eno:=9]\r\n   주문 내용이 없어 보내지 않음")), 1);
}

class ReceptionHealth : public SumbrelTest { };

// What the health metrics count of each poll and each order, whatever came back (a stand-in
// transport gives it).
TEST_F(ReceptionHealth, PollsAndOrdersAreCountedByWhatTheyGave)
{
    auto answered = [](long status, const char16_t* text, bool malformed = false) {
        PostResult r;
        r.delivery = Delivery::Answered;
        r.status = status;
        r.text = QString::fromUtf16(text);
        r.malformed = malformed;
        return r;
    };
    PostResult lost;
    lost.delivery = Delivery::NotReached;
    PostResult unknown;
    unknown.delivery = Delivery::Unknown;
    PostResult next;
    // The transport answers whatever the address.
    ReceptionService service{Session{}};
    service.setTransport([&next](const QString&, const QString&, const CallOptions&) { return next; });

    const struct {
        const char* name;
        PostResult result;
        bool succeeded;
    } polls[] = {
        {"the waiting status", answered(200, u"count[3]count time[5분]time"), true},
        {"only the time", answered(200, u"time[5분]time"), true},
        {"a 200 without it", answered(200, u"<html>login</html>"), false},
        {"bytes that do not read", answered(200, u"count[3]count", true), false},
        {"an error page that holds it", answered(500, u"count[3]count"), false},
        {"no answer", lost, false},
    };
    for (const auto& c : polls) {
        health::Reset();
        next = c.result;
        service.poll();
        const health::Reading r = health::Read();
        EXPECT_EQ(r.pollsSucceeded, c.succeeded ? 1u : 0u) << c.name;
        EXPECT_EQ(r.pollsFailed, c.succeeded ? 0u : 1u) << c.name;
        EXPECT_EQ(r.lastGoodPollMs > 0, c.succeeded) << c.name;
    }

    const order::Order cart = order::Of({order::Line(QStringLiteral("아메리카노"), 3000)});
    const OrderValues values{QStringLiteral("01012345678"), Dining::Takeout, Payment::Cash, {}};
    const struct {
        const char* name;
        PostResult result;
        order::Order cart;
        health::Order counted;
    } orders[] = {
        {"accepted", answered(200, u"주문 접수 성공"), cart, health::Order::Accepted},
        {"already registered", answered(200, u"이미 신청된 번호입니다."), cart, health::Order::Refused},
        {"an error page", answered(500, u"<html>500</html>"), cart, health::Order::Failed},
        {"a gateway that gave up", answered(504, u""), cart, health::Order::Unknown},
        {"sent, no answer", unknown, cart, health::Order::Unknown},
        {"never reached", lost, cart, health::Order::Failed},
        {"no line, nothing sent", answered(200, u"성공"), order::Order(), health::Order::Failed},
    };
    for (const auto& c : orders) {
        health::Reset();
        next = c.result;
        service.submit(values, c.cart);
        const health::Reading r = health::Read();
        for (int o = 0; o < health::kOrders; ++o)
            EXPECT_EQ(r.orders[o], o == int(c.counted) ? 1u : 0u) << c.name << ": " << health::Name(health::Order(o));
    }
}

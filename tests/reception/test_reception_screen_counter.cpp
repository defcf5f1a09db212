// The reception screen on a bad day: a stalling or trickling shop, an order whose answer never comes,
// a customer who walks away, and a settings load that fails.
#include "reception/reception_fixture.h"

#include <QElapsedTimer>
#include <algorithm>
#include <functional>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

class CounterTest : public ReceptionTest {
protected:
    // The production shape of the limits, shortened: a stall of 1 s, an attempt of 1.5 s, three
    // attempts within 3 s.
    static constexpr HttpLimits kLimits{2000, 1000, 3, 1500, 3000};

    void toPaymentPanel(ReceptionScreen& s, const QString& phone)
    {
        KeyOf(s, PanelKey::Takeout)->touch();
        enterPhone(phone);
        KeyOf(s, PhoneKey::Next)->touch();
        settled(s);
        typeCar(QStringLiteral("1234"));
        KeyOf(s, CarKey::Next)->touch();
        settled(s);
        ASSERT_EQ(s.path().currentPanel(), kPaymentPanel);
    }
    int ordersOf(const QString& phone) const
    {
        int n = 0;
        settled(*screen);
        for (const QJsonValue& o : shop.orders())
            n += o[QStringLiteral("phone")].toString() == phone ? 1 : 0;
        return n;
    }
};

}  // namespace

TEST_F(CounterTest, APollAgainstAStallingOrTricklingShopNeverHoldsTheScreen)
{
    ReceptionScreen& s = open();
    setHttpLimits(kLimits);
    const struct {
        const char* kind;
        QMap<QString, QString> settings;
    } faults[] = {
        {"delay", {{QStringLiteral("delay_ms"), QStringLiteral("4000")}}},
        {"trickle", {{QStringLiteral("interval_ms"), QStringLiteral("200")}}},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.kind);
        shop.addFault(QStringLiteral("/program/TOLoadProgram.php"), QString::fromLatin1(f.kind), f.settings, 0);
        ASSERT_TRUE(s.pollWaitingStatus());
        EXPECT_FALSE(s.pollWaitingStatus()) << "never two polls at once";
        // The screen's thread measured while the exchange hangs: a 10 ms timer's worst lateness.
        QElapsedTimer sinceTick;
        sinceTick.start();
        qint64 worst = 0;
        QTimer beat;
        QObject::connect(&beat, &QTimer::timeout, [&] { worst = std::max(worst, sinceTick.restart() - 10); });
        beat.start(10);
        QElapsedTimer poll;
        poll.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !s.polling(); }, 15000));
        EXPECT_GE(poll.elapsed(), 1000) << "the exchange itself took its time";
        EXPECT_LT(worst, 100) << "the screen answered all the while";
        for (QLabel* label : {WaitingTeamsLabel(s, 0), WaitingTimeLabel(s, 1)})
            EXPECT_EQ(caption(label), QString());
        shop.clearFaults();
    }
}

TEST_F(CounterTest, AnOrderWhoseAnswerIsLostIsStoredOnceAndToldAsUncertain)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    setHttpLimits(kLimits);
    const struct {
        const char* what;
        QString phone;
        QString kind;
        QMap<QString, QString> settings;
        int stored;
        QString notice;
    } cases[] = {
        // Handled after the terminal stopped waiting: the shop has it, nobody must send it again.
        {"answered after the stall limit",
         QStringLiteral("01011110001"),
         QStringLiteral("delay"),
         {{QStringLiteral("delay_ms"), QStringLiteral("1500")}},
         1,
         UnknownNotice()},
        {"handled, then dropped",
         QStringLiteral("01011110002"),
         QStringLiteral("process-close"),
         {},
         1,
         UnknownNotice()},
        {"refused with an error page",
         QStringLiteral("01011110003"),
         QStringLiteral("status"),
         {{QStringLiteral("status"), QStringLiteral("503")}},
         0,
         access::Tr(kFailedNotice)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        toPaymentPanel(s, c.phone);
        shop.addFault(kOrderPath, c.kind, c.settings);
        shop.clearRequests();
        KeyOf(s, PanelKey::Card)->touch();
        EXPECT_EQ(caption(CompletionTitle(s)), QStringLiteral("주문 전송 중"));
        settled(s);
        EXPECT_EQ(s.path().currentPanel(), kPaymentPanel);
        EXPECT_TRUE(NoticeLabel(s)->isVisibleTo(&s));
        EXPECT_EQ(caption(NoticeLabel(s)), c.notice);
        EXPECT_EQ(s.cart().order, cart) << "the order is kept for another try";
        ASSERT_TRUE(QTest::qWaitFor([&] { return ordersOf(c.phone) == c.stored; }, 5000));
        // The shop journals a request once it has handled it.
        ASSERT_TRUE(QTest::qWaitFor([&] { return shop.requestCount(kOrderPath) > 0; }, 5000));
        QTest::qWait(100);
        EXPECT_EQ(shop.requestCount(kOrderPath), 1) << "sent once";
        EXPECT_EQ(ordersOf(c.phone), c.stored);
        // The next key takes the notice away.
        KeyOf(s, PanelKey::ClosePayment)->touch();
        EXPECT_FALSE(NoticeLabel(s)->isVisibleTo(&s));
        s.service().setTransport({});
    }
    // Only "성공" thanks the customer.
    toPaymentPanel(s, QStringLiteral("01011110004"));
    KeyOf(s, PanelKey::Card)->touch();
    settled(s);
    EXPECT_EQ(caption(CompletionTitle(s)), QStringLiteral("접수 완료"));
    EXPECT_TRUE(CountdownLabel(s)->isVisibleTo(&s));
}

TEST_F(CounterTest, ACustomerWhoWalksAwayLeavesNothingForTheNext)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    s.show();
    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("1234"));
    ASSERT_EQ(s.path().currentPanel(), kPhonePanel);
    // The idle minute passes a tenth of a second at a time, the notice read after each step.
    QStringList warnings;
    for (int ms = 0; ms < 120000 && s.path().currentPanel() != kStartPanel; ms += 100) {
        clock->advance(100);
        if (NoticeLabel(s)->isVisible() && (warnings.isEmpty() || warnings.last() != caption(NoticeLabel(s))))
            warnings << caption(NoticeLabel(s));
    }
    ASSERT_EQ(s.path().currentPanel(), kStartPanel);
    EXPECT_TRUE(s.cart().order.isEmpty());
    EXPECT_EQ(phoneTag(), QStringLiteral("010"));
    EXPECT_FALSE(OrderPanel(s)->isVisibleTo(&s));
    ASSERT_FALSE(warnings.isEmpty());
    EXPECT_TRUE(warnings.first().endsWith(
        QStringLiteral("초 후 처음 화면으로 돌아갑니다.\r\n계속하시려면 화면을 터치해 주세요.")))
        << warnings.first().toStdString();
    EXPECT_EQ(logEntries().filter(QStringLiteral("[frmMain→Timer_Idle] 60초 동안 입력이 없어")).size(), 1);

    // While the menu page is open, its own limit counts, not the panel's.
    KeyOf(s, PanelKey::Takeout)->touch();
    menuPage = [&](cart::OrderCart& order) {
        clock->advance(90000);
        order.order = cart;
        order.selectionConfirmed = true;
    };
    KeyOf(s, PhoneKey::MenuSelect)->touch();
    EXPECT_EQ(s.path().currentPanel(), kPhonePanel);
    EXPECT_EQ(s.cart().order, cart);
    s.hide();
}

TEST_F(CounterTest, AFailedSettingsLoadKeepsTheLastGoodSettings)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    const struct {
        const char* what;
        std::function<void()> fault;
    } failures[] = {
        {"error page", [&] { shop.setFault(QStringLiteral("/program/TOLoadProgram.php"), QStringLiteral("status")); }},
        {"garbage", [&] { shop.setFault(QStringLiteral("/program/TOLoadProgram.php"), QStringLiteral("garbage")); }},
        {"empty", [&] { shop.setFault(QStringLiteral("/program/TOLoadProgram.php"), QStringLiteral("close"), 1); }},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.what);
        f.fault();
        s.reset();
        settled(s);
        EXPECT_TRUE(s.path().settings().eatInOffered);
        EXPECT_TRUE(KeyOf(s, PanelKey::EatIn)->isVisibleTo(&s)) << "eat-in still offered";
        EXPECT_TRUE(s.path().settings().carNumberAsked);
        EXPECT_TRUE(s.path().settings().paymentAsked);
    }
    EXPECT_EQ(logEntries().filter(QStringLiteral("이전 설정을 유지함")).size(), 3);
    // A good answer that leaves a field out still means what it says.
    shop.setSettings({{QStringLiteral("omit"), QStringLiteral("TOPayTypeS")}});
    s.reset();
    settled(s);
    EXPECT_FALSE(s.path().settings().paymentAsked);
    EXPECT_TRUE(s.path().settings().eatInOffered);
}

// The customer's path through the panels for each combination of the shop's settings.
#include "reception/reception_fixture.h"

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {
bool Shown(QWidget* w)
{
    return !w->isHidden();
}
}

TEST_F(ReceptionTest, StartStateAfterLoad)
{
    ReceptionScreen& s = open();
    EXPECT_EQ(s.size(), QSize(1024, 768));
    EXPECT_EQ(s.path().currentPanel(), 0);
    EXPECT_TRUE(Shown(EntryPanel(s, 0)));
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(Shown(EntryPanel(s, i))) << i;
    EXPECT_FALSE(Shown(OrderPanel(s)));
    EXPECT_EQ(ShopNameLabel(s)->text(), QStringLiteral("오르빅 커피 본점"));
    EXPECT_EQ(caption(PhoneNumberLabel(s, 0)), QStringLiteral("010-"));
    EXPECT_EQ(phoneTag(), QStringLiteral("010"));
    EXPECT_EQ(s.path().dining(), Dining::Takeout);
    EXPECT_EQ(s.path().payment(), Payment::Cash);
    EXPECT_EQ(EntryPanel(s, 1)->geometry(), QRect(474, 4, 546, 760));
    EXPECT_EQ(EntryPanel(s, 4)->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(CompletionBox(s)->geometry(), QRect(200, 70, 624, 618));
    EXPECT_EQ(OrderPanel(s)->geometry(), QRect(5, 5, 469, 758));
    EXPECT_EQ(KeyOf(s, DigitKey<PhoneKey>(1))->geometry(), QRect(25, 280, 165, 115));
    EXPECT_EQ(KeyOf(s, DigitKey<PhoneKey>(0))->geometry(), QRect(190, 625, 165, 115));
    EXPECT_EQ(KeyOf(s, CarKey::Next)->geometry(), QRect(355, 625, 165, 115));
    EXPECT_EQ(KeyOf(s, PanelKey::ClosePayment)->geometry(), QRect(464, 1, 80, 60));
    EXPECT_EQ(KeyOf(s, PhoneKey::MenuSelect)->geometry(), QRect(340, 535, 130, 70));
    EXPECT_EQ(SettingsKey(s)->cursor().pixmap().cacheKey(), TerminateKey(s)->cursor().pixmap().cacheKey());
    EXPECT_EQ(s.findChild<CaptionKey*>(QStringLiteral("phoneKey_11")), KeyOf(s, PhoneKey::Next));
    EXPECT_NE(s.findChild<QLabel*>(QStringLiteral("waitingTeamsLabel_0")), nullptr);
}

TEST_F(ReceptionTest, DiningKeyPlacementFollowsTOWhereYN)
{
    struct Case {
        QString where;
        bool eatIn;
        int takeoutTop;
    };
    const Case cases[] = {{QStringLiteral("Y"), true, 430},
                          {QStringLiteral("N"), false, 315},
                          {QStringLiteral("y"), false, 315},
                          {QString(), false, 315}};
    for (const Case& c : cases) {
        ReceptionScreen& s = open({{QStringLiteral("TOWhereYN"), c.where}});
        SCOPED_TRACE(c.where.toStdString());
        EXPECT_EQ(s.path().settings().eatInOffered, c.eatIn);
        EXPECT_EQ(Shown(KeyOf(s, PanelKey::EatIn)), c.eatIn);
        if (c.eatIn) {
            EXPECT_EQ(KeyOf(s, PanelKey::EatIn)->pos(), QPoint(70, 205));
        }
        EXPECT_TRUE(Shown(KeyOf(s, PanelKey::Takeout)));
        EXPECT_EQ(KeyOf(s, PanelKey::Takeout)->pos(), QPoint(70, c.takeoutTop));
    }
}

TEST_F(ReceptionTest, MenuNotConfirmedLeavesTheStartPanel)
{
    confirmMenu = false;
    ReceptionScreen& s = open();
    KeyOf(s, PanelKey::Takeout)->touch();
    EXPECT_EQ(menuOpened, 1);
    EXPECT_EQ(s.path().currentPanel(), 0);
    EXPECT_FALSE(Shown(OrderPanel(s)));
    EXPECT_FALSE(Shown(EntryPanel(s, 1)));
}

TEST_F(ReceptionTest, DirectSubmissionFromThePhonePanel)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("N"), QStringLiteral("N")));
    KeyOf(s, PanelKey::Takeout)->touch();
    ASSERT_EQ(s.path().currentPanel(), 1);
    EXPECT_TRUE(Shown(OrderPanel(s)));
    EXPECT_EQ(KeyOf(s, PhoneKey::Next)->caption(), QStringLiteral("접수"));
    EXPECT_EQ(KeyOf(s, CarKey::Next)->caption(), QStringLiteral("접수"));
    typePhone(QStringLiteral("12345678"));
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    EXPECT_EQ(s.path().currentPanel(), 4);
    EXPECT_TRUE(Shown(EntryPanel(s, 4)));
    EXPECT_TRUE(Shown(EntryPanel(s, 1))) << "the used panel stays under the completion panel";
    settled(*screen);
    const QJsonArray orders = shop.orders();
    ASSERT_EQ(orders.size(), 1);
    const QJsonObject o = orders[0].toObject();
    EXPECT_EQ(o[QStringLiteral("phone")].toString(), QStringLiteral("01012345678"));
    EXPECT_EQ(o[QStringLiteral("where")].toString(), QStringLiteral("포장"));
    EXPECT_EQ(o[QStringLiteral("pay")].toString(), QStringLiteral("0"));
    EXPECT_EQ(o[QStringLiteral("taxi")].toString(), QString());
    EXPECT_EQ(o[QStringLiteral("memo")].toString(), QStringLiteral("현장접수"));
    EXPECT_TRUE(o[QStringLiteral("menu")].toString().contains(QStringLiteral("<mnuname>아메리카노 ( x1 )</mnuname>")));
    EXPECT_TRUE(o[QStringLiteral("menu")].toString().contains(QStringLiteral("<subprice>+500원</subprice>")));
}

TEST_F(ReceptionTest, CarNumberSubmitsWithoutPaymentPanel)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("N")));
    KeyOf(s, PanelKey::EatIn)->touch();
    ASSERT_EQ(s.path().currentPanel(), 1);
    EXPECT_EQ(s.path().dining(), Dining::EatIn);
    EXPECT_EQ(KeyOf(s, PhoneKey::Next)->caption(), QStringLiteral("다음"));
    EXPECT_EQ(KeyOf(s, CarKey::Next)->caption(), QStringLiteral("접수"));
    typePhone(QStringLiteral("98765432"));
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 2);
    EXPECT_EQ(caption(PhoneNumberLabel(s, 1)), QStringLiteral("010-9**6-5432"));
    typeCar(QStringLiteral("12"));
    KeyOf(s, CarKey::NumberChange)->touch();  // 번호변경
    EXPECT_EQ(s.path().currentPanel(), 1);
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 2);
    EXPECT_EQ(caption(CarNumberLabel(s, 0)), QStringLiteral("12"));
    typeCar(QStringLiteral("3"));
    KeyOf(s, CarKey::Next)->touch();
    settled(s);
    EXPECT_EQ(s.path().currentPanel(), 2);
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("4자리를 입력하세요!")});
    EXPECT_EQ(dialogs->messages.value(0).icon, MessageIcon::Warning);
    typeCar(QStringLiteral("45"));  // the fifth digit is ignored
    EXPECT_EQ(caption(CarNumberLabel(s, 0)), QStringLiteral("1234"));
    KeyOf(s, CarKey::Next)->touch();
    settled(s);
    EXPECT_EQ(s.path().currentPanel(), 4);
    settled(*screen);
    const QJsonArray orders = shop.orders();
    ASSERT_EQ(orders.size(), 1);
    EXPECT_EQ(orders[0][QStringLiteral("phone")].toString(), QStringLiteral("01098765432"));
    EXPECT_EQ(orders[0][QStringLiteral("where")].toString(), QStringLiteral("매장식사"));
    EXPECT_EQ(orders[0][QStringLiteral("pay")].toString(), QStringLiteral("0"));
    EXPECT_EQ(orders[0][QStringLiteral("taxi")].toString(), QStringLiteral("1234"));
}

TEST_F(ReceptionTest, FullPathWithCarAndPayment)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    KeyOf(s, PanelKey::Takeout)->touch();
    EXPECT_EQ(KeyOf(s, PhoneKey::Next)->caption(), QStringLiteral("다음"));
    EXPECT_EQ(KeyOf(s, CarKey::Next)->caption(), QStringLiteral("다음"));
    typePhone(QStringLiteral("11112222"));
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    typeCar(QStringLiteral("5678"));
    KeyOf(s, CarKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 3);
    EXPECT_EQ(caption(PhoneNumberLabel(s, 2)), QStringLiteral("010-1**1-2222"));
    EXPECT_EQ(caption(CarNumberLabel(s, 1)), QStringLiteral("5678"));
    KeyOf(s, PanelKey::NumberChange)->touch();  // 번호변경 goes back to the car panel
    EXPECT_EQ(s.path().currentPanel(), 2);
    EXPECT_FALSE(Shown(EntryPanel(s, 3)));
    KeyOf(s, CarKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 3);
    KeyOf(s, PanelKey::Card)->touch();  // card
    settled(s);
    EXPECT_EQ(s.path().currentPanel(), 4);
    EXPECT_EQ(s.path().payment(), Payment::Card);
    settled(*screen);
    const QJsonArray orders = shop.orders();
    ASSERT_EQ(orders.size(), 1);
    EXPECT_EQ(orders[0][QStringLiteral("where")].toString(), QStringLiteral("포장"));
    EXPECT_EQ(orders[0][QStringLiteral("pay")].toString(), QStringLiteral("1"));
    EXPECT_EQ(orders[0][QStringLiteral("taxi")].toString(), QStringLiteral("5678"));
}

TEST_F(ReceptionTest, PaymentWithoutCarNumberSkipsTheCarPanel)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("Y")));
    KeyOf(s, PanelKey::Takeout)->touch();
    EXPECT_EQ(KeyOf(s, PhoneKey::Next)->caption(), QStringLiteral("다음"));
    typePhone(QStringLiteral("55556666"));
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 3);
    EXPECT_EQ(caption(PhoneNumberLabel(s, 2)), QStringLiteral("010-5**5-6666"));
    KeyOf(s, PanelKey::NumberChange)->touch();
    EXPECT_EQ(s.path().currentPanel(), 1);
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    KeyOf(s, PanelKey::Cash)->touch();  // cash
    settled(s);
    EXPECT_EQ(s.path().currentPanel(), 4);
    settled(*screen);
    const QJsonArray orders = shop.orders();
    ASSERT_EQ(orders.size(), 1);
    EXPECT_EQ(orders[0][QStringLiteral("pay")].toString(), QStringLiteral("0"));
    EXPECT_EQ(orders[0][QStringLiteral("taxi")].toString(), QString());
}

TEST_F(ReceptionTest, EachCloseKeyResetsToTheStart)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    const PanelKey closeKeys[] = {PanelKey::ClosePhone, PanelKey::CloseCar, PanelKey::ClosePayment};
    for (int panel = 1; panel <= 3; ++panel) {
        KeyOf(s, PanelKey::Takeout)->touch();
        typePhone(QStringLiteral("12345678"));
        if (panel >= 2) {
            KeyOf(s, PhoneKey::Next)->touch();
            settled(s);
        }
        if (panel == 3) {
            typeCar(QStringLiteral("1234"));
            KeyOf(s, CarKey::Next)->touch();
            settled(s);
        }
        ASSERT_EQ(s.path().currentPanel(), panel);
        KeyOf(s, closeKeys[panel - 1])->touch();
        EXPECT_EQ(s.path().currentPanel(), 0) << panel;
        EXPECT_FALSE(Shown(EntryPanel(s, panel)));
        EXPECT_FALSE(Shown(OrderPanel(s)));
        EXPECT_EQ(phoneTag(), QStringLiteral("010"));
        EXPECT_EQ(caption(CarNumberLabel(s, 0)), QString());
        EXPECT_TRUE(screen->cart().order.isEmpty());
    }
    settled(*screen);
    EXPECT_TRUE(shop.orders().isEmpty());
}

TEST_F(ReceptionTest, DoubleTapEntersADigitTwiceButNextOnce)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    KeyOf(s, PanelKey::Takeout)->touch();
    KeyOf(s, DigitKey<PhoneKey>(7))->doubleTouch();
    EXPECT_EQ(phoneTag(), QStringLiteral("01077"));
    typePhone(QStringLiteral("123456"));
    KeyOf(s, PhoneKey::Next)->doubleTouch();
    EXPECT_EQ(s.path().currentPanel(), 2);
    KeyOf(s, DigitKey<CarKey>(3))->doubleTouch();
    KeyOf(s, CarKey::Delete)->doubleTouch();
    EXPECT_EQ(caption(CarNumberLabel(s, 0)), QString());
    KeyOf(s, CarKey::NumberChange)->doubleTouch();  // 번호변경 once
    EXPECT_EQ(s.path().currentPanel(), 1);
}

TEST_F(ReceptionTest, MenuKeyChangesTheOrderOnly)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("N")));
    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("12345678"));
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 2);
    cart = order::Of({order::Line(QStringLiteral("라떼"), 4000)});
    confirmMenu = false;
    menuPage = [this](cart::OrderCart& order) { order.order = cart; };  // edited, not confirmed
    KeyOf(s, PhoneKey::MenuSelect)->touch();
    EXPECT_EQ(s.path().currentPanel(), 2);
    typeCar(QStringLiteral("4321"));
    KeyOf(s, CarKey::Next)->touch();
    settled(*screen);
    ASSERT_EQ(shop.orders().size(), 1);
    settled(*screen);
    EXPECT_TRUE(shop.orders()[0][QStringLiteral("menu")].toString().contains(QStringLiteral("라떼 ( x1 )")));
}

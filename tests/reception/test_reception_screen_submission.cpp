// The submission: completion panel, countdown, refusal, failure and the dimmed backdrop.
#include "presentation/look.h"
#include "reception/reception_fixture.h"
#include "reception/reception_service.h"

#include <QTest>

using namespace sumbrel;
using namespace sumbrel::testing;

class SubmissionTest : public ReceptionTest {
public:
    void toPaymentPanel(const QString& phone, const QString& car)
    {
        KeyOf(*screen, PanelKey::Takeout)->touch();
        enterPhone(phone);
        KeyOf(*screen, PhoneKey::Next)->touch();
        settled(*screen);
        typeCar(car);
        KeyOf(*screen, CarKey::Next)->touch();
        settled(*screen);
    }
};

TEST_F(SubmissionTest, CountdownShowsNineAfterOneTickAndResetsAfterTen)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    toPaymentPanel(QStringLiteral("01012345678"), QStringLiteral("1234"));
    KeyOf(s, PanelKey::Cash)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 4);
    EXPECT_EQ(caption(CompletionTitle(s)), QStringLiteral("접수 완료"));
    EXPECT_EQ(caption(CompletionMessage(s)), QStringLiteral("감사합니다\r\n잠시만 기다려 주세요 ~"));
    EXPECT_TRUE(KeyOf(s, CarKey::Confirm)->isKeyEnabled());
    EXPECT_TRUE(CountdownTimer(s)->isActive());
    EXPECT_EQ(CountdownTimer(s)->interval(), 1000);
    CountdownTimer(s)->stop();  // ticks by hand from here: exact counts
    EXPECT_EQ(caption(CountdownLabel(s)), QStringLiteral("10"));
    s.countdownTick();
    EXPECT_EQ(caption(CountdownLabel(s)), QStringLiteral("9"));
    for (int tick = 2; tick <= 9; ++tick)
        s.countdownTick();
    EXPECT_EQ(caption(CountdownLabel(s)), QStringLiteral("1"));
    EXPECT_EQ(s.path().currentPanel(), 4);
    s.countdownTick();
    EXPECT_EQ(s.path().currentPanel(), 0);
    EXPECT_FALSE(EntryPanel(s, 4)->isVisibleTo(&s));
    EXPECT_FALSE(EntryPanel(s, 3)->isVisibleTo(&s));
    EXPECT_EQ(caption(CountdownLabel(s)), QStringLiteral("10"));
    EXPECT_EQ(phoneTag(), QStringLiteral("010"));
}

TEST_F(SubmissionTest, RunningTimerBringsTheScreenBackAndOkResetsAtOnce)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("N")));
    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("12345678"));
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 4);
    clock->advance(9000);
    EXPECT_EQ(s.path().currentPanel(), 4);
    clock->advance(1000);
    EXPECT_EQ(s.path().currentPanel(), 0);
    EXPECT_FALSE(CountdownTimer(s)->isActive());

    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("87654321"));
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 4);
    CountdownTimer(s)->stop();
    s.countdownTick();
    KeyOf(s, CarKey::Confirm)->touch();  // 확인
    EXPECT_EQ(s.path().currentPanel(), 0);
    EXPECT_FALSE(CountdownTimer(s)->isActive());
    settled(*screen);
    EXPECT_EQ(shop.orders().size(), 2);
}

TEST_F(SubmissionTest, FailedSubmissionReturnsToTheLastEntryPanelWithEverythingKept)
{
    {
        ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
        toPaymentPanel(QStringLiteral("01033334444"), QStringLiteral("9876"));
        ASSERT_EQ(s.path().currentPanel(), 3);
        shop.setFault(kOrderPath, QStringLiteral("status"), 1, 500);
        KeyOf(s, PanelKey::Card)->touch();
        settled(s);
        EXPECT_EQ(s.path().currentPanel(), 3);
        EXPECT_FALSE(EntryPanel(s, 4)->isVisibleTo(&s));
        EXPECT_TRUE(EntryPanel(s, 3)->isVisibleTo(&s));
        EXPECT_FALSE(CountdownTimer(s)->isActive());
        EXPECT_EQ(caption(PhoneNumberLabel(s, 2)), QStringLiteral("010-3**3-4444"));
        EXPECT_EQ(caption(CarNumberLabel(s, 1)), QStringLiteral("9876"));
        EXPECT_EQ(screen->cart().order, kCart);
        EXPECT_TRUE(dialogs->messages.isEmpty());
        EXPECT_FALSE(KeyOf(s, CarKey::Confirm)->isKeyEnabled());
        // The disabled key only leaves its line in the general log.
        s.carKeyClicked(CarKey::Confirm);
        EXPECT_EQ(s.path().currentPanel(), 3);
        EXPECT_TRUE(logText().contains(QStringLiteral("→CMD3_Click Disabled ... Quit")));
        // The retry goes through.
        KeyOf(s, PanelKey::Card)->touch();
        settled(s);
        EXPECT_EQ(s.path().currentPanel(), 4);
        EXPECT_TRUE(KeyOf(s, CarKey::Confirm)->isKeyEnabled());
        settled(*screen);
        const QJsonArray orders = shop.orders();
        ASSERT_EQ(orders.size(), 1);
        EXPECT_EQ(orders[0][QStringLiteral("phone")].toString(), QStringLiteral("01033334444"));
        EXPECT_EQ(orders[0][QStringLiteral("taxi")].toString(), QStringLiteral("9876"));
    }
}

TEST_F(SubmissionTest, EachFaultKindCountsAsFailure)
{
    const QString kinds[] = {QStringLiteral("garbage"), QStringLiteral("close"), QStringLiteral("status")};
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("N")));
    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("24681357"));
    for (const QString& kind : kinds) {
        shop.setFault(kOrderPath, kind, 1, 500);
        KeyOf(s, PhoneKey::Next)->touch();
        settled(s);
        EXPECT_EQ(s.path().currentPanel(), 1) << kind.toStdString();
        EXPECT_EQ(phoneTag(), QStringLiteral("01024681357"));
        EXPECT_TRUE(EntryPanel(s, 1)->isVisibleTo(&s));
        // The order stays, and so does its list.
        EXPECT_EQ(screen->cart().order, kCart);
        EXPECT_TRUE(OrderPanel(s)->isVisibleTo(&s));
        EXPECT_TRUE(RowFrame(s, 0)->isVisibleTo(&s));
    }
    settled(*screen);
    EXPECT_TRUE(shop.orders().isEmpty());
    // The service is back: the second try stores the order once.
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    EXPECT_EQ(s.path().currentPanel(), 4);
    settled(*screen);
    const QJsonArray orders = shop.orders();
    ASSERT_EQ(orders.size(), 1);
    EXPECT_EQ(orders[0][QStringLiteral("phone")].toString(), QStringLiteral("01024681357"));
    EXPECT_EQ(orders[0][QStringLiteral("menu")].toString(), reception::OrderText(kCart));
    EXPECT_EQ(
        orders[0][QStringLiteral("menu")].toString(),
        QStringLiteral("<menuliner>\r\n<mnuname>아메리카노 ( x1 )</mnuname>\r\n<mnucount>2</mnucount>\r\n"
                       "<mnuprice>6000</mnuprice>\r\n<menubrr>\r\n<field>사이즈</field>\r\n"
                       "<submenu>라지</submenu>\r\n<subprice>+500원</subprice>\r\n</menubrr>\r\n</menuliner>\r\n"));
}

TEST_F(SubmissionTest, RepeatedNumberShowsTheRefusalAndTheNextCustomerSeesCompletionAgain)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("N")));
    for (int customer = 0; customer < 2; ++customer) {
        KeyOf(s, PanelKey::Takeout)->touch();
        typePhone(QStringLiteral("13572468"));
        KeyOf(s, PhoneKey::Next)->touch();
        settled(s);
        ASSERT_EQ(s.path().currentPanel(), 4);
        if (customer == 1) {
            EXPECT_EQ(caption(CompletionTitle(s)), QStringLiteral("접수 실패"));
            EXPECT_EQ(CompletionTitle(s)->palette().color(QPalette::WindowText), Colours().reception.refusal);
            EXPECT_EQ(caption(CompletionMessage(s)), QStringLiteral("이미 신청된 번호입니다."));
            EXPECT_TRUE(CountdownTimer(s)->isActive());
            EXPECT_TRUE(KeyOf(s, CarKey::Confirm)->isKeyEnabled());
        }
        KeyOf(s, CarKey::Confirm)->touch();
    }
    settled(*screen);
    EXPECT_EQ(shop.orders().size(), 1);
    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("99990000"));
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 4);
    EXPECT_EQ(caption(CompletionTitle(s)), QStringLiteral("접수 완료"));
    EXPECT_EQ(CompletionTitle(s)->palette().color(QPalette::WindowText), Colours().reception.completionTitle);
    EXPECT_EQ(caption(CompletionMessage(s)), QStringLiteral("감사합니다\r\n잠시만 기다려 주세요 ~"));
    settled(*screen);
    EXPECT_EQ(shop.orders().size(), 2);
}

TEST_F(SubmissionTest, OrderBodyCarriesTheFullNumberAndTheEscapedOrderText)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("N")));
    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("12345678"));
    shop.clearRequests();
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    QString body;
    for (const QJsonValue& r : shop.requests())
        if (r[QStringLiteral("path")].toString() == kOrderPath)
            body = r[QStringLiteral("raw_body")].toString();
    EXPECT_TRUE(body.startsWith(
        QStringLiteral("ID=demo&PassWord=demo1234&phonet=01012345678&where=포장&pay=0&taxi=&memo=현장접수&menu=")))
        << body.toStdString();
    // The order text travels escaped: line breaks and "+" in their escaped forms.
    EXPECT_TRUE(body.contains(QStringLiteral("<subprice>플랏뚜ㅋ500원</subprice>!줄바꿈!</menubrr>!줄바꿈!")))
        << body.toStdString();
    EXPECT_FALSE(body.contains(u'\n'));
    const QString log = logText(QStringLiteral("_WinHttp"));
    EXPECT_TRUE(log.contains(QStringLiteral("Save_Input() ... ")));
    EXPECT_TRUE(log.contains(QStringLiteral("Save_Input() ... ResponseStr:\r\n")));
}

TEST_F(SubmissionTest, CompletionPanelDimsTheScreenBehindIt)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("N")));
    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("12345678"));
    const QImage before = s.grab().toImage().convertToFormat(QImage::Format_RGB32);
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 4);
    auto* backdrop = EntryPanel(s, 4)->findChild<QLabel*>(QStringLiteral("lib_Transparent_backdrop"));
    ASSERT_NE(backdrop, nullptr);
    const QImage dimmed = backdrop->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(dimmed.size(), before.size());
    // Every pixel is the screen's pixel at half its light (grey 128).
    auto half = [](int channel) { return (channel * 128 + 127) / 255; };
    int differing = 0;
    for (int y = 0; y < before.height(); y += 7)
        for (int x = 0; x < before.width(); x += 7) {
            const QRgb b = before.pixel(x, y);
            const QRgb expected = qRgb(half(qRed(b)), half(qGreen(b)), half(qBlue(b)));
            if (dimmed.pixel(x, y) != expected)
                ++differing;
        }
    EXPECT_EQ(differing, 0);
    // White panel and the yellow next key, as the customer sees them darkened.
    EXPECT_EQ(QColor(dimmed.pixel(474 + 16, 4 + 240)), QColor(128, 128, 128));
    const QColor key(before.pixel(474 + 355 + 8, 4 + 625 + 8));
    EXPECT_EQ(QColor(dimmed.pixel(474 + 355 + 8, 4 + 625 + 8)),
              QColor(half(key.red()), half(key.green()), half(key.blue())));
    // The box itself stays in front of the backdrop.
    EXPECT_TRUE(CompletionBox(s)->isVisibleTo(&s));
    const QObjectList stack = EntryPanel(s, 4)->children();
    EXPECT_LT(stack.indexOf(backdrop), stack.indexOf(CompletionBox(s)));
}

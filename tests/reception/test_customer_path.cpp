// The customer's path without a screen: keys in, what the screen must do out.
#include "reception/customer_path.h"
#include "startup/global_state.h"
#include "support/sumbrel_test.h"

#include <QStringList>

using namespace sumbrel;
using namespace sumbrel::reception;
using sumbrel::testing::SumbrelTest;

namespace {

ReceptionSettings With(const QString& car, const QString& pay)
{
    ReceptionSettings s;
    s.TakeOutCarYN = car;
    s.TOPayTypeS = pay;
    return s;
}

class PathTest : public SumbrelTest {
protected:
    // On the phone panel with a confirmed cart, as after the menu page.
    void toPhonePanel(const ReceptionSettings& settings, Cmd dining = Cmd::Takeout)
    {
        path.applySettings(settings);
        ASSERT_EQ(path.press(dining).step, Step::OpenMenu);
        gs().selectedOrder = QStringLiteral("라떼◈1◈1◈4000◈4000");
        const Reaction shown = path.menuClosed(true);
        ASSERT_EQ(shown.step, Step::OrderShown);
        ASSERT_EQ(shown.panel, kPhonePanel);
    }
    void type(const QString& digits)
    {
        for (QChar c : digits)
            path.press(DigitKey<Cmd2>(c.digitValue()));
    }
    void enter(const QString& digits)
    {
        while (!path.phoneDigits().isEmpty())
            path.press(Cmd2::Delete);
        type(digits);
    }

    CustomerPath path;
};

}  // namespace

TEST_F(PathTest, StartStateAndTheMenuPageDecideTheFirstPanel)
{
    EXPECT_EQ(path.currentPanel(), kStartPanel);
    EXPECT_EQ(path.phoneCaption(), QStringLiteral("010-"));
    EXPECT_EQ(path.phoneDigits(), QStringLiteral("010"));
    EXPECT_FALSE(path.phonePlaceholderShown());
    EXPECT_EQ(path.diningChoice(), QStringLiteral("포장"));
    EXPECT_EQ(path.payType(), QStringLiteral("0"));
    // Not confirmed: nothing changes.
    ASSERT_EQ(path.press(Cmd::EatIn).step, Step::OpenMenu);
    EXPECT_EQ(path.menuClosed(false).step, Step::Nothing);
    EXPECT_EQ(path.currentPanel(), kStartPanel);
    EXPECT_EQ(path.diningChoice(), QStringLiteral("포장"));
    // Confirmed from the eat-in key: the phone panel with the settings' next keys.
    toPhonePanel(With(QStringLiteral("Y"), QStringLiteral("N")), Cmd::EatIn);
    EXPECT_EQ(path.diningChoice(), QStringLiteral("매장식사"));
    EXPECT_EQ(path.nextKeys().phoneKey, QStringLiteral("다음"));
    EXPECT_EQ(path.nextKeys().carKey, QStringLiteral("접수"));
    // The menu key changes the order only, confirmed or not.
    ASSERT_EQ(path.press(Cmd2::MenuSelect).step, Step::OpenMenu);
    EXPECT_EQ(path.menuClosed(true).step, Step::RedrawOrder);
    EXPECT_EQ(path.currentPanel(), kPhonePanel);
    // Closing keys reset.
    for (Cmd close : {Cmd::ClosePhone, Cmd::CloseCar, Cmd::ClosePayment})
        EXPECT_EQ(path.press(close).step, Step::Reset);
}

TEST_F(PathTest, PhoneKeysMaskTheDisplayAndKeepTheDigits)
{
    toPhonePanel({});
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(path.press(Cmd2::Delete).step, Step::Numbers);
    EXPECT_EQ(path.phoneDigits(), QString());
    EXPECT_EQ(path.phoneCaption(), QString());
    EXPECT_TRUE(path.phonePlaceholderShown());
    path.press(Cmd2::Delete);  // nothing left to delete
    EXPECT_EQ(path.phoneDigits(), QString());
    const QString digits = QStringLiteral("010123456789");
    const QStringList shown = {QStringLiteral("0"),
                               QStringLiteral("01"),
                               QStringLiteral("010"),
                               QStringLiteral("010-1"),
                               QStringLiteral("010-1*"),
                               QStringLiteral("010-1**"),
                               QStringLiteral("010-1**4"),
                               QStringLiteral("010-1**4-5"),
                               QStringLiteral("010-1**4-56"),
                               QStringLiteral("010-1**4-567"),
                               QStringLiteral("010-1**4-5678"),
                               QStringLiteral("010-1**4-5678")};
    for (int i = 0; i < digits.size(); ++i) {
        path.press(DigitKey<Cmd2>(digits.at(i).digitValue()));
        EXPECT_EQ(path.phoneCaption(), shown[i]) << i + 1 << " digits";
        EXPECT_FALSE(path.phonePlaceholderShown());
    }
    EXPECT_EQ(path.phoneDigits(), QStringLiteral("01012345678"));
    for (int i = 0; i < 8; ++i)
        path.press(Cmd2::Delete);
    EXPECT_EQ(path.phoneCaption(), QStringLiteral("010"));
}

TEST_F(PathTest, PhoneCheckRefusesNonMobileNumbers)
{
    toPhonePanel(With(QStringLiteral("Y"), QStringLiteral("N")));
    type(QStringLiteral("123456"));  // 9 digits
    QStringList warnings;
    Reaction r = path.press(Cmd2::Next);
    EXPECT_EQ(r.step, Step::Warn);
    warnings << r.text;
    EXPECT_EQ(path.currentPanel(), kPhonePanel);
    enter(QStringLiteral("0212345678"));
    r = path.press(Cmd2::Next);
    warnings << r.text;
    EXPECT_EQ(path.currentPanel(), kPhonePanel);
    EXPECT_EQ(warnings, QStringList(2, QStringLiteral("휴대폰 번호가 아닙니다!")));
    EXPECT_EQ(path.phoneDigits(), QStringLiteral("0212345678")) << "the digits stay for correction";
    enter(QStringLiteral("0101234567"));  // 10 digits are a mobile number
    r = path.press(Cmd2::Next);
    EXPECT_EQ(r.step, Step::ShowPanel);
    EXPECT_EQ(r.from, kPhonePanel);
    EXPECT_EQ(path.currentPanel(), kCarPanel);
    EXPECT_EQ(path.phoneCopyDigits(), QStringLiteral("0101234567"));
    EXPECT_EQ(path.phoneCopyCaption(), QStringLiteral("010-1**4-567"));
}

TEST_F(PathTest, CarKeysTakeFourDigitsAndLeadOnAsTheSettingsSay)
{
    toPhonePanel(With(QStringLiteral("Y"), QStringLiteral("Y")));
    type(QStringLiteral("12345678"));
    path.press(Cmd2::Next);
    ASSERT_EQ(path.currentPanel(), kCarPanel);
    for (int d : {1, 2, 3})
        path.press(DigitKey<Cmd3>(d));
    const Reaction shortNumber = path.press(Cmd3::Next);
    EXPECT_EQ(shortNumber.step, Step::Warn);
    EXPECT_EQ(shortNumber.text, QStringLiteral("4자리를 입력하세요!"));
    for (int d : {4, 5})
        path.press(DigitKey<Cmd3>(d));
    EXPECT_EQ(path.carNumber(), QStringLiteral("1234")) << "the fifth digit is ignored";
    path.press(Cmd3::Delete);
    EXPECT_EQ(path.carNumber(), QStringLiteral("123"));
    path.press(DigitKey<Cmd3>(9));
    EXPECT_EQ(path.press(Cmd3::Next).step, Step::ShowPanel);
    EXPECT_EQ(path.currentPanel(), kPaymentPanel);
    EXPECT_EQ(path.carCopy(), QStringLiteral("1239"));
    EXPECT_EQ(path.press(Cmd::NumberChange).panel, kCarPanel);
    EXPECT_EQ(path.press(Cmd3::NumberChange).panel, kPhonePanel);
    EXPECT_EQ(path.carNumber(), QStringLiteral("1239")) << "the numbers stay";
    // Keys that repeat on a double tap.
    EXPECT_TRUE(RepeatsOnDoubleTap(Cmd3::Delete));
    EXPECT_TRUE(RepeatsOnDoubleTap(DigitKey<Cmd2>(0)));
    EXPECT_FALSE(RepeatsOnDoubleTap(Cmd2::Next));
    EXPECT_FALSE(RepeatsOnDoubleTap(Cmd3::NumberChange));
}

TEST_F(PathTest, PaymentKeysSubmitWithTheirPayType)
{
    for (Cmd key : {Cmd::Cash, Cmd::Card}) {
        path.start();
        toPhonePanel(With(QStringLiteral("N"), QStringLiteral("Y")));
        type(QStringLiteral("12345678"));
        ASSERT_EQ(path.press(Cmd2::Next).panel, kPaymentPanel);
        EXPECT_EQ(path.press(key).step, Step::Submit);
        const OrderValues v = path.orderValues();
        EXPECT_EQ(v.phone, QStringLiteral("01012345678"));
        EXPECT_EQ(v.where, QStringLiteral("포장"));
        EXPECT_EQ(v.pay, key == Cmd::Cash ? QStringLiteral("0") : QStringLiteral("1"));
        EXPECT_EQ(v.taxi, QString());
    }
}

TEST_F(PathTest, NoKeyActsWhileASubmissionRuns)
{
    toPhonePanel({});
    type(QStringLiteral("12345678"));
    ASSERT_EQ(path.press(Cmd2::Next).step, Step::Submit);
    path.beginSubmission();
    EXPECT_EQ(path.currentPanel(), kCompletionPanel);
    EXPECT_FALSE(path.confirmEnabled());
    int dropped = 0;
    for (int i = 0; i < kCmdCount; ++i)
        dropped += path.press(Cmd(i)).step == Step::Dropped;
    for (int i = 0; i < kCmd2Count; ++i)
        dropped += path.press(Cmd2(i)).step == Step::Dropped;
    for (int i = 0; i < kCmd3Count; ++i)
        dropped += path.press(Cmd3(i)).step == Step::Dropped;
    EXPECT_EQ(dropped, kCmdCount + kCmd2Count + kCmd3Count);
    EXPECT_EQ(path.phoneDigits(), QStringLiteral("01012345678"));
    EXPECT_EQ(path.payType(), QStringLiteral("0"));
}

TEST_F(PathTest, FailedSubmissionGoesBackAndSuccessCountsDown)
{
    struct Case {
        const char16_t* car;
        const char16_t* pay;
        int back;
    };
    for (const Case c : {Case{u"Y", u"Y", kPaymentPanel}, Case{u"Y", u"", kCarPanel}, Case{u"", u"", kPhonePanel}}) {
        path.start();
        path.applySettings(With(QString::fromUtf16(c.car), QString::fromUtf16(c.pay)));
        path.beginSubmission();
        const Reaction failed = path.endSubmission(false);
        EXPECT_EQ(failed.step, Step::ShowPanel);
        EXPECT_EQ(failed.panel, c.back);
        EXPECT_EQ(path.currentPanel(), c.back);
    }
    // "확인" stays disabled after a failure: its click only leaves the disabled line.
    EXPECT_EQ(path.press(Cmd3::Confirm).step, Step::Disabled);
    path.beginSubmission();
    const Reaction kept = path.endSubmission(true);
    EXPECT_EQ(kept.step, Step::Countdown);
    EXPECT_TRUE(path.confirmEnabled());
    EXPECT_EQ(path.closeCountdown(), 10);
    QStringList shown;
    for (int tick = 1; tick <= 9; ++tick)
        shown << path.tick().text;
    EXPECT_EQ(shown.front(), QStringLiteral("9"));
    EXPECT_EQ(shown.back(), QStringLiteral("1"));
    EXPECT_EQ(path.tick().step, Step::Reset);
    EXPECT_EQ(path.press(Cmd3::Confirm).step, Step::Reset);
}

TEST_F(PathTest, AnEmptyCartIsNeverSubmitted)
{
    struct Case {
        const char16_t* car;
        const char16_t* pay;
    };
    for (const Case c : {Case{u"", u""}, Case{u"Y", u""}, Case{u"", u"Y"}}) {
        path.start();
        toPhonePanel(With(QString::fromUtf16(c.car), QString::fromUtf16(c.pay)));
        type(QStringLiteral("12345678"));
        gs().selectedOrder.clear();  // every line deleted on the order list
        Reaction r = path.press(Cmd2::Next);
        if (r.step == Step::ShowPanel && path.currentPanel() == kCarPanel) {
            for (int d : {1, 2, 3, 4})
                path.press(DigitKey<Cmd3>(d));
            r = path.press(Cmd3::Next);
        }
        if (r.step == Step::ShowPanel && path.currentPanel() == kPaymentPanel)
            r = path.press(Cmd::Card);
        const int panel = path.currentPanel();
        EXPECT_EQ(r.step, Step::Warn);
        EXPECT_EQ(r.text, QStringLiteral("메뉴를 선택하세요!"));
        EXPECT_EQ(r.panel, panel);
        EXPECT_NE(panel, kCompletionPanel);
    }
}

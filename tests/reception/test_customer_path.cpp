// The customer's path without a screen: keys in, what the screen must do out.
#include "reception/customer_path.h"
#include "reception/phone_captions.h"
#include "startup/global_state.h"
#include "support/orders.h"
#include "support/sumbrel_test.h"

#include <QStringList>
#include <algorithm>

using namespace sumbrel;
using namespace sumbrel::reception;
using sumbrel::testing::kMaskedPhone;
using sumbrel::testing::kPhoneDigits;
using sumbrel::testing::SumbrelTest;

namespace {

ReceptionSettings With(bool carNumberAsked, bool paymentAsked)
{
    ReceptionSettings s;
    s.carNumberAsked = carNumberAsked;
    s.paymentAsked = paymentAsked;
    return s;
}

class PathTest : public SumbrelTest {
protected:
    // On the phone panel with a confirmed order, as after the menu page.
    void toPhonePanel(const ReceptionSettings& settings, PanelKey dining = PanelKey::Takeout)
    {
        path.applySettings(settings);
        ASSERT_EQ(path.press(dining).step, Step::OpenMenu);
        order.order = sumbrel::order::Of({sumbrel::order::Line(QStringLiteral("라떼"), 4000)});
        const Reaction shown = path.menuClosed(true);
        ASSERT_EQ(shown.step, Step::OrderShown);
        ASSERT_EQ(shown.panel, kPhonePanel);
    }
    void type(const QString& digits)
    {
        for (QChar c : digits)
            path.press(DigitKey<PhoneKey>(c.digitValue()));
    }
    void enter(const QString& digits)
    {
        while (!path.phoneDigits().isEmpty())
            path.press(PhoneKey::Delete);
        type(digits);
    }

    cart::OrderCart order;
    CustomerPath path{order};
};

}  // namespace

TEST_F(PathTest, PhoneKeysMaskTheDisplayAndKeepTheDigits)
{
    toPhonePanel({});
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(path.press(PhoneKey::Delete).step, Step::Numbers);
    EXPECT_EQ(path.phoneDigits(), QString());
    EXPECT_EQ(path.phoneCaption(), QString());
    EXPECT_TRUE(path.phonePlaceholderShown());
    path.press(PhoneKey::Delete);  // nothing left to delete
    EXPECT_EQ(path.phoneDigits(), QString());
    // A twelfth digit is not taken: the caption stays that of eleven.
    for (int i = 0; i < kPhoneDigits.size(); ++i) {
        path.press(DigitKey<PhoneKey>(kPhoneDigits.at(i).digitValue()));
        EXPECT_EQ(path.phoneCaption(), kMaskedPhone[std::min(i + 1, 11)]) << i + 1 << " digits";
        EXPECT_FALSE(path.phonePlaceholderShown());
    }
    EXPECT_EQ(path.phoneDigits(), QStringLiteral("01012345678"));
    for (int i = 0; i < 8; ++i)
        path.press(PhoneKey::Delete);
    EXPECT_EQ(path.phoneCaption(), QStringLiteral("010"));
}

TEST_F(PathTest, PhoneCheckRefusesNonMobileNumbers)
{
    toPhonePanel(With(true, false));
    type(QStringLiteral("123456"));  // 9 digits
    QStringList warnings;
    Reaction r = path.press(PhoneKey::Next);
    EXPECT_EQ(r.step, Step::Warn);
    warnings << r.text;
    EXPECT_EQ(path.currentPanel(), kPhonePanel);
    enter(QStringLiteral("0212345678"));
    r = path.press(PhoneKey::Next);
    warnings << r.text;
    EXPECT_EQ(path.currentPanel(), kPhonePanel);
    EXPECT_EQ(warnings, QStringList(2, QStringLiteral("휴대폰 번호가 아닙니다!")));
    EXPECT_EQ(path.phoneDigits(), QStringLiteral("0212345678")) << "the digits stay for correction";
    enter(QStringLiteral("0101234567"));  // 10 digits are a mobile number
    r = path.press(PhoneKey::Next);
    EXPECT_EQ(r.step, Step::ShowPanel);
    EXPECT_EQ(r.from, kPhonePanel);
    EXPECT_EQ(path.currentPanel(), kCarPanel);
    EXPECT_EQ(path.phoneCopyDigits(), QStringLiteral("0101234567"));
    EXPECT_EQ(path.phoneCopyCaption(), QStringLiteral("010-1**4-567"));
}

TEST_F(PathTest, NoKeyActsWhileASubmissionRuns)
{
    toPhonePanel({});
    type(QStringLiteral("12345678"));
    ASSERT_EQ(path.press(PhoneKey::Next).step, Step::Submit);
    path.beginSubmission();
    EXPECT_EQ(path.currentPanel(), kCompletionPanel);
    EXPECT_FALSE(path.confirmEnabled());
    int dropped = 0;
    for (int i = 0; i < kPanelKeyCount; ++i)
        dropped += path.press(PanelKey(i)).step == Step::Dropped;
    for (int i = 0; i < kPhoneKeyCount; ++i)
        dropped += path.press(PhoneKey(i)).step == Step::Dropped;
    for (int i = 0; i < kCarKeyCount; ++i)
        dropped += path.press(CarKey(i)).step == Step::Dropped;
    EXPECT_EQ(dropped, kPanelKeyCount + kPhoneKeyCount + kCarKeyCount);
    EXPECT_EQ(path.phoneDigits(), QStringLiteral("01012345678"));
    EXPECT_EQ(path.payment(), Payment::Cash);
}

TEST_F(PathTest, AnEmptyCartIsNeverSubmitted)
{
    struct Case {
        bool car, pay;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}}) {
        path.start();
        toPhonePanel(With(c.car, c.pay));
        type(QStringLiteral("12345678"));
        order.order.clear();  // every line deleted on the order list
        Reaction r = path.press(PhoneKey::Next);
        if (r.step == Step::ShowPanel && path.currentPanel() == kCarPanel) {
            for (int d : {1, 2, 3, 4})
                path.press(DigitKey<CarKey>(d));
            r = path.press(CarKey::Next);
        }
        if (r.step == Step::ShowPanel && path.currentPanel() == kPaymentPanel)
            r = path.press(PanelKey::Card);
        const int panel = path.currentPanel();
        EXPECT_EQ(r.step, Step::Warn);
        EXPECT_EQ(r.text, QStringLiteral("메뉴를 선택하세요!"));
        EXPECT_EQ(r.panel, panel);
        EXPECT_NE(panel, kCompletionPanel);
    }
}

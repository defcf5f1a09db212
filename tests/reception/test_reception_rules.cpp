// The reception rules that need no widget.
#include "reception/phone_captions.h"
#include "reception/reception_rules.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace sumbrel::reception;
using sumbrel::testing::kMaskedPhone;
using sumbrel::testing::kPhoneDigits;

TEST(PhoneDisplay, MasksPositionsFiveAndSixForEveryLength)
{
    for (int length = 0; length <= 12; ++length)
        EXPECT_EQ(PhoneDisplay(kPhoneDigits.left(length)), kMaskedPhone[length]) << "length " << length;
}

TEST(DigitEntry, AppendsUpToTheLimitAndDeletesFromTheEnd)
{
    struct Case {
        QString text;
        int digit;
        int max;
        QString appended;
    };
    const Case cases[] = {
        {QString(), 0, 11, QStringLiteral("0")},
        {QStringLiteral("0101234567"), 8, 11, QStringLiteral("01012345678")},
        {QStringLiteral("01012345678"), 9, 11, QStringLiteral("01012345678")},
        {QStringLiteral("123"), 4, 4, QStringLiteral("1234")},
        {QStringLiteral("1234"), 5, 4, QStringLiteral("1234")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AppendDigit(c.text, c.digit, c.max), c.appended) << c.text.toStdString();
    EXPECT_EQ(DeleteLastDigit(QStringLiteral("7")), QString());
    EXPECT_EQ(DeleteLastDigit(QStringLiteral("010")), QStringLiteral("01"));
    EXPECT_EQ(DeleteLastDigit(QString()), QString());
}

TEST(NumberChecks, MobileNumbersAndCompleteCarNumbers)
{
    EXPECT_TRUE(IsMobileNumber(QStringLiteral("01012345678")));
    EXPECT_TRUE(IsMobileNumber(QStringLiteral("0101234567")));
    EXPECT_TRUE(IsMobileNumber(QStringLiteral("0191234567")));
    EXPECT_FALSE(IsMobileNumber(QStringLiteral("010123456")));  // 9 digits
    EXPECT_FALSE(IsMobileNumber(QStringLiteral("0212345678")));  // Seoul
    EXPECT_FALSE(IsMobileNumber(QStringLiteral("03112345678")));
    EXPECT_FALSE(IsMobileNumber(QStringLiteral("010")));
    EXPECT_TRUE(IsCompleteCarNumber(QStringLiteral("1234")));
    EXPECT_FALSE(IsCompleteCarNumber(QStringLiteral("123")));
}

TEST(CustomerPath, NextKeysAndPanelsFollowTheSettings)
{
    struct Case {
        bool car, pay;
        QString phoneKey, carKey;
        int afterPhone, lastEntry, numberChange;
    };
    const QString next = QStringLiteral("다음");
    const QString submit = QStringLiteral("접수");
    const Case cases[] = {
        {true, true, next, next, kCarPanel, kPaymentPanel, kCarPanel},
        {true, false, next, submit, kCarPanel, kCarPanel, kCarPanel},
        {false, true, next, next, kPaymentPanel, kPaymentPanel, kPhonePanel},
        {false, false, submit, submit, kCompletionPanel, kPhonePanel, kPhonePanel},
    };
    for (const Case& c : cases) {
        ReceptionSettings settings;
        settings.carNumberAsked = c.car;
        settings.paymentAsked = c.pay;
        const NextKeyCaptions keys = NextKeys(settings);
        SCOPED_TRACE(::testing::Message() << "car " << c.car << ", pay " << c.pay);
        EXPECT_EQ(keys.phoneKey, c.phoneKey);
        EXPECT_EQ(keys.carKey, c.carKey);
        EXPECT_EQ(PanelAfterPhone(settings), c.afterPhone);
        EXPECT_EQ(LastEntryPanel(settings), c.lastEntry);
        EXPECT_EQ(PanelForNumberChange(settings), c.numberChange);
    }
}

TEST(ReceptionSettings, ParsesTheSevenFieldsWithConversions)
{
    const QString answer = QStringLiteral(
        "<html>count[3분]count time[15분]time TakeOutPCText[가\r나!줄바꿈!다]TakeOutPCText TOWhereYN[Y]TOWhereYN "
        "TakeOutCarYN[N]TakeOutCarYN TakeOutCarText[차량!줄바꿈!번호\n끝]TakeOutCarText TOPayTypeS[Y]TOPayTypeS");
    const ReceptionSettings s = ParseReceptionSettings(answer);
    ASSERT_TRUE(s.waiting.teams.has_value());
    EXPECT_EQ(*s.waiting.teams, QStringLiteral("3"));
    ASSERT_TRUE(s.waiting.time.has_value());
    EXPECT_EQ(*s.waiting.time, QStringLiteral("15분"));
    EXPECT_EQ(s.TakeOutPCText, QStringLiteral("가나\r\n다"));
    EXPECT_TRUE(s.eatInOffered);
    EXPECT_FALSE(s.carNumberAsked);
    EXPECT_EQ(s.TakeOutCarText, QStringLiteral("차량\r\n번호\n끝"));  // a lone LF stays
    EXPECT_TRUE(s.paymentAsked);
}

TEST(ReceptionSettings, EachChoiceIsOnOnlyForExactlyY)
{
    struct Case {
        const char* name;
        QString field;  // the three fields' text; "-": missing
        bool on;
    };
    const Case cases[] = {
        {"Y", QStringLiteral("Y"), true},
        {"N", QStringLiteral("N"), false},
        {"lower case", QStringLiteral("y"), false},
        {"leading blank", QStringLiteral(" Y"), false},
        {"trailing blank", QStringLiteral("Y "), false},
        {"empty", QString(), false},
        {"missing", QStringLiteral("-"), false},
    };
    for (const Case& c : cases) {
        QString answer = QStringLiteral("count[1]count");
        if (c.field != u"-")
            for (const char16_t* name : {u"TOWhereYN", u"TakeOutCarYN", u"TOPayTypeS"})
                answer += QString::fromUtf16(name) + u'[' + c.field + u']' + QString::fromUtf16(name);
        const ReceptionSettings s = ParseReceptionSettings(answer);
        EXPECT_EQ(s.eatInOffered, c.on) << c.name;
        EXPECT_EQ(s.carNumberAsked, c.on) << c.name;
        EXPECT_EQ(s.paymentAsked, c.on) << c.name;
    }
}

TEST(ReceptionSettings, MissingFieldsGiveEmptySettingsAndNoWaitingValues)
{
    for (const QString& answer : {QString(), QStringLiteral("로그인 실패"), QStringLiteral("time[7]time")}) {
        const ReceptionSettings s = ParseReceptionSettings(answer);
        EXPECT_FALSE(s.waiting.teams.has_value());
        EXPECT_TRUE(s.TakeOutPCText.isEmpty() && s.TakeOutCarText.isEmpty());
        EXPECT_FALSE(s.eatInOffered || s.carNumberAsked || s.paymentAsked);
    }
    EXPECT_EQ(ParseReceptionSettings(QStringLiteral("time[7]time")).waiting.time.value_or(QString()),
              QStringLiteral("7"));
    EXPECT_EQ(WaitingTeamsText(QStringLiteral("분1분2분")), QStringLiteral("12"));
}

TEST(DiningKeys, TwoKeysOnlyWhenEatInIsOffered)
{
    ReceptionSettings settings;
    settings.eatInOffered = true;
    const DiningKeyPlacement both = PlaceDiningKeys(settings);
    EXPECT_TRUE(both.eatInVisible);
    EXPECT_FALSE(both.takeoutAlone);
    settings.eatInOffered = false;
    const DiningKeyPlacement one = PlaceDiningKeys(settings);
    EXPECT_FALSE(one.eatInVisible);
    EXPECT_TRUE(one.takeoutAlone);
}

TEST(KeyLook, PlainKeysGreyActionKeysYellow)
{
    struct Case {
        KeyGroup group;
        int index;
        bool plain;
    };
    const Case cases[] = {{KeyGroup::Panel, 0, true},   {KeyGroup::Panel, 4, true},  {KeyGroup::Panel, 5, false},
                          {KeyGroup::Panel, 7, false},  {KeyGroup::Phone, 10, true}, {KeyGroup::Phone, 11, false},
                          {KeyGroup::Phone, 13, false}, {KeyGroup::Car, 0, true},    {KeyGroup::Car, 14, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(LookOf(c.group, c.index), c.plain ? KeyLook::Plain : KeyLook::Accent) << c.index;
    }
    EXPECT_EQ(DisabledKeyLine(KeyGroup::Car), QStringLiteral("→CMD3_Click Disabled ... Quit"));
}

TEST(PollTrace, TailFromTheFirstCount)
{
    EXPECT_EQ(PollAnswerTail(QStringLiteral("<p>head</p>count[2]count time[6분]time")).value_or(QString()),
              QStringLiteral("... count[2]count time[6분]time"));
    EXPECT_FALSE(PollAnswerTail(QStringLiteral("time[6분]time")).has_value());
}

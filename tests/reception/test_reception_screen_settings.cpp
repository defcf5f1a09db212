// The settings load at each reset and the waiting-status poll.
#include "reception/reception_fixture.h"

using namespace sumbrel;
using namespace sumbrel::testing;

TEST_F(ReceptionTest, SettingsLoadShapesTheScreen)
{
    ReceptionScreen& s = open({{QStringLiteral("count"), QStringLiteral("3분")},
                               {QStringLiteral("time"), QStringLiteral("15분")},
                               {QStringLiteral("TakeOutCarText"), QStringLiteral("드라이브 스루!줄바꿈!네 자리")},
                               {QStringLiteral("TakeOutPCText"), QStringLiteral("픽업대")},
                               {QStringLiteral("TakeOutCarYN"), QStringLiteral("Y")},
                               {QStringLiteral("TOPayTypeS"), QStringLiteral("y")}});
    EXPECT_EQ(caption(WaitingTeamsLabel(s, 0)), QStringLiteral("3"));
    EXPECT_EQ(caption(WaitingTeamsLabel(s, 1)), QStringLiteral("3"));
    EXPECT_EQ(caption(WaitingTimeLabel(s, 0)), QStringLiteral("15분"));
    EXPECT_EQ(caption(WaitingTimeLabel(s, 1)), QStringLiteral("15분"));
    EXPECT_EQ(s.path().settings().TakeOutCarText, QStringLiteral("드라이브 스루\r\n네 자리"));
    EXPECT_EQ(DriveThroughText(s)->text(), QStringLiteral("드라이브 스루\n네 자리"));
    EXPECT_EQ(s.path().settings().TakeOutPCText, QStringLiteral("픽업대"));
    EXPECT_TRUE(s.path().settings().carNumberAsked);
    EXPECT_FALSE(s.path().settings().paymentAsked);
    KeyOf(s, PanelKey::Takeout)->touch();
    EXPECT_EQ(KeyOf(s, CarKey::Next)->caption(), QStringLiteral("접수")) << "\"y\" is not \"Y\"";
    const QString log = logText(QStringLiteral("_WinHttp"));
    EXPECT_TRUE(log.contains(QStringLiteral("Load_Setting() ... ") + shop.httpBase()
                             + QStringLiteral("/program/TOLoadProgram.php?ID=demo&PassWord=")));
    EXPECT_TRUE(log.contains(QStringLiteral("Load_Setting() ... ResponseStr:\r\n")));
}

TEST_F(ReceptionTest, SettingsMissingLeaveOnlyTheTakeoutKeyAndEmptyLabels)
{
    ReceptionScreen& s = open({{QStringLiteral("raw"), QStringLiteral("<html>점검 중</html>")}});
    EXPECT_FALSE(s.path().settings().eatInOffered || s.path().settings().carNumberAsked
                 || s.path().settings().paymentAsked);
    EXPECT_TRUE(KeyOf(s, PanelKey::EatIn)->isHidden());
    EXPECT_EQ(KeyOf(s, PanelKey::Takeout)->pos(), QPoint(70, 315));
    EXPECT_EQ(DriveThroughText(s)->text(), QString());
    EXPECT_EQ(caption(WaitingTeamsLabel(s, 0)), QString());
    KeyOf(s, PanelKey::Takeout)->touch();
    EXPECT_EQ(KeyOf(s, PhoneKey::Next)->caption(), QStringLiteral("접수"));
}

TEST_F(ReceptionTest, CountWithoutTimeLeavesTheTimeLabelsEmpty)
{
    ReceptionScreen& s = open(
        {{QStringLiteral("count"), QStringLiteral("4")}, {QStringLiteral("omit"), QStringLiteral("time")}});
    EXPECT_EQ(caption(WaitingTeamsLabel(s, 1)), QStringLiteral("4"));
    EXPECT_EQ(caption(WaitingTimeLabel(s, 0)), QString());
    EXPECT_EQ(caption(WaitingTimeLabel(s, 1)), QString());
}

TEST_F(ReceptionTest, PollFillsTheLabelsEveryTime)
{
    ReceptionScreen& s = open();
    shop.setSettings(
        {{QStringLiteral("count"), QStringLiteral("3분")}, {QStringLiteral("time"), QStringLiteral("15분")}});
    poll(s);
    EXPECT_EQ(caption(WaitingTeamsLabel(s, 0)), QStringLiteral("3"));
    EXPECT_EQ(caption(WaitingTimeLabel(s, 0)), QStringLiteral("15분"));
    EXPECT_EQ(caption(WaitingTeamsLabel(s, 1)), QStringLiteral("3"));
    EXPECT_EQ(caption(WaitingTimeLabel(s, 1)), QStringLiteral("15분"));
    poll(s);
    EXPECT_EQ(caption(WaitingTeamsLabel(s, 1)), QStringLiteral("3")) << "the labels are filled again";
    EXPECT_EQ(s.service().lastWaitAnswer().count(QStringLiteral("count[3분]count")), 1);
}

TEST_F(ReceptionTest, PollWithoutCountEmptiesTheTeamLabels)
{
    ReceptionScreen& s = open({{QStringLiteral("count"), QStringLiteral("2")}});
    ASSERT_EQ(caption(WaitingTeamsLabel(s, 0)), QStringLiteral("2"));
    shop.setSettings(
        {{QStringLiteral("omit"), QStringLiteral("count")}, {QStringLiteral("time"), QStringLiteral("9분")}});
    poll(s);
    EXPECT_EQ(caption(WaitingTeamsLabel(s, 0)), QString());
    EXPECT_EQ(caption(WaitingTeamsLabel(s, 1)), QString());
    EXPECT_EQ(caption(WaitingTimeLabel(s, 1)), QStringLiteral("9분"));
    EXPECT_FALSE(logText(QStringLiteral("_WinHttp")).contains(QStringLiteral("TOLoad() ... ResponseStr:\r\n")))
        << "no answer line without count[";
    shop.stop();
    poll(s);
    for (QLabel* label :
         {WaitingTeamsLabel(s, 0), WaitingTeamsLabel(s, 1), WaitingTimeLabel(s, 0), WaitingTimeLabel(s, 1)})
        EXPECT_EQ(caption(label), QString()) << label->objectName().toStdString();
}

TEST_F(ReceptionTest, RefreshTimerStartsAtFirstShowAndPolls)
{
    ReceptionScreen& s = open();
    EXPECT_FALSE(PollTimer(s)->isActive());
    shop.setSettings({{QStringLiteral("count"), QStringLiteral("6")}});
    shop.clearRequests();
    s.show();
    EXPECT_TRUE(PollTimer(s)->isActive());
    EXPECT_EQ(PollTimer(s)->interval(), 15000);
    clock->advance(14999);
    EXPECT_FALSE(logText().contains(QStringLiteral("TOLoad() ... ")));
    clock->advance(1);
    QTRY_VERIFY_WITH_TIMEOUT(logText().contains(QStringLiteral("TOLoad() ... ")), 5000);
    // The labels empty at each poll's start and fill at its answer.
    QTRY_COMPARE_WITH_TIMEOUT(caption(WaitingTeamsLabel(s, 0)), QStringLiteral("6"), 5000);
    s.hide();
}

TEST_F(ReceptionTest, OperatorKeysAskByTheirSignalsAndTheResetReloadsTheSettings)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    int settingsAsked = 0;
    int endAsked = 0;
    QObject::connect(&s, &ReceptionScreen::settingsRequested, &s, [&] {
        ++settingsAsked;
        shop.setSettings({{QStringLiteral("TOWhereYN"), QStringLiteral("N")}});
        s.reset();
    });
    QObject::connect(&s, &ReceptionScreen::terminateRequested, &s, [&] { ++endAsked; });
    SettingsKey(s)->touch();
    EXPECT_EQ(settingsAsked, 1);
    EXPECT_EQ(s.path().currentPanel(), 0);
    settled(s);
    EXPECT_TRUE(KeyOf(s, PanelKey::EatIn)->isHidden()) << "the reset reloads the settings";
    EXPECT_EQ(endAsked, 0);
    TerminateKey(s)->touch();
    EXPECT_EQ(endAsked, 1);
}

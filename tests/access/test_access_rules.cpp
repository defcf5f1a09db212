// Barrier-free ordering without a screen: the contrast rule and the speech seam.
#include "access/contrast.h"
#include "access/engine_start.h"
#include "access/focus_order.h"
#include "access/modes.h"
#include "access/speech.h"
#include "access/spoken.h"
#include "support/sumbrel_test.h"

using namespace sumbrel;
using namespace sumbrel::access;
using sumbrel::testing::SumbrelTest;

TEST(Contrast, RatiosAsWcagComputesThem)
{
    const struct {
        uint32_t a, b;
        double ratio;
    } cases[] = {
        {0x000000, 0xffffff, 21.0},
        {0xffffff, 0xffffff, 1.0},
        {0x767676, 0xffffff, 4.54},  // the lightest grey that passes 4.5:1 on white
        {0x595959, 0xffffff, 7.0},  // and 7:1
        {0xffd500, 0x000000, 14.77},  // the key yellow under black text
        {0x1c2430, 0xffffff, 15.62},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.05) << std::hex << c.a << " on " << c.b;
        EXPECT_DOUBLE_EQ(ContrastRatio(c.a, c.b), ContrastRatio(c.b, c.a));
    }
}

namespace {
class Recorder : public SpeechEngine {
public:
    void say(const QString& text) override { said << text; }
    void setVolume(int v) override { volume = v; }
    bool works() const override { return false; }
    QString why() const override { return QStringLiteral("no sound card"); }
    QStringList said;
    int volume = -1;
};
}  // namespace

TEST_F(SumbrelTest, EverySpokenTextIsLoggedAndReachesTheEngine)
{
    Recorder engine;
    setSpeechEngine(&engine);
    EXPECT_EQ(engine.volume, SpeechVolume()) << "a new engine takes the volume in force";
    Say(QStringLiteral("메뉴 화면입니다."));
    Say(QString());
    EXPECT_EQ(engine.said, QStringList{QStringLiteral("메뉴 화면입니다.")});
    EXPECT_EQ(logEntries().filter(QStringLiteral("[음성] ")), QStringList{QStringLiteral("[음성] 메뉴 화면입니다.")});
    EXPECT_EQ(SpeechState(), QStringLiteral("no sound card"));
    const int start = SpeechVolume();
    EXPECT_EQ(ChangeSpeechVolume(+kVolumeStep * 20), 100);
    EXPECT_EQ(ChangeSpeechVolume(-kVolumeStep), 90);
    EXPECT_EQ(engine.volume, 90);
    ChangeSpeechVolume(start - 90);
    // A customer's number is heard whole and logged as its length only.
    Say(QStringLiteral("0 1 0 1 별 별 4 5 6 7 8"), Logged::DigitCount);
    EXPECT_EQ(engine.said.last(), QStringLiteral("0 1 0 1 별 별 4 5 6 7 8"));
    EXPECT_EQ(logEntries().filter(QStringLiteral("[음성] ")).last(), QStringLiteral("[음성] (입력한 숫자 9자리)"));
    setSpeechEngine(nullptr);
    Say(QStringLiteral("엔진 없이"));
    EXPECT_EQ(logEntries().filter(QStringLiteral("[음성] ")).size(), 3) << "logged without an engine too";
    EXPECT_EQ(SpeechState(), QStringLiteral("음성 엔진 없음"));
}

TEST_F(SumbrelTest, TextsOfOneMomentAreSpokenAsOneInTheirOrder)
{
    ManualClock clock;
    Recorder engine;
    JoinedSpeech joined(engine);
    joined.say(QStringLiteral("2쪽 중 2쪽"));
    joined.say(QStringLiteral("아메리카노, 4,000원."));
    joined.say(QStringLiteral("옵션이 있습니다"));
    EXPECT_TRUE(engine.said.isEmpty()) << "nothing is cut off before the moment ends";
    clock.advance(JoinedSpeech::kMomentMs);
    EXPECT_EQ(engine.said, QStringList{QStringLiteral("2쪽 중 2쪽. 아메리카노, 4,000원. 옵션이 있습니다")});
    // A key later is a new utterance, which cuts off the last as it should.
    clock.advance(500);
    joined.say(QStringLiteral("수량 2"));
    clock.advance(JoinedSpeech::kMomentMs);
    EXPECT_EQ(engine.said.size(), 2);
    EXPECT_EQ(engine.said.last(), QStringLiteral("수량 2"));
}

TEST(Spoken, ScreenTextsAreSaidAsWordsNotSigns)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("<-"), QStringLiteral("지우기")},
        {QStringLiteral(" X "), QStringLiteral("닫기")},
        {QStringLiteral("▶\n다음"), QStringLiteral("다음")},
        {QStringLiteral("▲ 위로"), QStringLiteral("위로")},
        {QStringLiteral("감사합니다\r\n잠시만 기다려 주세요 ~"), QStringLiteral("감사합니다 잠시만 기다려 주세요")},
        {QStringLiteral("X 닫기"), QStringLiteral("X 닫기")},
    };
    for (const auto& [shown, said] : cases)
        EXPECT_EQ(SpokenForm(shown), said) << shown.toStdString();
    EXPECT_EQ(KeyText(QStringLiteral("+"), false), QStringLiteral("하나 더, 버튼, 사용할 수 없음"));
}

TEST(FocusOrder, TheArrowsFollowTheScreen)
{
    // The phone panel as placed: "X" in the top corner, then the keypad's four rows of three.
    QList<Place> places{{464, 1, 80, 60}};
    const int columns[] = {25, 190, 355};
    const int rows[] = {280, 395, 510, 625};
    for (int r : rows)
        for (int c : columns)
            places.append({c, r, 165, 115});
    const QList<int> order = ReadingOrder(places);
    ASSERT_EQ(order.size(), 13);
    EXPECT_EQ(order.front(), 0) << "the X key first, being highest";
    EXPECT_EQ(order.mid(1, 3), (QList<int>{1, 2, 3}));
    const struct {
        int from;
        Move move;
        int to;
    } moves[] = {
        {5, Move::Up, 2},  // "5" up to "2"
        {2, Move::Up, 0},  // the top row's only element
        {11, Move::Down, 11},  // nothing below the last row
        {12, Move::Next, 0},  // wraps to the first
        {0, Move::Previous, 12},
        {3, Move::Next, 4},  // the end of a row leads to the next row's start
        {-1, Move::Down, 0},  // without a focus: the first
    };
    for (const auto& m : moves)
        EXPECT_EQ(MoveFocus(places, m.from, m.move), m.to) << m.from << " " << int(m.move);
    EXPECT_EQ(MoveFocus({}, 0, Move::Next), -1);
}

// A voice engine is judged by its answers over time: a slow or failed first answer of a daemon that
// is still starting is no verdict, a later answer still counts, and only what no retry changes ends it.
TEST(EngineStart, ASlowOrFailedStartIsNotYetAVerdict)
{
    using State = EngineStart::State;
    constexpr uint32_t t0 = 0xfffff000u;  // the tick count wraps during the start
    EngineStart slow(t0);
    EXPECT_EQ(slow.state(t0 + EngineStart::kAnswerMs - 1), State::Starting);
    EXPECT_EQ(slow.why(t0 + 10), QStringLiteral("음성 엔진 준비 중"));
    EXPECT_EQ(slow.state(t0 + EngineStart::kAnswerMs), State::Unusable);
    EXPECT_EQ(slow.why(t0 + EngineStart::kAnswerMs), QStringLiteral("음성 엔진이 응답하지 않음"));
    EXPECT_EQ(slow.answered(true, QString(), false, t0 + 40000), -1);
    EXPECT_EQ(slow.state(t0 + 40000), State::Usable) << "an answer after the deadline still counts";

    EngineStart failing(t0);
    uint32_t now = t0;
    for (int i = 1; i < EngineStart::kTries; ++i) {
        now += 500;
        EXPECT_EQ(failing.answered(false, QStringLiteral("연결 실패"), true, now), EngineStart::kRetryMs);
        EXPECT_EQ(failing.state(now + EngineStart::kAnswerMs - 1), State::Starting) << "try " << i;
    }
    EXPECT_EQ(failing.answered(false, QStringLiteral("연결 실패"), true, now + 1), -1);
    EXPECT_EQ(failing.state(now + 1), State::Unusable);
    EXPECT_EQ(failing.why(now + 1), QStringLiteral("연결 실패"));

    EngineStart absent(t0);
    EXPECT_EQ(absent.answered(false, QStringLiteral("음성 엔진 없음"), false, t0 + 5), -1);
    EXPECT_EQ(absent.state(t0 + 5), State::Unusable) << "no retry brings an engine that is not installed";
}

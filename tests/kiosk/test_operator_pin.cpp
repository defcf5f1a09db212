// The operator PIN's rules: its stored form, the keypad's digits, three tries and the lock.
#include "settings/operator_pin.h"
#include "startup/ini.h"
#include "support/sumbrel_test.h"

#include <gtest/gtest.h>

using namespace sumbrel;
using namespace sumbrel::pin;
using sumbrel::testing::SumbrelTest;

TEST(OperatorPin, ValidPinsAreFourToEightPlainDigits)
{
    const struct {
        const char16_t* text;
        bool valid;
    } cases[] = {
        {u"", false},        {u"123", false},       {u"1234", true},
        {u"12345678", true}, {u"123456789", false}, {u"12a4", false},
        {u" 1234", false},   {u"1234 ", false},     {u"１２３４", false} /* full-width digits */,
        {u"0000", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidPin(QString::fromUtf16(c.text)), c.valid) << QString::fromUtf16(c.text).toStdString();
}

TEST(OperatorPin, StoredFormIsTheSaltedSha256)
{
    QByteArray salt;
    for (char i = 0; i < 16; ++i)
        salt.append(i);
    // sha256(salt bytes followed by "4821"), worked out apart from this code.
    EXPECT_EQ(HashPin(QStringLiteral("4821"), salt),
              QStringLiteral("sha256$000102030405060708090a0b0c0d0e0f$"
                             "8680e6a916bfb06b3c8df7db58c6bdc37aba5eb2ce02581a1b7d07f7c3518f1c"));
}

TEST(OperatorPin, MatchesOnlyTheRightPinOfAWellFormedValue)
{
    const QString stored = HashPin(QStringLiteral("4821"));
    const QString other = HashPin(QStringLiteral("4821"));
    EXPECT_NE(stored, other) << "each PIN gets a salt of its own";
    EXPECT_TRUE(IsWellFormed(stored));
    const QString hex64 = QString(64, u'a');
    const struct {
        QString stored;
        const char16_t* typed;
        bool matches;
    } cases[] = {
        {stored, u"4821", true},
        {other, u"4821", true},
        {stored, u"4822", false},
        {stored, u"48210", false},
        {stored, u"", false},
        {QStringLiteral("4821"), u"4821", false},  // a clear PIN typed into the file
        {QStringLiteral("md5$00$") + hex64, u"4821", false},
        {QStringLiteral("sha256$0001$") + hex64, u"4821", false},  // salt too short
        {stored.toUpper(), u"4821", false},
        {stored + QStringLiteral("$x"), u"4821", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Matches(c.stored, QString::fromUtf16(c.typed)), c.matches)
            << c.stored.toStdString() << " / " << QString::fromUtf16(c.typed).toStdString();
}

TEST(OperatorPin, AnyNonEmptyValueCountsAsSet)
{
    EXPECT_FALSE(IsPinSet(QString()));
    EXPECT_FALSE(IsPinSet(QStringLiteral("  ")));
    EXPECT_TRUE(IsPinSet(QStringLiteral("garbage")));
    EXPECT_TRUE(IsPinSet(HashPin(QStringLiteral("1234"))));
    EXPECT_EQ(StateText(QString()), QStringLiteral("사용 안 함"));
    EXPECT_EQ(StateText(QStringLiteral("garbage")), QStringLiteral("사용 중"));
}

TEST(OperatorPin, KeypadEntryHoldsEightDigitsAndShowsDots)
{
    PinEntry entry;
    for (int d : {1, 2, 3})
        entry.press(d);
    EXPECT_FALSE(entry.complete());
    entry.press(4);
    EXPECT_TRUE(entry.complete());
    EXPECT_EQ(entry.masked(), QStringLiteral("●●●●"));
    for (int d : {5, 6, 7, 8, 9, 0})
        entry.press(d);
    EXPECT_EQ(entry.digits(), QStringLiteral("12345678")) << "digits past eight are dropped";
    entry.press(10);
    entry.press(-1);
    EXPECT_EQ(entry.digits().size(), 8);
    entry.back();
    entry.back();
    EXPECT_EQ(entry.digits(), QStringLiteral("123456"));
    entry.clear();
    entry.back();
    EXPECT_TRUE(entry.digits().isEmpty());
    EXPECT_TRUE(entry.masked().isEmpty());
}

TEST(OperatorPin, ThreeWrongTriesLockForAMinute)
{
    struct Try {
        bool right;
        uint32_t at;
        Verdict verdict;
        int triesLeft;
        int lockLeftMs;
    };
    const struct {
        const char* name;
        uint32_t start;
        std::vector<Try> tries;
    } cases[] = {
        {"right at once", 1000, {{true, 1000, Verdict::Accepted, 3, 0}}},
        {"a right PIN gives the tries back",
         1000,
         {{false, 1000, Verdict::Wrong, 2, 0},
          {false, 1100, Verdict::Wrong, 1, 0},
          {true, 1200, Verdict::Accepted, 3, 0},
          {false, 1300, Verdict::Wrong, 2, 0}}},
        {"the third wrong locks, and even the right PIN is refused meanwhile",
         5000,
         {{false, 5000, Verdict::Wrong, 2, 0},
          {false, 6000, Verdict::Wrong, 1, 0},
          {false, 7000, Verdict::LockedNow, 0, 60000},
          {true, 7000 + 59999, Verdict::Refused, 0, 1},
          {false, 7000 + 30000, Verdict::Refused, 0, 30000},
          {true, 7000 + 60000, Verdict::Accepted, 3, 0}}},
        {"after the minute three fresh tries",
         0,
         {{false, 0, Verdict::Wrong, 2, 0},
          {false, 0, Verdict::Wrong, 1, 0},
          {false, 0, Verdict::LockedNow, 0, 60000},
          {false, 61000, Verdict::Wrong, 2, 0},
          {false, 61001, Verdict::Wrong, 1, 0},
          {false, 61002, Verdict::LockedNow, 0, 60000}}},
        {"the clock wraps during the lock",
         0xFFFFFF00u,
         {{false, 0xFFFFFF00u, Verdict::Wrong, 2, 0},
          {false, 0xFFFFFF00u, Verdict::Wrong, 1, 0},
          {false, 0xFFFFFF00u, Verdict::LockedNow, 0, 60000},
          {true, 1000, Verdict::Refused, 0, 60000 - 1000 - 0x100},
          {true, 60000, Verdict::Accepted, 3, 0}}},
    };
    for (const auto& c : cases) {
        PinGate gate;
        EXPECT_FALSE(gate.locked(c.start)) << c.name;
        for (size_t i = 0; i < c.tries.size(); ++i) {
            const Try& t = c.tries[i];
            const TryResult r = gate.attempt(t.right, t.at);
            EXPECT_EQ(r.verdict, t.verdict) << c.name << ", try " << i;
            EXPECT_EQ(r.triesLeft, t.triesLeft) << c.name << ", try " << i;
            EXPECT_EQ(r.lockLeftMs, t.lockLeftMs) << c.name << ", try " << i;
            EXPECT_EQ(gate.locked(t.at), t.verdict == Verdict::LockedNow || t.verdict == Verdict::Refused)
                << c.name << ", try " << i;
        }
    }
}

TEST(OperatorPin, TextsForEachVerdict)
{
    const struct {
        TryResult result;
        const char16_t* shown;
        const char16_t* traced;
    } cases[] = {
        {{Verdict::Accepted, 3, 0}, u"확인되었습니다.", u"Operator PIN (settings): accepted"},
        {{Verdict::Wrong, 2, 0}, u"PIN이 틀렸습니다. 남은 횟수 2회", u"Operator PIN (settings): wrong, 2 tries left"},
        {{Verdict::LockedNow, 0, 60000},
         u"3회 틀려 잠겼습니다. 60초 후에 다시 시도하세요.",
         u"Operator PIN (settings): wrong, locked for 60 s"},
        {{Verdict::Refused, 0, 44001},
         u"잠겨 있습니다. 45초 후에 다시 시도하세요.",
         u"Operator PIN (settings): refused, locked for 45 s more"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResultText(c.result), QString::fromUtf16(c.shown));
        EXPECT_EQ(TraceLine(Area::Settings, c.result), QString::fromUtf16(c.traced));
    }
    EXPECT_EQ(CancelTraceLine(Area::Terminate), QStringLiteral("Operator PIN (terminate): cancelled"));
    EXPECT_EQ(PanelTitle(Area::Terminate), QStringLiteral("운영자 PIN · 프로그램 종료"));
}

TEST(OperatorPin, SavingFromTheSettingsScreenStoresOnlyAHash)
{
    const struct {
        const char16_t* typed;
        bool saved;
        const char16_t* message;
    } cases[] = {
        {u"", false, u"PIN은 4~8자리 숫자로 입력하세요!"},
        {u"123", false, u"PIN은 4~8자리 숫자로 입력하세요!"},
        {u"123456789", false, u"PIN은 4~8자리 숫자로 입력하세요!"},
        {u"7305", true, u"운영자 PIN을 저장했습니다."},
        {u"73051999", true, u"운영자 PIN을 저장했습니다."},
    };
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf16(c.typed);
        const SaveOutcome outcome = SaveFromSettings(typed);
        EXPECT_EQ(outcome.saved, c.saved) << typed.toStdString();
        EXPECT_EQ(outcome.message, QString::fromUtf16(c.message));
        EXPECT_EQ(Matches(outcome.stored, typed), c.saved);
        EXPECT_EQ(IsWellFormed(outcome.stored), c.saved) << "only ever a salted hash";
        if (!c.saved) {
            EXPECT_TRUE(outcome.stored.isEmpty());
        }
    }
}

using OperatorPinFile = SumbrelTest;

TEST_F(OperatorPinFile, LivesUnderSetOperatorPinOfTheConfigurationFile)
{
    EXPECT_TRUE(ReadStoredPin().isEmpty());
    const QString stored = HashPin(QStringLiteral("2468"));
    WriteStoredPin(stored);
    EXPECT_EQ(ReadIni(QStringLiteral("Set"), QStringLiteral("OperatorPin"), path(QStringLiteral("Mirdal.cfg"))),
              stored);
    EXPECT_TRUE(Matches(ReadStoredPin(), QStringLiteral("2468")));
    EXPECT_TRUE(read(QStringLiteral("Mirdal.cfg")).contains(QStringLiteral("\nOperatorPin=") + stored));
    WriteStoredPin(QString());
    EXPECT_FALSE(IsPinSet(ReadStoredPin()));
}

// NTP corrects a kiosk's clock while it runs: an hour back across midnight, then a day forward. The
// polls keep their 15 s and the entry panels their idle minute (they run on the monotonic clock),
// and each line goes to the file of the date the clock then shows.
#include "reception/reception_fixture.h"
#include "support/log_entries.h"

using namespace sumbrel;
using namespace sumbrel::testing;
using namespace Qt::StringLiterals;

namespace {

// A poll's one line in the "_WinHttp" file: the short line of an unchanged answer, or the request.
int PollLines(const QString& file)
{
    int n = 0;
    for (const QString& entry : LogFileEntries(file))
        n += entry.startsWith(u"TOLoad() ... "_s) && !entry.startsWith(u"TOLoad() ... ResponseStr:\r\n"_s);
    return n;
}

}  // namespace

TEST_F(ReceptionTest, ClockStepsKeepThePeriodsAndMoveTheLinesToTheNewDate)
{
    clock.reset();
    clock.emplace(QDateTime(QDate(2027, 1, 1), QTime(0, 30)));
    ReceptionScreen& s = open(Settings(u"Y"_s, u"Y"_s));
    s.show();
    const struct {
        const char* what;
        int64_t stepMs;
        QString date;
    } steps[] = {
        {"as booted", 0, u"270101"_s},
        {"an hour back", -3600 * 1000, u"261231"_s},
        {"a day forward", 24 * 3600 * 1000, u"270101"_s},
    };
    for (const auto& step : steps) {
        clock->stepWall(step.stepMs);
        settled(s);
        const QString http = path(step.date + u"_WinHttp.log"_s);
        const QString general = path(step.date + u".log"_s);
        const int pollsBefore = PollLines(http);
        const qsizetype idleBefore = LogFileEntries(general).filter(u"[frmMain→Timer_Idle]"_s).size();
        // The clock runs on half a second at a time, each poll answered before the next: a minute on
        // the start panel, then an entry panel left alone until it goes back to the start.
        int64_t backAt = -1;
        for (int64_t ms = 500; ms <= 122000 && backAt < 0; ms += 500) {
            if (ms == 60500) {
                EXPECT_EQ(PollLines(http) - pollsBefore, 4) << step.what;
                KeyOf(s, PanelKey::Takeout)->touch();
                ASSERT_EQ(s.path().currentPanel(), kPhonePanel) << step.what;
            }
            clock->advance(500);
            ASSERT_TRUE(QTest::qWaitFor([&] { return !s.polling(); }, 10000)) << step.what;
            if (ms > 60500 && s.path().currentPanel() == kStartPanel)
                backAt = ms - 60000;
        }
        EXPECT_GE(backAt, 60000) << step.what;
        EXPECT_LE(backAt, 60500) << step.what;
        EXPECT_EQ(LogFileEntries(general).filter(u"[frmMain→Timer_Idle]"_s).size() - idleBefore, 1) << step.what;
    }
    s.hide();
}

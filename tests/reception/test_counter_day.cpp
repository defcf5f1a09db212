// A short day at the counter through the real screens: every "접수 완료" is one stored order, no
// failure or uncertain outcome stores one, and nothing leaks; a day that crosses midnight keeps its
// figures and its logs roll over to the new day's files.
#include "reception/counter_day.h"
#include "support/shop_test.h"

#include <cstdio>

using namespace sumbrel;
using namespace sumbrel::testing;
using namespace Qt::StringLiterals;

class CounterDayTest : public ShopTest {
protected:
    DayFigures runDay(int customers, int polls, int warmUp)
    {
        shop->setSettings({{QStringLiteral("TOWhereYN"), QStringLiteral("Y")},
                           {QStringLiteral("TakeOutCarYN"), QStringLiteral("Y")},
                           {QStringLiteral("TOPayTypeS"), QStringLiteral("Y")}});
        setHttpLimits({1000, 300, 3, 1000, 2000});
        frmMain reception;
        frmMenuSelectMain page(&reception);
        reception.openMenuPage = [&page](cart::OrderCart& order) { page.open(order); };
        reception.show();
        CounterDay day(*shop, reception);
        const DayFigures f = day.run(customers, polls, warmUp);
        reception.hide();
        QStringList byDay;
        for (auto it = f.pollsByDay.begin(); it != f.pollsByDay.end(); ++it)
            byDay << it.key().toString(QStringLiteral("yyMMdd")) + u' ' + QString::number(it.value());
        std::printf("accepted %d (%d after a retry), refused %d, failed %d, unknown %d; stored %d; polls %d (%s); "
                    "resident %ld -> %ld kB; descriptors %lld -> %lld; %d customers before the clock's day changed, "
                    "clock ended %s\n",
                    f.accepted, f.retriedAndAccepted, f.refused, f.failed, f.unknown, f.storedOrders, f.polls,
                    byDay.join(QStringLiteral(", ")).toUtf8().constData(), f.rssStartKb, f.rssEndKb,
                    static_cast<long long>(f.fdsStart.size()), static_cast<long long>(f.fdsEnd.size()),
                    f.customersOnFirstDay, LocalNow().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8().constData());
        // What every day must keep, whatever the hour it starts at.
        EXPECT_EQ(f.acceptedNotStoredOnce, 0);
        EXPECT_EQ(f.storedWithoutAcceptance, 0);
        EXPECT_EQ(f.storedOrders, f.accepted);
        EXPECT_GE(f.polls, polls);
        EXPECT_EQ(f.fdsEnd.size(), f.fdsStart.size()) << f.fdsStart.join(u' ').toStdString() << "\n"
                                                      << f.fdsEnd.join(u' ').toStdString();
        int traced = 0;
        for (int n : f.pollsByDay)
            traced += n;
        EXPECT_EQ(traced, f.polls);
        EXPECT_EQ(f.misfiledLines, 0);
        EXPECT_EQ(f.doubledPollLines, 0);
        EXPECT_EQ(f.unpairedPollLines, 0);
        return f;
    }
};

TEST_F(CounterDayTest, EveryCompletionIsOneStoredOrderAndNothingElseIs)
{
    const DayFigures f = runDay(26, 120, 6);
    // Each way of ending was met: accepted, retried after a failure, refused, uncertain.
    EXPECT_GE(f.accepted, 20);
    EXPECT_GE(f.retriedAndAccepted, 2);
    EXPECT_EQ(f.refused, 1);
    EXPECT_GE(f.unknown, 1);
}

// Ten minutes before midnight on New Year's Eve: the polls go on into the new year, and every poll
// is traced once, in the file of the day its line carries.
TEST_F(CounterDayTest, ADayFromTenToMidnightKeepsItsFiguresAndSplitsItsLogsBetweenTheDays)
{
    clock.reset();
    clock.emplace(QDateTime(QDate(2026, 12, 31), QTime(23, 50)));
    const DayFigures f = runDay(16, 120, 3);
    EXPECT_GE(f.accepted, 12);
    EXPECT_GE(f.retriedAndAccepted, 1);
    EXPECT_EQ(f.pollsByDay.keys(), (QList<QDate>{QDate(2026, 12, 31), QDate(2027, 1, 1)}));
}

// Customers a few seconds apart on this clock while it passes midnight: the orders and the catalogue
// loads of both days are traced in their own day's files.
TEST_F(CounterDayTest, CustomersAcrossMidnightAreTracedInTheirOwnDaysFiles)
{
    clock.reset();
    clock.emplace(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 52)));
    const DayFigures f = runDay(8, 8, 2);
    EXPECT_GT(f.customersOnFirstDay, 0);
    EXPECT_LT(f.customersOnFirstDay, 8);
    for (const QString& channel : {QStringLiteral("_WinHttp"), QStringLiteral("_WinHttp_3")}) {
        EXPECT_FALSE(LogFileEntries(path(u"261231"_s + channel + u".log"_s)).isEmpty()) << channel.toStdString();
        EXPECT_FALSE(LogFileEntries(path(u"270101"_s + channel + u".log"_s)).isEmpty()) << channel.toStdString();
    }
}

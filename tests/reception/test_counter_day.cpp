// A short day at the counter through the real screens: every "접수 완료" is one stored order, no
// failure or uncertain outcome stores one, and nothing leaks.
#include "reception/counter_day.h"
#include "support/shop_test.h"

#include <cstdio>

using namespace sumbrel;
using namespace sumbrel::testing;

class CounterDayTest : public ShopTest { };

TEST_F(CounterDayTest, EveryCompletionIsOneStoredOrderAndNothingElseIs)
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
    const DayFigures f = day.run(26, 120, 6);
    std::printf("accepted %d (%d after a retry), refused %d, failed %d, unknown %d; stored %d; polls %d; "
                "resident %ld -> %ld kB; descriptors %lld -> %lld\n",
                f.accepted, f.retriedAndAccepted, f.refused, f.failed, f.unknown, f.storedOrders, f.polls,
                f.rssStartKb, f.rssEndKb, static_cast<long long>(f.fdsStart.size()),
                static_cast<long long>(f.fdsEnd.size()));
    EXPECT_EQ(f.acceptedNotStoredOnce, 0);
    EXPECT_EQ(f.storedWithoutAcceptance, 0);
    EXPECT_EQ(f.storedOrders, f.accepted);
    // Each way of ending was met: accepted, retried after a failure, refused, uncertain.
    EXPECT_GE(f.accepted, 20);
    EXPECT_GE(f.retriedAndAccepted, 2);
    EXPECT_EQ(f.refused, 1);
    EXPECT_GE(f.unknown, 1);
    EXPECT_GE(f.polls, 120);
    EXPECT_EQ(f.fdsEnd.size(), f.fdsStart.size()) << f.fdsStart.join(u' ').toStdString() << "\n"
                                                  << f.fdsEnd.join(u' ').toStdString();
    reception.hide();
}

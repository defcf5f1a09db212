// A day at the counter against the demo shop, with the clock's time scale: customers through the real
// screens while the waiting status is polled and the shop fails, stalls and recovers now and then.
//   bench_day [--customers N] [--polls N] [--start HH:MM]
// (defaults: 300 customers, 2000 polls, the screens' clock starting at the present time; with
// --start it starts today at that time, e.g. 23:50 for a day that crosses midnight).
// Prints the orders held against what the customers were shown, memory, descriptors, log sizes and
// the polls traced per day of the screens' clock.
#include "reception/counter_day.h"
#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/global_state.h"
#include "support/demo_shop.h"
#include "support/menu_link.h"
#include "support/shop_login.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

using namespace sumbrel;
using namespace sumbrel::testing;

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int customers = 300;
    int polls = 2000;
    QDateTime start = QDateTime::currentDateTime();
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--customers") == 0) {
            customers = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--polls") == 0) {
            polls = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--start") == 0) {
            const QTime at = QTime::fromString(QString::fromUtf8(argv[++i]), QStringLiteral("H:mm"));
            if (!at.isValid()) {
                std::fprintf(stderr, "--start takes HH:MM\n");
                return 2;
            }
            start = QDateTime(QDate::currentDate(), at);
        }
    }
    QTemporaryDir folder;
    gs().programFolder = folder.path();
    gs().menuImageFolder = folder.path() + QStringLiteral("/menu_img");
    DemoShop shop;
    const Session session = LogInTo(shop);
    shop.setSettings({{QStringLiteral("TOWhereYN"), QStringLiteral("Y")},
                      {QStringLiteral("TakeOutCarYN"), QStringLiteral("Y")},
                      {QStringLiteral("TOPayTypeS"), QStringLiteral("Y")}});
    setHttpLimits({1000, 300, 3, 1000, 2000});
    // The screens' timers and deadlines run from a clock the day moves on itself.
    ManualClock clock(start);
    ReceptionScreen reception(session);
    MenuPage page(session, &reception);
    sumbrel::testing::LinkMenuPage(reception, page);
    reception.show();
    CounterDay day(shop, reception);
    const DayFigures f = day.run(customers, polls, 10);
    std::printf("customers %d in %.0f s, waiting-status polls %d\n", f.customers, f.seconds, f.polls);
    std::printf("shown: 접수 완료 %d (of which %d after a retry), 접수 실패 (이미) %d, failed %d, uncertain %d\n",
                f.accepted, f.retriedAndAccepted, f.refused, f.failed, f.unknown);
    std::printf("stored orders %d; 접수 완료 not stored exactly once %d; stored without 접수 완료 %d\n", f.storedOrders,
                f.acceptedNotStoredOnce, f.storedWithoutAcceptance);
    std::printf("resident memory after 10 customers %.1f MB, at the end %.1f MB (growth %.1f MB)\n",
                f.rssStartKb / 1024.0, f.rssEndKb / 1024.0, (f.rssEndKb - f.rssStartKb) / 1024.0);
    std::printf("open descriptors after 10 customers %lld, at the end %lld\n",
                static_cast<long long>(f.fdsStart.size()), static_cast<long long>(f.fdsEnd.size()));
    std::printf("threads after 10 customers: %s; at the end: %s\n", f.threadsStart.join(u',').toUtf8().constData(),
                f.threadsEnd.join(u',').toUtf8().constData());
    if (f.fdsStart != f.fdsEnd)
        std::printf("  after 10: %s\n  at the end: %s\n", f.fdsStart.join(u' ').toUtf8().constData(),
                    f.fdsEnd.join(u' ').toUtf8().constData());
    std::printf("largest log file %.1f MB (cap 32 MB)\n", f.largestLogBytes / 1048576.0);
    std::printf("screens' clock from %s to %s; polls traced by day:",
                start.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toUtf8().constData(),
                LocalNow().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toUtf8().constData());
    for (auto it = f.pollsByDay.begin(); it != f.pollsByDay.end(); ++it)
        std::printf(" %s %d", it.key().toString(QStringLiteral("yyMMdd")).toUtf8().constData(), it.value());
    std::printf("\ncustomers who came before the clock's date changed %d of %d\n", f.customersOnFirstDay, f.customers);
    std::printf("log lines in another day's file %d, poll lines doubled %d, request lines in one log only %d\n",
                f.misfiledLines, f.doubledPollLines, f.unpairedPollLines);
    const bool ok = f.acceptedNotStoredOnce == 0 && f.storedWithoutAcceptance == 0
        && f.fdsEnd.size() == f.fdsStart.size() && f.rssEndKb - f.rssStartKb < 5 * 1024 && f.polls >= polls
        && f.misfiledLines == 0 && f.doubledPollLines == 0 && f.unpairedPollLines == 0;
    std::printf("%s\n", ok ? "day: ok" : "day: NOT OK");
    return ok ? 0 : 1;
}

// A day at the counter against the demo shop, with the clock's time scale: customers through the real
// screens while the waiting status is polled and the shop fails, stalls and recovers now and then.
//   bench_day [--customers N] [--polls N] [--start HH:MM] [--days N] [--cpu-share F]
// (defaults: 300 customers, 2000 polls, the screens' clock starting at the present time; with
// --start it starts today at that time, e.g. 23:50 for a day that crosses midnight). With --days,
// each day has 1,000 customers unless --customers says otherwise, and the night between two days
// passes on the screens' clock up to the next day's opening (08:00 unless --start says).
// --cpu-share F: the screens' side on F of one core once the demo shop runs (see cpu_share.h).
// Prints the orders held against what the customers were shown, memory, descriptors, log sizes and
// the polls traced per day of the screens' clock; with --days each day's figures and the week's.
#include "cpu_share.h"
#include "reception/counter_day.h"
#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/global_state.h"
#include "startup/startup.h"
#include "support/demo_shop.h"
#include "support/menu_link.h"
#include "support/shop_login.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

// Memory may grow while the first 100 customers warm the caches; after them at most 0.5 MB per
// 1,000 customers (and 0.5 MB in any case: the allocator's own noise).
constexpr int kWarmUp = 100;
long AllowedGrowthKb(int customersAfterWarmUp)
{
    return std::max(512L, 512L * customersAfterWarmUp / 1000);
}

QByteArray Text(const QStringList& list, char16_t separator = u',')
{
    return list.join(separator).toUtf8();
}

// One day's figures; whether its checks held.
bool PrintDay(const DayFigures& f, const QDateTime& start, int polls, long rssBaseKb, int customersAfterWarmUp)
{
    std::printf("customers %d in %.0f s, waiting-status polls %d\n", f.customers, f.seconds, f.polls);
    std::printf("shown: 접수 완료 %d (of which %d after a retry), 접수 실패 (이미) %d, failed %d, uncertain %d\n",
                f.accepted, f.retriedAndAccepted, f.refused, f.failed, f.unknown);
    std::printf("stored orders %d; 접수 완료 not stored exactly once %d; stored without 접수 완료 %d\n", f.storedOrders,
                f.acceptedNotStoredOnce, f.storedWithoutAcceptance);
    const long growthKb = f.rssEndKb - rssBaseKb;
    std::printf("anonymous resident memory after warm-up %.1f MB, at the end %.1f MB (growth %.2f MB over %d "
                "customers, allowed %.2f MB); of files this day %.1f -> %.1f MB\n",
                rssBaseKb / 1024.0, f.rssEndKb / 1024.0, growthKb / 1024.0, customersAfterWarmUp,
                AllowedGrowthKb(customersAfterWarmUp) / 1024.0, f.fileRssStartKb / 1024.0, f.fileRssEndKb / 1024.0);
    std::printf("open descriptors at the start %lld, at the end %lld\n", static_cast<long long>(f.fdsStart.size()),
                static_cast<long long>(f.fdsEnd.size()));
    std::printf("threads at the start: %s; at the end: %s\n", Text(f.threadsStart).constData(),
                Text(f.threadsEnd).constData());
    if (f.fdsStart != f.fdsEnd)
        std::printf("  at the start: %s\n  at the end: %s\n", Text(f.fdsStart, u' ').constData(),
                    Text(f.fdsEnd, u' ').constData());
    std::printf("largest log file %.1f MB (cap 32 MB)\n", f.largestLogBytes / 1048576.0);
    std::printf("screens' clock from %s to %s; polls traced by day:",
                start.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toUtf8().constData(),
                LocalNow().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toUtf8().constData());
    for (auto it = f.pollsByDay.begin(); it != f.pollsByDay.end(); ++it)
        std::printf(" %s %d", it.key().toString(QStringLiteral("yyMMdd")).toUtf8().constData(), it.value());
    std::printf("\ncustomers who came before the clock's date changed %d of %d\n", f.customersOnFirstDay, f.customers);
    std::printf("log lines in another day's file %d, poll lines doubled %d, request lines in one log only %d\n",
                f.misfiledLines, f.doubledPollLines, f.unpairedPollLines);
    for (const QString& line : f.stuck)
        std::printf("gave up: %s\n", line.toUtf8().constData());
    return f.acceptedNotStoredOnce == 0 && f.storedWithoutAcceptance == 0 && f.fdsEnd.size() == f.fdsStart.size()
        && growthKb <= AllowedGrowthKb(customersAfterWarmUp) && f.polls >= polls && f.misfiledLines == 0
        && f.doubledPollLines == 0 && f.unpairedPollLines == 0 && f.stuck.isEmpty();
}

}  // namespace

int main(int argc, char** argv)
{
    // As the terminal's own main does.
    LimitMallocArenas();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int customers = 0;
    int polls = 2000;
    int days = 0;
    QTime opening;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--customers") == 0) {
            customers = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--polls") == 0) {
            polls = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--days") == 0) {
            days = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--start") == 0) {
            opening = QTime::fromString(QString::fromUtf8(argv[++i]), QStringLiteral("H:mm"));
            if (!opening.isValid()) {
                std::fprintf(stderr, "--start takes HH:MM\n");
                return 2;
            }
        }
    }
    if (customers == 0)
        customers = days > 0 ? 1000 : 300;
    if (days > 0 && !opening.isValid())
        opening = QTime(8, 0);
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    gs().menuImageFolder = folder.path() + QStringLiteral("/menu_img");
    DemoShop shop;
    const Session session = LogInTo(shop);
    std::unique_ptr<bench::CpuShare> slowed;
    if (const std::optional<double> share = bench::CpuShareArgument(argc, argv))
        slowed = std::make_unique<bench::CpuShare>(*share);
    shop.setSettings({{QStringLiteral("TOWhereYN"), QStringLiteral("Y")},
                      {QStringLiteral("TakeOutCarYN"), QStringLiteral("Y")},
                      {QStringLiteral("TOPayTypeS"), QStringLiteral("Y")}});
    setHttpLimits({1000, 300, 3, 1000, 2000});
    // The screens' timers and deadlines run from a clock the day moves on itself.
    ManualClock clock(opening.isValid() ? QDateTime(QDate::currentDate(), opening) : QDateTime::currentDateTime());
    ReceptionScreen reception(session);
    menu::MenuTables tables;
    MenuPage page(session, tables, &reception);
    sumbrel::testing::LinkMenuPage(reception, page);
    reception.show();
    CounterDay day(shop, reception);
    const int warmUp = std::min(kWarmUp, customers / 10);
    if (days == 0) {
        const QDateTime start = LocalNow();
        const DayFigures f = day.run(customers, polls, warmUp);
        const bool ok = PrintDay(f, start, polls, f.rssStartKb, customers - warmUp);
        std::printf("%s\n", ok ? "day: ok" : "day: NOT OK");
        return ok ? 0 : 1;
    }
    bool weekOk = true;
    long rssBaseKb = 0;
    int served = 0;
    double seconds = 0;
    for (int d = 1; d <= days; ++d) {
        const QDateTime start = LocalNow();
        std::printf("== day %d of %d, %s\n", d, days,
                    start.toString(QStringLiteral("yyyy-MM-dd")).toUtf8().constData());
        // The week's memory is measured from the warm-up of its first day.
        const DayFigures f = day.run(customers, polls, d == 1 ? warmUp : 0);
        if (d == 1)
            rssBaseKb = f.rssStartKb;
        served += customers;
        seconds += f.seconds;
        const bool ok = PrintDay(f, start, polls, rssBaseKb, served - warmUp);
        std::printf("day %d: %s\n", d, ok ? "ok" : "NOT OK");
        weekOk = weekOk && ok;
        day.night(QDateTime(start.date().addDays(1), opening));
    }
    std::printf("week: %d customers in %.0f s, anonymous resident memory %.1f MB after warm-up, %.1f MB at the end\n",
                served, seconds, rssBaseKb / 1024.0, ResidentKb() / 1024.0);
    std::printf("%s\n", weekOk ? "week: ok" : "week: NOT OK");
    return weekOk ? 0 : 1;
}

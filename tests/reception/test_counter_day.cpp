// A short day at the counter through the real screens: every "접수 완료" is one stored order, no
// failure or uncertain outcome stores one, and nothing leaks; a day that crosses midnight keeps its
// figures and its logs roll over to the new day's files; the health file counts what the shop saw.
#include "kiosk/health_file.h"
#include "reception/counter_day.h"
#include "startup/health_metrics.h"
#include "support/menu_link.h"
#include "support/promtool.h"
#include "support/shop_test.h"

#include <QProcess>
#include <QStandardPaths>
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
        ReceptionScreen reception(session);
        menu::MenuTables tables;
        MenuPage page(session, tables, &reception);
        sumbrel::testing::LinkMenuPage(reception, page);
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
                    f.customersOnFirstDay,
                    LocalNow().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8().constData());
        // What every day must keep, whatever the hour it starts at.
        EXPECT_EQ(f.acceptedNotStoredOnce, 0);
        EXPECT_EQ(f.storedWithoutAcceptance, 0);
        EXPECT_EQ(f.storedOrders, f.accepted);
        // Every twelfth customer from the fourth meets a failed menu answer, is told so on the start
        // panel and starts again.
        const int menuFailures = customers > 3 ? (customers - 4) / 12 + 1 : 0;
        EXPECT_EQ(f.menuLoadsFailed, menuFailures);
        EXPECT_EQ(dialogs->texts().count(QString::fromUtf8(menu::kMenuLoadFailedText)), menuFailures);
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

namespace {

// The samples of a metrics file by name and labels, as written.
QMap<QString, double> Samples(const QByteArray& text)
{
    QMap<QString, double> samples;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype space = line.lastIndexOf(' ');
        if (!line.isEmpty() && !line.startsWith('#') && space > 0)
            samples.insert(QString::fromUtf8(line.left(space)), line.mid(space + 1).toDouble());
    }
    return samples;
}

}  // namespace

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

// The health file after a day at the counter holds what the shop's own journal shows: one line per
// request it was sent, with its status, or "closed" where it dropped the connection.
TEST_F(CounterDayTest, TheHealthFileCountsWhatTheShopJournaled)
{
    shop->setSettings({{QStringLiteral("TOWhereYN"), QStringLiteral("Y")},
                       {QStringLiteral("TakeOutCarYN"), QStringLiteral("Y")},
                       {QStringLiteral("TOPayTypeS"), QStringLiteral("Y")}});
    setHttpLimits({1000, 300, 3, 1000, 2000});
    health::Reset();
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    const QString file = path(QStringLiteral("sumbrel.prom"));
    kiosk::HealthFile healthFile(file);
    ReceptionScreen reception(session);
    menu::MenuTables tables;
    MenuPage page(session, tables, &reception);
    sumbrel::testing::LinkMenuPage(reception, page);
    reception.show();
    CounterDay day(*shop, reception);
    const DayFigures f = day.run(25, 30, 0);
    ASSERT_TRUE(healthFile.write());
    reception.hide();

    QMap<QString, int> journal;  // "path status" -> requests
    for (const QString& line : shop->logLines()) {
        const QStringList parts = line.split(u' ');
        journal[parts.value(1) + u' ' + parts.value(2)] += 1;
    }
    const QString order = QStringLiteral("/program/TOorderProgram2.php");
    const int stored = int(shop->orders().size());
    const QMap<QString, double> m = Samples(ReadFile(file));
    auto orders = [&](const char* outcome) {
        return m.value(QStringLiteral("sumbrel_orders_total{outcome=\"%1\"}").arg(QLatin1String(outcome)), -1);
    };
    EXPECT_EQ(orders("accepted"), stored);
    EXPECT_EQ(orders("refused"), journal.value(order + QStringLiteral(" 200")) - stored);
    EXPECT_EQ(orders("failed"), journal.value(order + QStringLiteral(" 500")));
    EXPECT_EQ(orders("unknown"), journal.value(order + QStringLiteral(" closed")));
    EXPECT_EQ(m.value(QStringLiteral("sumbrel_exchange_failures_total{request=\"order\",kind=\"status\"}")),
              journal.value(order + QStringLiteral(" 500")));
    EXPECT_EQ(m.value(QStringLiteral("sumbrel_exchange_failures_total{request=\"menu_page\",kind=\"status\"}")),
              journal.value(QStringLiteral("/shop/menuloading3.php 503")));
    // What the customers were shown agrees with both.
    EXPECT_EQ(orders("accepted"), f.accepted);
    EXPECT_EQ(orders("refused"), f.refused);
    EXPECT_EQ(orders("unknown"), f.unknown);
    EXPECT_EQ(orders("failed"), f.failed + f.retriedAndAccepted);
    // Each way of ending was met.
    EXPECT_GE(orders("accepted"), 20);
    EXPECT_GE(orders("failed"), 2);
    EXPECT_EQ(orders("refused"), 1);
    EXPECT_GE(orders("unknown"), 1);

    // Every poll of the day, each one exchange.
    const double succeeded = m.value(QStringLiteral("sumbrel_waiting_polls_total{result=\"succeeded\"}"));
    const double failed = m.value(QStringLiteral("sumbrel_waiting_polls_total{result=\"failed\"}"));
    EXPECT_EQ(succeeded + failed, f.polls);
    EXPECT_EQ(m.value(QStringLiteral("sumbrel_exchanges_total{request=\"poll\"}")), f.polls);
    EXPECT_GE(succeeded, 1);
    const double lastPoll = m.value(QStringLiteral("sumbrel_last_successful_poll_timestamp_seconds"));
    EXPECT_GE(lastPoll * 1000, started - 1);
    EXPECT_LE(lastPoll * 1000, QDateTime::currentMSecsSinceEpoch() + 1);
    std::printf("metrics: accepted %g, refused %g, failed %g, unknown %g; polls %g succeeded, %g failed\n",
                orders("accepted"), orders("refused"), orders("failed"), orders("unknown"), succeeded, failed);

    const PromtoolVerdict verdict = CheckWithPromtool(file);
    if (!verdict.ran)
        GTEST_SKIP() << "promtool is missing (Debian package prometheus, installed by scripts/setup.sh)";
    EXPECT_EQ(verdict.exitCode, 0) << verdict.said.toStdString();
    EXPECT_TRUE(verdict.said.isEmpty()) << verdict.said.toStdString();
}

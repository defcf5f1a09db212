// The health metrics: counts from many threads, the text format (checked by Prometheus' own promtool
// where it is installed) and the file replaced whole.
#include "startup/health_metrics.h"

#include "support/promtool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

using namespace sumbrel;
using namespace sumbrel::health;

namespace {

// A reading with every kind of sample in it, and a version that needs every escape.
Reading Busy()
{
    Reading r;
    r.orders = {21, 1, 3, 2};
    r.pollsSucceeded = 118;
    r.pollsFailed = 4;
    r.lastGoodPollMs = 1765300000123;
    r.exchanges[int(Request::Poll)] = 122;
    r.exchanges[int(Request::Order)] = 27;
    r.failures[int(Request::Poll)][int(Failure::Stalled)] = 3;
    r.failures[int(Request::Order)][int(Failure::Status)] = 3;
    r.failures[int(Request::MenuPage)][int(Failure::TooLarge)] = 1;
    r.startMs = 1765290000000;
    r.longestHoldMs = 2345;
    r.heldMs = 9876;
    r.voiceUsable = true;
    r.staffCalls = 5;
    r.version = QStringLiteral("1.0.0.0 #4 \"test\" \\ line\nnext");
    return r;
}

// The sample lines, without HELP and TYPE.
QStringList Samples(const QByteArray& text)
{
    QStringList lines;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty() && !line.startsWith('#'))
            lines << QString::fromUtf8(line);
    return lines;
}

}  // namespace

TEST(HealthMetrics, CountsFromManyThreadsAddUp)
{
    Reset();
    constexpr int kThreads = 4;
    constexpr int kEach = 5000;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t] {
            const RequestLabel label(t % 2 ? Request::Poll : Request::Settings);
            for (int i = 0; i < kEach; ++i) {
                CountOrder(Order(i % kOrders));
                CountPoll(i % 5 != 0);
                CountExchange(*RequestLabel::current(), i % 10 == 0 ? std::optional(Failure::Stalled) : std::nullopt);
            }
        });
    for (std::thread& t : threads)
        t.join();
    EXPECT_FALSE(RequestLabel::current()) << "a label lives on its own thread only";
    const Reading r = Read();
    for (int o = 0; o < kOrders; ++o)
        EXPECT_EQ(r.orders[o], uint64_t(kThreads * kEach / kOrders)) << Name(Order(o));
    EXPECT_EQ(r.pollsSucceeded, uint64_t(kThreads * kEach * 4 / 5));
    EXPECT_EQ(r.pollsFailed, uint64_t(kThreads * kEach / 5));
    EXPECT_GT(r.lastGoodPollMs, r.startMs - 1);
    EXPECT_EQ(r.exchanges[int(Request::Poll)], uint64_t(kThreads / 2 * kEach));
    EXPECT_EQ(r.exchanges[int(Request::Settings)], uint64_t(kThreads / 2 * kEach));
    EXPECT_EQ(r.failures[int(Request::Poll)][int(Failure::Stalled)], uint64_t(kThreads / 2 * kEach / 10));
    Reset();
    EXPECT_EQ(Read().orders[0], 0u);
}

TEST(HealthMetrics, RendersEachFigureOnceWithFixedLabels)
{
    const QStringList samples = Samples(Render(Busy()));
    const QStringList expected = {
        QStringLiteral("sumbrel_orders_total{outcome=\"accepted\"} 21"),
        QStringLiteral("sumbrel_orders_total{outcome=\"refused\"} 1"),
        QStringLiteral("sumbrel_orders_total{outcome=\"failed\"} 3"),
        QStringLiteral("sumbrel_orders_total{outcome=\"unknown\"} 2"),
        QStringLiteral("sumbrel_waiting_polls_total{result=\"succeeded\"} 118"),
        QStringLiteral("sumbrel_waiting_polls_total{result=\"failed\"} 4"),
        QStringLiteral("sumbrel_last_successful_poll_timestamp_seconds 1765300000.123"),
        QStringLiteral("sumbrel_exchanges_total{request=\"poll\"} 122"),
        QStringLiteral("sumbrel_exchanges_total{request=\"login\"} 0"),
        QStringLiteral("sumbrel_exchange_failures_total{request=\"poll\",kind=\"stalled\"} 3"),
        QStringLiteral("sumbrel_exchange_failures_total{request=\"order\",kind=\"status\"} 3"),
        QStringLiteral("sumbrel_exchange_failures_total{request=\"menu_page\",kind=\"too_large\"} 1"),
        QStringLiteral("sumbrel_screen_longest_hold_seconds 2.345"),
        QStringLiteral("sumbrel_screen_held_seconds_total 9.876"),
        QStringLiteral("sumbrel_voice_usable 1"),
        QStringLiteral("sumbrel_staff_calls_total 5"),
        QStringLiteral("sumbrel_start_time_seconds 1765290000.000"),
        QStringLiteral("sumbrel_build_info{version=\"1.0.0.0 #4 \\\"test\\\" \\\\ line\\nnext\"} 1"),
    };
    for (const QString& line : expected)
        EXPECT_EQ(samples.count(line), 1) << line.toStdString() << "\n" << samples.join(u'\n').toStdString();
    // Failures that did not happen are not listed; the rest of the table is complete.
    EXPECT_EQ(samples.filter(QStringLiteral("sumbrel_exchange_failures_total")).size(), 3);
    EXPECT_EQ(samples.filter(QStringLiteral("sumbrel_exchanges_total")).size(), kRequests);
}

TEST(HealthMetrics, EscapesLabelValuesAsTheFormatSays)
{
    const struct {
        const char16_t* value;
        const char16_t* written;
    } cases[] = {
        {u"plain 1.0", u"plain 1.0"},
        {u"a\"b", u"a\\\"b"},
        {u"a\\b", u"a\\\\b"},
        {u"a\nb", u"a\\nb"},
        {u"\\n", u"\\\\n"},  // a backslash before n stays two characters
        {u"한글", u"한글"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapeLabelValue(QString::fromUtf16(c.value)), QString::fromUtf16(c.written));
}

TEST(HealthMetrics, PromtoolAcceptsTheFile)
{
    QTemporaryDir dir;
    for (const Reading& reading : {Busy(), Reading{}}) {
        const QString file = dir.filePath(QStringLiteral("sumbrel.prom"));
        QString why;
        ASSERT_TRUE(ReplaceFile(file, Render(reading), &why)) << why.toStdString();
        const sumbrel::testing::PromtoolVerdict verdict = sumbrel::testing::CheckWithPromtool(file);
        if (!verdict.ran)
            GTEST_SKIP() << "promtool is missing (Debian package prometheus, installed by scripts/setup.sh)";
        // Exit 0 and no lint remark (names, units, HELP texts).
        EXPECT_EQ(verdict.exitCode, 0) << verdict.said.toStdString();
        EXPECT_TRUE(verdict.said.isEmpty()) << verdict.said.toStdString();
    }
}

TEST(HealthMetrics, TheFileIsReplacedWholeAndReadableByTheCollector)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sumbrel.prom"));
    QString why;
    ASSERT_TRUE(ReplaceFile(file, "first\n", &why));
    ASSERT_TRUE(ReplaceFile(file, "second\n", &why));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "second\n");
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    // Nothing left beside it for the collector to read half of.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("sumbrel.prom")});

    // A folder that is not there: refused with the system's reason, nothing thrown.
    why.clear();
    EXPECT_FALSE(ReplaceFile(dir.filePath(QStringLiteral("missing/sumbrel.prom")), "x\n", &why));
    EXPECT_FALSE(why.isEmpty());
}

// The health metrics file of a running terminal: where it lies, when it is written, and a folder it
// cannot be written to.
#include "access/speech.h"
#include "kiosk/health_file.h"
#include "startup/health_metrics.h"
#include "support/sumbrel_test.h"

#include <QCoreApplication>
#include <QDir>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

// A voice that can or cannot speak.
class Voice : public access::SpeechEngine {
public:
    explicit Voice(bool works)
        : m_works(works)
    {
    }
    void say(const QString&) override { }
    void setVolume(int) override { }
    bool works() const override { return m_works; }
    QString why() const override { return {}; }

private:
    bool m_works;
};

class HealthFileTest : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        health::Reset();
        gs().versionText = QStringLiteral("1.0.0.0 #4");
    }
    void TearDown() override
    {
        access::setSpeechEngine(nullptr);
        SumbrelTest::TearDown();
    }
    // The value of the sample line that starts with the text, or nothing.
    std::optional<QString> sample(const QString& file, const QString& start) const
    {
        for (const QString& line : QString::fromUtf8(ReadFile(file)).split(u'\n'))
            if (line.startsWith(start + u' '))
                return line.mid(start.size() + 1);
        return std::nullopt;
    }
};

}  // namespace

TEST_F(HealthFileTest, ThePathComesFromTheCommandLineElseTheConfiguration)
{
    EXPECT_EQ(kiosk::MetricsFilePath({}), QString());
    write(QStringLiteral("Mirdal.cfg"), "[Set]\nMetricsFile=metrics/sumbrel.prom\n");
    EXPECT_EQ(kiosk::MetricsFilePath({}), path(QStringLiteral("metrics/sumbrel.prom")));
    EXPECT_EQ(kiosk::MetricsFilePath(QStringLiteral("/var/lib/x/k.prom")), QStringLiteral("/var/lib/x/k.prom"));
    write(QStringLiteral("Mirdal.cfg"), "[Set]\nMetricsFile=\n");
    EXPECT_EQ(kiosk::MetricsFilePath({}), QString());
    EXPECT_EQ(kiosk::StartHealthFile({}), nullptr) << "no path, no file";
}

TEST_F(HealthFileTest, WrittenAtStartAfterEachOrderAndEveryFifteenSeconds)
{
    const QString file = path(QStringLiteral("sumbrel.prom"));
    Voice voice(true);
    access::setSpeechEngine(&voice);
    kiosk::HealthFile writer(file);
    EXPECT_EQ(sample(file, QStringLiteral("sumbrel_build_info{version=\"1.0.0.0 #4\"}")), QStringLiteral("1"));
    EXPECT_EQ(sample(file, QStringLiteral("sumbrel_voice_usable")), QStringLiteral("1"));
    EXPECT_EQ(sample(file, QStringLiteral("sumbrel_orders_total{outcome=\"accepted\"}")), QStringLiteral("0"));

    // An order: written as soon as the screen's thread is free again, without waiting for the period.
    health::CountOrder(health::Order::Accepted);
    QCoreApplication::processEvents();
    EXPECT_EQ(sample(file, QStringLiteral("sumbrel_orders_total{outcome=\"accepted\"}")), QStringLiteral("1"));

    // A poll is not written before the period is up.
    health::CountPoll(true);
    access::setSpeechEngine(nullptr);
    clock->advance(kiosk::HealthFile::kPeriodMs - 1);
    EXPECT_EQ(sample(file, QStringLiteral("sumbrel_waiting_polls_total{result=\"succeeded\"}")), QStringLiteral("0"));
    clock->advance(1);
    EXPECT_EQ(sample(file, QStringLiteral("sumbrel_waiting_polls_total{result=\"succeeded\"}")), QStringLiteral("1"));
    EXPECT_EQ(sample(file, QStringLiteral("sumbrel_voice_usable")), QStringLiteral("0")) << "no engine, no voice";
}

TEST_F(HealthFileTest, AFileThatCannotBeWrittenIsTracedOnceAndNothingStops)
{
    const QString file = path(QStringLiteral("missing/sumbrel.prom"));
    {
        kiosk::HealthFile writer(file);
        for (int i = 0; i < 3; ++i)
            clock->advance(kiosk::HealthFile::kPeriodMs);
        health::CountOrder(health::Order::Failed);
        QCoreApplication::processEvents();
        EXPECT_FALSE(writer.write());
        const QStringList failed = logEntries().filter(QStringLiteral("Metrics ... "));
        ASSERT_EQ(failed.size(), 1) << failed.join(u'|').toStdString();
        EXPECT_TRUE(failed[0].startsWith(QStringLiteral("Metrics ... 상태 지표 파일을 쓰지 못함: ") + file));

        // The folder appears: written again, and the log says so once.
        ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("missing"))));
        clock->advance(kiosk::HealthFile::kPeriodMs);
        clock->advance(kiosk::HealthFile::kPeriodMs);
        EXPECT_EQ(sample(file, QStringLiteral("sumbrel_orders_total{outcome=\"failed\"}")), QStringLiteral("1"));
        EXPECT_EQ(logEntries().filter(QStringLiteral("Metrics ... ")).size(), 2);
    }
    // Gone with its writer: an order afterwards calls nobody.
    health::CountOrder(health::Order::Accepted);
    QCoreApplication::processEvents();
    EXPECT_EQ(sample(file, QStringLiteral("sumbrel_orders_total{outcome=\"accepted\"}")), QStringLiteral("0"));
}

#pragma once
// A temporary program folder per test, short HTTP limits, and the day's log entries of a channel.
#include "server/http_client.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"
#include "support/log_entries.h"
#include "support/qstring_print.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumbrel::testing {

class ServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_saved = gs();
        gs().programFolder = m_dir.path();
        m_savedLimits = httpLimits();
        setHttpLimits(HttpLimits{kShortMs, kShortMs, 3});
    }
    void TearDown() override
    {
        setHttpLimits(m_savedLimits);
        gs() = m_saved;
    }

    // The messages of the day's log file of the channel, one per WriteLog call.
    QStringList logEntries(const QString& channel) const
    {
        bool everyEnded = true;
        const QStringList entries = LogEntries(channel, &everyEnded);
        EXPECT_TRUE(everyEnded) << entries.join(QStringLiteral(" | ")).toStdString();
        return entries;
    }

    static constexpr int kShortMs = 300;
    QTemporaryDir m_dir;
    GlobalState m_saved;
    HttpLimits m_savedLimits;
};

}  // namespace sumbrel::testing

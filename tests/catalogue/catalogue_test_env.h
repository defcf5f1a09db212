#pragma once
// A temporary program folder per test, and the day's log entries of a channel.
#include "server/http_client.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"
#include "support/log_entries.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace sumbrel::testing {

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_saved = gs();
        gs() = GlobalState{};
        gs().programFolder = m_dir.path();
        gs().menuImageFolder = m_dir.path() + QStringLiteral("/menu_img");
        m_savedLimits = httpLimits();
        setHttpLimits(HttpLimits{2000, 2000, 3});
    }
    void TearDown() override
    {
        setHttpLimits(m_savedLimits);
        gs() = m_saved;
    }

    // The messages of the day's log file of the channel, one per WriteLog call.
    QStringList logEntries(const QString& channel = QString()) const { return LogEntries(channel); }

    QTemporaryDir m_dir;
    GlobalState m_saved;
    HttpLimits m_savedLimits;
};

}  // namespace sumbrel::testing

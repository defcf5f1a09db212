#pragma once
// A temporary program folder per test, short HTTP limits, and the day's log entries of a channel.
#include "global_state.h"
#include "http_client.h"
#include "qstring_print.h"
#include "trace_log.h"

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
        setHttpLimits(HttpLimits {kShortMs, kShortMs, 3});
    }
    void TearDown() override
    {
        setHttpLimits(m_savedLimits);
        gs() = m_saved;
    }

    // The messages of the day's log file of the channel, one per WriteLog call.
    QStringList logEntries(const QString& channel) const
    {
        QFile file(programPath(LogFileName(QDateTime::currentDateTime(), channel)));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QString text = QString::fromUtf8(file.readAll());
        static const QRegularExpression prefix(QStringLiteral("^\\[\\d{6}-\\d{6}\\.\\d{3}\\]"),
                                               QRegularExpression::MultilineOption);
        QStringList entries;
        qsizetype last = -1;
        qsizetype lastLen = 0;
        auto it = prefix.globalMatch(text);
        while (it.hasNext()) {
            const auto m = it.next();
            if (last >= 0)
                entries.append(text.mid(last + lastLen, m.capturedStart() - last - lastLen));
            last = m.capturedStart();
            lastLen = m.capturedLength();
        }
        if (last >= 0)
            entries.append(text.mid(last + lastLen));
        for (QString& e : entries) {
            EXPECT_TRUE(e.endsWith(QStringLiteral("\r\n"))) << e.toStdString();
            e.chop(2);
        }
        return entries;
    }

    static constexpr int kShortMs = 300;
    QTemporaryDir m_dir;
    GlobalState m_saved;
    HttpLimits m_savedLimits;
};

} // namespace sumbrel::testing

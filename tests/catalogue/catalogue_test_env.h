#pragma once
// A temporary program folder per test, and the day's log entries of a channel.
#include "global_state.h"
#include "http_client.h"
#include "trace_log.h"

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
        gs() = GlobalState {};
        gs().programFolder = m_dir.path();
        gs().menuImageFolder = m_dir.path() + QStringLiteral("/menu_img");
        m_savedLimits = httpLimits();
        setHttpLimits(HttpLimits {2000, 2000, 3});
    }
    void TearDown() override
    {
        setHttpLimits(m_savedLimits);
        gs() = m_saved;
    }

    // The messages of the day's log file of the channel, one per WriteLog call.
    QStringList logEntries(const QString& channel = QString()) const
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
        for (QString& e : entries)
            if (e.endsWith(QStringLiteral("\r\n")))
                e.chop(2);
        return entries;
    }

    QTemporaryDir m_dir;
    GlobalState m_saved;
    HttpLimits m_savedLimits;
};

} // namespace sumbrel::testing

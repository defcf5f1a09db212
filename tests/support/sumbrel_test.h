#pragma once
// The one fixture for the process-wide state: a fresh temporary program folder, a fresh GlobalState
// pointing into it, short HTTP limits, a fast clock and a recording dialog seam. Everything is
// restored after the test, so no test sees another's state.
#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/global_state.h"
#include "support/log_entries.h"
#include "support/qstring_print.h"
#include "support/recording_dialogs.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace sumbrel::testing {

class SumbrelTest : public ::testing::Test {
protected:
    // Short enough that a dead service costs little, long enough for a loaded machine.
    static constexpr HttpLimits kTestLimits{2000, 2000, 3};

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        m_savedState = gs();
        m_savedLimits = httpLimits();
        m_savedScale = timeScale();
        gs() = GlobalState{};
        gs().programFolder = folder.path();
        gs().skinFolder = path(QStringLiteral("skin2"));
        gs().menuImageFolder = path(QStringLiteral("menu_img"));
        gs().executableName = QStringLiteral("test");
        setHttpLimits(kTestLimits);
        dialogs = std::make_unique<RecordingDialogs>();
    }
    void TearDown() override
    {
        dialogs.reset();
        setTimeScale(m_savedScale);
        setHttpLimits(m_savedLimits);
        gs() = m_savedState;
    }

    QString path(const QString& name) const { return folder.path() + u'/' + name; }
    QString read(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The messages of today's log of the channel, one per WriteLog call.
    static QStringList logEntries(const QString& channel = QString()) { return LogEntries(channel); }
    // The whole text of today's log of the channel.
    static QString logText(const QString& channel = QString())
    {
        return LogEntries(channel).join(QStringLiteral("\r\n"));
    }

    QTemporaryDir folder;
    std::unique_ptr<RecordingDialogs> dialogs;

private:
    GlobalState m_savedState;
    HttpLimits m_savedLimits;
    double m_savedScale = 1.0;
};

}  // namespace sumbrel::testing

#pragma once
// The one fixture for what start-up fixes in a program: a fresh temporary program folder and start-up
// values pointing into it, short HTTP limits, the HTTP client's defaults otherwise, a per-test store
// of the remembered login, a manual clock the test advances (every screen timer runs from it) and a
// recording dialog seam. Each test starts from these, whatever ran before it.
#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/global_state.h"
#include "support/log_entries.h"
#include "support/qstring_print.h"
#include "support/recording_dialogs.h"

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace sumbrel::testing {

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class SumbrelTest : public ::testing::Test {
protected:
    // Short enough that a dead service costs little, long enough for a loaded machine.
    static constexpr HttpLimits kTestLimits{2000, 2000, 3};

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        gs() = GlobalState{};
        SetProgramFolder(folder.path());
        gs().skinFolder = path(QStringLiteral("skin2"));
        gs().menuImageFolder = path(QStringLiteral("menu_img"));
        gs().executableName = QStringLiteral("test");
        setHttpLimits(kTestLimits);
        setFormCharset({});
        setCaFile({});
        setTimeScale(1.0);
        // The remembered login of this test only, never the machine's.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path(QStringLiteral("config")));
        dialogs = std::make_unique<RecordingDialogs>();
        clock.emplace();
    }
    void TearDown() override
    {
        clock.reset();
        dialogs.reset();
    }

    QString path(const QString& name) const { return folder.path() + u'/' + name; }
    QString read(const QString& name) const { return QString::fromUtf8(ReadFile(path(name))); }
    void write(const QString& name, const QByteArray& bytes) const { WriteFile(path(name), bytes); }
    // The messages of today's log of the channel, one per WriteLog call; each must have closed
    // with CR LF.
    static QStringList logEntries(const QString& channel = QString())
    {
        bool everyEnded = true;
        const QStringList entries = LogEntries(channel, &everyEnded);
        EXPECT_TRUE(everyEnded) << entries.join(QStringLiteral(" | ")).toStdString();
        return entries;
    }
    // The whole text of today's log of the channel.
    static QString logText(const QString& channel = QString())
    {
        return logEntries(channel).join(QStringLiteral("\r\n"));
    }

    QTemporaryDir folder;
    std::unique_ptr<RecordingDialogs> dialogs;
    // The clock of the screens' timers and deadlines; reset() it for a test of the system's clock.
    std::optional<ManualClock> clock;
};

}  // namespace sumbrel::testing

#pragma once
// The messages of the log files of a channel, one per WriteLog call, without their time prefix and
// closing CR LF.
#include "startup/clock.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace sumbrel::testing {

// The dates the terminal's clock has shown: from the installed manual clock's start to now (only
// today without one). Log files are named by this clock, never by the machine's date, so a test
// that starts before midnight finds its lines in the files of both days.
inline QList<QDate> ClockDates()
{
    const QDateTime now = LocalNow();
    QDate day = now.date();
    if (const ManualClock* clock = ManualClock::installed())
        day = now.addMSecs(-clock->elapsedMs()).date();
    QList<QDate> dates;
    for (; day <= now.date(); day = day.addDays(1))
        dates << day;
    return dates;
}

// The entries of one file, in the order written. everyEnded, when given, is cleared when an entry
// did not close with CR LF.
inline QStringList LogFileEntries(const QString& path, bool* everyEnded = nullptr)
{
    QFile file(path);
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
        if (e.endsWith(QStringLiteral("\r\n")))
            e.chop(2);
        else if (everyEnded)
            *everyEnded = false;
    }
    return entries;
}

// The channel's entries of every date of the clock, oldest file first. everyEnded, when given,
// tells whether every entry closed with CR LF.
inline QStringList LogEntries(const QString& channel, bool* everyEnded = nullptr)
{
    if (everyEnded)
        *everyEnded = true;
    QStringList entries;
    for (const QDate& day : ClockDates())
        entries += LogFileEntries(programPath(LogFileName(day.startOfDay(), channel)), everyEnded);
    return entries;
}

}  // namespace sumbrel::testing

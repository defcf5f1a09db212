#pragma once
// The messages of the day's log file of a channel, one per WriteLog call, without their time
// prefix and closing CR LF.
#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace sumbrel::testing {

// everyEnded, when given, tells whether every entry closed with CR LF.
inline QStringList LogEntries(const QString& channel, bool* everyEnded = nullptr)
{
    if (everyEnded)
        *everyEnded = true;
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
        if (e.endsWith(QStringLiteral("\r\n")))
            e.chop(2);
        else if (everyEnded)
            *everyEnded = false;
    }
    return entries;
}

}  // namespace sumbrel::testing

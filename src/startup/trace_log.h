#pragma once
// Daily trace files per channel, and the one way every procedure traces a caught failure.
#include <QDateTime>
#include <QString>
#include <exception>

namespace sumbrel {

// What went wrong in an operation that can fail, as its trace line tells it: a number and a text.
struct Fault {
    long number = 0;
    QString description;
};

// Common fault numbers.
enum FaultNo : long {
    kObjectNotSet = 91,
    kSubscriptOutOfRange = 9,
    kFileNotFound = 53,
    kPermissionDenied = 70,
    kPathNotFound = 76,
    kPictureLoad = 999,
};

// Appends one line to <program folder>/<yyMMdd><channel>.log; never throws. A new file is readable by
// its owner only. A file stops at kLogFileLimit with one closing line (kLogFullText): nothing more
// goes to that channel that day. The first line of a new date in a run trims the old files.
void WriteLog(const QString& message, const QString& channel = QString());
inline constexpr qint64 kLogFileLimit = 32LL * 1024 * 1024;
inline constexpr auto kLogFullText = u"log file reached 32 MB: nothing more is written to it today";

// The texts, for tests and for callers that compose without writing.
QString LogLine(const QDateTime& at, const QString& message);
QString LogFileName(const QDateTime& at, const QString& channel);
// What never reaches a log file in clear: passwords ("PassWord=***") and customers' phone numbers
// (the first 3 and last 4 digits kept: "phonet=010****5678").
QString RedactPasswords(const QString& message);

// A failure's trace line: "e)" + module + "->" + procedure + "[Erl:=" line ", Eno:=" number "]" CR LF
// "   " + description. The module and procedure are the names the shop's support reads in the logs.
QString ErrorTraceText(const QString& module, const QString& procedure, int line, long number,
                       const QString& description);
// Writes that line on the channel.
void TraceFault(const QString& module, const QString& procedure, int line, const Fault& fault,
                const QString& channel = QString());
// What an exception caught at a thread's or the event loop's edge was.
Fault FaultOf(std::exception_ptr e);

// Keeps the newest 21 files of the pattern ("?" = one character) in the program folder.
bool TrimLogPattern(const QString& pattern);
inline constexpr int kLogFilesKept = 21;
// The housekeeping of every log file name, old channels' included: TrimLogPattern for each pattern,
// then whole days, the oldest date first, until the log files together take at most kLogFolderLimit
// (the newest date is never removed). Dates are those of the names, whatever order the files were
// written in: a clock set back writes an older day's file last. Run at start-up and when the date
// changes during a run.
void TrimLogFiles();
inline constexpr qint64 kLogFolderLimit = 256LL * 1024 * 1024;

}  // namespace sumbrel

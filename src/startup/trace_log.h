#pragma once
// Daily trace files per channel, and the one way every procedure traces a caught failure.
#include <QDateTime>
#include <QString>
#include <exception>
#include <stdexcept>

namespace sumbrel {

// A failure with the number and text that the trace shows.
class Failure : public std::runtime_error {
public:
    Failure(long number, const QString& description);
    long number() const { return m_number; }
    QString description() const { return QString::fromUtf8(what()); }

private:
    long m_number;
};

// Common failure numbers.
enum FailureNo : long {
    kSubscriptOutOfRange = 9,
    kFileNotFound = 53,
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

QString ErrorTraceText(const QString& module, const QString& procedure, int line, long number,
                       const QString& description);

// number/description of any caught exception.
void DescribeException(std::exception_ptr e, long& number, QString& description);

// A procedure's failure handler. A step that throws is traced (unless silent) and skipped;
// run() tells the caller whether to continue (resumeAfterError) or to leave the procedure.
class Procedure {
public:
    Procedure(QString module, QString procedure, QString channel = QString());
    static Procedure silent();

    template <typename F>
    bool run(int line, F&& step)
    {
        try {
            step();
            return true;
        } catch (...) {
            return caught(line, std::current_exception());
        }
    }
    bool caught(int line, std::exception_ptr e);
    bool failed() const { return m_failed; }

private:
    QString m_module;
    QString m_procedure;
    QString m_channel;
    bool m_silent = false;
    bool m_failed = false;
};

// Runs one statement under the procedure's handler; leaves the procedure when it must.
#define SUMBREL_STEP(proc, ...) \
    do { \
        if (!(proc).run(__LINE__, [&]() { __VA_ARGS__; })) \
            return; \
    } while (false)
#define SUMBREL_STEP_OR(proc, result, ...) \
    do { \
        if (!(proc).run(__LINE__, [&]() { __VA_ARGS__; })) \
            return (result); \
    } while (false)

// Keeps the newest 21 files of the pattern ("?" = one character) in the program folder.
bool TrimLogPattern(const QString& pattern);
inline constexpr int kLogFilesKept = 21;
// The housekeeping of every log file name, old channels' included: TrimLogPattern for each pattern.
// Run at start-up and when the date changes during a run.
void TrimLogFiles();

}  // namespace sumbrel

#include "startup/trace_log.h"

#include "startup/clock.h"
#include "startup/dialogs.h"
#include "startup/global_state.h"
#include "startup/utilities.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace sumbrel {

QString LogFileName(const QDateTime& at, const QString& channel)
{
    return at.toString(QStringLiteral("yyMMdd")) + channel + QStringLiteral(".log");
}

QString LogLine(const QDateTime& at, const QString& message)
{
    return u'[' + at.toString(QStringLiteral("yyMMdd-HHmmss.zzz")) + u']' + message + QStringLiteral("\r\n");
}

namespace {

// Every value of the form field `key` (up to "&" or the line's end) replaced by what mask makes of it.
QString MaskField(const QString& message, const QString& key, QString (*mask)(QStringView))
{
    if (!message.contains(key))
        return message;
    QString out;
    out.reserve(message.size());
    qsizetype pos = 0;
    while (true) {
        const qsizetype at = message.indexOf(key, pos);
        if (at < 0) {
            out += QStringView(message).mid(pos);
            break;
        }
        out += QStringView(message).mid(pos, at - pos + key.size());
        qsizetype end = at + key.size();
        while (end < message.size() && message[end] != u'&' && message[end] != u'\r' && message[end] != u'\n')
            ++end;
        out += mask(QStringView(message).mid(at + key.size(), end - at - key.size()));
        pos = end;
    }
    return out;
}

QString MaskPassword(QStringView)
{
    return QStringLiteral("***");
}

// Enough to tell two orders apart in a trace, not enough to call the customer.
QString MaskPhone(QStringView phone)
{
    if (phone.size() < 8)
        return QString(phone.size(), u'*');
    return phone.left(3).toString() + QString(phone.size() - 7, u'*') + phone.right(4).toString();
}

}  // namespace

QString RedactPasswords(const QString& message)
{
    return MaskField(MaskField(message, QStringLiteral("PassWord="), MaskPassword), QStringLiteral("phonet="),
                     MaskPhone);
}

namespace {

void WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            break;
        }
        done += n;
    }
}

// The file of size `size` already ends with the closing line (of this run or an earlier one).
bool EndsWith(int fd, qint64 size, const QByteArray& tail)
{
    if (size < tail.size())
        return false;
    QByteArray last(tail.size(), Qt::Uninitialized);
    return ::pread(fd, last.data(), size_t(last.size()), off_t(size - tail.size())) == last.size() && last == tail;
}

// One writer at a time: an exchange traces from its own thread while the screens trace from theirs,
// so the date check, the size check and the append of a line are one step. Recursive: the
// housekeeping that a new date starts traces its own failures through here.
std::recursive_mutex g_writing;
// The date of the run's last line: a line of another date trims the old files first.
QDate g_lastLogDate;

// Appends the line; false when no descriptor could be had for the file.
bool AppendLine(const QString& message, const QString& channel)
{
    const std::lock_guard<std::recursive_mutex> lock(g_writing);
    // One reading of the clock for both the file's date and the line's time, under the lock, so
    // each file's lines stand in the order of their times.
    const QDateTime now = LocalNow();
    if (now.date() != g_lastLogDate) {
        const bool changed = g_lastLogDate.isValid();
        g_lastLogDate = now.date();  // set first: the housekeeping's own traces come back here
        if (changed)
            TrimLogFiles();
    }
    const QString path = programPath(LogFileName(now, channel));
    const QByteArray bytes = LogLine(now, RedactPasswords(message)).toUtf8();
    const QByteArray closing = LogLine(now, QString::fromUtf16(kLogFullText)).toUtf8();
    static const QByteArray fullTail = (QString::fromUtf16(kLogFullText) + QStringLiteral("\r\n")).toUtf8();
    const QByteArray native = QFile::encodeName(path);
    // Owner only: the lines name the shop's requests and answers. Read too, for the closing line.
    const int fd = ::open(native.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno != EMFILE && errno != ENFILE;
    struct stat st { };
    const qint64 size = ::fstat(fd, &st) == 0 ? qint64(st.st_size) : 0;
    if (EndsWith(fd, size, fullTail)) {
        // Full for today: the line is dropped.
    } else if (size + bytes.size() + closing.size() > kLogFileLimit) {
        WriteAll(fd, closing);  // every line before left room for it
    } else {
        WriteAll(fd, bytes);
    }
    ::close(fd);
    return true;
}

}  // namespace

void WriteLog(const QString& message, const QString& channel)
{
    // The box outside the lock: it waits for a person, and other threads' lines must not.
    if (!AppendLine(message, channel))
        MessageBox(QStringLiteral("파일을 열기 위한 번호를 취득할 수 없습니다."), MessageIcon::Critical);
}

QString ErrorTraceText(const QString& module, const QString& procedure, int line, long number,
                       const QString& description)
{
    return QStringLiteral("e)") + module + QStringLiteral("->") + procedure + QStringLiteral("[Erl:=")
        + QString::number(line) + QStringLiteral(", Eno:=") + QString::number(number) + QStringLiteral("]\r\n   ")
        + description;
}

void TraceFault(const QString& module, const QString& procedure, int line, const Fault& fault, const QString& channel)
{
    WriteLog(ErrorTraceText(module, procedure, line, fault.number, fault.description), channel);
}

Fault FaultOf(std::exception_ptr e)
{
    try {
        std::rethrow_exception(e);
    } catch (const std::bad_alloc&) {
        return {7, QStringLiteral("Out of memory")};
    } catch (const std::out_of_range& x) {
        return {kSubscriptOutOfRange, QStringLiteral("Subscript out of range (") + QString::fromUtf8(x.what()) + u')'};
    } catch (const std::exception& x) {
        return {5, QString::fromUtf8(x.what())};
    } catch (...) {
        return {5, QStringLiteral("Unknown failure")};
    }
}

namespace {

constexpr const char16_t* kLogPatterns[] = {u"??????.log",           u"??????_XmlHttp.log",   u"??????_WinHttp.log",
                                            u"??????_WinHttp_1.log", u"??????_WinHttp_2.log", u"??????_WinHttp_3.log",
                                            u"??????_WinHttp_4.log"};

QStringList LogNames(const QStringList& patterns)
{
    return QDir(ProgramFolder())
        .entryList(patterns, QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive, QDir::NoSort);
}

void RemoveLog(const QString& name)
{
    const QString path = programPath(name);
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
    if (!file.remove())
        TraceFault(QStringLiteral("lib_misc"), QStringLiteral("로그_파일_삭제"), __LINE__,
                   {kPermissionDenied, QStringLiteral("Permission denied: ") + path});
}

// Whole days go, the oldest first, while the files together exceed the folder's bound.
void TrimLogFolder()
{
    QStringList patterns;
    for (const char16_t* pattern : kLogPatterns)
        patterns << QString::fromUtf16(pattern);
    QMap<QString, QStringList> byDate;  // yyMMdd, ascending
    QMap<QString, qint64> bytesOfDate;
    qint64 total = 0;
    for (const QString& name : LogNames(patterns)) {
        const qint64 size = QFileInfo(programPath(name)).size();
        byDate[name.left(6)] << name;
        bytesOfDate[name.left(6)] += size;
        total += size;
    }
    for (auto day = byDate.cbegin(); total > kLogFolderLimit && std::next(day) != byDate.cend(); ++day) {
        for (const QString& name : day.value())
            RemoveLog(name);
        total -= bytesOfDate.value(day.key());
    }
}

}  // namespace

void TrimLogFiles()
{
    for (const char16_t* pattern : kLogPatterns)
        TrimLogPattern(QString::fromUtf16(pattern));
    TrimLogFolder();
}

bool TrimLogPattern(const QString& pattern)
{
    QStringList names = LogNames({pattern});
    if (names.size() <= kLogFilesKept)
        return true;
    // By the date in the name, not by when the file was last written.
    QuickSort(names);
    const qsizetype excess = names.size() - kLogFilesKept;
    for (qsizetype i = 0; i < excess; ++i)
        RemoveLog(names[i]);
    return true;
}

}  // namespace sumbrel

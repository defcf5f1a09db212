#include "startup/processes.h"

#include "startup/files.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <ctime>
#include <sys/types.h>

namespace sumbrel {

namespace {

QString programName(const QString& name)
{
    QString n = name.trimmed().toLower();
    if (n.endsWith(QStringLiteral(".exe")))
        n.chop(4);
    return n;
}

QByteArray readProc(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool isZombie(const QString& pidDir)
{
    const QByteArray stat = readProc(pidDir + QStringLiteral("/stat"));
    const qsizetype close = stat.lastIndexOf(')');
    return close > 0 && close + 2 < stat.size() && (stat[close + 2] == 'Z' || stat[close + 2] == 'X');
}

// Names under which a process may be known: its executable's file name, its command name (for a
// script started directly the kernel names it after the script file) and the file name of its own
// first word. Never a later argument: "cat Dorvane.exe" is not the call display.
QStringList namesOf(const QString& pidDir)
{
    QStringList names;
    const QString exe = QFileInfo(pidDir + QStringLiteral("/exe")).symLinkTarget();
    if (!exe.isEmpty())
        names << QFileInfo(exe).fileName();
    QByteArray comm = readProc(pidDir + QStringLiteral("/comm"));
    const qsizetype nul = comm.indexOf('\0');
    if (nul >= 0)
        comm.truncate(nul);
    names << QString::fromUtf8(comm).trimmed();
    const QList<QByteArray> args = readProc(pidDir + QStringLiteral("/cmdline")).split('\0');
    if (!args.isEmpty() && !args[0].isEmpty())
        names << QFileInfo(QString::fromUtf8(args[0])).fileName();
    return names;
}

}  // namespace

long FindProcess(const QString& exeName)
{
    const QString wanted = programName(exeName);
    const QStringList entries
        = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    long best = 0;
    for (const QString& e : entries) {
        bool ok = false;
        const long pid = e.toLong(&ok);
        if (!ok || pid <= 0 || pid == long(::getpid()))
            continue;
        const QString dir = QStringLiteral("/proc/") + e;
        if (isZombie(dir))
            continue;
        for (const QString& n : namesOf(dir)) {
            if (programName(n) == wanted) {
                if (best == 0 || pid < best)
                    best = pid;
                break;
            }
        }
    }
    return best;
}

void KillProcess(long pid)
{
    if (pid <= 0)
        return;
    if (::kill(pid_t(pid), SIGTERM) != 0)
        return;
    // Give it a moment to go, then make sure it is gone before a new copy starts.
    for (int i = 0; i < 200; ++i) {
        if (::kill(pid_t(pid), 0) != 0 || isZombie(QStringLiteral("/proc/") + QString::number(pid)))
            return;
        const timespec nap{0, 10'000'000};
        nanosleep(&nap, nullptr);
    }
    ::kill(pid_t(pid), SIGKILL);
}

bool StartProgram(const QString& path)
{
    return QProcess::startDetached(path, {});
}

bool RestartCallDisplay()
{
    const QString name = QString::fromUtf16(kCallDisplayName);
    const QString path = programPath(name);
    if (!FileExists(path))
        return false;
    const long pid = FindProcess(name + QStringLiteral(".exe"));
    if (pid > 0) {
        KillProcess(pid);
        WriteLog(QStringLiteral("Prepare ... kill ") + name + QStringLiteral(".exe (PID ") + QString::number(pid)
                 + u')');
    }
    if (StartProgram(path))
        return true;
    TraceFault(QStringLiteral("StartUp"), QStringLiteral("Main"), __LINE__,
               {kFileNotFound, QStringLiteral("Cannot start ") + path});
    return false;
}

bool RestartCallDisplayInDualMode(bool useDualMonitor)
{
    return useDualMonitor && gs().executableName == QString::fromUtf16(kOwnProgramName) && RestartCallDisplay();
}

}  // namespace sumbrel

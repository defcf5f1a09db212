#include "startup/startup.h"

#include "startup/dialogs.h"
#include "startup/files.h"
#include "startup/global_state.h"
#include "startup/ini.h"
#include "startup/parse.h"
#include "startup/processes.h"
#include "startup/trace_log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <malloc.h>

namespace sumbrel {

QString VersionText(int major, int minor, int revision)
{
    return QString::number(major) + u'.' + QString::number(minor) + QStringLiteral(".0.") + QString::number(revision)
        + QStringLiteral(" #4");
}

Placement ReadPlacement()
{
    const QString cfg = configFilePath();
    const QString set = QStringLiteral("Set");
    Placement p;
    p.useDualMonitor = ParseLong(ReadIni(set, QStringLiteral("UseDualMonitor"), cfg)) == 1;
    const QString leftC = ReadIni(set, QStringLiteral("LeftC"), cfg);
    if (!leftC.isEmpty())
        p.LeftC = ParseLong(leftC);
    p.TopC = ParseLong(ReadIni(set, QStringLiteral("TopC"), cfg));
    p.LeftO = ParseLong(ReadIni(set, QStringLiteral("LeftO"), cfg));
    p.TopO = ParseLong(ReadIni(set, QStringLiteral("TopO"), cfg));
    return p;
}

StartResult RunStartup(const StartOptions& options, const std::function<void()>& openLogin)
{
    GlobalState& g = gs();

    SetProgramFolder(options.programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                     : QDir(options.programFolder).absolutePath());

    if (!AcquireInstanceLock(ProgramFolder())) {
        const QString text = QStringLiteral("이미 실행중이어서 종료합니다!");
        MessageBox(text, MessageIcon::Critical);
        WriteLog(text);
        return StartResult::AlreadyRunning;
    }

    g.loginFieldSeparator = QStringLiteral("◈");

    g.skinFolder = programPath(QStringLiteral("skin2"));
    g.menuImageFolder = programPath(QStringLiteral("menu_img"));
    if (!FolderExists(g.menuImageFolder)) {
        QString folder = g.menuImageFolder;
        MakeDirectory(folder);
    }

    g.versionText = VersionText(PROJECT_VERSION_MAJOR, PROJECT_VERSION_MINOR, PROJECT_VERSION_PATCH);

    WriteLog(QString(40, u'='));
    WriteLog(QStringLiteral("Version: ") + g.versionText);

    const QString configuredHost = ReadIni(QStringLiteral("Set"), QStringLiteral("ServiceHost"), configFilePath());
    g.serviceHost = !options.serviceHost.isEmpty()
        ? options.serviceHost
        : (!configuredHost.isEmpty() ? configuredHost : QStringLiteral("localhost"));

    g.executableName = options.executableName.isEmpty()
        ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
        : options.executableName;
    RestartCallDisplayInDualMode(ReadPlacement().useDualMonitor);

    TrimLogFiles();

    if (openLogin)
        openLogin();
    return StartResult::Started;
}

void LimitMallocArenas()
{
    mallopt(M_ARENA_MAX, 1);
}

}  // namespace sumbrel

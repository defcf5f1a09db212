#include "startup/global_state.h"

#include <mutex>

namespace sumbrel {

namespace {

std::mutex g_folderLock;
QString g_programFolder;

}  // namespace

QString ProgramFolder()
{
    const std::lock_guard<std::mutex> lock(g_folderLock);
    return g_programFolder;
}

void SetProgramFolder(const QString& folder)
{
    const std::lock_guard<std::mutex> lock(g_folderLock);
    g_programFolder = folder;
}

GlobalState& gs()
{
    static GlobalState state;
    return state;
}

QString programPath(const QString& name)
{
    return ProgramFolder() + u'/' + name;
}

QString configFilePath()
{
    return programPath(QStringLiteral("Mirdal.cfg"));
}

}  // namespace sumbrel

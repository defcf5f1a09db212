#pragma once
// What start-up fixes once, read on the screens' thread: the folders, the version and the deployment.
// The login's outcome is a Session, owned by the application object.
#include <QString>

namespace sumbrel {

struct GlobalState {
    QString versionText;
    QString skinFolder;
    QString menuImageFolder;
    QString loginFieldSeparator = QStringLiteral("◈");

    // Deployment: which host the web service is on.
    QString serviceHost;
    // The running executable's name without extension; the call display is ours to restart only as "Sumbrel".
    QString executableName;
};

GlobalState& gs();

// Where the program lives: its settings, and the log files that every thread writes. Fixed at
// start-up (each test fixes its own); read from any thread.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// Paths inside the program folder.
QString programPath(const QString& name);
QString configFilePath();

}  // namespace sumbrel

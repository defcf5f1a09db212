#pragma once
// What start-up fixes once: the folders, the version, the placement of the two screens (which the
// settings screen may change, on the screens' thread) and the deployment. The login's outcome is a
// Session, owned by the application object.
#include <QString>

namespace sumbrel {

struct GlobalState {
    QString versionText;
    QString skinFolder;
    QString menuImageFolder;
    bool useDualMonitor = false;
    int LeftC = 0;
    int TopC = 0;
    int LeftO = 0;
    int TopO = 0;
    QString loginFieldSeparator = QStringLiteral("◈");

    // Deployment: where the program lives and which host the web service is on.
    QString programFolder;
    QString serviceHost;
    // The running executable's name without extension; the call display is ours to restart only as "Sumbrel".
    QString executableName;
};

GlobalState& gs();

// Paths inside the program folder.
QString programPath(const QString& name);
QString configFilePath();

}  // namespace sumbrel

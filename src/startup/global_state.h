#pragma once
// The one process-wide record. Plain data on purpose: screens read it, start-up and login fill it.
#include <QString>

namespace sumbrel {

struct GlobalState {
    QString versionText;
    QString skinFolder;
    QString menuImageFolder;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
    bool useDualMonitor = false;
    int LeftC = 0;
    int TopC = 0;
    int LeftO = 0;
    int TopO = 0;
    QString loginId;
    QString loginPassword;
    QString shopName;
    QString shopNumber;
    QString loginFieldSeparator = QStringLiteral("◈");
    QString serviceBaseUrl;

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

#pragma once
// The terminal's command line, read once before anything is built.
#include "kiosk/ui/kiosk_session.h"
#include "login/provisioning.h"

#include <QString>
#include <optional>

class QCoreApplication;

namespace sumbrel::app {

// What must be known before the application object exists: whether a display is needed at all,
// and the kiosk's scale (an environment setting Qt reads as it starts).
struct Launch {
    bool withoutScreen = false;
    bool kiosk = false;
    kiosk::ScaleChoice scale;
};
Launch PrepareLaunch(int argc, char* argv[]);

struct CommandLine {
    QString home;  // the program folder
    QString serviceHost;
    QString caFile;
    QString metricsFile;
    std::optional<QString> say;
    std::optional<ProvisioningCommand> provisioning;
    bool version = false;
};
// Parses (and answers --help itself, as QCommandLineParser does).
CommandLine ParseCommandLine(const QCoreApplication& app);

}  // namespace sumbrel::app

#pragma once
// The terminal's command line, read once before anything is built.
#include "kiosk/ui/kiosk_session.h"
#include "login/provisioning.h"

#include <QString>
#include <optional>

class QCoreApplication;

namespace sumbrel::app {

// What must be known before the application object exists: whether a display is needed at all,
// and whether the kiosk's environment is to be prepared.
struct Launch {
    bool withoutScreen = false;
    bool kiosk = false;
};
Launch PrepareLaunch(int argc, char* argv[]);

struct CommandLine {
    QString home;  // the program folder
    QString serviceHost;
    QString caFile;
    QString metricsFile;
    // --layout; else [Set] Layout= of the configuration, else auto.
    std::optional<kiosk::LayoutChoice> layout;
    std::optional<QString> say;
    std::optional<ProvisioningCommand> provisioning;
    bool version = false;
};
// Parses (and answers --help itself, as QCommandLineParser does).
CommandLine ParseCommandLine(const QCoreApplication& app);

}  // namespace sumbrel::app

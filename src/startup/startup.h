#pragma once
// The entry procedure: fixes the start-up values, refuses a second copy, restarts the call display
// in dual-monitor mode and trims old logs.
#include <QString>
#include <functional>

namespace sumbrel {

struct StartOptions {
    QString programFolder;  // empty: the executable's folder
    QString serviceHost;  // empty: the ServiceHost key of the configuration file
    QString executableName;  // empty: the running executable's name
};

enum class StartResult { Started, AlreadyRunning };

// Steps up to the log housekeeping; then calls openLogin (the login screen) when given.
StartResult RunStartup(const StartOptions& options, const std::function<void()>& openLogin = {});

// Where the two screens go with two monitors, as the configuration file holds it: the settings
// screen writes it and the call display reads it, so it is read from there when needed.
struct Placement {
    bool useDualMonitor = false;
    int LeftC = 1024;  // the call display
    int TopC = 0;
    int LeftO = 0;  // the order screen
    int TopO = 0;
};
Placement ReadPlacement();

QString VersionText(int major, int minor, int revision);

// One malloc arena for the whole program, set before any thread starts. Every exchange runs on a
// thread of its own, and glibc gives such threads arenas of their own whose freed pages stay
// scattered: over a day the resident memory grew by megabytes that were free. The exchanges are
// few and short, so one arena costs nothing in speed.
void LimitMallocArenas();

// Single instance: held for the life of the process. False when another copy holds it. The lock
// lies in the program folder, or, where that folder cannot hold it (read-only), in the user's
// runtime folder under a name derived from the folder's absolute path.
bool AcquireInstanceLock(const QString& folder);
void ReleaseInstanceLock();
// The file held now (empty when none), and the runtime folder's lock name for a program folder.
QString InstanceLockPath();
QString RuntimeLockPath(const QString& folder);

}  // namespace sumbrel

#pragma once
// Finding, ending and starting the call-display program.
#include <QString>

namespace sumbrel {

// Process ID of the first running process with this executable name, 0 when none.
// Names compare case-insensitively; "X.exe" and "X" are the same program.
long FindProcess(const QString& exeName);
// Ends the process; failures (gone, no right) are ignored.
void KillProcess(long pid);
// Starts a program detached, without arguments; true when it started.
bool StartProgram(const QString& path);

inline constexpr auto kCallDisplayName = u"Dorvane";
inline constexpr auto kOwnProgramName = u"Sumbrel";

// Ends a running call display and starts the one in the program folder, when that file is present;
// whether it was started.
bool RestartCallDisplay();
// The same, only when this program runs as "Sumbrel" in dual-monitor mode (at start and after the
// settings screen).
bool RestartCallDisplayInDualMode(bool useDualMonitor);

}  // namespace sumbrel

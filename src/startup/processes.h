#pragma once
// Finding, ending and starting the call-display program.
#include <QString>

namespace sumbrel {

// Process ID of the first running process with this executable name, 0 when none.
// Names compare case-insensitively; "X.exe" and "X" are the same program.
long IsProcessExist(const QString& exeName);
// Ends the process; failures (gone, no right) are ignored.
void KillProcess(long pid);
// Starts a program detached, without arguments; true when it started.
bool StartProgram(const QString& path);

} // namespace sumbrel

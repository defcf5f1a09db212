#pragma once
// A stand-in for the call-display program.
#include "startup/processes.h"

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace sumbrel::testing {

// The call display in the folder: a script of the program's name that stays up until it is ended.
inline void WriteCallDisplay(const QString& folder)
{
    QFile f(folder + QStringLiteral("/Dorvane"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\nwhile true; do sleep 0.2; done\n");
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Ends the running call displays, so none outlives its test (a restart may have started a second).
inline void EndCallDisplays()
{
    for (int i = 0; i < 5; ++i) {
        const long pid = FindProcess(QStringLiteral("Dorvane.exe"));
        if (pid <= 0)
            break;
        KillProcess(pid);
    }
}

}  // namespace sumbrel::testing

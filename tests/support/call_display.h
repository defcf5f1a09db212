#pragma once
// A stand-in for the call-display program, and waiting for what a started process does.
#include "startup/processes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTest>
#include <functional>
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
        const long pid = IsProcessExist(QStringLiteral("Dorvane.exe"));
        if (pid <= 0)
            break;
        KillProcess(pid);
    }
}

// Handles events until the condition holds; false when ms pass first.
inline bool WaitFor(const std::function<bool()>& condition, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms)
            return false;
        QTest::qWait(20);
    }
    return true;
}

}  // namespace sumbrel::testing

#pragma once
// A settings screen in its own program folder, with a stand-in call display at hand.
#include "settings/frm_setting.h"
#include "startup/clock.h"
#include "startup/ini.h"
#include "startup/processes.h"
#include "support/sumbrel_test.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>

namespace sumbrel::testing {

class SettingsScreenTest : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        setTimeScale(0.001);
    }
    void TearDown() override
    {
        screen.reset();
        for (int i = 0; i < 5; ++i) {
            const long pid = IsProcessExist(QStringLiteral("Dorvane.exe"));
            if (pid <= 0)
                break;
            KillProcess(pid);
        }
        SumbrelTest::TearDown();
    }

    frmSetting& open(QWidget* reception = nullptr)
    {
        screen = std::make_unique<frmSetting>(reception);
        screen->show();
        return *screen;
    }
    QString stored(const QString& key) const { return ReadIni(QStringLiteral("Set"), key, configFilePath()); }

    // A stand-in call display in the program folder: a script that stays up until it is ended.
    void writeCallDisplay() const
    {
        QFile f(path(QStringLiteral("Dorvane")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nwhile true; do sleep 0.2; done\n");
        f.close();
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    static bool waitFor(const std::function<bool()>& condition, int ms = 5000)
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

    QWidget reception;  // an owner for the screen, when a test gives it one
    std::unique_ptr<frmSetting> screen;
};

}  // namespace sumbrel::testing

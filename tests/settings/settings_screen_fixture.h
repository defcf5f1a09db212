#pragma once
// A settings screen in its own program folder; the call displays a test starts end with it.
#include "settings/ui/settings_screen.h"
#include "startup/clock.h"
#include "startup/ini.h"
#include "startup/processes.h"
#include "support/call_display.h"
#include "support/screen_widgets.h"
#include "support/sumbrel_test.h"

#include <QProcess>
#include <QTest>
#include <QWidget>
#include <memory>

namespace sumbrel::testing {

class SettingsScreenTest : public SumbrelTest {
protected:
    void SetUp() override { SumbrelTest::SetUp(); }
    void TearDown() override
    {
        screen.reset();
        EndCallDisplays();
        SumbrelTest::TearDown();
    }

    SettingsScreen& open(QWidget* reception = nullptr)
    {
        screen = std::make_unique<SettingsScreen>(session, catalogue, reception);
        screen->show();
        return *screen;
    }
    // The menu the screen opens with, as the terminal hands it over.
    std::shared_ptr<const MenuCatalogue> catalogue = std::make_shared<const MenuCatalogue>();
    QString stored(const QString& key) const { return ReadIni(QStringLiteral("Set"), key, configFilePath()); }
    // The stand-in call display of the program folder, started and seen running; pid is its process id.
    void startCallDisplay(QProcess& running, long& pid)
    {
        WriteCallDisplay(folder.path());
        gs().executableName = QStringLiteral("Sumbrel");
        running.start(path(QStringLiteral("Dorvane")), {});
        ASSERT_TRUE(running.waitForStarted());
        pid = long(running.processId());
        ASSERT_TRUE(QTest::qWaitFor([&] { return FindProcess(QStringLiteral("Dorvane.exe")) == pid; }));
    }

    QWidget reception;  // an owner for the screen, when a test gives it one
    // The login the screen's picture download asks with; a test with a shop sets it.
    Session session;
    std::unique_ptr<SettingsScreen> screen;
};

}  // namespace sumbrel::testing

// Shows the settings screen against the demo shop and saves what the screen shows: the screen as it
// opens, with the on-screen keyboard over its top for the PIN box, the picture download while it
// runs, and the screen after it.
//   sumbrel-settings-screenshots --service-host 127.0.0.1:PORT [--home DIR] [--out DIR]
#include "presentation/caption_key.h"
#include "settings/ui/settings_screen.h"
#include "startup/global_state.h"
#include "startup/ini.h"

#include "shots.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace sumbrel;
using namespace sumbrel::shots;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const Walk walk = StartWalk(app);
    UseStage(kiosk::Audience::Operator);
    const QString& outDir = walk.out;

    QTemporaryDir temporary;
    menu::MenuTables menu;
    std::optional<Session> session = UseDemoShop(walk, temporary, menu);
    if (!session)
        return 1;
    GlobalState& g = gs();
    g.executableName = QStringLiteral("sumbrel-settings-screenshots");
    for (const auto& [key, value] : {std::pair{"UseDualMonitor", "1"}, {"LeftC", "1024"}, {"LeftO", "0"}})
        WriteIni(QStringLiteral("Set"), QString::fromLatin1(key), QString::fromLatin1(value), configFilePath());
    WriteIni(QStringLiteral("Set"), QStringLiteral("imagefile"), QStringLiteral("/home/kiosk/skin2/call_back.png"),
             configFilePath());
    WriteIni(QStringLiteral("Set"), QStringLiteral("bottomtext"), QStringLiteral("오늘도 찾아주셔서 감사합니다"),
             configFilePath());

    SettingsScreen screen(*session, menu.catalogueSnapshot());
    screen.move(0, 0);
    screen.show();
    settle(400);
    bool ok = shoot(outDir, QStringLiteral("settings.png"));
    // The PIN box lies in the screen's foot: the keyboard opens over its top.
    touchField(screen.findChild<QLineEdit*>(QStringLiteral("operatorPinBox")));
    for (const char* key : {"oskKey_1", "oskKey_2", "oskKey_3", "oskKey_4"})
        click(&screen, QString::fromLatin1(key));
    ok = shoot(outDir, QStringLiteral("settings-keyboard.png")) && ok;
    screen.findChild<QLineEdit*>(QStringLiteral("operatorPinBox"))->clear();
    click(&screen, QStringLiteral("oskClose"));

    bool shot = false;
    QObject::connect(&screen, &SettingsScreen::downloadProgress, &screen, [&](const settings::DownloadPanel& panel) {
        if (!shot && panel.value == 11) {
            shot = true;
            ok = shoot(outDir, QStringLiteral("settings-download.png")) && ok;
        }
    });
    screen.findChild<CaptionKey*>(QStringLiteral("downloadPicturesKey"))->touch();
    QElapsedTimer wait;
    wait.start();
    while (screen.isDownloading() && wait.elapsed() < 60000)
        settle(100);
    ok = shoot(outDir, QStringLiteral("settings-after-download.png")) && ok;
    return ok && shot ? 0 : 1;
}

// Shows the settings screen on a real (virtual) display against a demo shop of its own and saves
// what the screen shows: the screen as it opens, and the picture download while it runs.
// Usage: settings_screenshots OUT_DIR   (under xvfb-run with QT_QPA_PLATFORM=xcb)
#include "catalogue/menu_catalogue.h"
#include "presentation/caption_key.h"
#include "presentation/screen_utils.h"
#include "settings/frm_setting.h"
#include "startup/global_state.h"
#include "startup/ini.h"
#include "support/demo_shop.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>

using namespace sumbrel;

namespace {

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool shoot(const QString& path)
{
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    const bool ok = shot.save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", path.toUtf8().constData());
    return ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    static UnattendedDialogHandler dialogs;
    setDialogHandler(&dialogs);

    QTemporaryDir home;
    DemoShop shop;
    GlobalState& g = gs();
    g.programFolder = home.path();
    g.menuImageFolder = home.path() + QStringLiteral("/menu_img");
    g.skinFolder = home.path() + QStringLiteral("/skin2");
    g.serviceBaseUrl = shop.httpBase();
    g.loginId = QString::fromLatin1(DemoShop::kId);
    g.loginPassword = QString::fromLatin1(DemoShop::kPassword);
    g.shopNumber = QString::number(DemoShop::kShopNumber);
    g.executableName = QStringLiteral("settings_screenshots");
    g.useDualMonitor = true;
    g.LeftC = 1024;
    g.LeftO = 0;
    WriteIni(QStringLiteral("Set"), QStringLiteral("imagefile"), QStringLiteral("/home/kiosk/skin2/call_back.png"),
             configFilePath());
    WriteIni(QStringLiteral("Set"), QStringLiteral("bottomtext"), QStringLiteral("오늘도 찾아주셔서 감사합니다"),
             configFilePath());
    if (!Read_메뉴(QStringLiteral("전체"))) {
        std::printf("catalogue did not load\n");
        return 1;
    }

    frmSetting screen;
    screen.move(0, 0);
    screen.show();
    settle(800);
    bool ok = shoot(out + QStringLiteral("/settings.png"));

    bool shot = false;
    screen.onDownloadProgress = [&](const settings::DownloadPanel& panel) {
        if (!shot && panel.value == 11) {
            shot = true;
            settle(300);
            ok = shoot(out + QStringLiteral("/settings-download.png")) && ok;
        }
    };
    screen.cmd서버이미지_불러오기()->touch();
    settle(300);
    ok = shoot(out + QStringLiteral("/settings-after-download.png")) && ok;
    return ok && shot ? 0 : 1;
}

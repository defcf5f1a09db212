// Shows the operator PIN keypad over the reception screen against the demo shop and saves what the
// screen shows: the keypad with digits typed, after a wrong PIN, and locked after the third.
//   sumbrel-pin-screenshots --service-host 127.0.0.1:PORT [--home DIR] [--out DIR]
#include "kiosk/ui/operator_guard.h"
#include "kiosk/ui/pin_panel.h"
#include "presentation/caption_key.h"
#include "reception/ui/reception_screen.h"
#include "settings/operator_pin.h"
#include "startup/global_state.h"

#include "shots.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

using namespace sumbrel;
using namespace sumbrel::shots;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const Walk walk = StartWalk(app);
    QTemporaryDir temporary;
    menu::MenuTables menu;
    std::optional<Session> session = UseDemoShop(walk, temporary, menu);
    if (!session)
        return 1;
    session->shopName = QStringLiteral("오르빅 커피 본점");
    pin::WriteStoredPin(pin::HashPin(QStringLiteral("4821")));

    ReceptionScreen screen(*session);
    screen.move(0, 0);
    new kiosk::OperatorGuard(screen);
    screen.show();
    settle(600);

    bool ok = true;
    auto type = [](kiosk::PinPanel* panel, const QString& keys) {
        for (QChar c : keys)
            panel->findChild<CaptionKey*>(c == u'k' ? QStringLiteral("pinOkKey") : QStringLiteral("pinKey_") + c)
                ->touch();
        settle(200);
    };
    screen.findChild<CaptionKey*>(QStringLiteral("settingsKey"))->touch();
    settle(300);
    auto* panel = screen.findChild<kiosk::PinPanel*>();
    if (!panel)
        return 1;
    type(panel, QStringLiteral("48"));
    ok = shoot(walk.out, QStringLiteral("pin-panel.png")) && ok;
    type(panel, QStringLiteral("11k"));
    ok = shoot(walk.out, QStringLiteral("pin-wrong.png")) && ok;
    type(panel, QStringLiteral("1111k2222k"));
    ok = shoot(walk.out, QStringLiteral("pin-locked.png")) && ok;
    panel->findChild<CaptionKey*>(QStringLiteral("pinCancelKey"))->touch();
    return ok ? 0 : 1;
}

#include "kiosk/ui/operator_guard.h"

#include "kiosk/ui/pin_panel.h"
#include "reception/ui/frm_main.h"

#include <QEventLoop>
#include <QPointer>
#include <memory>

namespace sumbrel::kiosk {

bool AskOperatorPin(QWidget* screen, pin::PinGate& gate, pin::Area area)
{
    const QString stored = pin::ReadStoredPin();
    if (!pin::IsPinSet(stored))
        return true;
    QPointer<PinPanel> panel = new PinPanel(screen, gate, area, stored);
    QEventLoop loop;
    panel->finished = [&loop](bool) { loop.quit(); };
    panel->open();
    if (!panel->isFinished())
        loop.exec();
    const bool accepted = panel && panel->accepted();
    delete panel.data();
    return accepted;
}

void GuardOperatorAreas(frmMain& screen)
{
    auto gate = std::make_shared<pin::PinGate>();
    auto guarded = [&screen, gate](pin::Area area, std::function<void()> action) {
        return [&screen, gate, area, action] {
            if (AskOperatorPin(&screen, *gate, area) && action)
                action();
        };
    };
    screen.openSettings = guarded(pin::Area::Settings, screen.openSettings);
    screen.terminateProgram = guarded(pin::Area::Terminate, screen.terminateProgram);
}

}  // namespace sumbrel::kiosk

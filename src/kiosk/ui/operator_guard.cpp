#include "kiosk/ui/operator_guard.h"

#include "kiosk/ui/pin_panel.h"
#include "reception/ui/reception_screen.h"

namespace sumbrel::kiosk {

OperatorGuard::OperatorGuard(ReceptionScreen& screen)
    : QObject(&screen)
    , m_screen(&screen)
{
    connect(&screen, &ReceptionScreen::settingsRequested, this, [this] { ask(pin::Area::Settings); });
    connect(&screen, &ReceptionScreen::terminateRequested, this, [this] { ask(pin::Area::Terminate); });
}

void OperatorGuard::ask(pin::Area area)
{
    // One panel at a time: a second touch while it is up is the panel's to take.
    if (m_panel)
        return;
    const QString stored = pin::ReadStoredPin();
    if (!pin::IsPinSet(stored)) {
        answered(area, true);
        return;
    }
    m_panel = new PinPanel(m_screen, m_gate, area, stored);
    connect(m_panel, &PinPanel::finished, this, [this, area](bool accepted) {
        m_panel->deleteLater();
        m_panel = nullptr;
        answered(area, accepted);
    });
    m_panel->open();
}

void OperatorGuard::answered(pin::Area area, bool accepted)
{
    if (area == pin::Area::Terminate) {
        if (accepted)
            Q_EMIT terminateAllowed();
    } else if (accepted) {
        Q_EMIT settingsAllowed();
    } else {
        Q_EMIT settingsRefused();
    }
}

}  // namespace sumbrel::kiosk

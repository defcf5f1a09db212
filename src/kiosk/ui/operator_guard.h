#pragma once
// The operator PIN in front of the reception screen's hidden settings and terminate areas. With no
// PIN in the configuration file the areas act as they always did.
#include "settings/operator_pin.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace sumbrel {

class ReceptionScreen;

namespace kiosk {

class PinPanel;

// Takes the screen's requests for the two areas and lets each through once the PIN is right (at
// once when no PIN is set), one gate for both areas. The panel answers by signal; nothing waits.
class OperatorGuard : public QObject {
    Q_OBJECT
public:
    explicit OperatorGuard(ReceptionScreen& screen);

Q_SIGNALS:
    void settingsAllowed();
    // The settings area was asked for and the PIN was not given.
    void settingsRefused();
    void terminateAllowed();

private:
    void ask(pin::Area area);
    void answered(pin::Area area, bool accepted);

    QWidget* m_screen;
    pin::PinGate m_gate;
    QPointer<PinPanel> m_panel;
};

}  // namespace kiosk
}  // namespace sumbrel

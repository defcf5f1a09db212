#pragma once
// The operator PIN in front of the reception screen's hidden settings and terminate areas. With no
// PIN in the configuration file the areas act as they always did.
#include "settings/operator_pin.h"

class QWidget;

namespace sumbrel {

class frmMain;

namespace kiosk {

// Asks for the PIN on the keypad panel over the screen and waits for the answer (a modal panel, as
// the settings screen is modal): true when no PIN is set or the right one was typed.
bool AskOperatorPin(QWidget* screen, pin::PinGate& gate, pin::Area area);

// Wraps the screen's openSettings and terminateProgram (as set so far) behind AskOperatorPin, with one
// gate for both areas.
void GuardOperatorAreas(frmMain& screen);

}  // namespace kiosk
}  // namespace sumbrel

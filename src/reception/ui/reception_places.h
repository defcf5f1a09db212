#pragma once
// Where the reception screen puts its parts, for the customer's barrier-free choices: the design's
// places; the low layout (every key in the lower part, information above); the large view (the entry
// panels over the whole window, everything at twice the size); and both together.
#include "reception/keys.h"

#include <QRect>
#include <array>

namespace sumbrel::access {
struct Modes;
}

namespace sumbrel::reception {

struct ReceptionPlaces {
    // The entry panels (start, phone, car, payment) and the mode panel, in the window.
    QRect entryPanel;
    // True when the entry panels cover the order panel: it is not shown then, and its menu key and
    // total stand on the entry panels instead (by panel; empty where there is none).
    bool orderPanelCovered = false;
    std::array<QRect, 4> menuKey{};
    QRect payTotal;

    // Start panel.
    QRect shopName, eatIn, takeout, takeoutAlone, easyOrder, operatorBox;
    // Mode panel.
    QRect modeTitle, modeHint, modeStart, modeClose;
    std::array<QRect, 4> toggles{};
    // Phone and car panels: the number typed on each.
    QRect close, numberChange, number, carNumber, phoneOnCar, driveThru;
    std::array<QRect, kKeypadKeys> keypad{};
    // Payment panel.
    QRect payClose, payNumberChange, payPhone, payCar, cash, card;
    // The notice over the entry panel in use, by panel (start panel: none).
    std::array<QRect, 4> notice{};
    // Order panel, in its own coordinates: the list's viewport, the total and the menu key; the
    // waiting status rows.
    QRect listView, total, menuSelect;
    int waitTeamsTop = 625;
    int waitTimeTop = 690;
    // Completion panel (in the dimmed backdrop).
    QRect completionBox, completionTitle, completionMessage, completionConfirm, countNumber, countText;
};

ReceptionPlaces PlacesFor(const access::Modes& modes);

}  // namespace sumbrel::reception

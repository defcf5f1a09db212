#pragma once
// Where the reception screen puts its parts, for the customer's barrier-free choices: the design's
// places; the low layout (every key in the lower part, information above); the large view (the entry
// panels over the whole window, everything at twice the size); and both together. A tall screen has
// its own set of each: information at the top, keys from the middle down.
#include "reception/keys.h"

#include <QRect>
#include <array>

namespace sumbrel::access {
struct Modes;
}

namespace sumbrel::reception {

// The waiting teams and the expected waiting time: caption, number and unit; caption and time.
struct WaitingPlaces {
    QRect teamsCaption, teams, teamsUnit, timeCaption, time;
};

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
    // The keys of the other three languages, in their order.
    std::array<QRect, 3> languages{};
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
    // The staff call key of each entry panel; on the start panel the right part of the row that
    // "쉬운 주문" had to itself.
    std::array<QRect, 4> staffCall{};
    // The waiting status on the window itself, seen while no order covers it.
    WaitingPlaces waiting;
    // The order panel in the window; in its own coordinates the list's viewport, the total and the
    // menu key, and its copy of the waiting status. The list is as wide as its viewport.
    QRect orderPanel;
    QRect listView, total, menuSelect;
    WaitingPlaces orderWaiting;
    // Completion panel (in the dimmed backdrop).
    QRect completionBox, completionTitle, completionMessage, completionConfirm, countNumber, countText;
};

// The places for the choices, on a tall screen when portrait.
ReceptionPlaces PlacesFor(const access::Modes& modes, bool portrait = false);

}  // namespace sumbrel::reception

#pragma once
// The reception screen and a real menu page, joined as the terminal joins them.
#include "menu/ui/menu_page.h"
#include "reception/ui/reception_screen.h"

namespace sumbrel::testing {

inline void LinkMenuPage(ReceptionScreen& reception, MenuPage& page)
{
    QObject::connect(&reception, &ReceptionScreen::menuRequested, &page,
                     [&page](const cart::OrderCart& order) { page.open(order); });
    QObject::connect(&page, &MenuPage::closed, &reception, &ReceptionScreen::menuClosed);
}

}  // namespace sumbrel::testing

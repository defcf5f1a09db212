#pragma once
// The reception screen and a real menu page, joined as the terminal joins them.
#include "menu/ui/frm_menu_select_main.h"
#include "reception/ui/frm_main.h"

namespace sumbrel::testing {

inline void LinkMenuPage(frmMain& reception, frmMenuSelectMain& page)
{
    QObject::connect(&reception, &frmMain::menuRequested, &page, [&page](const cart::OrderCart& order) { page.open(order); });
    QObject::connect(&page, &frmMenuSelectMain::closed, &reception, &frmMain::menuClosed);
}

}  // namespace sumbrel::testing

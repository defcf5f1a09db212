#pragma once
// The menu page's pictures ahead of a flip: while the customer reads a page, the pictures of the
// page before and the page after it are decoded off the screen's thread, so that turning to either
// shows pictures already decoded, first visits included.
#include "menu/menu_page_model.h"
#include "menu/ui/picture_cache.h"

#include <QList>
#include <QSize>

namespace sumbrel::menu {

// photoSizes: the photo size of tile 0, 1, ... (the pictures are decoded at the size they show in).
// Replaces the work asked for on the page shown before.
void PrefetchNeighbourPages(PictureCache& pictures, const MenuPageModel& model, const QList<QSize>& photoSizes);

}  // namespace sumbrel::menu

#pragma once
// The menu page's exchanges with the web service at each opening: the categories, the catalogue and
// the page's own tile list. A load replaces the tables only with good answers, and the tiles and the
// catalogue they open always come from the same load.
#include "server/endpoints.h"

#include <QString>

namespace sumbrel::menu {

struct MenuLoad {
    bool categories = false;  // categoryTable() replaced
    bool menu = false;  // menuCatalogue(), TabCategoryList() and TileMenuTable() replaced together
};

class MenuPageService {
public:
    using Transport = endpoints::Poster;

    // PostForm unless replaced.
    void setTransport(Transport transport) { m_transport = std::move(transport); }

    // LoadAllCategories, LoadMenuCatalogue("전체") and menuloading3 with "checktypes" = caller. What did not
    // come back good keeps its last good table; the trace says so.
    MenuLoad load(const QString& caller);

private:
    Transport m_transport;
};

}  // namespace sumbrel::menu

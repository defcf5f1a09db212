#pragma once
// The menu page's own lists from "/shop/PostMenuPageRequest.php": the category tabs and the tile entries.
#include "catalogue/menu_catalogue.h"
#include "server/endpoints.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

namespace sumbrel::menu {

// One tile of the menu page: an item of the catalogue under a category.
struct TileEntry {
    QString category;  // decoded; the grouping key
    QString name;  // decoded
    order::Money price;  // a plain whole number: a tile with any other price is left out
    QString nameTag;  // text after " !1!!!"
    QString num;  // the catalogue's num; photo file name
    int optionGroups = 0;  // option groups the item's dialog offers
    QString text3;  // decoded, carried
    QString text5;  // decoded, carried
    QString text4;  // carried
    bool operator==(const TileEntry&) const = default;
};

struct MenuPageLists {
    QStringList categories;
    std::vector<TileEntry> tiles;
    bool operator==(const MenuPageLists&) const = default;
};
// The PostMenuPageRequest answer read against the catalogue its tiles will open. nullopt for an answer
// without "<menubrr>" ... "</menubrr>" or "<mainmenuname>", or (badEntry) with an entry that
// lacks a marker. The reading's trace lines are written, or with `notes` kept there instead (for the
// caller to write, and again when the same answer comes back).
std::optional<MenuPageLists> ReadMenuPage(QStringView answer, const MenuCatalogue& catalogue, bool* badEntry = nullptr,
                                          QStringList* notes = nullptr);

// Posts the page's request (with its "PostMenuPageRequest() ... " trace lines on "_WinHttp").
PostResult PostMenuPageRequest(const Session& session, const QString& caller, const endpoints::Poster& post = {});

}  // namespace sumbrel::menu

#pragma once
// The menu page's own lists from "/shop/PostMenuPageRequest.php": the category tabs and the tile entries.
// Both are global and survive between openings of the page; a load replaces them in one step.
#include "catalogue/menu_catalogue.h"
#include "server/endpoints.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

namespace sumbrel::menu {

enum TileColumn : int {
    kTileCategory = 0,  // decoded; the grouping key
    kTileName,  // decoded
    kTilePrice,
    kTileNameTag,  // text after " !1!!!"
    kTileNum,  // the catalogue's num; photo file name
    kTileOptionCount,  // option groups the item's dialog shows, as decimal text
    kTileText3,  // decoded, carried
    kTileText5,  // decoded, carried
    kTileText4,  // carried
    kTileColumns
};

struct TileEntry {
    std::array<QString, kTileColumns> col;
    bool operator==(const TileEntry&) const = default;
};

QStringList& TabCategoryList();
std::vector<TileEntry>& TileMenuTable();

struct MenuPageLists {
    QStringList categories;
    std::vector<TileEntry> tiles;
};
// The PostMenuPageRequest answer read against the catalogue its tiles will open. nullopt for an answer
// without "<menubrr>" ... "</menubrr>" or "<mainmenuname>", or (badEntry) with an entry that
// lacks a marker.
std::optional<MenuPageLists> ReadMenuPage(QStringView answer, const MenuCatalogue& catalogue, bool* badEntry = nullptr);

// The PostMenuPageRequest answer into the two lists. An answer without "<menubrr>" ... "</menubrr>" or
// without "<mainmenuname>" changes nothing (true); an entry that lacks a marker changes nothing
// either (false). Otherwise both lists are replaced at once (true). An entry whose price on the tile
// or in the catalogue is not a plain whole number (ReadPrice) is left out and traced.
bool ReadMenuPageAnswer(QStringView answer);

// One option group text (nooption◈field◈mincount◈name◈price...): does the option dialog offer it? A
// group without a name, or without a named option, is not offered: ReadMenuPageAnswer does not count it in the
// tile's option group count, and traces it.
bool UsableOptionGroup(const QString& groupText);

// Posts the page's request (with its "PostMenuPageRequest() ... " trace lines on "_WinHttp").
PostResult PostMenuPageRequest(const Session& session, const QString& caller, const endpoints::Poster& post = {});

}  // namespace sumbrel::menu

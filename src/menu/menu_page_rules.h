#pragma once
// The menu page's rules without widgets: which categories the tabs show, which entries fill which
// tiles on which page, where the page marker stands, how the order list scrolls, what each key does.
#include "menu/menu_page_data.h"
#include "menu/order.h"
#include "startup/list_scroll.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace sumbrel::menu {

inline constexpr int kTabCount = 5;
inline constexpr int kTileCount = 20;
inline constexpr int kTileColumnsPerRow = 5;

// The page's eight keys.
enum class PageKey : int {
    PreviousGroup = 0,
    NextGroup = 1,
    PreviousPage = 2,
    NextPage = 3,
    ScrollBack = 4,  // towards the first line
    ScrollOn = 5,  // towards the last line
    Close = 6,
    Confirm = 7,
};
inline constexpr int kPageKeyCount = 8;

// A double touch acts once more on keys 0 to 5; close and confirm act once.
bool ActsOnDoubleTouch(PageKey key);

// The tab strip: five captions (empty where no category) and the tab of the current category.
struct TabStrip {
    std::array<QString, kTabCount> captions;
    int current = -1;  // tab showing the current category, or -1
};
// showTabStrip: the group of five (or of perStrip, fewer for larger tabs) that holds `category`,
// moved by direction -1/0/+1, wrapping.
TabStrip showTabStrip(const QStringList& categories, const QString& category, int direction, int perStrip = kTabCount);

// img페이지 between the page keys: at the top on the first page, at the bottom on the last, in the
// middle between them.
enum class MarkerSlot { First, Middle, Last };

// showTilePage's result: the page index after the move and which table entries fill tiles 0, 1, ...
struct TilePage {
    int page = 0;  // page after the move
    int first = -1;  // table index shown on tile 0; -1 when the category has no entry
    int count = 0;  // tiles filled (0..perPage); the rest are hidden (all stay as they were when first < 0)
    int pages = 1;  // the category's pages
    QString counter;  // "2/3", or empty for a single page
    std::optional<MarkerSlot> marker;  // where img페이지 stands, or hidden
};
// showTilePage: moves `page` by direction -1/0/+1 within the category's pages of perPage tiles (fewer
// for larger tiles), wrapping both ways.
TilePage showTilePage(const std::vector<TileEntry>& table, const QString& category, int page, int direction,
                      int perPage = kTileCount);

// Where img페이지 stands on page (0-based) of pages; nullopt when there is one page only.
std::optional<MarkerSlot> PageMarker(int page, int pages);

// The price text of a tile or row: "#,##0" followed by "원".
QString WonText(order::Money amount);
QString WonText(const QString& amount);
// Whether the amount's unit stands as a word of its own after the figure, as the Korean "원" does in
// the design's places for it; other languages write the whole amount in the figure's place.
bool UnitWordApart();

// The two dialogs of a tile.
enum class DialogKind { Single, Options };
// By the tile's option group count (ParseLong): 0 the single-menu dialog, else the option dialog.
DialogKind DialogFor(int optionGroups);

// Tile k's row and column in the page's grid of five columns.
struct TileCell {
    int row;
    int column;
};
TileCell TileCellOf(int k);

// The order list's scrolling inside its viewport (m_optionsArea), by the rows the viewport shows: 420
// pixels (three rows) for the design's viewport, at least one row for a smaller one.
inline constexpr int kScrollStep = 420;
inline constexpr int kListViewHeight = 415;  // m_optionsArea's height
// Key 4 and key 5: the new top.
int ScrollBack(const ListGeometry& list);
int ScrollOn(const ListGeometry& list);

}  // namespace sumbrel::menu

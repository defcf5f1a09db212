#pragma once
// The menu page's state and what its touches do, without widgets: the current category and page,
// the order, the idle deadline and the order list's scroll position. The screen shows it.
#include "menu/cart.h"
#include "menu/idle.h"
#include "menu/menu_page_rules.h"
#include "menu/order_rows.h"

#include <QString>

namespace sumbrel::menu {

// What a touch of a tile leads to.
struct TileTouch {
    enum Kind {
        Nothing,  // an empty tile
        CartFull,  // "메뉴 갯수 한계만큼 주문되었습니다!"
        MenuError,  // the number is not in the catalogue
        OpenDialog,
    };
    Kind kind = Nothing;
    DialogKind dialog = DialogKind::Single;
    QString srl;  // the tile's menu number (m_SRL)
    QString menuIndex;  // the catalogue row, as decimal text (m_menuIndex)
};

// How much one page shows: the design's, or fewer and larger tabs, tiles and rows (the large view).
struct PageShape {
    int tabsPerStrip = kTabCount;
    int tilesPerPage = kTileCount;
    int listViewHeight = kListViewHeight;  // the order list's viewport in the design's pixels
};

// What a key leaves the page in.
enum class KeyOutcome { Stay, Cancelled, Confirmed };

class MenuPageModel {
public:
    order::Order m_SELECTED;  // the order being composed
    QString m_Caller;  // sent as "checktypes"; the reception screen leaves it empty
    QString m_Category;
    int m_Page = 0;

    // Before load(): how much a page shows.
    void setShape(const PageShape& shape);
    const PageShape& shape() const { return m_shape; }

    // The opener's order: the page works on a copy (m_SELECTED) and writes it back on "선택완료".
    void open(cart::OrderCart& cart);

    // After Parsing: the first category, its tabs and its first page; the deadline renewed.
    void load();
    void Show_MainMenu(int direction);
    void Show_Menu(int direction);

    const TabStrip& tabs() const { return m_tabs; }
    const TilePage& tiles() const { return m_tiles; }
    // The entry shown on tile k, or nullptr for an empty tile.
    const TileEntry* tileEntry(int k) const;

    // A tab touch: false (nothing) for an empty tab.
    bool touchTab(int tab);
    // A key touch; the deadline is renewed afterwards.
    KeyOutcome key(PageKey key);

    bool cartFull() const;
    TileTouch touchTile(int k) const;
    // After an item dialog, with the line it added (none when it was closed): the deadline renewed;
    // call redraw() then scrollToEnd().
    void afterDialog(const std::optional<order::OrderLine>& added);

    // The order rows from the order; the list's height and top follow.
    OrderRowsLayout redraw(const TextWidth& width);
    void scrollToEnd();
    const ListGeometry& list() const { return m_list; }
    // "-" / "+" of row i: true when the order changed.
    bool stepRow(int row, int step);
    // Set_Delete of row i.
    void deleteRow(int row);

    // Timer3: the countdown text, or nullopt when the time is up (the page closes unconfirmed).
    std::optional<QString> idleTick();
    IdleDeadline& deadline() { return m_deadline; }

private:
    void setConfirmed(bool confirmed);

    cart::OrderCart* m_cart = nullptr;
    PageShape m_shape;
    TabStrip m_tabs;
    TilePage m_tiles;
    ListGeometry m_list{0, 0, kListViewHeight};
    IdleDeadline m_deadline;
};

}  // namespace sumbrel::menu

#pragma once
// The menu page's state and what its touches do, without widgets: the current category and page,
// the order, the idle deadline and the order list's scroll position. The screen shows it.
#include "access/language.h"
#include "menu/cart.h"
#include "menu/idle.h"
#include "menu/menu_page_rules.h"
#include "menu/menu_tables.h"
#include "menu/order_rows.h"

#include <QString>
#include <optional>

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
    QString tileNumber;
    qsizetype row = -1;  // the item's catalogue row
};

// How much one page shows: the design's, or fewer and larger tabs, tiles and rows (the large view).
struct PageShape {
    int tabsPerStrip = kTabCount;
    int tilesPerPage = kTileCount;
    int listViewHeight = kListViewHeight;  // the order list's viewport in the design's pixels
};

// What a key leaves the page in.
enum class KeyOutcome { Stay, Cancelled, Confirmed };

// How a visit of the page ended, as the page reports it to its opener.
enum class MenuPageEnd {
    Confirmed,  // "선택완료": the cart holds the order, selectionConfirmed set
    Left,  // closed, idle, or cancelled while the menu was loading
    LoadFailed,  // the menu did not arrive (a failed answer or the load's time limit)
};

// What the page shows while its menu loads, and what the opener tells the customer when it failed.
// Korean texts, shown through access::Tr in the visit's language.
inline constexpr const char* kMenuLoadingText = TrNoop("메뉴를 불러오는 중입니다");
inline constexpr const char* kMenuLoadCancelCaption = TrNoop("취소");
inline constexpr const char* kMenuLoadFailedText = TrNoop("메뉴를 불러오지 못했습니다. 잠시 후 다시 시도해 주세요.");

class MenuPageModel {
public:
    // The tables the page shows; they outlive the model.
    explicit MenuPageModel(const MenuTables& tables)
        : m_tables(&tables)
    {
    }
    const MenuTables& tables() const { return *m_tables; }

    order::Order composed;  // the order being composed
    QString checkTypes;  // sent as "checktypes"; the reception screen leaves it empty
    QString category;
    int page = 0;

    // Before load(): how much a page shows.
    void setShape(const PageShape& shape);
    const PageShape& shape() const { return m_shape; }

    // A copy of the opener's cart: the page works on composed and writes it into the copy on
    // "선택완료"; result() is what the page hands back when it closes.
    void open(const cart::OrderCart& cart);
    const cart::OrderCart& result() const { return m_cart; }

    // While the menu loads, no touch of the page acts (tabs, tiles, keys, rows): only the cancel of
    // the loading state, which leaves the page.
    void beginLoading();
    bool loading() const { return m_loading; }
    // The load's outcome: a menu arrived (the first category's page is shown, nullopt), or it did not
    // (LoadFailed: the page closes, the cart unconfirmed).
    std::optional<MenuPageEnd> loadEnded(bool menuArrived);
    // "취소" while loading, and the keypad's back key.
    MenuPageEnd cancelLoading();

    // After the tables were loaded: the first category, its tabs and its first page; the deadline renewed.
    void load();
    void showTabStrip(int direction);
    void showTilePage(int direction);

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

    // m_idleTick: the countdown text, or nullopt when the time is up (the page closes unconfirmed).
    std::optional<QString> idleTick();
    IdleDeadline& deadline() { return m_deadline; }

private:
    void setConfirmed(bool confirmed);

    const MenuTables* m_tables;
    cart::OrderCart m_cart;
    bool m_loading = false;
    PageShape m_shape;
    TabStrip m_tabs;
    TilePage m_tiles;
    ListGeometry m_list{0, 0, kListViewHeight};
    IdleDeadline m_deadline;
};

}  // namespace sumbrel::menu

#pragma once
// The menu page on which a customer composes the order: category tabs, twenty menu tiles per page,
// the order rows with their totals, and the keys. Created once, hidden between uses; open() shows it
// over the reception screen (which takes no touch meanwhile) and returns at once, and closed() tells
// how the visit ended. Built again when the look changes (the barrier-free choices lay it out larger
// or low, with fewer tiles per page). The rules live in menu_page_model.h; this class shows them. A
// keypad drives it as well as touch.
#include "menu/menu_page_model.h"
#include "menu/menu_page_service.h"
#include "menu/ui/picture_cache.h"
#include "presentation/widgets.h"
#include "server/background_exchange.h"
#include "startup/clock.h"
#include "startup/screen_hold.h"

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <optional>

class QFrame;
class QLabel;

namespace sumbrel {

class CaptionKey;
class KeypadNavigator;

namespace menu {
class MenuTile;
}

class MenuPage : public QDialog {
    Q_OBJECT
public:
    // reception: the screen the page is placed over (its left and top).
    // The page's loads ask the shop of the session.
    // tables: the terminal's menu, which the page's loads replace; it outlives the page.
    MenuPage(Session session, menu::MenuTables& tables, QWidget* reception = nullptr);
    ~MenuPage() override;

    // The order being composed on the page.
    order::Order& composed() { return m_model.composed; }
    // Opened and not yet activated: the activation that finds it so loads the menu.
    bool loadPending() const { return m_loadPending; }

    // Takes a copy of the opener's cart and shows the page at the reception screen's place; returns
    // at once. The activation loads the menu off the
    // screen's thread; closed() reports the end of the visit with the cart as it then stands.
    void open(const cart::OrderCart& cart);
    // The menu is being loaded: the loading panel with its "취소" key is up.
    bool loading() const { return m_model.loading(); }
    // How long the whole load (all three answers) may take before the visit ends as LoadFailed.
    int loadLimitMs() const { return m_loadLimitMs; }

    menu::MenuPageService& service() { return m_service; }
    // The page's decoded pictures, shared with the item dialogs it opens; they go with the page.
    menu::PictureCache& pictures() { return m_pictures; }

    // Operations.
    void activate();
    bool drawOrder();

    // Event handlers, public so that a caller can drive the page by index.
    void categoryTabClicked(int tab);
    void tileClicked(int tile);
    void commandKeyClicked(int key);
    void commandKeyDoubleClicked(int key);
    void quantityDownClicked(int row);
    void quantityUpClicked(int row);
    void removeClicked(int row);
    void idleTick();

    const menu::MenuPageModel& model() const { return m_model; }
    KeypadNavigator& keypad() { return *m_keypad; }
    // What the page is for, where it stands and how to move on it (spoken on opening and by "*").
    QString intro() const;

Q_SIGNALS:
    // Once per visit, the page hidden: the cart (selectionConfirmed and the order set on Confirmed,
    // otherwise the opener's cart as it was handed over, unconfirmed) and how the visit ended.
    void closed(sumbrel::cart::OrderCart result, sumbrel::menu::MenuPageEnd end);

public:
    // Design colours of the tabs (the current one and the others).
    static QColor tabColour(bool current);
    // Where the page marker stands for its slot, and tile k's place on the page, in design pixels.
    QPoint markerPlace(menu::MarkerSlot slot) const;
    QPoint tilePlace(int k) const;

protected:
    // Opens the item dialog for a touched tile (SingleItemDialog or OptionItemDialog over the
    // page) and returns at once; its end reaches itemDialogClosed. A test may put its own dialog.
    virtual void openItemDialog(const menu::TileTouch& touch);
    // The item dialog has closed, with the line it added (none when it was closed without one).
    void itemDialogClosed(const std::optional<order::OrderLine>& added);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Escape or the window's close: as the close key.
    void reject() override;

private:
    // Where everything stands: the design's layout, or the large or low one of the barrier-free
    // choices, each for a wide screen or a tall one. rowScale sizes the order rows (and the tiles'
    // texts follow the fonts).
    struct PageLayout {
        bool low = false;
        double rowScale = 1.0;
        std::array<QRect, menu::kPageKeyCount> keys{};
        std::array<int, menu::kPageKeyCount> keyFonts{};
        QRect firstTab;
        int tabPitch = 0;
        int tabsPerStrip = menu::kTabCount;
        int tabFont = 22;
        int tileColumns = 5;
        QPoint tileOrigin;
        QSize tileSize;
        QSize tilePitch;
        int tilesPerPage = menu::kTileCount;
        QRect pageLabel;
        bool marker = true;
        // The marker's places on the first page, between the first and the last, and on the last;
        // its track joins the first and the last.
        std::array<QPoint, 3> markerAt{{{754, 372}, {754, 424}, {754, 472}}};
        QRect timer;
        // "직원 호출": under the tiles, or beside the confirm key.
        QRect staffCall;
        int band = 99;  // the dark band across the top
        QRect card, heading, list;
        QRect totalWord, count, total, wonWord;
        // A second card behind the heading and the totals where they stand apart from the rows.
        QRect summary;
        // What stays bright while an item dialog is open.
        QRect orderArea;
        QRect loadingText{62, 250, 900, 90};
        QRect loadingKey{392, 470, 240, 100};
    };
    static PageLayout LayoutFor(bool low, bool large);
    static PageLayout PortraitLayoutFor(bool low, bool large);

    struct Tile {
        menu::MenuTile* frame = nullptr;
        QLabel* photo = nullptr;
        QLabel* name = nullptr;
        QLabel* price = nullptr;
    };
    struct Row {
        QFrame* frame = nullptr;
        QLabel* serial = nullptr;
        QLabel* name = nullptr;
        QLabel* price = nullptr;
        QLabel* options = nullptr;
        QLabel* quantity = nullptr;
        CaptionKey* sub = nullptr;
        CaptionKey* add = nullptr;
        CaptionKey* remove = nullptr;
    };

    // Layout, once.
    void build();
    void buildTabs();
    void buildTiles();
    void buildKeys();
    void buildOrderList();
    void buildShadow();
    void buildLoadingPanel();
    void loadSkin();

    // The menu's three answers, fetched off the screen's thread.
    void startLoad();
    void loadArrived(const menu::MenuPageData& data);
    void loadOverdue();
    void cancelLoad();
    void showLoading(bool on);

    // Showing the model.
    void showTabs();
    void fitTabCaption(CaptionKey* tab) const;
    static void fitCaption(CaptionKey* key);
    static void fitText(QLabel* label);
    static void widenLeftward(CaptionKey* key, int leftmost);
    void showTiles();
    void showList();
    void closePage(menu::MenuPageEnd end);
    int textWidth(const QString& text) const;
    int rowPx(int designPixels) const;
    void buildKeypad();
    bool turnPage(int direction);
    void sayLineAdded(const order::OrderLine& line);

    menu::MenuTables& m_tables;
    menu::MenuPageModel m_model;
    menu::MenuPageService m_service;
    menu::PictureCache m_pictures;
    // From the touch of a tile until its dialog is up, the page takes no touch.
    std::optional<InputDrop> m_tileDrop;
    // The tile whose dialog is open, disabled until it closes.
    int m_dialogTile = -1;
    bool m_drawing = false;
    bool m_loadPending = false;
    ScreenActivation m_activation;
    QWidget* m_reception = nullptr;
    PageLayout m_layout;
    // The skin's pictures carry the keys of the design's layout: only that layout shows them.
    bool m_skinned = false;
    KeypadNavigator* m_keypad = nullptr;

    QPixmap m_background;  // 0501.gif
    QPixmap m_tileBackground;  // 0502.gif
    QPixmap m_rowBackground;  // 0503.gif

    std::array<CaptionKey*, menu::kTabCount> m_tabs{};
    std::array<Tile, menu::kTileCount> m_tiles{};
    std::array<CaptionKey*, menu::kPageKeyCount> m_keys{};
    std::array<Row, menu::kOrderRows> m_rows{};
    QLabel* m_page = nullptr;
    QLabel* m_pageMarker = nullptr;
    QLabel* m_timerText = nullptr;
    QFrame* m_orderCard = nullptr;
    QFrame* m_orderRowsArea = nullptr;
    QLabel* m_orderCount = nullptr;
    QLabel* m_orderTotal = nullptr;
    QWidget* m_backdrop = nullptr;
    QWidget* m_tabMark = nullptr;  // under the current tab, so it is told by more than its colour
    ClockTimer* m_idleTick = nullptr;
    QFrame* m_loadingPanel = nullptr;  // over the whole page while the menu loads
    CaptionKey* m_cancelLoadKey = nullptr;
    CaptionKey* m_staffCallKey = nullptr;
    ClockTimer* m_loadDeadline = nullptr;
    int m_loadLimitMs = 0;
    // Last, so that it is stopped (and its thread joined) before anything its result would reach.
    BackgroundExchange m_loads{this};
};

}  // namespace sumbrel

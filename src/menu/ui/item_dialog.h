#pragma once
// What the two item dialogs share: placement and skin, the item's photo and texts, the quantity
// keys with hold-to-repeat, the idle close with its countdown, the command keys and the closing, the
// keypad and the spoken guidance of the barrier-free mode.
#include "access/focus_order.h"
#include "menu/idle.h"
#include "menu/menu_item.h"
#include "menu/order.h"
#include "presentation/widgets.h"
#include "startup/clock.h"

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

namespace sumbrel::menu {
class PictureCache;
}

class QLabel;
class QPainter;

namespace sumbrel {

class CaptionKey;
class KeypadNavigator;

class ItemDialog : public QDialog {
    Q_OBJECT
public:
    ~ItemDialog() override;

    // The item: a row of the catalogue the page showed when the tile was touched.
    std::shared_ptr<const MenuCatalogue> m_catalogue;
    qsizetype m_row = -1;
    menu::PictureCache* m_pictures = nullptr;  // the page's, when a page opened it
    order::OrderLine m_line;  // the line being composed
    // open() shows it over the page, which takes no touch meanwhile; it closes itself (add, close,
    // idle), reports closedWith once, and is then deleted by its owner.

    // The line "주문 담기" added, for the page to add to its order; none when the dialog was closed.
    const std::optional<order::OrderLine>& addedLine() const { return m_added; }

    static constexpr int kCorner = 20;
    static constexpr int kCloseDelayMs = 100;
    // The low and the large layouts cover the whole screen (the design's 1024 x 768, or 1080 x 1920
    // standing): information above, every key in the lower part.
    static bool FullScreen();
    static QSize Screen();
    // Where the lower part starts on the screen.
    static int LowTop();
    // A standing screen's dialog of that size: centred across, its middle at three fifths of the
    // height, where a standing customer reads and reaches it above the page's own keys.
    static QPoint LowerMiddle(QSize size);
    // Skin pictures only in the design's layout and palette, drawn for the lying screen with their
    // Korean words: in high contrast, on a standing screen and in other languages every face is plain.
    static QString SkinIn(const QString& skin);
    // A text longer than its place steps down in size rather than being cut: in the large view at most
    // to the design's size, otherwise (a translation longer than the Korean) to two thirds of its own.
    static void FitToPlace(QLabel* label);
    static void FitToPlace(CaptionKey* key);
    // What the dialog says when it shows and again on "*".
    QString intro() const;
    KeypadNavigator* keypad() const { return m_keypad; }
    // m_commandKeys(0..3); the page keys 1 and 2 only where there are option groups to page.
    enum CmdIndex : int { kCmdClose = 0, kCmdPageBack = 1, kCmdPageNext = 2, kCmdAdd = 3, kPanelKeyCount = 4 };
    enum QuantityKey : int { kQuantityDown = 0, kQuantityUp = 1 };

    // The content from the catalogue row; runs once, at the first showing.
    virtual void activate() = 0;
    // Recomputes m_line, m_totalLabel and the add key's colour.
    virtual bool computeTotal() = 0;
    virtual void commandKeyClicked(int index) = 0;
    void quantityKeyClicked(int index);
    void quantityKeyPressed(int index);
    void quantityKeyReleased(int index);
    void idleTick();
    void autoRepeatTick();

Q_SIGNALS:
    // Once, when the dialog is first on the screen.
    void shown();
    // Once, as the dialog closes: the line it added, none when it was closed without one.
    void closedWith(std::optional<sumbrel::order::OrderLine> line);

protected:
    // The window: its object name, its name in the trace (also the trace's module), title, size, place from the page's
    // top-left corner and skin picture.
    struct Frame {
        QString objectName;
        QString name;
        QString title;
        QSize size;
        QPoint fromPage;
        QString skin;
    };
    // page: the menu page (the dialog is placed relative to it and is its child window).
    ItemDialog(QWidget* page, Frame frame);

    virtual menu::Quantity& quantity() = 0;
    virtual const menu::MenuItem& item() const = 0;
    virtual int optionGroups() const { return 0; }
    // The keypad moved past the last (or before the first) element: true when a page was turned.
    virtual bool turnPage(access::Move) { return false; }

    // Size, place, skin, rounded corners; the idle deadline starts.
    void build();
    // The catalogue row m_row; none (traced) when the catalogue has no such row.
    std::optional<menu::MenuItem> readItem() const;
    // Photo, texts and quantity; a photo that cannot be read is traced and its placeholder shown.
    void showItem();

    // Where the item's photo and texts stand, and their sizes where the two dialogs differ.
    struct ItemPlaces {
        QRect photo, name, composition, description, priceCaption, price, priceUnit;
        bool compositionWraps = false;  // several lines from the top, else one centred line
        int descriptionSize = 16;
        int priceSize = 26;
    };
    void makeItemTexts(const ItemPlaces& at);
    // The total line: its caption, the amount and the unit.
    struct TotalPlaces {
        QRect caption, amount, unit;
        QString captionText;
        Qt::Alignment captionAlignment;
        int captionSize = 18;
        int amountSize = 32;
        int unitSize = 20;
    };
    void makeTotal(const TotalPlaces& at);
    // m_quantityLabel between its two keys, wired for touch, double touch and hold.
    void makeQuantityKeys(const QRect& down, const QRect& shown, const QRect& up, int fontSize = 28);
    void makeCountdown(const QRect& geometry);
    // m_commandKeys(0) closes, m_commandKeys(3) adds; both wired.
    void makeCommandKeys(const QRect& close, const QRect& add, int fontSize = 24);
    // m_quantityLabel and m_totalLabel, with what a screen reader says of them.
    void showQuantity();
    void showTotal(const QString& totalText);

    // The touched command key, disabled for its action; nullptr when it cannot act (no such key,
    // still disabled, or the dialog closing).
    CaptionKey* takeKey(int index);
    // Keeps the line for the page; an item without a name is traced and not added.
    bool addToPage(const std::optional<order::OrderLine>& line);
    // After a short wait (kCloseDelayMs, a timer), during which the dialog stays up and no key acts:
    // the rest of a double touch lands on the dialog, not on the page behind it.
    void closeDialog(int result);

    bool event(QEvent* event) override;
    void done(int result) override;
    void paintEvent(QPaintEvent* event) override;
    // What is drawn where there is no skin picture.
    virtual void paintPanels(QPainter& p) = 0;

    const Frame m_frame;
    std::optional<order::OrderLine> m_added;
    QWidget* m_page;
    menu::IdleDeadline m_idleDeadline;
    menu::HoldRepeat m_hold;
    QPixmap m_background;
    bool m_activated = false;
    // In place: the content is there once the dialog shows, before anything queued behind open().
    ScreenActivation m_activation{ScreenActivation::Run::InPlace};
    bool m_closing = false;
    bool m_reported = false;
    // Deleted first of all: none of its callbacks may reach a dialog being torn down.
    KeypadNavigator* m_keypad = nullptr;
    // After the state event() reads: parenting a timer sends the dialog a ChildAdded event.
    ClockTimer m_idleTick{this};
    ClockTimer m_autoRepeat{this};
    ClockTimer m_closeDelay{this};
    int m_closeResult = Rejected;

    QLabel* m_photoLabel = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_compositionLabel = nullptr;
    QLabel* m_descriptionLabel = nullptr;
    QLabel* m_priceLabel = nullptr;
    QLabel* m_quantityLabel = nullptr;
    QLabel* m_totalLabel = nullptr;
    QLabel* m_idleCountdownLabel = nullptr;
    std::array<CaptionKey*, 2> m_quantityKeys{};
    std::array<CaptionKey*, kPanelKeyCount> m_commandKeys{};
};

}  // namespace sumbrel

#pragma once
// The menu page's own widgets: the menu tile (one touch target for its photo, name and price) and
// the dimmed panel's shape.
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QWidget>

class QLabel;

namespace sumbrel {
class CaptionKey;
}

namespace sumbrel::menu {

// A rounded tile that reports a touch anywhere on it (its photo, name and price let touches through).
// A screen reader sees a push button named by the item, described by its price and options; a tile
// that shows no item is nothing to it.
class MenuTile : public QWidget {
    Q_OBJECT
public:
    explicit MenuTile(QWidget* parent = nullptr);

    void setBackground(const QPixmap& picture);
    // What a screen reader announces: the item's name and the whole spoken text; both empty while
    // the tile shows no item.
    void setItem(const QString& name, const QString& description);
    bool showsItem() const { return !accessibleName().isEmpty(); }
    // One touch as the customer gives it.
    void touch();

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_background;
    bool m_down = false;
};

// A key's caption or a label's text that does not fit its place (a translation longer than the
// Korean, a name in a taller type) steps down in size rather than being cut: from the element's own
// size (kept at the first call, so that each new text starts from it again) down to `lowest` of it.
// A caption breaks inside its lines only where it does not fit on them even at the smallest size.
// The trace names each text made smaller, after `owner`.
void FitKeyCaption(CaptionKey* key, const char* owner, double lowest = 2.0 / 3);
void FitLabelText(QLabel* label, const char* owner, double lowest = 2.0 / 3);

// The order list's area (800, 95)-(1025, 680): it stays bright while a dialog is open.
inline constexpr QRect kOrderArea{800, 95, 225, 585};

// The dimmed panel covers the page except the order list's area, cut out with rounded corners.
QRegion ShadowRegion(QSize page, const QRect& orderArea);

}  // namespace sumbrel::menu

#pragma once
// The menu page's own widgets: the menu tile (one touch target for its photo, name and price) and
// the dimmed panel's shape.
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QWidget>

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

// The order list's area (800, 95)-(1025, 680): it stays bright while a dialog is open.
inline constexpr QRect kOrderArea{800, 95, 225, 585};

// The dimmed panel covers the page except the order list's area, cut out with rounded corners.
QRegion ShadowRegion(QSize page, const QRect& orderArea);

}  // namespace sumbrel::menu

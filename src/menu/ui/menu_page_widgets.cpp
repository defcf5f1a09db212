#include "menu/ui/menu_page_widgets.h"

#include "presentation/accessible_key.h"
#include "presentation/look.h"
#include "presentation/screen_utils.h"
#include "presentation/stage_scale.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace sumbrel::menu {

namespace {

// A push button named by the item it shows, pressed as by a touch; while it shows none, no key.
QAccessibleInterface* TileFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("sumbrel::menu::MenuTile") || !object || !object->isWidgetType())
        return nullptr;
    auto* tile = static_cast<MenuTile*>(object);
    return new AccessibleKey(
        tile,
        {[tile] { return tile->accessibleName(); }, [tile] { return tile->isEnabled(); }, [tile] { tile->touch(); },
         [tile] { return !tile->showsItem(); }});
}

}  // namespace

MenuTile::MenuTile(QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(TileFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
}

void MenuTile::setBackground(const QPixmap& picture)
{
    m_background = picture;
    update();
}

void MenuTile::setItem(const QString& name, const QString& description)
{
    setAccessibleName(name);
    setAccessibleDescription(description);
}

void MenuTile::touch()
{
    if (isEnabled())
        Q_EMIT clicked();
}

void MenuTile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_background.isNull()) {
        p.drawPixmap(rect(), m_background);
        return;
    }
    const double s = StageScale();
    p.fillRect(rect(), Colours().panel);
    p.setPen(QPen(Colours().menuPage.cardRim, 2 * s));
    p.setRenderHint(QPainter::Antialiasing);
    p.drawRoundedRect(QRectF(rect()).adjusted(s, s, -s, -s), 10 * s, 10 * s);
}

void MenuTile::mousePressEvent(QMouseEvent* event)
{
    m_down = true;
    event->accept();
}

void MenuTile::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_down && rect().contains(event->position().toPoint());
    m_down = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

QRegion ShadowRegion(QSize page, const QRect& orderArea)
{
    const QRegion whole(0, 0, page.width() + 1, page.height() + 1);
    return whole.subtracted(RoundedRegion(QRectF(Px(orderArea)), 20 * StageScale()));
}

}  // namespace sumbrel::menu

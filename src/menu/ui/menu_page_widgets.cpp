#include "menu/ui/menu_page_widgets.h"

#include "presentation/accessible_key.h"
#include "presentation/caption_key.h"
#include "presentation/look.h"
#include "presentation/screen_utils.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace sumbrel::menu {

namespace {

// An element's own pixel size, kept before a long text first makes it smaller.
constexpr const char* kOwnSize = "ownPixelSize";

// The element's font at its own size; the smallest size it may step down to.
int OwnSize(QWidget* element, double lowest)
{
    if (element->property(kOwnSize).toInt() <= 0)
        element->setProperty(kOwnSize, element->font().pixelSize());
    QFont own = element->font();
    own.setPixelSize(element->property(kOwnSize).toInt());
    element->setFont(own);
    return std::max(1, int(own.pixelSize() * lowest));
}

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

void FitKeyCaption(CaptionKey* key, const char* owner, double lowest)
{
    const int floor = OwnSize(key, lowest);
    // A word broken across lines (Chinese breaks between any two signs) reads worse than a smaller one.
    const QRect room = key->rect().adjusted(4, 4, -4, -4);
    QFont smallest = key->font();
    smallest.setPixelSize(floor);
    const QRect need = QFontMetrics(smallest).boundingRect(QRect(0, 0, 100000, 100000), 0, key->caption());
    const bool wrap = need.width() > room.width() || need.height() > room.height();
    FitFont(key, key->caption(), room, wrap, floor, owner);
}

void FitLabelText(QLabel* label, const char* owner, double lowest)
{
    const int floor = OwnSize(label, lowest);
    FitFont(label, label->text(), label->contentsRect(), label->wordWrap(), floor, owner);
}

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

#include "presentation/caption_key.h"

#include "presentation/accessible_key.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace sumbrel {

namespace {

QAccessibleInterface* CaptionKeyFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("sumbrel::CaptionKey") && object && object->isWidgetType()) {
        // A caption key is a push button to a screen reader: its caption is its name, and pressing
        // it through the reader touches the key as a customer would.
        auto* key = static_cast<CaptionKey*>(object);
        return new AccessibleKey(key, {[key] { return key->caption(); }, [key] { return key->isKeyEnabled(); },
                                       [key] { key->touch(); }, [key] { return key->isInvisible() && key->caption().isEmpty(); },
                                       [key] { return key->isCheckable() ? int(key->isChecked()) : -1; }});
    }
    return nullptr;
}

}  // namespace

CaptionKey::CaptionKey(const QString& caption, QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(CaptionKeyFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::NoFocus);
    setCaption(caption);
    // First of the click's receivers: the others see the new state.
    connect(this, &CaptionKey::clicked, this, [this] {
        if (!m_checkable || !m_keyEnabled)
            return;
        setChecked(!m_checked);
        Q_EMIT toggled(m_checked);
    });
}

void CaptionKey::setCaption(const QString& caption)
{
    m_caption = caption;
    if (!m_invisible)
        setAccessibleName(caption);
    update();
}

void CaptionKey::setColours(const QColor& rest, const QColor& pressed)
{
    m_rest = rest;
    m_pressedColour = pressed;
    m_background = m_raised ? rest : pressed;
    update();
}

void CaptionKey::setForeground(const QColor& colour)
{
    m_foreground = colour;
    update();
}

void CaptionKey::setKeyEnabled(bool enabled)
{
    m_keyEnabled = enabled;
    update();
}

void CaptionKey::setInvisible(bool invisible)
{
    m_invisible = invisible;
    // An invisible area without a caption is the operator's, not the customer's: a screen reader
    // passes over it. One with a caption is a key a skin's picture draws, and stays a key.
    if (invisible && m_caption.isEmpty())
        setAccessibleName(QString());
    update();
}

void CaptionKey::showLook(bool raised)
{
    if (!m_keyEnabled)
        return;
    m_raised = raised;
    m_background = raised ? m_rest : m_pressedColour;
    update();
}

void CaptionKey::showPressed()
{
    showLook(false);
}

void CaptionKey::showReleased()
{
    showLook(true);
}

void CaptionKey::touch()
{
    showPressed();
    Q_EMIT pressed();
    showReleased();
    Q_EMIT released();
    Q_EMIT clicked();
}

void CaptionKey::doubleTouch()
{
    touch();
    showPressed();
    Q_EMIT pressed();
    Q_EMIT doubleClicked();
    showReleased();
    Q_EMIT released();
}

void CaptionKey::paintEvent(QPaintEvent*)
{
    if (m_invisible)
        return;
    QPainter p(this);
    // A see-through key blends with what lies under it: drawn each time.
    if (m_background.alpha() < 255) {
        drawFace(p, font());
        return;
    }
    // The face is laid out and drawn once per look and blitted after: a screen repaints its keys
    // far more often than their caption, size or colours change.
    const FaceLook look{size(), devicePixelRatioF(), m_caption, font(), m_background,
                        m_keyEnabled ? m_foreground : Colours().disabledKeyInk, m_raised, m_checkable, m_checked};
    if (m_face.isNull() || !(look == m_faceLook)) {
        m_face = QPixmap(look.size * look.ratio);
        m_face.setDevicePixelRatio(look.ratio);
        m_face.fill(m_background);
        QPainter face(&m_face);
        drawFace(face, QFont(font(), &m_face));
        m_faceLook = look;
    }
    p.drawPixmap(0, 0, m_face);
}

void CaptionKey::drawFace(QPainter& p, const QFont& captionFont) const
{
    const QRect r = rect();
    p.fillRect(r, m_background);
    if (m_raised) {
        // Two-pixel bevel: light top-left, shadow bottom-right.
        const QColor light = m_background.lighter(135);
        const QColor dark = m_background.darker(170);
        for (int i = 0; i < 2; ++i) {
            p.setPen(light);
            p.drawLine(r.left() + i, r.top() + i, r.right() - i, r.top() + i);
            p.drawLine(r.left() + i, r.top() + i, r.left() + i, r.bottom() - i);
            p.setPen(dark);
            p.drawLine(r.left() + i, r.bottom() - i, r.right() - i, r.bottom() - i);
            p.drawLine(r.right() - i, r.top() + i, r.right() - i, r.bottom() - i);
        }
    } else {
        p.setPen(m_background.darker(150));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    p.setFont(captionFont);
    p.setPen(m_keyEnabled ? m_foreground : Colours().disabledKeyInk);
    QRect textArea = r.adjusted(4, 4, -4, -4).translated(m_raised ? 0 : 1, m_raised ? 0 : 1);
    if (m_checkable) {
        // The state told by a mark, not by colour alone.
        const int side = std::min(textArea.height(), QFontMetrics(font()).height());
        const QRectF box(textArea.left() + side / 4.0, textArea.center().y() - side / 2.0, side, side);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(p.pen().color(), std::max(2.0, side / 12.0)));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box.adjusted(2, 2, -2, -2), side / 8.0, side / 8.0);
        if (m_checked) {
            QPainterPath tick;
            tick.moveTo(box.left() + side * 0.22, box.top() + side * 0.52);
            tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.74);
            tick.lineTo(box.left() + side * 0.80, box.top() + side * 0.28);
            p.setPen(QPen(p.pen().color(), std::max(3.0, side / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(tick);
        }
        textArea.setLeft(int(box.right() + side / 4.0));
    }
    p.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, m_caption);
}

void CaptionKey::setCheckable(bool checkable)
{
    m_checkable = checkable;
    update();
}

void CaptionKey::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    update();
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void CaptionKey::pressDown(QMouseEvent* event, bool secondOfDouble)
{
    m_down = true;
    m_afterDouble = secondOfDouble;
    showPressed();
    Q_EMIT pressed();
    event->accept();
}

void CaptionKey::mousePressEvent(QMouseEvent* event)
{
    pressDown(event, false);
}

void CaptionKey::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_down && !m_afterDouble && rect().contains(event->position().toPoint());
    m_down = false;
    m_afterDouble = false;
    showReleased();
    Q_EMIT released();
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void CaptionKey::losePress()
{
    if (!m_down)
        return;
    m_down = false;
    m_afterDouble = false;
    showReleased();
    Q_EMIT released();
}

void CaptionKey::mouseMoveEvent(QMouseEvent* event)
{
    if (m_down && !rect().contains(event->position().toPoint()))
        losePress();
    QWidget::mouseMoveEvent(event);
}

void CaptionKey::leaveEvent(QEvent* event)
{
    losePress();
    QWidget::leaveEvent(event);
}

void CaptionKey::hideEvent(QHideEvent* event)
{
    losePress();
    QWidget::hideEvent(event);
}

bool CaptionKey::event(QEvent* event)
{
    // Another window became the active one (its window passes this on to every shown child).
    if (event->type() == QEvent::WindowDeactivate)
        losePress();
    return QWidget::event(event);
}

void CaptionKey::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double tap: reported as a double click, not as another click.
    pressDown(event, true);
    Q_EMIT doubleClicked();
}

}  // namespace sumbrel

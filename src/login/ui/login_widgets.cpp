#include "login/ui/login_widgets.h"

#include "presentation/accessible_key.h"
#include "presentation/look.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace sumbrel {

namespace {

// The label key is a push button to a screen reader, pressed as by a click while enabled.
QAccessibleInterface* ClickLabelFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("sumbrel::ClickLabel") || !object || !object->isWidgetType())
        return nullptr;
    auto* key = static_cast<ClickLabel*>(object);
    return new AccessibleKey(key,
                             {[key] { return key->text(); }, [key] { return key->isEnabled(); },
                              [key] {
                                  if (key->isEnabled())
                                      Q_EMIT key->clicked();
                              }});
}

}  // namespace

ClickLabel::ClickLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(ClickLabelFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void ClickLabel::mousePressEvent(QMouseEvent* e)
{
    m_pressed = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool fire = m_pressed && e->button() == Qt::LeftButton && isEnabled()
        && rect().contains(e->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(e);
    if (fire)
        Q_EMIT clicked();
}

ToggleBox::ToggleBox(const QString& text, QWidget* parent)
    : QAbstractButton(parent)
{
    setText(text);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize ToggleBox::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(56 + 12 + fm.horizontalAdvance(text()) + 4, std::max(32, fm.height() + 8));
}

void ToggleBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int trackH = 28;
    const QRectF track(1, (height() - trackH) / 2.0, 52, trackH);
    const bool on = isChecked();
    const Palette::Operator& c = Colours().operatorScreens;
    const QColor trackColour = !isEnabled() ? c.switchDisabled : on ? c.switchOn : c.switchOff;
    p.setPen(Qt::NoPen);
    p.setBrush(trackColour);
    p.drawRoundedRect(track, trackH / 2.0, trackH / 2.0);
    const double knob = trackH - 6;
    const double kx = on ? track.right() - 3 - knob : track.left() + 3;
    p.setBrush(on ? Colours().accentKey.rest : c.card);
    p.drawEllipse(QRectF(kx, track.top() + 3, knob, knob));
    if (hasFocus()) {
        QColor ring = c.switchOn;
        ring.setAlpha(110);
        p.setPen(QPen(ring, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(track.adjusted(-2, -2, 2, 2), trackH / 2.0 + 2, trackH / 2.0 + 2);
    }
    p.setPen(isEnabled() ? c.switchInk : c.switchDisabledInk);
    p.setFont(font());
    p.drawText(QRectF(track.right() + 12, 0, width() - track.right() - 12, height()), Qt::AlignVCenter | Qt::AlignLeft,
               text());
}

}  // namespace sumbrel

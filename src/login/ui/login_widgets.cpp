#include "login/ui/login_widgets.h"

#include "presentation/accessible_key.h"
#include "presentation/look.h"
#include "presentation/stage_scale.h"

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
    return QSize(Px(56 + 12) + fm.horizontalAdvance(text()) + Px(4), std::max(Px(32), fm.height() + Px(8)));
}

void ToggleBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int trackH = Px(28);
    const int inset = Px(3);
    const QRectF track(Px(1), (height() - trackH) / 2.0, Px(52), trackH);
    const bool on = isChecked();
    const Palette::Operator& c = Colours().operatorScreens;
    const QColor trackColour = !isEnabled() ? c.switchDisabled : on ? c.switchOn : c.switchOff;
    p.setPen(Qt::NoPen);
    p.setBrush(trackColour);
    p.drawRoundedRect(track, trackH / 2.0, trackH / 2.0);
    const double knob = trackH - 2 * inset;
    const double kx = on ? track.right() - inset - knob : track.left() + inset;
    p.setBrush(on ? Colours().accentKey.rest : c.card);
    p.drawEllipse(QRectF(kx, track.top() + inset, knob, knob));
    if (hasFocus()) {
        QColor ring = c.switchOn;
        ring.setAlpha(110);
        const int band = Px(2);
        p.setPen(QPen(ring, band));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(track.adjusted(-band, -band, band, band), trackH / 2.0 + band, trackH / 2.0 + band);
    }
    p.setPen(isEnabled() ? c.switchInk : c.switchDisabledInk);
    p.setFont(font());
    const int gap = Px(12);
    p.drawText(QRectF(track.right() + gap, 0, width() - track.right() - gap, height()),
               Qt::AlignVCenter | Qt::AlignLeft, text());
}

}  // namespace sumbrel

#include "presentation/message_panel.h"

#include "access/language.h"
#include "access/modes.h"
#include "access/speech.h"

#include "presentation/caption_key.h"
#include "presentation/look.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace sumbrel {

namespace {

// Touch targets below this (in the design's pixels) are missed by fingers.
constexpr int kMinKeyHeight = 60;
// Space kept free around the box, not grown by the look, so a large look still fits the window.
constexpr int kMargin = 16;

QAccessibleInterface* PanelFactory(const QString& className, QObject* object)
{
    // An alert to a screen reader, so it reads the box out as it appears.
    if (className == QLatin1String("sumbrel::MessagePanel") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    return nullptr;
}

QString IconWord(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return access::Tr("알림");
    case MessageIcon::Warning:
        return access::Tr("경고");
    case MessageIcon::Critical:
        return access::Tr("오류");
    case MessageIcon::None:
        break;
    }
    return QString();
}

// The windows the owner stands on, outermost first, the owner's own window last.
QList<QWidget*> WindowChain(QWidget* owner)
{
    QList<QWidget*> chain;
    for (QWidget* w = owner ? owner->window() : nullptr; w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        if (w->isVisible())
            chain.prepend(w);
    return chain;
}

// What the windows show over area (global), darkened as every backdrop of the screens is.
QPixmap Backdrop(const QList<QWidget*>& chain, QScreen* screen, const QRect& area, const Palette& colours)
{
    const qreal ratio = chain.isEmpty() ? (screen ? screen->devicePixelRatio() : 1.0)
                                        : chain.last()->devicePixelRatioF();
    QImage canvas((QSizeF(area.size()) * ratio).toSize(), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(colours.banner);
    QPainter painter(&canvas);
    if (chain.isEmpty() && screen) {
        // Platforms that cannot read the screen back give a null picture: the fill stays.
        const QPixmap shot = screen->grabWindow(0, area.x() - screen->geometry().x(), area.y() - screen->geometry().y(),
                                                area.width(), area.height());
        if (!shot.isNull())
            painter.drawPixmap(QRect(QPoint(0, 0), area.size()), shot);
    }
    for (QWidget* w : chain) {
        const QPoint at = w->mapToGlobal(QPoint(0, 0)) - area.topLeft();
        painter.save();
        // A rounded window shows nothing outside its mask.
        if (!w->mask().isEmpty())
            painter.setClipRegion(w->mask().translated(at));
        painter.drawPixmap(QRect(at, w->size()), w->grab());
        painter.restore();
    }
    painter.end();
    return QPixmap::fromImage(MaskedCopy(canvas, colours.dimming));
}

void Bar(QPainter& p, double centreX, double top, double bottom, double width)
{
    p.drawRoundedRect(QRectF(centreX - width / 2, top, width, bottom - top), width / 2, width / 2);
}

void Dot(QPainter& p, double centreX, double centreY, double diameter)
{
    p.drawEllipse(QPointF(centreX, centreY), diameter / 2, diameter / 2);
}

// A plain symbol in the palette's colours, the same on every platform.
void DrawIcon(QPainter& p, const QRectF& r, MessageIcon icon, const Palette& c)
{
    const double d = r.width();
    const double x = r.center().x();
    auto at = [&r, d](double part) { return r.top() + d * part; };
    switch (icon) {
    case MessageIcon::Warning: {
        const QPolygonF triangle{QPointF(x, at(0.06)), QPointF(r.right() - d * 0.03, at(0.9)),
                                 QPointF(r.left() + d * 0.03, at(0.9))};
        p.setPen(QPen(c.accentKey.pressed, d * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(c.accentKey.rest);
        p.drawPolygon(triangle);
        p.setPen(Qt::NoPen);
        p.setBrush(c.keyInk);
        Bar(p, x, at(0.34), at(0.64), d * 0.1);
        Dot(p, x, at(0.76), d * 0.11);
        break;
    }
    case MessageIcon::Critical: {
        p.setPen(Qt::NoPen);
        p.setBrush(c.alert);
        p.drawEllipse(r);
        p.setPen(QPen(c.inkOnDark, d * 0.11, Qt::SolidLine, Qt::RoundCap));
        const double a = d * 0.31;
        const double b = d * 0.69;
        p.drawLine(QPointF(r.left() + a, at(0.31)), QPointF(r.left() + b, at(0.69)));
        p.drawLine(QPointF(r.left() + b, at(0.31)), QPointF(r.left() + a, at(0.69)));
        break;
    }
    case MessageIcon::Information:
        p.setPen(Qt::NoPen);
        p.setBrush(c.banner);
        p.drawEllipse(r);
        p.setBrush(c.inkOnDark);
        Dot(p, x, at(0.27), d * 0.12);
        Bar(p, x, at(0.41), at(0.78), d * 0.11);
        break;
    case MessageIcon::None:
        break;
    }
}

}  // namespace

MessagePanel::MessagePanel(QWidget* owner, const QString& title, const QString& text, MessageIcon icon)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_icon(icon)
    , m_colours(Colours())
    , m_scale(CurrentLook().scale * StageScale())
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(PanelFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("messagePanel"));
    setWindowTitle(title);
    setModal(true);
    m_text = MakeLabel(this, QStringLiteral("message"), QRect(), LabelFont(30), m_colours.ink, Qt::AlignCenter,
                       LabelFlag::Wrap, text);
    m_key = MakeKey(this, QStringLiteral("messageOkKey"), access::Tr("확인"), QRect(), KeyFont(34),
                    m_colours.accentKey, m_colours.keyInk);
    // The one key takes the keyboard, so Enter or Space acts on what has the focus.
    m_key->setFocusPolicy(Qt::StrongFocus);
    connect(m_key, &CaptionKey::clicked, this, &QDialog::accept);
    setAccessibleName(m_text->accessibleName());
    setAccessibleDescription(IconWord(icon));
    layOut(owner);
}

MessagePanel::~MessagePanel() = default;

QWidget* MessagePanel::Owner()
{
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible())
        return modal;
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    // Without a window manager no window may be active: the largest one shown is the screen.
    QWidget* largest = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (!w->isVisible() || type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop)
            continue;
        if (!largest || w->width() * w->height() > largest->width() * largest->height())
            largest = w;
    }
    return largest;
}

void MessagePanel::layOut(QWidget* owner)
{
    const QList<QWidget*> chain = WindowChain(owner);
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    QRect area(QPoint(0, 0), Px(StageDesign()));
    if (!chain.isEmpty())
        area = QRect(chain.first()->mapToGlobal(QPoint(0, 0)), chain.first()->size());
    else if (screen)
        area = screen->geometry();
    setGeometry(area);
    m_backdrop = Backdrop(chain, screen, area, m_colours);
    if (!chain.isEmpty()) {
        create();
        if (windowHandle())
            windowHandle()->setTransientParent(chain.last()->windowHandle());
    }

    auto px = [this](int design) { return std::max(1, int(std::lround(design * m_scale))); };
    const int margin = Px(kMargin);
    const int width = std::max(1, std::min(px(600), area.width() - 2 * margin));
    const int pad = std::min(px(32), width / 8);
    const int inner = std::max(1, width - 2 * pad);
    const int iconSide = m_icon == MessageIcon::None ? 0 : px(76);
    const int iconGap = iconSide ? px(18) : 0;
    const int keyHeight = std::max(Px(kMinKeyHeight), px(80));
    const int keyWidth = std::min(px(260), inner);
    const int keyGap = px(28);
    const int fixed = pad + iconSide + iconGap + keyGap + keyHeight + pad;
    const int textHeight = std::max(0, std::min(m_text->heightForWidth(inner), area.height() - 2 * margin - fixed));
    const int height = fixed + textHeight;

    // Over the middle of the owner's window, kept inside the panel; at its foot in the low layout,
    // where the key is within reach.
    QPoint centre = owner ? owner->mapToGlobal(owner->rect().center()) - area.topLeft() : rect().center();
    // A tall window has it lower, within a standing customer's reach.
    if (owner && StagePortrait())
        centre.setY(owner->mapToGlobal(QPoint(0, owner->height() * 3 / 5)).y() - area.top());
    const int left = qBound(margin, centre.x() - width / 2, area.width() - margin - width);
    const int lowest = std::max(margin, area.height() - margin - height);
    const int top = access::CurrentModes().low ? lowest : qBound(margin, centre.y() - height / 2, lowest);
    m_box = QRect(left, top, width, height);
    m_iconArea = QRect(left + (width - iconSide) / 2, top + pad, iconSide, iconSide);
    m_text->setGeometry(left + pad, top + pad + iconSide + iconGap, inner, textHeight);
    m_key->setGeometry(left + (width - keyWidth) / 2, top + height - pad - keyHeight, keyWidth, keyHeight);
}

void MessagePanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_backdrop.isNull())
        p.fillRect(rect(), m_colours.banner);
    else
        p.drawPixmap(0, 0, m_backdrop);
    p.setRenderHint(QPainter::Antialiasing);
    const double rim = std::max(2.0, 2 * m_scale);
    const double corner = 14 * m_scale;
    p.setPen(QPen(m_colours.ink, rim));
    p.setBrush(m_colours.panel);
    p.drawRoundedRect(QRectF(m_box).adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2), corner, corner);
    if (m_icon != MessageIcon::None)
        DrawIcon(p, QRectF(m_iconArea), m_icon, m_colours);
}

void MessagePanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:  // the keypad's
    case Qt::Key_Escape:
    case Qt::Key_Space:
        // A key held since the screen behind raised the box must not close it unseen.
        if (!event->isAutoRepeat())
            m_key->touch();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void MessagePanel::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_key->setFocus();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    access::Guide(access::Tr("%1. 확인 키를 누르면 닫힙니다.").arg(m_text->text()));
}

}  // namespace sumbrel

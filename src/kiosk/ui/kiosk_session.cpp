#include "kiosk/ui/kiosk_session.h"

#include "kiosk/kiosk_layout.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "startup/trace_log.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGraphicsEffect>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace sumbrel::kiosk {

namespace {

QColor Rgb(const int (&c)[3])
{
    return QColor(c[0], c[1], c[2]);
}

// Draws a screen only inside its mask: Wayland shapes no window, so a rounded screen's corners would
// show whatever the screen paints there instead of the stage.
class MaskClip : public QGraphicsEffect {
public:
    explicit MaskClip(QWidget* screen)
        : QGraphicsEffect(screen)
        , m_screen(screen)
    {
    }

protected:
    void draw(QPainter* painter) override
    {
        if (!m_screen->mask().isEmpty())
            painter->setClipRegion(m_screen->mask(), Qt::IntersectClip);
        drawSource(painter);
    }

private:
    QWidget* m_screen;
};

QSize DevicePixels(const QScreen* screen)
{
    return screen ? (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize() : QSize();
}

}  // namespace

void PrepareEnvironment()
{
    // A fractional factor of Qt's own clips texts and keys below 1 and tells screen readers the
    // unscaled places: the screens scale themselves instead (the stage scale), in the screen's own
    // pixels. A high-density screen's whole ratio stays the platform's.
    qunsetenv("QT_SCALE_FACTOR");
    qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
}

Stage::Stage()
{
    setObjectName(QStringLiteral("kioskStage"));
    setAccessibleName(QStringLiteral("Sumbrel"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Stage::changeEvent(QEvent* event)
{
    // A compositor that maximizes the stage only shows it once it is drawn again in its new state.
    if (event->type() == QEvent::WindowStateChange || event->type() == QEvent::ActivationChange)
        update();
    QWidget::changeEvent(event);
}

void Stage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, Rgb(kStageTop));
    shade.setColorAt(1, Rgb(kStageBottom));
    p.fillRect(rect(), shade);
}

KioskSession::KioskSession()
    : m_stage(new Stage)
{
    lastScreenClosed = [] { QCoreApplication::quit(); };
    m_clipMasks = QGuiApplication::platformName() == u"wayland";
    qApp->installEventFilter(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m_stage->setGeometry(screen->geometry());
        m_scale.screenPixels = DevicePixels(screen);
    }
    setLayout(LayoutChoice::Auto);
    m_stage->showFullScreen();
    updatePointer();
}

KioskSession::~KioskSession()
{
    SetStageScale(1.0);
    SetStageStretch({1.0, 1.0});
    SetStagePortrait(false);
    qApp->removeEventFilter(this);
    if (m_pointerHidden)
        QGuiApplication::restoreOverrideCursor();
    delete m_stage;
}

void KioskSession::setLayout(LayoutChoice choice)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize logical = screen ? screen->geometry().size() : QSize();
    m_orientation = ChooseOrientation(choice, logical);
    m_screen = logical;
    const PanelSize panel = screen ? ConfiguredPanelSize(screen->physicalSize(), logical) : PanelSize{};
    WriteLog(PanelLine(panel, logical, StageFit(logical, m_orientation, Audience::Customer),
                       StageStretch(logical, m_orientation, Audience::Customer)));
    setAudience(m_audience);
}

void KioskSession::setAudience(Audience audience)
{
    m_audience = audience;
    FitStage(m_screen, m_orientation, audience);
    m_scale.factor = StageScale();
}

void KioskSession::adopt(QWidget* screen)
{
    if (!screen)
        return;
    screen->setParent(m_stage, screen->windowFlags() | Qt::Window | Qt::FramelessWindowHint);
    m_screens.append(screen);
}

bool KioskSession::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    // Before a window exists on the screen: a rounded one (the login screen, the item dialogs) is
    // drawn see-through outside its mask where the platform cannot shape windows.
    if (type == QEvent::Polish && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        // A window of no screen (a message box, a file dialog) is put over the stage too, so a kiosk
        // compositor centres it instead of leaving it in a corner.
        const Qt::WindowType kind = widget->windowType();
        if (widget->isWindow() && !widget->parentWidget() && widget != m_stage && kind != Qt::Popup
            && kind != Qt::ToolTip && kind != Qt::SplashScreen && kind != Qt::Desktop)
            widget->setParent(m_stage, widget->windowFlags());
    }
    if (type == QEvent::Polish && watched->isWidgetType() && m_clipMasks) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && !widget->mask().isEmpty() && !widget->graphicsEffect()) {
            widget->setAttribute(Qt::WA_TranslucentBackground);
            widget->setGraphicsEffect(new MaskClip(widget));
        }
    }
    if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget != m_stage) {
            if (type == QEvent::Show)
                logShown(widget);
            // Once the showing or hiding is through: a screen may hide one window and show the next.
            if (!m_settlePending) {
                m_settlePending = true;
                QTimer::singleShot(0, this, [this] { settle(); });
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void KioskSession::settle()
{
    m_settlePending = false;
    // A compositor may move the stage as the screens come and go; drawn anew it never shows stale.
    m_stage->update();
    updatePointer();
    m_screens.removeAll(nullptr);
    bool anyShown = false;
    for (const QPointer<QWidget>& screen : m_screens)
        anyShown = anyShown || screen->isVisible();
    if (!m_screens.isEmpty() && !anyShown && lastScreenClosed)
        lastScreenClosed();
}

void KioskSession::updatePointer()
{
    QStringList visible;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            visible << window->objectName();
    const bool hide = !PointerShown(visible);
    if (hide == m_pointerHidden)
        return;
    m_pointerHidden = hide;
    if (hide)
        QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

void KioskSession::logShown(QWidget* window) const
{
    if (window->objectName().isEmpty())
        return;
    const QSize pixels = (QSizeF(window->size()) * window->devicePixelRatioF()).toSize();
    WriteLog(WindowLine(TraceName(window), pixels, DevicePixels(window->screen()), m_scale.factor));
}

}  // namespace sumbrel::kiosk

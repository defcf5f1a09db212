#include "presentation/widgets.h"

#include "presentation/caption_key.h"
#include "presentation/look.h"
#include "presentation/stage_scale.h"
#include "startup/files.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace sumbrel {

QString SkinFile(const QString& name)
{
    QString folder = gs().skinFolder;
    if (folder.isEmpty())
        return QString();
    if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    return folder + name;
}

QPixmap SkinPicture(const QString& name)
{
    const QString path = SkinFile(name);
    return FileExists(path) ? QPixmap(path) : QPixmap();
}

QLabel* TextLabel(QWidget* parent, const QString& objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QRect& geometry, const QFont& font,
                  const QColor& ink, Qt::Alignment alignment, LabelFlags flags, const QString& text)
{
    QLabel* label = TextLabel(parent, objectName);
    if (!geometry.isNull())
        label->setGeometry(Px(geometry));
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(flags.testFlag(LabelFlag::Wrap));
    if (flags.testFlag(LabelFlag::PassTouches))
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetInk(label, ink);
    ShowText(label, text);
    return label;
}

void ShowText(QLabel* label, const QString& text)
{
    label->setProperty("caption", text);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.remove(u'\r');
    label->setText(shown);
    label->setAccessibleName(shown);
}

int FittingPixelSize(const QFont& font, const QString& text, const QRect& room, bool wrap, int floor)
{
    auto fits = [&](int size) {
        QFont f = font;
        f.setPixelSize(size);
        const QFontMetrics m(f);
        const QRect need = wrap ? m.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text)
                                : m.boundingRect(QRect(0, 0, 100000, 100000), 0, text);
        return need.width() <= room.width() && need.height() <= room.height();
    };
    const int own = font.pixelSize();
    if (text.isEmpty() || own <= floor || fits(own))
        return own;
    // Halving between the floor and the own size; a size that fits makes every smaller one fit.
    int low = floor;
    int high = own - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (fits(mid))
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

void SetTraceName(QObject* window, const QString& name)
{
    window->setProperty("traceName", name);
}

QString TraceName(const QObject* window)
{
    const QVariant name = window->property("traceName");
    return name.isValid() ? name.toString() : window->objectName();
}

void FitFont(QWidget* element, const QString& text, const QRect& room, bool wrap, int floor, const char* owner)
{
    QFont font = element->font();
    const int size = FittingPixelSize(font, text, room, wrap, floor);
    if (size == font.pixelSize())
        return;
    if (CurrentLook().scale > 1.0)
        WriteLog(QStringLiteral("  [%1] 크게 보기: %2 글자 %3px → %4px (자리에 맞춤)")
                     .arg(QLatin1String(owner), element->objectName())
                     .arg(font.pixelSize())
                     .arg(size));
    font.setPixelSize(size);
    element->setFont(font);
}

QFrame* MakePanel(QWidget* parent, const QString& objectName, const QRect& geometry, const QColor& fill)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(objectName);
    if (!geometry.isNull())
        panel->setGeometry(Px(geometry));
    panel->setFrameShape(QFrame::NoFrame);
    SetFill(panel, fill);
    return panel;
}

void SetInk(QWidget* widget, const QColor& ink)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, ink);
    widget->setPalette(pal);
}

void SetFill(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

CaptionKey* MakeKey(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry,
                    const QFont& font, const KeyColours& colours, const QColor& ink)
{
    auto* key = new CaptionKey(caption, parent);
    key->setObjectName(objectName);
    if (!geometry.isNull())
        key->setGeometry(Px(geometry));
    key->setFont(font);
    key->setColours(colours.rest, colours.pressed);
    key->setForeground(ink);
    return key;
}

bool ScreenActivation::onEvent(QObject* owner, QEvent* event, bool firstActivated,
                               const std::function<void()>& activate)
{
    const bool show = event->type() == QEvent::Show;
    if (!(show && firstActivated) && event->type() != QEvent::WindowActivate)
        return false;
    if (show) {
        m_showing = true;
    } else if (m_showing) {
        // The activation that follows a showing belongs to it, even when the window system brings it
        // while the first activation is already at work.
        m_showing = false;
        if (!firstActivated || m_firstQueued)
            return true;
    }
    if (m_run == Run::InPlace) {
        activate();
        return true;
    }
    if (!(firstActivated && m_firstQueued)) {
        m_firstQueued = firstActivated;
        QTimer::singleShot(0, owner, [this, activate] {
            m_firstQueued = false;
            activate();
        });
    }
    return true;
}

}  // namespace sumbrel

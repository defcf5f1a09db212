#pragma once
// What every screen is built from: pictures of the skin folder, labels at their place, caption keys.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <functional>

class QEvent;
class QLabel;
class QObject;
class QWidget;

namespace sumbrel {

class CaptionKey;

// skinFolder + "/" + name; empty when there is no skin folder.
QString SkinFile(const QString& name);
// The skin folder's picture of that name when it exists and reads, else a null picture.
QPixmap SkinPicture(const QString& name);

// Every label of every screen comes from here. It shows its text as plain text: an answer of the
// service may hold markup, which Qt::AutoText would render, reading any file an <img> names.
QLabel* TextLabel(QWidget* parent, const QString& objectName = QString());
// A text label with its name, place, font and alignment; its colour and text are the caller's.
QLabel* PlaceLabel(QWidget* parent, const QString& objectName, const QRect& geometry, const QFont& font,
                   Qt::Alignment alignment);
// The widget's foreground colour (a label's text, a plain frame's lines), through its palette.
void SetInk(QWidget* widget, const QColor& ink);
// The widget fills its background with the colour, through its palette.
void SetFill(QWidget* widget, const QColor& colour);

// A key with its caption (also its accessible name), place, font, rest and pressed colours and text colour.
CaptionKey* MakeCaptionKey(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry,
                           const QFont& font, const QColor& rest, const QColor& pressed, const QColor& text);

// A screen's activations. A kiosk may run without a window manager, so a window is never activated
// by one: its showing while firstActivated is set counts as the activation. The handler runs queued,
// out of the event (it may block or close the window); a first activation on its way is not queued
// twice. onEvent is true for an event that counts as an activation.
class ActivationQueue {
public:
    bool onEvent(QObject* owner, QEvent* event, bool firstActivated, const std::function<void()>& activate);

private:
    bool m_firstQueued = false;
    bool m_showing = false;  // shown, its window activation not yet seen
};

}  // namespace sumbrel

#pragma once
// The presentation toolkit every screen is built from: pictures of the skin folder, labels, keys and
// panels in the current look, and the rule of a screen's activation.
#include "presentation/look.h"

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <functional>

class QEvent;
class QFrame;
class QLabel;
class QObject;
class QWidget;

namespace sumbrel {

class CaptionKey;

// skinFolder + "/" + name; empty when there is no skin folder.
QString SkinFile(const QString& name);
// The skin folder's picture of that name when it exists and reads, else a null picture.
QPixmap SkinPicture(const QString& name);

// The base of every label: it shows its text as plain text, since an answer of the service may hold
// markup, which Qt::AutoText would render, reading any file an <img> names.
QLabel* TextLabel(QWidget* parent, const QString& objectName = QString());

enum class LabelFlag {
    Wrap = 1,  // long texts wrap onto more lines
    PassTouches = 2,  // touches go to the tile or row beneath
};
Q_DECLARE_FLAGS(LabelFlags, LabelFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(LabelFlags)

// Places given to the factories below are in the design's pixels; they are put on the screen times
// the stage scale (presentation/stage_scale.h).

// Every label of every screen: its name, place (a null rectangle for one a layout places), font, ink,
// alignment and the text it shows first.
QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QRect& geometry, const QFont& font,
                  const QColor& ink, Qt::Alignment alignment = Qt::AlignCenter, LabelFlags flags = {},
                  const QString& text = QString());
// What a label shows, kept as the system holds it (CR LF line breaks) in its "caption" property; the
// label shows Qt's line breaks, and a screen reader is told what it shows.
void ShowText(QLabel* label, const QString& text);

// Every key of every screen: caption (also its accessible name), place (null: a layout places it),
// font, rest and pressed colours and ink.
CaptionKey* MakeKey(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry,
                    const QFont& font, const KeyColours& colours, const QColor& ink);

// Every plain panel: a frame filled with its colour.
QFrame* MakePanel(QWidget* parent, const QString& objectName, const QRect& geometry, const QColor& fill);

// The largest pixel size, from floor up to the font's own, at which the text fits the room as an
// element lays it out (wrapped at the room's width, or on one line); floor when none does. For the
// large view, where a text twice its size may not fit its place, and for a translation longer than
// the Korean it stands for.
int FittingPixelSize(const QFont& font, const QString& text, const QRect& room, bool wrap, int floor);
// Sets the element's font to that size. In the large view the trace names each text made smaller,
// after `owner`: there the customer chose the size.
void FitFont(QWidget* element, const QString& text, const QRect& room, bool wrap, int floor, const char* owner);

// The widget's foreground colour (a label's text, a plain frame's lines), through its palette.
void SetInk(QWidget* widget, const QColor& ink);

// The name a window goes by in the trace lines ("frmMain"), which the shop's support has always read;
// TraceName gives the object name of a window that has none.
void SetTraceName(QObject* window, const QString& name);
QString TraceName(const QObject* window);
// The widget fills its background with the colour, through its palette.
void SetFill(QWidget* widget, const QColor& colour);

// The one rule of a screen's activation, for every screen and dialog. A kiosk may run without a
// window manager, so a window is never activated by one: its showing while `first` is set counts as
// the activation, and so does every activation the window system reports. Queued, the handler runs
// out of the event (it may block or close the window) and a first activation on its way is not
// queued twice; in place, it runs within the event. onEvent is true for an event that counts.
class ScreenActivation {
public:
    enum class Run { Queued, InPlace };
    explicit ScreenActivation(Run run = Run::Queued)
        : m_run(run)
    {
    }
    bool onEvent(QObject* owner, QEvent* event, bool first, const std::function<void()>& activate);

private:
    Run m_run;
    bool m_firstQueued = false;
    bool m_showing = false;  // shown, its window activation not yet seen
};

}  // namespace sumbrel

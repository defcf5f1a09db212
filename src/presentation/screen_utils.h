#pragma once
// The widget-side utilities: rounded windows, keystrokes, twips.
#include <QString>

class QRectF;
class QRegion;
class QWidget;

namespace sumbrel {

// Gives the window a rounded-rectangle mask with corner x corner pixel ellipses.
void FormRound(QWidget* window, int corner);
// The area with its corners rounded by corner x corner pixel ellipses, as a region.
QRegion RoundedRegion(const QRectF& area, double corner);
// Types keys ("{TAB}", "{ENTER}", plain characters) into the focused widget of the active window.
void SendKeysToScreen(const QString& keys, bool wait = false);

}  // namespace sumbrel

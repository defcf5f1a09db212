#pragma once
// What the two item dialogs paint where there is no skin picture: the background and soft panels.
#include <QColor>
#include <QPixmap>
#include <QRect>

class QPainter;
class QWidget;

namespace sumbrel::item_dialog {

// The dialog's background: the skin picture when there is one, else white with a navy rim.
void PaintBackground(QPainter& p, const QWidget* dialog, const QPixmap& skin);
// A soft panel behind a group of controls (not drawn over a skin picture); area and radius in the
// design's pixels.
void PaintPanel(QPainter& p, const QRect& area, const QColor& colour, int radius = 12);

}  // namespace sumbrel::item_dialog

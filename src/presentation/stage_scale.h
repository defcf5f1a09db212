#pragma once
// The screens are drawn in the pixels of their design (1024 x 768). On another screen every place
// and every type size is multiplied by one factor, the stage scale, so that text and geometry grow
// or shrink together in the screen's own pixels: no fractional device pixel ratio, and a screen
// reader or magnifier is told the places the customer sees.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace sumbrel {

// 1 outside the kiosk; set once, before the first screen is built.
double StageScale();
void SetStageScale(double scale);

// A standing kiosk's screen is taller than it is wide: the customer's screens then take their
// portrait design (1080 x 1920), fitted by the same stage scale. Set with the scale.
bool StagePortrait();
void SetStagePortrait(bool portrait);
// The size the customer's screens are drawn in, in design pixels.
QSize StageDesign();

// A design length in the screen's pixels, rounded.
int Px(int designPixels);
QPoint Px(QPoint designPoint);
QSize Px(QSize designSize);
// The rectangle's edges each rounded on their own, so that rectangles which meet in the design meet
// on the screen, with no gap and no overlap. A null rectangle (one a layout places) stays null.
QRect Px(const QRect& designRect);

}  // namespace sumbrel

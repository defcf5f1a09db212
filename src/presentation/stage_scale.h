#pragma once
// The screens are drawn in the pixels of their design (1024 x 768). On another screen every place
// and every type size is multiplied by one factor, the stage scale, so that text and geometry grow
// or shrink together in the screen's own pixels: no fractional device pixel ratio, and a screen
// reader or magnifier is told the places the customer sees.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>

namespace sumbrel::kiosk {
enum class Orientation;
enum class Audience;
}

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

// A customer's screen whose shape is not its design's is stretched further along the longer way, so
// it fills the glass instead of standing between bands: places (points, sizes and rectangles) grow by
// the stretch, while lengths and type sizes keep the uniform scale, so that no text grows past what
// the shorter way has room for. (1, 1): the design's shape. Set with the scale.
QSizeF StageStretch();
void SetStageStretch(QSizeF stretch);

// The scale, stretch and design a kiosk of that screen takes for that audience's screens, by the
// screen's shape or the operator's choice.
void FitStage(QSize screen, kiosk::Orientation orientation, kiosk::Audience audience);
void FitStage(QSize screen, kiosk::Audience audience);

// A design length in the screen's pixels, rounded: at the uniform scale (a line, a radius, a
// margin), or along one way with its stretch (a place's coordinate).
int Px(int designPixels);
int PxX(int designX);
int PxY(int designY);
// A length on the screen back in design pixels along each way.
double DesignX(double screenX);
double DesignY(double screenY);
QPoint Px(QPoint designPoint);
QSize Px(QSize designSize);
// The rectangle's edges each rounded on their own, so that rectangles which meet in the design meet
// on the screen, with no gap and no overlap. A null rectangle (one a layout places) stays null.
QRect Px(const QRect& designRect);

}  // namespace sumbrel

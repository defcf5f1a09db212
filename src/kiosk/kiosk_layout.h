#pragma once
// The kiosk's rules: how the 1024 x 768 design is scaled to the screen and centred on it, and which
// screens keep the pointer. No widgets: the kiosk session only applies these.
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

namespace sumbrel::kiosk {

inline constexpr QSize kDesignSize{1024, 768};
// The customer's screens of a standing kiosk are drawn for a tall screen of their own.
inline constexpr QSize kPortraitDesignSize{1080, 1920};

enum class Orientation { Landscape, Portrait };
// What the operator asks for ("--layout", "[Set] Layout="): "auto" (by the screen's shape),
// "landscape" or "portrait", in any case; nothing for another word.
enum class LayoutChoice { Auto, Landscape, Portrait };
std::optional<LayoutChoice> ParseLayoutChoice(const QString& text);
// The command line's choice, else the configuration's "[Set] Layout=" (a word it does not know is
// traced and counts as auto), else auto.
LayoutChoice ConfiguredLayout(const std::optional<LayoutChoice>& commandLine);
// Auto: portrait when the screen is taller than it is wide.
Orientation ChooseOrientation(LayoutChoice choice, QSize screen);
QSize DesignSize(Orientation orientation);
// Who the screens being built are for: the customer's take the chosen design; the operator's (login,
// settings) stay landscape panels, fitted on their own so they stay readable on a tall screen.
enum class Audience { Customer, Operator };
bool PortraitStage(Orientation orientation, Audience audience);

// The command line asks for the kiosk ("--kiosk"); read before the application exists.
bool RequestedOnCommandLine(int argc, const char* const* argv);

// The largest uniform factor at which the design fits into a screen of that size (in the pixels the
// screens are laid out in); 1 for an empty screen.
double FitScale(QSize screen, QSize design = kDesignSize);
// The stage scale for that audience's screens.
double StageFit(QSize screen, Orientation orientation, Audience audience);

// How much further than the stage scale a customer's screen is stretched along each way so that it
// takes the whole screen (at least 1 each; the shorter way of the fit stays 1); the operator's screens
// keep their shape.
QSizeF StageStretch(QSize screen, Orientation orientation, Audience audience);

// The panel's glass in millimetres, as the sizes the criteria ask for are measured on it.
struct PanelSize {
    QSizeF mm;  // empty: unknown
    enum class Source { Unknown, Screen, Configuration } source = Source::Unknown;
    // Millimetres a pixel of a screen of that size spans (the mean of the two ways); 0 when unknown.
    double pitch(QSize pixels) const;
};
// "476x268" (or with a comma for the decimals' point, spaces around): the lengths, each 30 to 3000 mm.
std::optional<QSizeF> ParseMillimetres(const QString& text);
// "[Set] ScreenMm=" when it reads as lengths (a text it cannot read is traced and left), else what
// the screen reports when it is plausible for its pixels (both ways 30 to 3000 mm, square pixels
// within a fifth), else unknown.
PanelSize ChoosePanelSize(QSizeF reported, QSize pixels, const QString& configured);
PanelSize ConfiguredPanelSize(QSizeF reported, QSize pixels);
// The line traced at start: the panel, where its size came from, and the scale chosen.
QString PanelLine(const PanelSize& panel, QSize pixels, double scale, QSizeF stretch);

// A window of that size centred on the screen area (both in the same units).
QRect Centred(QSize window, const QRect& screen);

// The reception screen's own gradient, continued into the bands beside the design.
inline constexpr int kStageTop[3] = {22, 52, 84};
inline constexpr int kStageBottom[3] = {12, 30, 50};

// Operators use a pointer on the login and settings screens; customers touch everything else.
bool KeepsPointer(const QString& windowName);
// The pointer shows while any of the visible windows keeps it.
bool PointerShown(const QStringList& visibleWindowNames);

// The log line that reports a shown window in device pixels.
QString WindowLine(const QString& name, QSize windowPixels, QSize screenPixels, double factor);

}  // namespace sumbrel::kiosk

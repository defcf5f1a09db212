#pragma once
// Drawing services the screens share: the dimmed backdrop, scaled pictures and the screen fonts.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <optional>

class QLabel;
class QWidget;

namespace sumbrel::access {
enum class Language;
}

namespace sumbrel {

// Shows the panel as a darkened copy of what the window shows at its place: each channel of every
// pixel scaled by the colour's (none: the look's dimming). A colour of 0 counts as missing (grey 128).
void ApplyTranslucency(QWidget* panel, QColor colour = QColor());
// The pixel rule on its own, for a picture already taken.
QImage MaskedCopy(const QImage& source, QColor colour);

// Loads and scales a picture; nullopt when the file cannot be read as one. width or height -1: the
// image's own size.
std::optional<QPixmap> LoadPictureScaled(const QString& path, int width, int height, QColor background,
                                         bool keepProportions);
// The same as an image: safe on any thread (a pixmap is made on the screen's thread only).
std::optional<QImage> LoadImageScaled(const QString& path, int width, int height, QColor background,
                                      bool keepProportions);
// Whether downloaded bytes decode as a PNG picture of at most maxSide pixels a side (the image
// library's own reading, safe on any thread); why not, when they do not.
bool DecodesAsPicture(const QByteArray& bytes, int maxSide, QString* why);

// Screen fonts at the design's pixel sizes times the look's scale and the stage scale: the design's
// families first, the Nanum fonts behind them so Korean never shows as boxes.
QFont LabelFont(int pixelSize, bool bold = false);  // "Mapo당인리발전소"
QFont KeyFont(int pixelSize, bool bold = true);  // "여기어때 잘난체"
QFont SettingsFont(int pixelSize);  // "나눔고딕 ExtraBold"
QFont CloseKeyFont(int pixelSize);  // "Arial"
// The font with the family that has the language's own characters first (Chinese, Japanese; the
// others as it is). The fonts above take the visit's language's by themselves.
QFont InScriptOf(QFont font, access::Language language);

}  // namespace sumbrel

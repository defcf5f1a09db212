#pragma once
// What every screen is built from: pictures of the skin folder, labels at their place, caption keys.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace sumbrel {

class CaptionKey;

// skinFolder + "/" + name; empty when there is no skin folder.
QString SkinFile(const QString& name);
// The skin folder's picture of that name when it exists and reads, else a null picture.
QPixmap SkinPicture(const QString& name);

// A label with its name, place, font and alignment; its colour and text are the caller's.
QLabel* PlaceLabel(QWidget* parent, const QString& objectName, const QRect& geometry, const QFont& font,
                   Qt::Alignment alignment);
// The widget's foreground colour (a label's text, a plain frame's lines), through its palette.
void SetInk(QWidget* widget, const QColor& ink);
// The widget fills its background with the colour, through its palette.
void SetFill(QWidget* widget, const QColor& colour);

// A key with its caption (also its accessible name), place, font, rest and pressed colours and text colour.
CaptionKey* MakeCaptionKey(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry,
                           const QFont& font, const QColor& rest, const QColor& pressed, const QColor& text);

}  // namespace sumbrel

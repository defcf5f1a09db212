#pragma once
// The look the two item dialogs share: colours, their labels and keys, the background.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QLabel;
class QPainter;
class QWidget;

namespace sumbrel {

class CaptionKey;

namespace item_dialog {

inline const QColor kNavy(24, 45, 74);
inline const QColor kInk(33, 37, 41);
inline const QColor kMuted(112, 106, 94);
inline const QColor kBand(244, 243, 239);
inline const QColor kWhite(255, 255, 255);
inline const QColor kSilver(192, 192, 192);

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QRect& geometry, const QFont& font,
                  const QColor& colour, Qt::Alignment alignment, bool wrap = false);
// A plain white panel.
QWidget* MakeWhitePanel(QWidget* parent, const QString& objectName, const QRect& geometry);
// A key with its caption as accessible name; rest and pressed colours, text colour.
CaptionKey* MakeKey(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry,
                    const QFont& font, const QColor& rest, const QColor& pressed, const QColor& text);
// The quantity keys "-" and "+", grey as the page's.
CaptionKey* MakeQuantityKey(QWidget* parent, int index, const QRect& geometry);

// The dialog's background: the skin picture when there is one, else white with a navy rim.
void PaintBackground(QPainter& p, const QWidget* dialog, const QPixmap& skin);
// A soft panel behind a group of controls (not drawn over a skin picture).
void PaintPanel(QPainter& p, const QRect& area, const QColor& colour, int radius = 12);

}  // namespace item_dialog
}  // namespace sumbrel

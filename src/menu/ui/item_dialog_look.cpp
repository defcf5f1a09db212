#include "menu/ui/item_dialog_look.h"

#include "presentation/caption_key.h"
#include "presentation/presentation.h"
#include "presentation/widgets.h"

#include <QLabel>
#include <QPainter>

namespace sumbrel::item_dialog {

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QRect& geometry, const QFont& font,
                  const QColor& colour, Qt::Alignment alignment, bool wrap)
{
    QLabel* label = PlaceLabel(parent, objectName, geometry, font, alignment);
    label->setWordWrap(wrap);
    // Its own style sheet: whatever the page behind sets for its widgets never reaches the dialog.
    label->setStyleSheet(QStringLiteral("background: transparent; color: %1;").arg(colour.name()));
    return label;
}

CaptionKey* MakeKey(QWidget* parent, const QString& objectName, const QString& caption, const QRect& geometry,
                    const QFont& font, const QColor& rest, const QColor& pressed, const QColor& text)
{
    CaptionKey* key = MakeCaptionKey(parent, objectName, caption, geometry, font, rest, pressed, text);
    key->setCursor(Qt::PointingHandCursor);
    return key;
}

CaptionKey* MakeQuantityKey(QWidget* parent, int index, const QRect& geometry)
{
    return MakeKey(parent, QStringLiteral("SetNum_Add_%1").arg(index),
                   index == 0 ? QStringLiteral("-") : QStringLiteral("+"), geometry, KeyFont(28), QColor(206, 206, 206),
                   QColor(128, 128, 128), kInk);
}

QWidget* MakeWhitePanel(QWidget* parent, const QString& objectName, const QRect& geometry)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(objectName);
    panel->setGeometry(geometry);
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral("QWidget#%1 { background: white; }").arg(objectName));
    return panel;
}

void PaintBackground(QPainter& p, const QWidget* dialog, const QPixmap& skin)
{
    if (!skin.isNull()) {
        p.drawPixmap(0, 0, skin);
        return;
    }
    const QRectF r = QRectF(dialog->rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(dialog->rect(), kNavy);
    p.setPen(QPen(kNavy, 3));
    p.setBrush(kWhite);
    p.drawRoundedRect(r, 10, 10);
}

void PaintPanel(QPainter& p, const QRect& area, const QColor& colour, int radius)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(area), radius, radius);
}

}  // namespace sumbrel::item_dialog

#include "menu/ui/item_dialog_look.h"

#include "presentation/look.h"

#include <QPainter>
#include <QWidget>

namespace sumbrel::item_dialog {

void PaintBackground(QPainter& p, const QWidget* dialog, const QPixmap& skin)
{
    if (!skin.isNull()) {
        p.drawPixmap(0, 0, skin);
        return;
    }
    const QRectF r = QRectF(dialog->rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor navy = Colours().itemDialogs.navy;
    p.fillRect(dialog->rect(), navy);
    p.setPen(QPen(navy, 3));
    p.setBrush(Colours().panel);
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

#include "menu/ui/item_dialog_look.h"

#include "presentation/look.h"
#include "presentation/stage_scale.h"

#include <QPainter>
#include <QWidget>

namespace sumbrel::item_dialog {

void PaintBackground(QPainter& p, const QWidget* dialog, const QPixmap& skin)
{
    if (!skin.isNull()) {
        p.drawPixmap(QRect(QPoint(0, 0), Px(skin.size())), skin);
        return;
    }
    const double s = StageScale();
    const QRectF r = QRectF(dialog->rect()).adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor navy = Colours().itemDialogs.navy;
    p.fillRect(dialog->rect(), navy);
    p.setPen(QPen(navy, 3 * s));
    p.setBrush(Colours().panel);
    p.drawRoundedRect(r, 10 * s, 10 * s);
}

void PaintPanel(QPainter& p, const QRect& area, const QColor& colour, int radius)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double r = radius * StageScale();
    p.drawRoundedRect(QRectF(Px(area)), r, r);
}

}  // namespace sumbrel::item_dialog

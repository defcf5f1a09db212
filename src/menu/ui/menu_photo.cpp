#include "menu/ui/menu_photo.h"

#include "access/language.h"
#include "menu/menu_item.h"
#include "menu/ui/picture_cache.h"
#include "presentation/look.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "startup/files.h"
#include "startup/trace_log.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

namespace sumbrel {

namespace {

QPixmap DrawPlaceholder(QSize size)
{
    QPixmap picture(size);
    picture.fill(Colours().menuPage.photoFill);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = size.width();
    const int h = size.height();
    // The room for the words and their size are the design's: the size is in the screen's pixels.
    const int designW = int(std::lround(DesignX(w)));
    const int designH = int(std::lround(DesignY(h)));
    const int unit = std::max(4, std::min(w, h) / 8);
    const QColor ink = Colours().menuPage.photoInk;
    // A cup on a saucer, above the words when there is room for them.
    const bool words = designH >= 90 && designW >= 110;
    const QPointF centre(w / 2.0, words ? h * 0.42 : h / 2.0);
    p.setPen(QPen(ink, std::max(2, unit / 3), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath cup;
    const QRectF body(centre.x() - 1.5 * unit, centre.y() - 1.2 * unit, 3 * unit, 2.2 * unit);
    cup.moveTo(body.topLeft());
    cup.lineTo(body.topRight());
    cup.cubicTo(body.right(), body.bottom(), body.right() - 0.4 * unit, body.bottom(), body.center().x(),
                body.bottom());
    cup.cubicTo(body.left() + 0.4 * unit, body.bottom(), body.left(), body.bottom(), body.left(), body.top());
    p.drawPath(cup);
    p.drawArc(QRectF(body.right() - 0.3 * unit, body.top() + 0.3 * unit, 1.1 * unit, 1.1 * unit), 90 * 16, -180 * 16);
    p.drawLine(QPointF(body.left() - 0.6 * unit, body.bottom() + 0.45 * unit),
               QPointF(body.right() + 0.6 * unit, body.bottom() + 0.45 * unit));
    if (words) {
        p.setPen(Colours().menuPage.photoRim);
        const QString caption = access::Tr("사진 준비 중");
        const QRectF room(0, body.bottom() + 0.7 * unit, w, h - body.bottom() - 0.7 * unit);
        QFont font = LabelFont(std::clamp(designH / 11, 11, 20));
        font.setPixelSize(FittingPixelSize(font, caption, room.toRect(), true, std::max(1, font.pixelSize() * 2 / 3)));
        p.setFont(font);
        p.drawText(room, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption);
    }
    return picture;
}

}  // namespace

QPixmap MenuPhotoPlaceholder(QSize size)
{
    return size.isEmpty() ? QPixmap() : DrawPlaceholder(size);
}

bool SetMenuPhoto(menu::PictureCache* pictures, QLabel* photo, const QString& num)
{
    const QString path = menu::MenuPhotoPath(num);
    std::optional<menu::PictureCache> once;
    if (!pictures)
        pictures = &once.emplace(1);
    // Decoded once per file, size and modification time; null for a missing or unreadable file.
    const QPixmap picture = pictures->scaled(path, photo->size());
    if (!picture.isNull()) {
        photo->setPixmap(picture);
        return true;
    }
    // The page's twenty tiles and every dialog of a size share one drawing, per palette and type size
    // and language (a look, a stage or a language drawn before must not lend its colours or words).
    const QSize size = photo->size();
    const Palette::MenuPage& c = Colours().menuPage;
    const QString key = QStringLiteral("%1x%2 %3 %4 %5 %6 ")
                            .arg(size.width())
                            .arg(size.height())
                            .arg(c.photoFill.rgba())
                            .arg(c.photoInk.rgba())
                            .arg(c.photoRim.rgba())
                            .arg(LabelFont(20).pixelSize())
        + access::Tr("사진 준비 중");
    photo->setPixmap(pictures->drawn(key, [size] { return MenuPhotoPlaceholder(size); }));
    return !FileExists(path);
}

std::optional<Fault> ShowMenuPhoto(menu::PictureCache* pictures, QLabel* photo, const QString& num)
{
    if (SetMenuPhoto(pictures, photo, num))
        return std::nullopt;
    return Fault{kPictureLoad, QStringLiteral("Error loading picture ") + menu::MenuPhotoPath(num)};
}

}  // namespace sumbrel

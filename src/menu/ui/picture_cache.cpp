#include "menu/ui/picture_cache.h"

#include "presentation/presentation.h"

#include <QDateTime>
#include <QFileInfo>

namespace sumbrel::menu {

PictureCache& PictureCache::shared()
{
    static PictureCache cache;
    return cache;
}

PictureCache::PictureCache(int maxKilobytes)
{
    m_cache.setMaxCost(maxKilobytes);
}

QPixmap PictureCache::scaled(const QString& path, QSize size)
{
    const QFileInfo info(path);
    if (!info.isFile() || size.isEmpty())
        return QPixmap();
    // The file's identity on disk: a rewritten picture changes its time or its length.
    const QString key = info.absoluteFilePath() + u'|' + QString::number(size.width()) + u'x'
        + QString::number(size.height()) + u'|' + QString::number(info.lastModified().toMSecsSinceEpoch()) + u'|'
        + QString::number(info.size());
    if (const QPixmap* hit = m_cache.object(key))
        return *hit;
    ++m_decodes;
    QPixmap picture;
    try {
        picture = LoadPictureScaled(path, size.width(), size.height(), QColor(255, 255, 255), false);
    } catch (...) {
        // An undecodable file is remembered as such until it changes.
    }
    const int kilobytes = int(qMax<qint64>(1, qint64(picture.width()) * picture.height() * 4 / 1024));
    m_cache.insert(key, new QPixmap(picture), kilobytes);
    return picture;
}

void PictureCache::clear()
{
    m_cache.clear();
}

}  // namespace sumbrel::menu

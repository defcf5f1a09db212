#include "menu/ui/picture_cache.h"

#include "presentation/presentation.h"
#include "startup/queued_call.h"

#include <QDateTime>
#include <QFileInfo>

namespace sumbrel::menu {

namespace {

const QColor kPictureBackground(255, 255, 255);

int KilobytesOf(const QPixmap& picture)
{
    return int(qMax<qint64>(1, qint64(picture.width()) * picture.height() * 4 / 1024));
}

}  // namespace

PictureCache::PictureCache(int maxKilobytes)
{
    m_cache.setMaxCost(maxKilobytes);
}

PictureCache::~PictureCache()
{
    {
        const std::lock_guard<std::mutex> lock(m_jobsLock);
        m_stopping = true;
        m_jobs.clear();
    }
    m_jobsWaiting.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

QString PictureCache::keyOf(const QString& path, QSize size)
{
    const QFileInfo info(path);
    if (!info.isFile() || size.isEmpty())
        return QString();
    // The file's identity on disk: a rewritten picture changes its time or its length.
    return info.absoluteFilePath() + u'|' + QString::number(size.width()) + u'x' + QString::number(size.height()) + u'|'
        + QString::number(info.lastModified().toMSecsSinceEpoch()) + u'|' + QString::number(info.size());
}

void PictureCache::keep(const QString& key, const QPixmap& picture)
{
    m_cache.insert(key, new QPixmap(picture), KilobytesOf(picture));
}

QPixmap PictureCache::scaled(const QString& path, QSize size)
{
    const QString key = keyOf(path, size);
    if (key.isEmpty())
        return QPixmap();
    if (const QPixmap* hit = m_cache.object(key))
        return *hit;
    ++m_decodes;
    // An undecodable file is remembered as such (a null picture) until it changes.
    const QPixmap picture
        = LoadPictureScaled(path, size.width(), size.height(), kPictureBackground, false).value_or(QPixmap());
    keep(key, picture);
    return picture;
}

void PictureCache::prefetch(const QList<Wanted>& wanted)
{
    ++m_round;
    m_currentRound->store(m_round);
    m_wanted.clear();
    for (const Wanted& one : wanted) {
        const QString key = keyOf(one.first, one.second);
        if (key.isEmpty() || m_cache.contains(key) || m_wanted.contains(key))
            continue;
        m_wanted.insert(key, one);
        // One under way for an older round comes back skipped and is asked for again then.
        if (!m_underWay.contains(key))
            queue(key, one);
    }
}

void PictureCache::queue(const QString& key, const Wanted& wanted)
{
    m_underWay.insert(key);
    const int round = m_round;
    if (!m_worker.joinable()) {
        m_worker = std::thread([this] {
            // One picture at a time: on a machine of two cores the other stays the screen's.
            for (;;) {
                std::function<void()> job;
                {
                    std::unique_lock<std::mutex> lock(m_jobsLock);
                    m_jobsWaiting.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
                    if (m_stopping)
                        return;
                    job = std::move(m_jobs.front());
                    m_jobs.pop_front();
                }
                job();
            }
        });
    }
    const std::lock_guard<std::mutex> lock(m_jobsLock);
    m_jobs.push_back([this, key, wanted, round, current = m_currentRound] {
        // The customer has gone elsewhere since: the worker is free for the pages now wanted.
        const bool stale = current->load() != round;
        QImage image;
        // An undecodable file is kept as a null image, as scaled() keeps it.
        if (!stale)
            image = LoadImageScaled(wanted.first, wanted.second.width(), wanted.second.height(), kPictureBackground,
                                    false)
                        .value_or(QImage());
        QueueTo(&m_receiver, [this, key, round, image, stale] { arrived(key, round, image, !stale); });
    });
    m_jobsWaiting.notify_one();
}

void PictureCache::arrived(const QString& key, int round, const QImage& image, bool decoded)
{
    m_underWay.remove(key);
    if (!decoded) {
        if (const auto again = m_wanted.constFind(key); again != m_wanted.constEnd() && !m_cache.contains(key))
            queue(key, *again);
        return;
    }
    if (round <= m_clearedRound || m_cache.contains(key))
        return;
    ++m_prefetched;
    keep(key, image.isNull() ? QPixmap() : QPixmap::fromImage(image));
}

QPixmap PictureCache::drawn(const QString& key, const std::function<QPixmap()>& draw)
{
    QPixmap& picture = m_drawn[key];
    if (picture.isNull())
        picture = draw();
    return picture;
}

void PictureCache::clear()
{
    m_cache.clear();
    m_wanted.clear();
    m_clearedRound = ++m_round;
    m_currentRound->store(m_round);
}

}  // namespace sumbrel::menu

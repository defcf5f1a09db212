#pragma once
// Scaled menu pictures, decoded once per file, size and modification time: paging back and forth
// decodes nothing again, and a picture replaced on disk is decoded afresh. The pictures of the pages
// the customer may turn to next are decoded ahead, off the screen's thread, while the customer reads.
#include <QCache>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

namespace sumbrel::menu {

class PictureCache {
public:
    explicit PictureCache(int maxKilobytes = 64 * 1024);
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The file stretched to the size on white (as LoadPngPicture draws it); a null pixmap when the
    // file is missing or cannot be decoded (the caller shows the placeholder then).
    QPixmap scaled(const QString& path, QSize size);

    // A drawing kept under its key while the cache lasts (a placeholder of one size and look).
    QPixmap drawn(const QString& key, const std::function<QPixmap()>& draw);

    // A picture file at the size it will be shown in.
    using Wanted = std::pair<QString, QSize>;
    // Decodes these ahead on a worker thread, one at a time, and keeps them for scaled(). Replaces
    // what an earlier call asked for: pictures it has not started are skipped (the customer went
    // elsewhere). Those already kept or under way are not asked for again.
    void prefetch(const QList<Wanted>& wanted);
    // Pictures asked for ahead and not yet kept (or skipped).
    bool prefetching() const { return !m_underWay.isEmpty(); }

    // Decodes done on the screen's thread so far, and pictures kept from the worker (for tests and
    // benchmarks).
    int decodeCount() const { return m_decodes; }
    int prefetchedCount() const { return m_prefetched; }
    void clear();

private:
    // The file's identity on disk and the size; empty when there is no such file or no size.
    static QString keyOf(const QString& path, QSize size);
    void keep(const QString& key, const QPixmap& picture);
    void queue(const QString& key, const Wanted& wanted);
    // Back on the screen's thread: the picture decoded, or skipped as asked for by an older round.
    void arrived(const QString& key, int round, const QImage& image, bool decoded);

    QCache<QString, QPixmap> m_cache;
    QHash<QString, QPixmap> m_drawn;
    int m_decodes = 0;
    int m_prefetched = 0;
    // Keys asked for ahead and not yet back; the round of the latest prefetch() (work of an earlier
    // round that has not started is skipped).
    QSet<QString> m_underWay;
    QHash<QString, Wanted> m_wanted;  // of the latest round
    int m_round = 0;
    int m_clearedRound = 0;  // pictures asked for before the last clear() are not kept
    std::shared_ptr<std::atomic<int>> m_currentRound = std::make_shared<std::atomic<int>>(0);
    // The screen's thread's receiver of the worker's pictures; the worker ends (and is waited for)
    // before it goes.
    QObject m_receiver;
    // One worker thread, started at the first prefetch, taking the jobs in order.
    std::mutex m_jobsLock;
    std::condition_variable m_jobsWaiting;
    std::deque<std::function<void()>> m_jobs;
    bool m_stopping = false;
    std::thread m_worker;
};

}  // namespace sumbrel::menu

#pragma once
// Work handed from one thread to another QObject's thread as a queued call. The call passes through
// Qt's own event-queue lock; this one also takes a lock of ours on both sides, so ThreadSanitizer,
// which cannot see inside Qt's libraries, sees the hand-over of what the call carries.
#include <QMetaObject>
#include <QObject>
#include <mutex>
#include <utility>

namespace sumbrel {

inline std::mutex& QueuedCallLock()
{
    static std::mutex lock;
    return lock;
}

// Runs call() on receiver's thread once its events run; dropped when receiver goes first.
template <typename F>
void QueueTo(QObject* receiver, F&& call)
{
    const std::lock_guard<std::mutex> posting(QueuedCallLock());
    QMetaObject::invokeMethod(
        receiver,
        [call = std::forward<F>(call)]() mutable {
            // Taken before anything the call carries is read: the poster held it until posted.
            { const std::lock_guard<std::mutex> posted(QueuedCallLock()); }
            call();
        },
        Qt::QueuedConnection);
}

}  // namespace sumbrel

#pragma once
// Work handed from one thread to another QObject's thread as a queued call. The call passes through
// Qt's own event-queue lock; this one also takes a lock of ours on both sides, so ThreadSanitizer,
// which cannot see inside Qt's libraries, sees the hand-over of what the call carries.
#include <QMetaObject>
#include <QObject>
#include <mutex>
#include <type_traits>
#include <utility>

namespace sumbrel {

// Recursive: the copies a call makes of itself while it is posted go under the poster's lock.
inline std::recursive_mutex& QueuedCallLock()
{
    static std::recursive_mutex lock;
    return lock;
}

// What a queued call carries. Whoever ends it takes the lock before it goes, also when the call is
// dropped unrun (its receiver gone, the program ending), so that end is seen as well.
template <typename F>
class QueuedCarriage {
public:
    explicit QueuedCarriage(F&& call)
        : m_call(std::move(call))
    {
    }
    QueuedCarriage(QueuedCarriage&&) = default;
    QueuedCarriage(const QueuedCarriage&) = delete;
    QueuedCarriage& operator=(const QueuedCarriage&) = delete;
    QueuedCarriage& operator=(QueuedCarriage&&) = delete;
    ~QueuedCarriage() { const std::lock_guard<std::recursive_mutex> ending(QueuedCallLock()); }
    void operator()()
    {
        // Taken before anything the call carries is read: the poster held it until posted.
        { const std::lock_guard<std::recursive_mutex> posted(QueuedCallLock()); }
        m_call();
    }

private:
    F m_call;
};

// Runs call() on receiver's thread once its events run; dropped when receiver goes first.
template <typename F>
void QueueTo(QObject* receiver, F&& call)
{
    if (!receiver)
        return;
    const std::lock_guard<std::recursive_mutex> posting(QueuedCallLock());
    QMetaObject::invokeMethod(receiver, QueuedCarriage<std::decay_t<F>>(std::decay_t<F>(std::forward<F>(call))),
                              Qt::QueuedConnection);
}

}  // namespace sumbrel

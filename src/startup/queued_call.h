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

inline std::mutex& QueuedCallLock()
{
    static std::mutex lock;
    return lock;
}

// What a queued call carries. Its last owner takes the lock before the call goes, also when the
// call is dropped unrun (its receiver gone, the program ending), so that end is seen as well; the
// moved-from copies made while posting (under the lock) take nothing.
template <typename F>
class QueuedCarriage {
public:
    explicit QueuedCarriage(F&& call)
        : m_call(std::move(call))
    {
    }
    QueuedCarriage(QueuedCarriage&& other) noexcept
        : m_call(std::move(other.m_call))
        , m_armed(std::exchange(other.m_armed, false))
    {
    }
    QueuedCarriage(const QueuedCarriage&) = delete;
    QueuedCarriage& operator=(const QueuedCarriage&) = delete;
    QueuedCarriage& operator=(QueuedCarriage&&) = delete;
    ~QueuedCarriage()
    {
        if (m_armed) {
            const std::lock_guard<std::mutex> ending(QueuedCallLock());
        }
    }
    void operator()()
    {
        // Taken before anything the call carries is read: the poster held it until posted.
        { const std::lock_guard<std::mutex> posted(QueuedCallLock()); }
        m_call();
    }

private:
    F m_call;
    bool m_armed = true;
};

// Runs call() on receiver's thread once its events run; dropped when receiver goes first.
template <typename F>
void QueueTo(QObject* receiver, F&& call)
{
    if (!receiver)
        return;
    QueuedCarriage<std::decay_t<F>> carriage(std::decay_t<F>(std::forward<F>(call)));
    const std::lock_guard<std::mutex> posting(QueuedCallLock());
    QMetaObject::invokeMethod(receiver, std::move(carriage), Qt::QueuedConnection);
}

}  // namespace sumbrel

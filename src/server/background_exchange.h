#pragma once
// One exchange at a time on a thread of its own, so the screen's thread is never held by it; the
// result is handed back on the owner's thread.
#include "server/http_client.h"

#include <QObject>
#include <functional>
#include <memory>
#include <thread>

namespace sumbrel {

class BackgroundExchange {
public:
    using Work = std::function<PostResult(const CancelFlag& cancel)>;
    using Done = std::function<void(const PostResult& result)>;

    // owner: the object on whose thread `done` runs. It must outlive this object: make this one of
    // its members.
    explicit BackgroundExchange(QObject* owner);
    // Stops an exchange under way and waits for its thread (a few milliseconds).
    ~BackgroundExchange();
    BackgroundExchange(const BackgroundExchange&) = delete;
    BackgroundExchange& operator=(const BackgroundExchange&) = delete;

    bool busy() const { return m_busy; }
    // Starts the work; false, and nothing started, while the last one is under way.
    bool start(Work work, Done done);

private:
    void finish();

    QObject* m_owner;
    std::thread m_thread;
    CancelFlag m_cancel;
    std::shared_ptr<bool> m_alive;
    bool m_busy = false;
};

}  // namespace sumbrel

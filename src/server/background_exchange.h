#pragma once
// One exchange at a time on a thread of its own, so the screen's thread is never held by it; the
// result is handed back on the owner's thread. Every exchange of the screens runs through this.
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
    // Any result type: `work` runs off the screen's thread, `done` with its result on the owner's.
    template <typename Result>
    bool run(std::function<Result(const CancelFlag& cancel)> work, std::function<void(const Result&)> done)
    {
        return startJob([work = std::move(work), done = std::move(done)](const CancelFlag& cancel) {
            auto result = std::make_shared<Result>(work(cancel));
            return std::function<void()>([result, done] { done(*result); });
        });
    }
    // Drops the exchange under way: its request is stopped and `done` never runs. At once free for
    // the next one.
    void cancel();

private:
    using Job = std::function<std::function<void()>(const CancelFlag& cancel)>;
    bool startJob(Job job);
    void finish();

    QObject* m_owner;
    std::thread m_thread;
    CancelFlag m_cancel;
    std::shared_ptr<bool> m_alive;
    bool m_busy = false;
};

}  // namespace sumbrel

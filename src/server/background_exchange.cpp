#include "server/background_exchange.h"

#include "startup/queued_call.h"
#include "startup/trace_log.h"

namespace sumbrel {

BackgroundExchange::BackgroundExchange(QObject* owner)
    : m_owner(owner)
    , m_alive(std::make_shared<bool>(true))
{
}

BackgroundExchange::~BackgroundExchange()
{
    *m_alive = false;
    if (m_cancel)
        m_cancel->store(true);
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundExchange::finish()
{
    if (m_thread.joinable())
        m_thread.join();
    m_busy = false;
}

void BackgroundExchange::cancel()
{
    if (!m_busy)
        return;
    m_cancel->store(true);
    // The thread is left to end on its own: a cancelled request ends within a progress tick, and the
    // next start (or the destructor) joins it.
    m_busy = false;
}

bool BackgroundExchange::start(Work work, Done done)
{
    return startJob([work = std::move(work), done = std::move(done)](const CancelFlag& cancel) {
        PostResult result;
        try {
            result = work(cancel);
        } catch (...) {
            // The thread's edge: a failed exchange is no answer, and the trace says why.
            TraceFault(QStringLiteral("BackgroundExchange"), QStringLiteral("start"), __LINE__,
                       FaultOf(std::current_exception()));
            result = {};
        }
        return std::function<void()>([result, done] { done(result); });
    });
}

bool BackgroundExchange::startJob(Job job)
{
    if (m_busy || !m_owner)
        return false;
    if (m_thread.joinable())
        m_thread.join();
    m_busy = true;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    std::weak_ptr<bool> alive = m_alive;
    QObject* owner = m_owner;
    m_thread = std::thread([this, job = std::move(job), cancel = m_cancel, alive, owner] {
        std::function<void()> done;
        try {
            done = job(cancel);
        } catch (...) {
            // The thread's edge: work that throws reports nothing (its owner's deadline speaks), and the
            // trace says why.
            TraceFault(QStringLiteral("BackgroundExchange"), QStringLiteral("run"), __LINE__,
                       FaultOf(std::current_exception()));
            done = nullptr;
        }
        if (cancel->load())
            return;
        // Back on the owner's thread; dropped there when this object has gone, or the work was
        // cancelled, meanwhile.
        QueueTo(owner, [this, done, alive, cancel] {
            const std::shared_ptr<bool> still = alive.lock();
            if (!still || !*still || cancel->load())
                return;
            finish();
            if (done)
                done();
        });
    });
    return true;
}

}  // namespace sumbrel

#include "server/background_exchange.h"

#include "startup/queued_call.h"

#include <QMetaObject>

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

bool BackgroundExchange::start(Work work, Done done)
{
    if (m_busy || !m_owner)
        return false;
    if (m_thread.joinable())
        m_thread.join();
    m_busy = true;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    std::weak_ptr<bool> alive = m_alive;
    QObject* owner = m_owner;
    m_thread = std::thread([this, work = std::move(work), done = std::move(done), cancel = m_cancel, alive, owner] {
        PostResult result;
        try {
            result = work(cancel);
        } catch (...) {
            result = {};  // a failed exchange is no answer
        }
        if (cancel->load())
            return;
        // Back on the owner's thread; dropped there when this object has gone meanwhile.
        QueueTo(owner, [this, done, alive, result] {
            const std::shared_ptr<bool> still = alive.lock();
            if (!still || !*still)
                return;
            finish();
            done(result);
        });
    });
    return true;
}

}  // namespace sumbrel

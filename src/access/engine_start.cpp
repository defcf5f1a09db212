#include "access/engine_start.h"

namespace sumbrel::access {

EngineStart::State EngineStart::state(uint32_t now) const
{
    if (m_state == State::Starting && now - m_since >= kAnswerMs)
        return State::Unusable;
    return m_state;
}

QString EngineStart::why(uint32_t now) const
{
    switch (state(now)) {
    case State::Usable:
        return QString();
    case State::Starting:
        return QStringLiteral("음성 엔진 준비 중");
    case State::Unusable:
        break;
    }
    return m_state == State::Starting ? QStringLiteral("음성 엔진이 응답하지 않음") : m_why;
}

int EngineStart::answered(bool ok, const QString& why, bool retryable, uint32_t now)
{
    if (ok) {
        m_state = State::Usable;
        m_why.clear();
        return -1;
    }
    ++m_failures;
    m_why = why;
    if (retryable && m_failures < kTries) {
        // Still starting: the answer deadline counts from this try.
        m_state = State::Starting;
        m_since = now;
        return kRetryMs;
    }
    m_state = State::Unusable;
    return -1;
}

}  // namespace sumbrel::access

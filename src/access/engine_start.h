#pragma once
// When a voice engine that is starting counts as usable, is asked again, or is given up on.
// speech-dispatcher is spawned on first use, and on a busy machine its first answer can take
// seconds: a slow or failed first answer is not yet a verdict.
#include <QString>
#include <cstdint>

namespace sumbrel::access {

class EngineStart {
public:
    enum class State { Starting, Usable, Unusable };
    // No answer at all within this: the engine does not respond (until it does).
    static constexpr uint32_t kAnswerMs = 30000;
    // A start that failed and may succeed later is tried again after this, this many times in all.
    static constexpr int kRetryMs = 2000;
    static constexpr int kTries = 5;

    explicit EngineStart(uint32_t now)
        : m_since(now)
    {
    }
    // The state at the time now: a start still unanswered after kAnswerMs is Unusable.
    State state(uint32_t now) const;
    QString why(uint32_t now) const;
    // The start answered. retryable: a later try may succeed (the daemon still starting); false
    // for what no retry changes (no engine installed). Returns the wait before the next try, or -1.
    int answered(bool ok, const QString& why, bool retryable, uint32_t now);

private:
    State m_state = State::Starting;
    QString m_why;
    uint32_t m_since;
    int m_failures = 0;
};

}  // namespace sumbrel::access

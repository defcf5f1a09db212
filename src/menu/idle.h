#pragma once
// The idle close of the menu page and of both item dialogs, and the hold-to-repeat of the dialogs'
// quantity keys. Times are nominal milliseconds; the clock's time scale makes tests fast.
#include <QString>
#include <cstdint>
#include <optional>

namespace sumbrel::menu {

inline constexpr int kIdleMs = 30000;
inline constexpr int kIdleTickMs = 500;  // m_idleTick
// How long before the idle close the customer is told (voice guidance).
inline constexpr int kIdleWarnMs = 10000;
inline constexpr int kRepeatTickMs = 50;  // AutoIncrement
inline constexpr int kRepeatFromTick = 5;  // a held key first repeats at the sixth tick
// A hold whose release never comes (another window took the pointer) repeats no longer than this.
inline constexpr int kMaxHoldMs = 10000;

// The deadline m_idleDeadline: renewed to now + 30 s; the countdown shown as (left div 1000 + 1) + "초".
// Time in which the screen was held by an exchange does not count: nobody could touch anything.
class IdleDeadline {
public:
    explicit IdleDeadline(int idleMs = kIdleMs)
        : m_idleMs(idleMs)
    {
    }
    void renew();
    int idleMs() const { return m_idleMs; }
    // Nominal milliseconds left; negative once the time is up.
    int32_t remainingMs() const;
    // The countdown text, or nullopt when the time is up (the screen closes then).
    std::optional<QString> countdownText() const;
    // Once as the time comes within kIdleWarnMs of the close: the seconds left then; nullopt before
    // and after. Renewing the deadline makes the warning due again.
    std::optional<int> warningDue();

private:
    int m_idleMs;
    bool m_warned = false;
    uint32_t m_deadline = 0;
    int64_t m_heldAtRenew = 0;
};

// The countdown text for the nominal milliseconds left; nullopt below 0.
std::optional<QString> CountdownText(int32_t remainingMs);

// AutoIncrement of a held quantity key: every tick after the fifth touches the key once more, until
// the release or kMaxHoldMs (nominal) after the press.
class HoldRepeat {
public:
    void press(int keyIndex);
    void release();
    bool held() const { return m_held; }
    // One tick: the index of the key to touch once more, or nullopt (and no longer held once the
    // hold has lasted kMaxHoldMs).
    std::optional<int> tick();

private:
    bool m_held = false;
    int m_index = 0;
    int m_ticks = 0;
    uint32_t m_pressedAt = 0;
};

}  // namespace sumbrel::menu

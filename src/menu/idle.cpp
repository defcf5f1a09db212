#include "menu/idle.h"

#include "access/language.h"
#include "access/modes.h"
#include "startup/clock.h"
#include "startup/screen_hold.h"

#include <cmath>

namespace sumbrel::menu {

void IdleDeadline::renew()
{
    // The barrier-free choices give three times as long.
    m_deadline = TickCount() + uint32_t(scaledMs(access::IdleMs(m_idleMs)));
    m_heldAtRenew = ScreenHold::heldMs();
    m_warned = false;
}

int32_t IdleDeadline::remainingMs() const
{
    // The tick count wraps; the difference does not.
    const int32_t real = int32_t(m_deadline - TickCount()) + int32_t(ScreenHold::heldMs() - m_heldAtRenew);
    return int32_t(std::floor(real / timeScale()));
}

std::optional<QString> IdleDeadline::countdownText() const
{
    return CountdownText(remainingMs());
}

std::optional<int> IdleDeadline::warningDue()
{
    const int32_t left = remainingMs();
    if (left >= kIdleWarnMs || m_warned)
        return std::nullopt;
    m_warned = true;
    return left / 1000 + 1;
}

std::optional<QString> CountdownText(int32_t remainingMs)
{
    if (remainingMs < 0)
        return std::nullopt;
    return access::Tr("%1초").arg(remainingMs / 1000 + 1);
}

void HoldRepeat::press(int keyIndex)
{
    m_held = true;
    m_index = keyIndex;
    m_ticks = 0;
    m_pressedAt = TickCount();
}

void HoldRepeat::release()
{
    m_held = false;
}

std::optional<int> HoldRepeat::tick()
{
    if (!m_held)
        return std::nullopt;
    // The tick count wraps; the difference does not.
    if (uint32_t(TickCount() - m_pressedAt) >= uint32_t(scaledMs(kMaxHoldMs))) {
        m_held = false;
        return std::nullopt;
    }
    const bool fire = m_ticks >= kRepeatFromTick;
    ++m_ticks;
    return fire ? std::optional<int>(m_index) : std::nullopt;
}

}  // namespace sumbrel::menu

#pragma once
// "직원 호출": a customer asks for a person. Every touch is counted and traced; the kiosk's bell
// rings, the customer is told (on screen and, with voice guidance, by voice). The bell is a seam:
// the terminal installs the speaker's, tests a recorder.
#include "access/language.h"
#include "startup/clock.h"

#include <QString>
#include <optional>

namespace sumbrel::access {

// The key's caption, the same on every screen.
inline constexpr const char* kStaffCallCaption = TrNoop("직원 호출");

// Touches within this time of the bell's last ring are counted and answered, but do not ring it
// again: a customer tapping on does not turn the bell into an alarm.
inline constexpr uint32_t kBellQuietMs = 5000;

// A bell keeps the time it last rang: the one who owns the bell owns its quiet time.
class StaffBell {
public:
    virtual ~StaffBell() = default;
    // Rings, unless it rang less than kBellQuietMs before now; then the time since, and no ring.
    std::optional<uint32_t> ringUnlessQuiet(uint32_t now);

protected:
    virtual void ring() = 0;

private:
    std::optional<uint32_t> m_rungAt;
};

// The bell in use; nullptr: none (the call is still shown, counted and traced).
void setStaffBell(StaffBell* bell);

// The key was touched on the screen traced as `screen` ("frmMain").
void CallStaff(const QString& screen);

}  // namespace sumbrel::access

#pragma once
// The operator PIN that guards the reception screen's hidden settings and terminate areas: how it
// is stored ("sha256$<salt hex>$<hash hex>" under [Set] OperatorPin, never in clear), the digits
// typed on the keypad, three tries and then a lock of one minute, and the trace texts (never the
// digits). No widgets: the keypad panel and the settings screen only show these.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace sumbrel::pin {

inline constexpr int kMinDigits = 4;
inline constexpr int kMaxDigits = 8;
inline constexpr int kTries = 3;
inline constexpr int kLockMs = 60000;
inline constexpr int kSaltBytes = 16;

// 4 to 8 digits 0-9, nothing else.
bool IsValidPin(const QString& digits);

// The stored form of the PIN with this salt; a fresh random salt when none is given.
QString HashPin(const QString& digits, const QByteArray& salt);
QString HashPin(const QString& digits);
// Whether the stored value holds a well-formed salted hash.
bool IsWellFormed(const QString& stored);
// Whether the digits are the PIN of the stored value; never for a malformed value.
bool Matches(const QString& stored, const QString& digits);

// The key of section "Set" in the configuration file; any non-empty value means a PIN is set (a
// malformed one then matches nothing, so a hand-edited clear PIN keeps the areas shut, not open).
inline constexpr auto kConfigKey = u"OperatorPin";
QString ReadStoredPin();
void WriteStoredPin(const QString& stored);
inline bool IsPinSet(const QString& stored)
{
    return !stored.trimmed().isEmpty();
}

// What the keypad holds: at most kMaxDigits digits, shown masked.
class PinEntry {
public:
    // A digit 0-9; ignored past kMaxDigits.
    void press(int digit);
    void back();
    void clear() { m_digits.clear(); }
    const QString& digits() const { return m_digits; }
    // One "●" per digit typed.
    QString masked() const;
    bool complete() const { return m_digits.size() >= kMinDigits; }

private:
    QString m_digits;
};

enum class Verdict {
    Accepted,
    Wrong,  // tries remain
    LockedNow,  // this was the last try: the areas lock
    Refused,  // tried while locked; not counted
};

struct TryResult {
    Verdict verdict = Verdict::Wrong;
    int triesLeft = kTries;
    int lockLeftMs = 0;
};

// Tries and the lock, shared by both areas for the whole run. Times are the clock's milliseconds
// (TickCount, which wraps after 49 days: differences are taken modulo 2^32).
class PinGate {
public:
    TryResult attempt(bool matches, uint32_t nowMs, int lockMs = kLockMs);
    bool locked(uint32_t nowMs) const { return lockLeftMs(nowMs) > 0; }
    int lockLeftMs(uint32_t nowMs) const;
    int triesLeft() const { return m_triesLeft; }

private:
    int m_triesLeft = kTries;
    bool m_locked = false;
    uint32_t m_lockedAt = 0;
    int m_lockMs = kLockMs;
};

// Which hidden area asked.
enum class Area { Settings, Terminate };

// The panel's title and its message for a state.
QString PanelTitle(Area area);
QString PromptText();
QString ResultText(const TryResult& result);
// Whole seconds left of a lock, rounded up ("45초").
int SecondsLeft(int lockLeftMs);

// The trace line of one try or of a cancelled panel; it never holds the digits.
QString TraceLine(Area area, const TryResult& result);
QString CancelTraceLine(Area area);

// The settings screen's PIN field: what saving the typed text does.
struct SaveOutcome {
    bool saved = false;
    QString stored;  // the new stored value when saved
    QString message;  // shown to the operator either way
};
SaveOutcome SaveFromSettings(const QString& typed);
QString ClearedMessage();
// The settings screen's word for the current state.
QString StateText(const QString& stored);

}  // namespace sumbrel::pin

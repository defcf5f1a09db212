#pragma once
// One clock for every wait and timer of the screens. In production it is the system's clock (with a
// time scale); a test installs a ManualClock and advances it, and every deadline, TickCount, LocalNow
// and ClockTimer follows it, so 15 s polls and 30 s idle closes run without waiting.
#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <cstdint>

namespace sumbrel {

class ClockTimer;

// Milliseconds since system start, low 32 bits (plus what advanceTickCount added); the manual
// clock's while one is installed.
uint32_t TickCount();
// The system's own milliseconds, whatever clock is installed: for limits set by the world outside
// (a network exchange), which a test cannot advance.
uint32_t RealTickCount();
// Milliseconds of the installed clock as a 64-bit count (the held time of the screen's thread).
int64_t ElapsedMs();
// Moves TickCount forward, so a test lets a deadline pass without waiting for it.
void advanceTickCount(uint32_t ms);

// Factor applied to every wait and timer interval (1.0 in production).
void setTimeScale(double scale);
double timeScale();
// A nominal interval in ms as real ms under the current scale (at least 1 for a positive interval).
int scaledMs(int nominalMs);


// The local date and time, moved by the offset (0 in production), so that a test can let a date
// change during a run.
QDateTime LocalNow();
void setLocalTimeOffsetMs(int64_t offsetMs);
int64_t localTimeOffsetMs();

// A clock that only moves when told: installed while it lives (one at a time). It starts at the
// system's TickCount and local time, or at a given local time, so a test can run a day across
// midnight whatever the hour it runs at.
class ManualClock {
public:
    ManualClock();
    explicit ManualClock(const QDateTime& localStart);
    ~ManualClock();
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    // Moves the clock forward; every ClockTimer that falls due meanwhile fires, in the order of its
    // due time, with the clock standing at that time.
    void advance(int64_t ms);
    int64_t elapsedMs() const { return m_elapsed.load(); }
    // Steps the wall clock (LocalNow) by ms, back or forward, as NTP corrects a wrong clock: the
    // monotonic time (TickCount, ElapsedMs, the timers) does not move.
    void stepWall(int64_t ms) { m_wallStep += ms; }

    static ManualClock* installed();

private:
    friend class ClockTimer;
    friend uint32_t TickCount();
    friend QDateTime LocalNow();
    friend int64_t ElapsedMs();
    void add(ClockTimer* timer);
    void remove(ClockTimer* timer);

    const uint32_t m_startTick;
    const QDateTime m_startTime;
    std::atomic<int64_t> m_elapsed{0};  // read from any thread, moved on the screens' thread
    std::atomic<int64_t> m_wallStep{0};
    QList<ClockTimer*> m_timers;
};

// The screens' timer: a QTimer at the scaled interval in production; a timer of the manual clock
// when one is installed as it starts.
class ClockTimer : public QObject {
    Q_OBJECT
public:
    explicit ClockTimer(QObject* parent = nullptr);
    ~ClockTimer() override;

    // Starts (again) with the nominal interval in milliseconds.
    void start(int nominalMs);
    void stop();
    bool isActive() const;
    // The nominal interval of the last start.
    int interval() const { return m_interval; }

Q_SIGNALS:
    void timeout();

private:
    friend class ManualClock;
    QTimer m_timer;
    int m_interval = 0;
    ManualClock* m_manual = nullptr;  // the clock it runs from while active on one
    int64_t m_due = 0;  // on the manual clock
};

}  // namespace sumbrel

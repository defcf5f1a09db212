#pragma once
// One clock for every wait and timer, so tests can run 15 s polls and 30 s idle closes in milliseconds.
#include <QDateTime>
#include <cstdint>

namespace sumbrel {

// Real milliseconds since system start, low 32 bits (plus what advanceTickCount added).
uint32_t TickCount();
// Moves TickCount forward, so a test lets a deadline pass without waiting for it.
void advanceTickCount(uint32_t ms);

// Factor applied to every wait and timer interval (1.0 in production).
void setTimeScale(double scale);
double timeScale();
// A nominal interval in ms as real ms under the current scale (at least 1 for a positive interval).
int scaledMs(int nominalMs);

// Waits the nominal ms (scaled) while the screens keep handling their events.
void WaitMs(int ms);

// The local date and time, moved by the offset (0 in production), so that a test can let a date
// change during a run.
QDateTime LocalNow();
void setLocalTimeOffsetMs(int64_t offsetMs);
int64_t localTimeOffsetMs();

}  // namespace sumbrel

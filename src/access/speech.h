#pragma once
// Spoken guidance goes through here: the engine speaks, tests record, and every text is also a line
// "[음성] text" of the day's general log, so what a customer heard can be read back.
#include "startup/clock.h"

#include <QString>
#include <QStringList>

namespace sumbrel::access {

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Speaks the text, cutting off what was being said.
    virtual void say(const QString& text) = 0;
    // 0 to 100.
    virtual void setVolume(int volume) = 0;
    // -1 (slowest) to 1 (fastest), 0 the voice's own pace.
    virtual void setRate(double rate) { (void)rate; }
    // Holds what is being said where it is, and goes on from there.
    virtual void pause() {}
    virtual void resume() {}
    // False, with why, when nothing can be heard (no engine, no Korean voice).
    virtual bool works() const = 0;
    virtual QString why() const = 0;
    // True while the engine has not yet answered whether it works (texts may still be heard).
    virtual bool starting() const { return false; }
};

// Texts said within one short moment (the handling of one key) reach the engine as one text, in
// order: the engine cuts off what it is saying at each text, so a page turn or a line added followed
// at once by the newly focused key would be heard as the key alone.
class JoinedSpeech : public SpeechEngine {
public:
    static constexpr int kMomentMs = 60;
    explicit JoinedSpeech(SpeechEngine& engine);
    void say(const QString& text) override;
    void setVolume(int volume) override { m_engine.setVolume(volume); }
    void setRate(double rate) override { m_engine.setRate(rate); }
    void pause() override;
    void resume() override { m_engine.resume(); }
    bool works() const override { return m_engine.works(); }
    QString why() const override { return m_engine.why(); }
    bool starting() const override { return m_engine.starting(); }

private:
    void flush();
    SpeechEngine& m_engine;
    QStringList m_pending;
    ClockTimer m_moment;
};

// The engine in use; nullptr: none (the texts still reach the log).
void setSpeechEngine(SpeechEngine* engine);
SpeechEngine* speechEngine();

// How a spoken text goes to the log: whole, or (a customer's phone or car number read back) only
// how many digits it holds.
enum class Logged { Whole, DigitCount };
// Logs the text and hands it to the engine.
void Say(const QString& text, Logged logged = Logged::Whole);
// Says the text when the customer at the counter has voice guidance on.
void Guide(const QString& text, Logged logged = Logged::Whole);

// What the engine says about itself, logged once when guidance starts without one that works.
QString SpeechState();

// Volume steps of the volume keys.
inline constexpr int kVolumeStep = 10;
inline constexpr int kDefaultVolume = 80;
int SpeechVolume();
int ChangeSpeechVolume(int delta);

// The speech rate keys' steps, 1 (slowest) to kRateSteps (fastest); the middle one is the voice's
// own pace, each step a quarter of the way from it to the engine's slowest or fastest.
inline constexpr int kRateSteps = 5;
inline constexpr int kDefaultRateStep = 3;
int SpeechRateStep();
int ChangeSpeechRate(int delta);
// The engine's rate (-1 to 1) of a step.
double RateOfStep(int step);

// The pause key: holds the text being said, or goes on with it; true when it is held now. A new
// text ends the pause (the engine says it at once).
bool ToggleSpeechPause();
bool SpeechPaused();

// The visit ended: the volume and the rate of the next customer are the defaults, nothing held.
void RestoreSpeechDefaults();

}  // namespace sumbrel::access

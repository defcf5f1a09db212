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
int SpeechVolume();
int ChangeSpeechVolume(int delta);

}  // namespace sumbrel::access

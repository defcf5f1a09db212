#pragma once
// The speech seam's engine: Qt TextToSpeech (speech-dispatcher with espeak-ng's Korean voice). The
// speech library waits for its daemon's replies, and a daemon that stops answering would hold the
// thread that asked: the engine lives on a thread of its own, so the screens never wait for it.
#include "access/speech.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

class QThread;

namespace sumbrel::access {

class TtsWorker;
struct TtsShared;

class TtsEngine : public SpeechEngine {
public:
    // Starts the engine's thread, which picks the first engine Qt offers ("speechd" on Debian) with a
    // Korean voice, trying again while the daemon is still starting.
    TtsEngine();
    ~TtsEngine() override;

    void say(const QString& text) override;
    void setVolume(int volume) override;
    void setRate(double rate) override;
    void pause() override;
    void resume() override;
    bool works() const override;
    QString why() const override;
    bool starting() const override;
    // Texts spoken so far (the engine reported speaking), and whether it is speaking now.
    int spoken() const;
    bool speaking() const;

private:
    QThread* m_thread = nullptr;
    TtsWorker* m_worker = nullptr;
    std::shared_ptr<TtsShared> m_shared;
};

// `--say TEXT`: waits for the engine to start, says the text and waits until it has been said,
// then quits the application; report() tells stdout what became of it and gives the exit status.
class SpeakerCheck : public QObject {
public:
    explicit SpeakerCheck(const QString& text);
    int report() const;

private:
    void poll();

    TtsEngine m_engine;
    QString m_text;
    uint32_t m_saidAt = 0;
    int m_spokenBefore = 0;
    uint32_t m_speakingSince = 0;
    bool m_said = false;
    bool m_done = false;
    bool m_spoken = false;
};

}  // namespace sumbrel::access

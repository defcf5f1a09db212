#pragma once
// The speech seam's engine: Qt TextToSpeech (speech-dispatcher with espeak-ng's Korean voice). The
// speech library waits for its daemon's replies, and a daemon that stops answering would hold the
// thread that asked: the engine lives on a thread of its own, so the screens never wait for it.
#include "access/speech.h"

#include <QString>
#include <QThread>
#include <atomic>
#include <memory>
#include <mutex>

namespace sumbrel::access {

class TtsWorker;

class TtsEngine : public SpeechEngine {
public:
    // Starts the engine's thread, which picks the first engine Qt offers ("speechd" on Debian) with a
    // Korean voice. waitReadyMs: how long to wait for it to say whether it works.
    explicit TtsEngine(int waitReadyMs = 5000);
    ~TtsEngine() override;

    void say(const QString& text) override;
    void setVolume(int volume) override;
    bool works() const override;
    QString why() const override;
    // Says the text and waits until it is said (or the time a voice needs for it has passed), at
    // most timeoutMs; false when it was not said.
    bool sayAndWait(const QString& text, int timeoutMs);

private:
    friend class TtsWorker;
    void report(bool works, const QString& why);
    void reportSpeaking(bool speaking, bool failed);

    QThread m_thread;
    TtsWorker* m_worker = nullptr;
    mutable std::mutex m_mutex;
    bool m_ready = false;
    bool m_works = false;
    QString m_why;
    std::atomic<bool> m_speaking{false};
    std::atomic<bool> m_failed{false};
    std::atomic<int> m_spoken{0};
};

}  // namespace sumbrel::access

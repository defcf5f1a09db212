#include "access/ui/tts_engine.h"

#include "access/engine_start.h"
#include "access/language.h"
#include "startup/clock.h"
#include "startup/trace_log.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>

namespace sumbrel::access {

// What the engine's thread and the screens' thread both read. Shared, so that a thread stuck in the
// speech library past the engine's end never writes into freed memory.
struct TtsShared {
    std::mutex mutex;
    EngineStart start{RealTickCount()};
    bool logged = false;
    std::atomic<bool> speaking{false};
    std::atomic<bool> failed{false};
    std::atomic<int> spoken{0};

    void reportSpeaking(bool nowSpeaking, bool error)
    {
        if (nowSpeaking && !speaking.exchange(true))
            ++spoken;
        if (!nowSpeaking)
            speaking = false;
        if (error)
            failed = true;
    }
};

namespace {

// The general log is written on the screens' thread.
void LogFromEngine(const QString& line)
{
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [line] { WriteLog(line); }, Qt::QueuedConnection);
}

}  // namespace

// Lives on the engine's thread: every call into the speech library is made there.
class TtsWorker : public QObject {
public:
    explicit TtsWorker(std::shared_ptr<TtsShared> shared)
        : m_shared(std::move(shared))
    {
    }
    void start()
    {
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty()) {
            answer(false, QStringLiteral("음성 엔진 없음 (Qt TextToSpeech에 엔진이 없음)"), false);
            return;
        }
        m_tts = std::make_unique<QTextToSpeech>(engines.first());
        if (m_tts->state() == QTextToSpeech::Error) {
            const QString why = QStringLiteral("음성 엔진 ") + engines.first() + QStringLiteral(" 오류: ")
                + m_tts->errorString();
            m_tts.reset();
            answer(false, why, true);
            return;
        }
        bool korean = false;
        for (const QLocale& locale : m_tts->availableLocales())
            korean = korean || locale.language() == QLocale::Korean;
        if (!korean) {
            // The daemon lists its voices once its output module has started.
            m_tts.reset();
            answer(false, QStringLiteral("음성 엔진 ") + engines.first() + QStringLiteral("에 한국어 음성 없음"), true);
            return;
        }
        // Every voice by its name, for the visit's language; Korean until one is asked for.
        m_voices.clear();
        for (const QLocale& locale : m_tts->availableLocales()) {
            m_tts->setLocale(locale);
            for (const QVoice& voice : m_tts->availableVoices())
                m_voices.insert(voice.name(), {locale, voice});
        }
        m_tts->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
        m_language = Language::Korean;
        m_tts->setVolume(m_volume);
        m_tts->setRate(m_rate);
        connect(m_tts.get(), &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            m_shared->reportSpeaking(state == QTextToSpeech::Speaking, state == QTextToSpeech::Error);
        });
        answer(true, QString(), false);
    }
    void say(const QString& text, Language language)
    {
        if (!m_tts)
            return;
        // A held text gives way to the new one; the daemon would otherwise queue it behind the pause.
        if (m_tts->state() == QTextToSpeech::Paused)
            m_tts->resume();
        m_tts->stop();
        useVoiceOf(language);
        m_tts->say(SpokenReading(m_language, text));
        m_shared->reportSpeaking(m_tts->state() == QTextToSpeech::Speaking, m_tts->state() == QTextToSpeech::Error);
    }
    void setVolume(double volume)
    {
        m_volume = volume;
        if (m_tts)
            m_tts->setVolume(volume);
    }
    void setRate(double rate)
    {
        m_rate = rate;
        if (m_tts)
            m_tts->setRate(rate);
    }
    void pause()
    {
        if (m_tts && m_tts->state() == QTextToSpeech::Speaking)
            m_tts->pause();
    }
    void resume()
    {
        if (m_tts && m_tts->state() == QTextToSpeech::Paused)
            m_tts->resume();
    }
    void stop()
    {
        m_stopped = true;
        m_tts.reset();
    }

private:
    // The language's voice; a language whose voice is not installed is read by the Korean one
    // (traced): a Korean voice reads no foreign text well, but says the names and numbers.
    void useVoiceOf(Language language)
    {
        if (language == m_language)
            return;
        const auto found = m_voices.constFind(QString::fromLatin1(InfoOf(language).voice));
        if (found == m_voices.constEnd()) {
            LogFromEngine(QStringLiteral("음성 엔진에 %1 음성 없음: 한국어 음성으로 읽음")
                              .arg(QLatin1String(InfoOf(language).voice)));
            language = Language::Korean;
            m_tts->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
        } else {
            m_tts->setLocale(found->first);
            m_tts->setVoice(found->second);
        }
        m_language = language;
    }

    void answer(bool ok, const QString& why, bool retryable)
    {
        int retryMs = -1;
        QString line;
        {
            std::lock_guard lock(m_shared->mutex);
            const uint32_t now = RealTickCount();
            retryMs = m_shared->start.answered(ok, why, retryable, now);
            const EngineStart::State state = m_shared->start.state(now);
            // Logged once each way: usable when it answers, else the reason it was given up on.
            if (state == EngineStart::State::Usable) {
                line = QStringLiteral("음성 엔진 사용 가능");
                m_shared->logged = true;
            } else if (state == EngineStart::State::Unusable && !m_shared->logged) {
                line = QStringLiteral("음성 엔진 사용 불가: ") + why;
                m_shared->logged = true;
            }
        }
        if (!line.isEmpty())
            LogFromEngine(line);
        if (retryMs >= 0 && !m_stopped)
            QTimer::singleShot(retryMs, this, [this] {
                if (!m_stopped)
                    start();
            });
    }

    std::shared_ptr<TtsShared> m_shared;
    std::unique_ptr<QTextToSpeech> m_tts;
    QHash<QString, std::pair<QLocale, QVoice>> m_voices;
    Language m_language = Language::Korean;
    double m_volume = 0.8;
    double m_rate = 0.0;
    bool m_stopped = false;
};

TtsEngine::TtsEngine()
    : m_shared(std::make_shared<TtsShared>())
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("speech"));
    m_worker = new TtsWorker(m_shared);
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->start(); }, Qt::QueuedConnection);
}

TtsEngine::~TtsEngine()
{
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->stop(); }, Qt::QueuedConnection);
    m_thread->quit();
    if (m_thread->wait(2000)) {
        delete m_thread;
        return;
    }
    // A daemon that never answers keeps the thread in its library. Cancelling a thread there unwinds
    // through Qt's event loop (an exception Qt reports and cannot handle): it is left to end with the
    // process instead.
    std::fputs("speech: the engine's thread did not end; left to the end of the process\n", stderr);
}

void TtsEngine::say(const QString& text)
{
    if (!works())
        return;
    // While the engine starts the text waits in its queue and is said once it can be.
    // The language of the moment the text was given, not of the moment it is said.
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker, text, language = VisitLanguage()] { w->say(text, language); }, Qt::QueuedConnection);
}

void TtsEngine::setVolume(int volume)
{
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker, volume] { w->setVolume(volume / 100.0); }, Qt::QueuedConnection);
}

void TtsEngine::setRate(double rate)
{
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker, rate] { w->setRate(rate); }, Qt::QueuedConnection);
}

void TtsEngine::pause()
{
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->pause(); }, Qt::QueuedConnection);
}

void TtsEngine::resume()
{
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->resume(); }, Qt::QueuedConnection);
}

bool TtsEngine::works() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->start.state(RealTickCount()) != EngineStart::State::Unusable && !m_shared->failed;
}

bool TtsEngine::starting() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->start.state(RealTickCount()) == EngineStart::State::Starting;
}

QString TtsEngine::why() const
{
    if (m_shared->failed)
        return QStringLiteral("음성 엔진 오류");
    std::lock_guard lock(m_shared->mutex);
    return m_shared->start.why(RealTickCount());
}

int TtsEngine::spoken() const
{
    return m_shared->spoken;
}

bool TtsEngine::speaking() const
{
    return m_shared->speaking;
}

SpeakerCheck::SpeakerCheck(const QString& text)
    : m_text(text)
{
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &SpeakerCheck::poll);
    timer->start(20);
}

void SpeakerCheck::poll()
{
    // The longest wait for the text once the engine took it; without a sound card the engine may
    // stay "speaking": the time a voice needs for the text is waited for then, at most.
    constexpr uint32_t kSayMs = 20000;
    const uint32_t now = RealTickCount();
    if (m_done)
        return;
    auto finish = [this](bool spoken) {
        m_done = true;
        m_spoken = spoken;
        QCoreApplication::quit();
    };
    if (!m_said) {
        if (m_engine.starting())
            return;
        if (!m_engine.works())
            return finish(false);
        m_spokenBefore = m_engine.spoken();
        m_engine.say(m_text);
        m_said = true;
        m_saidAt = now;
        return;
    }
    if (!m_engine.works())
        return finish(false);
    if (m_speakingSince == 0 && m_engine.spoken() > m_spokenBefore)
        m_speakingSince = std::max<uint32_t>(now, 1);
    const uint32_t enough = std::min<uint32_t>(kSayMs, 500 + 150 * uint32_t(m_text.size()));
    if (m_speakingSince != 0 && (!m_engine.speaking() || now - m_speakingSince > enough))
        return finish(true);
    if (now - m_saidAt > kSayMs)
        finish(false);
}

int SpeakerCheck::report() const
{
    QString why = m_engine.why();
    if (why.isEmpty())
        why = QStringLiteral("음성 엔진이 말하지 않음");
    const QString line = m_spoken ? QStringLiteral("spoken: ") + m_text : QStringLiteral("not spoken: ") + why;
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputs("\n", stdout);
    return m_spoken ? 0 : 1;
}

}  // namespace sumbrel::access

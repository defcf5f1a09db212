#include "access/ui/tts_engine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QTextToSpeech>
#include <algorithm>

namespace sumbrel::access {

// Lives on the engine's thread: every call into the speech library is made there.
class TtsWorker : public QObject {
public:
    explicit TtsWorker(TtsEngine* owner)
        : m_owner(owner)
    {
    }
    void start()
    {
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty()) {
            m_owner->report(false, QStringLiteral("음성 엔진 없음 (Qt TextToSpeech에 엔진이 없음)"));
            return;
        }
        m_tts = std::make_unique<QTextToSpeech>(engines.first());
        if (m_tts->state() == QTextToSpeech::Error) {
            m_owner->report(false, QStringLiteral("음성 엔진 ") + engines.first() + QStringLiteral(" 오류: ")
                                       + m_tts->errorString());
            return;
        }
        bool korean = false;
        for (const QLocale& locale : m_tts->availableLocales())
            korean = korean || locale.language() == QLocale::Korean;
        if (!korean) {
            m_owner->report(false, QStringLiteral("음성 엔진 ") + engines.first() + QStringLiteral("에 한국어 음성 없음"));
            return;
        }
        m_tts->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
        connect(m_tts.get(), &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            m_owner->reportSpeaking(state == QTextToSpeech::Speaking, state == QTextToSpeech::Error);
        });
        m_owner->report(true, QString());
    }
    void say(const QString& text)
    {
        if (!m_tts)
            return;
        m_tts->stop();
        m_tts->say(text);
        m_owner->reportSpeaking(m_tts->state() == QTextToSpeech::Speaking, m_tts->state() == QTextToSpeech::Error);
    }
    void setVolume(double volume)
    {
        if (m_tts)
            m_tts->setVolume(volume);
    }
    void stop() { m_tts.reset(); }

private:
    TtsEngine* m_owner;
    std::unique_ptr<QTextToSpeech> m_tts;
};

TtsEngine::TtsEngine(int waitReadyMs)
{
    m_thread.setObjectName(QStringLiteral("speech"));
    m_worker = new TtsWorker(this);
    m_worker->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
    QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->start(); }, Qt::QueuedConnection);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < waitReadyMs) {
        {
            std::lock_guard lock(m_mutex);
            if (m_ready)
                return;
        }
        QThread::msleep(10);
    }
    std::lock_guard lock(m_mutex);
    if (!m_ready)
        m_why = QStringLiteral("음성 엔진이 응답하지 않음");
}

TtsEngine::~TtsEngine()
{
    QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->stop(); }, Qt::QueuedConnection);
    m_thread.quit();
    // A daemon that never answers keeps the thread in its library: the program ends without it.
    if (!m_thread.wait(2000)) {
        m_thread.terminate();
        m_thread.wait(1000);
    }
}

void TtsEngine::report(bool works, const QString& why)
{
    std::lock_guard lock(m_mutex);
    m_ready = true;
    m_works = works;
    m_why = why;
}

void TtsEngine::reportSpeaking(bool speaking, bool failed)
{
    if (speaking && !m_speaking.exchange(true))
        ++m_spoken;
    if (!speaking)
        m_speaking = false;
    if (failed)
        m_failed = true;
}

void TtsEngine::say(const QString& text)
{
    if (!works())
        return;
    QMetaObject::invokeMethod(m_worker, [w = m_worker, text] { w->say(text); }, Qt::QueuedConnection);
}

void TtsEngine::setVolume(int volume)
{
    QMetaObject::invokeMethod(m_worker, [w = m_worker, volume] { w->setVolume(volume / 100.0); },
                              Qt::QueuedConnection);
}

bool TtsEngine::works() const
{
    std::lock_guard lock(m_mutex);
    return m_ready && m_works && !m_failed;
}

QString TtsEngine::why() const
{
    std::lock_guard lock(m_mutex);
    if (m_failed)
        return QStringLiteral("음성 엔진 오류");
    return m_why;
}

bool TtsEngine::sayAndWait(const QString& text, int timeoutMs)
{
    if (!works())
        return false;
    const int before = m_spoken;
    say(text);
    QElapsedTimer waited;
    waited.start();
    qint64 spokeAt = -1;
    // Without a sound card the engine may stay "speaking": the time a voice needs for the text is
    // waited for then, at most.
    const qint64 enough = std::min<qint64>(timeoutMs, 500 + 150 * text.size());
    while (waited.elapsed() < timeoutMs && !m_failed) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
        if (spokeAt < 0 && m_spoken > before)
            spokeAt = waited.elapsed();
        if (spokeAt >= 0 && (!m_speaking || waited.elapsed() - spokeAt > enough))
            return true;
    }
    return spokeAt >= 0 && !m_failed;
}

}  // namespace sumbrel::access

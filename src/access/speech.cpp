#include "access/speech.h"

#include "access/modes.h"

#include "startup/trace_log.h"

#include <algorithm>
#include <utility>

namespace sumbrel::access {

namespace {
SpeechEngine* g_engine = nullptr;
int g_volume = kDefaultVolume;
int g_rateStep = kDefaultRateStep;
bool g_paused = false;
}  // namespace

JoinedSpeech::JoinedSpeech(SpeechEngine& engine)
    : m_engine(engine)
{
    QObject::connect(&m_moment, &ClockTimer::timeout, [this] { flush(); });
}

void JoinedSpeech::say(const QString& text)
{
    m_pending.append(text);
    if (!m_moment.isActive())
        m_moment.start(kMomentMs);
}

void JoinedSpeech::flush()
{
    m_moment.stop();
    QString joined;
    for (const QString& text : std::exchange(m_pending, {})) {
        if (!joined.isEmpty())
            joined += QStringView(u".!?").contains(joined.back()) ? QStringLiteral(" ") : QStringLiteral(". ");
        joined += text;
    }
    if (!joined.isEmpty())
        m_engine.say(joined);
}

void JoinedSpeech::pause()
{
    // Texts of this moment not yet handed over would end the pause at once.
    flush();
    m_engine.pause();
}

void setSpeechEngine(SpeechEngine* engine)
{
    g_engine = engine;
    g_paused = false;
    if (g_engine) {
        g_engine->setVolume(g_volume);
        g_engine->setRate(RateOfStep(g_rateStep));
    }
}

SpeechEngine* speechEngine()
{
    return g_engine;
}

void Say(const QString& text, Logged logged)
{
    if (text.isEmpty())
        return;
    if (logged == Logged::Whole) {
        WriteLog(QStringLiteral("[음성] ") + text);
    } else {
        qsizetype digits = 0;
        for (QChar c : text)
            digits += c.isDigit() ? 1 : 0;
        WriteLog(QStringLiteral("[음성] (입력한 숫자 %1자리)").arg(digits));
    }
    g_paused = false;
    if (g_engine)
        g_engine->say(text);
}

void Guide(const QString& text, Logged logged)
{
    if (CurrentModes().voice)
        Say(text, logged);
}

QString SpeechState()
{
    if (!g_engine)
        return QStringLiteral("음성 엔진 없음");
    if (g_engine->starting())
        return QStringLiteral("음성 엔진 준비 중");
    return g_engine->works() ? QStringLiteral("음성 엔진 사용 가능") : g_engine->why();
}

int SpeechVolume()
{
    return g_volume;
}

int ChangeSpeechVolume(int delta)
{
    g_volume = std::clamp(g_volume + delta, 0, 100);
    if (g_engine)
        g_engine->setVolume(g_volume);
    return g_volume;
}

int SpeechRateStep()
{
    return g_rateStep;
}

double RateOfStep(int step)
{
    return double(step - kDefaultRateStep) / (kRateSteps - 1);
}

int ChangeSpeechRate(int delta)
{
    g_rateStep = std::clamp(g_rateStep + delta, 1, kRateSteps);
    if (g_engine)
        g_engine->setRate(RateOfStep(g_rateStep));
    return g_rateStep;
}

bool ToggleSpeechPause()
{
    g_paused = !g_paused;
    if (g_engine) {
        if (g_paused)
            g_engine->pause();
        else
            g_engine->resume();
    }
    return g_paused;
}

bool SpeechPaused()
{
    return g_paused;
}

void RestoreSpeechDefaults()
{
    if (g_paused)
        ToggleSpeechPause();
    ChangeSpeechVolume(kDefaultVolume - g_volume);
    ChangeSpeechRate(kDefaultRateStep - g_rateStep);
}

}  // namespace sumbrel::access

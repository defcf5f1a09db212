#include "access/speech.h"

#include "access/modes.h"

#include "startup/trace_log.h"

#include <algorithm>
#include <utility>

namespace sumbrel::access {

namespace {
SpeechEngine* g_engine = nullptr;
int g_volume = 80;
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

void setSpeechEngine(SpeechEngine* engine)
{
    g_engine = engine;
    if (g_engine)
        g_engine->setVolume(g_volume);
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

}  // namespace sumbrel::access

#include "access/speech.h"

#include "access/modes.h"

#include "startup/trace_log.h"

#include <algorithm>

namespace sumbrel::access {

namespace {
SpeechEngine* g_engine = nullptr;
int g_volume = 80;
}  // namespace

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

void Say(const QString& text)
{
    if (text.isEmpty())
        return;
    WriteLog(QStringLiteral("[음성] ") + text);
    if (g_engine)
        g_engine->say(text);
}

void Guide(const QString& text)
{
    if (CurrentModes().voice)
        Say(text);
}

QString SpeechState()
{
    if (!g_engine)
        return QStringLiteral("음성 엔진 없음");
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

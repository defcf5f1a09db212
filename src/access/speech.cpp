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

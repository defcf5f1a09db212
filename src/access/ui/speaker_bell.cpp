#include "access/ui/speaker_bell.h"

#include "access/speech.h"

#include <QApplication>

namespace sumbrel::access {

void SpeakerBell::ring()
{
    QApplication::beep();
    // Straight to the engine: a sound, not guidance, so no "[음성]" line (the call has its own). It
    // ends a held voice as any new text does.
    if (SpeechEngine* engine = speechEngine()) {
        if (SpeechPaused())
            ToggleSpeechPause();
        engine->say(QStringLiteral("딩동, 딩동."));
    }
}

}  // namespace sumbrel::access

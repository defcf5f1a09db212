#pragma once
// The settings screen's rules: what it reads from the configuration file at opening (writing the
// defaults of empty keys back at once), what it writes while open, and the closing writes in their
// order. No widgets: the screen only shows what these return and hands its elements' values back.
#include "startup/ini.h"
#include "startup/trace_log.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

namespace sumbrel::settings {

inline constexpr int kNoSelection = -1;
inline constexpr int kVolumeMin = 0;
inline constexpr int kVolumeMax = 100;
// Where the volume slider stands before the file is read; a stored volume that is not a whole number
// from 0 to 100 leaves it there, so a garbled value keeps the default volume instead of silencing the alarm.
inline constexpr int kSliderStart = 100;

// The drop-down lists, in list order; the stored index counts into these.
const QStringList& CalledCustomerTexts();  // stored as visiblesb1
const QStringList& CallTimeTexts();  // calltime (the text itself is stored)
const QStringList& PreparingCustomerTexts();  // visiblesb2
const QStringList& AlarmTexts();  // alramkind

// alramkind: read leniently; a negative number is the first text, one past the list is no selection.
int AlarmKindIndex(const QString& stored);
// visiblesb1 / visiblesb2: a whole number inside the list, otherwise no selection.
int StrictListIndex(const QString& stored, int count);
// alramsound: a whole number from 0 to 100, otherwise nothing (the slider stays where it is).
std::optional<int> StrictVolume(const QString& stored);

// What the screen shows when it opens.
struct OpeningValues {
    QString imagefile;
    std::optional<int> alramsound;  // empty: leave the volume where it is
    int alramkind = kNoSelection;
    int visiblesb1 = kNoSelection;
    int visiblesb2 = kNoSelection;
    QString calltime;  // the list's text
    QString calltext;
    QString bottomtext;
    bool useDualMonitor = false;  // chkUseDualMonitor
    int LeftC = 0;
    int TopC = 0;
    int LeftO = 0;
    int TopO = 0;
    QString saveProblem;  // a default that could not be written back (SaveProblemText), or empty
};

// Reads every key of the configuration file and the placement held in the global state. Empty
// alramsound, visiblesb1, visiblesb2, calltime and calltext get their defaults written back at once.
OpeningValues ReadOpeningValues();

// The writes while the screen is open.
IniWriteResult WriteVolume(int value);
IniWriteResult WriteBottomText(const QString& text);
IniWriteResult WriteCallText(const QString& text);
// Opens the image file dialog ("이미지파일|*.bmp;*.png;*.jpg") and returns; once the operator has
// chosen, the path (empty when cancelled) is stored and reported for the image file box with the write's result.
using ImageFileChosen = std::function<void(const QString& path, const IniWriteResult& written)>;
void ChooseImageFile(ImageFileChosen chosen);

// What the screen tells of a write that did not store everything; empty when it did.
QString SaveProblemText(const IniWriteResult& result);
// Everything was stored as shown.
inline bool Saved(const IniWriteResult& result)
{
    return result.written && result.refused.isEmpty();
}
// Whether the screen closes after its closing writes: one that could not store everything stays
// open once (told), so that the operator can read why; the next closing goes all the same.
bool ClosesAfter(const IniWriteResult& closingWrites, bool& stayedOpenOnce);

inline constexpr auto kImageFilter = u"이미지파일|*.bmp;*.png;*.jpg";

// What the screen's elements hold when it closes.
struct ClosingValues {
    QString bottomtext;
    QString calltext;
    int alramsound = kSliderStart;
    int alramkind = kNoSelection;  // list index
    int visiblesb1 = kNoSelection;  // list index
    QString calltime;  // list text
    int visiblesb2 = kNoSelection;  // list index
    bool useDualMonitor = false;  // chkUseDualMonitor
    QString LeftC;  // the coordinate boxes as typed
    QString TopC;
    QString LeftO;
    QString TopO;
};

// What the elements hold right after opening; the slider stays at its start where the file gave no volume.
ClosingValues EntryAtOpening(const OpeningValues& opened);

// The closing routine up to the screen's own closing: the placement into the global state, then the
// texts, lists and placement into the file in one replacement (a power cut between a dozen separate
// writes would leave a mix the call display reads), then the call-display restart in dual-monitor
// mode, unless the file could not be written. A failing statement is skipped without a trace.
IniWriteResult WriteClosingValues(const ClosingValues& values);

}  // namespace sumbrel::settings

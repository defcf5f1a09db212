#include "settings/settings_rules.h"

#include "startup/dialogs.h"
#include "startup/global_state.h"
#include "startup/ini.h"
#include "startup/parse.h"
#include "startup/processes.h"
#include "startup/startup.h"

#include <QList>

namespace sumbrel::settings {

namespace {

const QString kSection = QStringLiteral("Set");

QString Read(const QString& key)
{
    return ReadIni(kSection, key, configFilePath());
}

IniWriteResult Write(const QString& key, const QString& value)
{
    return WriteIni(kSection, key, value, configFilePath());
}

// The stored value, or the default written back at once when the key is empty; problem tells a
// default that could not be written.
QString ReadOrWriteDefault(const QString& key, const QString& fallback, QString& problem)
{
    QString value = Read(key);
    if (value.isEmpty()) {
        const QString told = SaveProblemText(Write(key, fallback));
        if (!told.isEmpty())
            problem = told;
        value = fallback;
    }
    return value;
}

// A whole number from low to high, spaces around it allowed; otherwise nothing.
std::optional<int> WholeNumberIn(const QString& stored, int low, int high)
{
    bool whole = false;
    const int value = stored.trimmed().toInt(&whole);
    if (!whole || value < low || value > high)
        return std::nullopt;
    return value;
}

// The screen's texts and lists, in the order they are written on closing.
QList<IniEntry> ClosingTextWrites(const ClosingValues& v)
{
    return {
        {QStringLiteral("bottomtext"), v.bottomtext},
        {QStringLiteral("calltext"), v.calltext},
        {QStringLiteral("alramsound"), QString::number(v.alramsound)},
        {QStringLiteral("alramkind"), QString::number(v.alramkind)},
        {QStringLiteral("visiblesb1"), QString::number(v.visiblesb1)},
        {QStringLiteral("calltime"), v.calltime},
        {QStringLiteral("visiblesb2"), QString::number(v.visiblesb2)},
    };
}

// The dual-monitor placement as entered, the coordinates read as numbers, in the order it is written.
QList<IniEntry> PlacementWrites(const ClosingValues& v)
{
    return {
        {QStringLiteral("UseDualMonitor"), v.useDualMonitor ? QStringLiteral("1") : QStringLiteral("0")},
        {QStringLiteral("LeftC"), QString::number(ParseLong(v.LeftC))},
        {QStringLiteral("TopC"), QString::number(ParseLong(v.TopC))},
        {QStringLiteral("LeftO"), QString::number(ParseLong(v.LeftO))},
        {QStringLiteral("TopO"), QString::number(ParseLong(v.TopO))},
    };
}

}  // namespace

const QStringList& CalledCustomerTexts()
{
    static const QStringList texts{QStringLiteral("5팀"), QStringLiteral("10팀"), QStringLiteral("15팀")};
    return texts;
}

const QStringList& CallTimeTexts()
{
    static const QStringList texts{QStringLiteral("5초"),  QStringLiteral("7초"),  QStringLiteral("10초"),
                                   QStringLiteral("15초"), QStringLiteral("20초"), QStringLiteral("30초")};
    return texts;
}

const QStringList& PreparingCustomerTexts()
{
    static const QStringList texts{QStringLiteral("사용안함"), QStringLiteral("5팀"), QStringLiteral("10팀")};
    return texts;
}

const QStringList& AlarmTexts()
{
    static const QStringList texts{QStringLiteral("0.고객님 입장하세요."), QStringLiteral("1.포장완료 되었습니다."),
                                   QStringLiteral("2.준비되었습니다. 카운터로 오세요."),
                                   QStringLiteral("3.카운터로 오세요."), QStringLiteral("4.준비되었습니다.")};
    return texts;
}

int AlarmKindIndex(const QString& stored)
{
    const int index = std::max(0, int(ParseLong(stored)));
    return index < AlarmTexts().size() ? index : kNoSelection;
}

int StrictListIndex(const QString& stored, int count)
{
    return WholeNumberIn(stored, 0, count - 1).value_or(kNoSelection);
}

std::optional<int> StrictVolume(const QString& stored)
{
    return WholeNumberIn(stored, kVolumeMin, kVolumeMax);
}

OpeningValues ReadOpeningValues()
{
    OpeningValues v;
    v.imagefile = Read(QStringLiteral("imagefile"));
    v.alramsound = StrictVolume(ReadOrWriteDefault(QStringLiteral("alramsound"), QStringLiteral("100"), v.saveProblem));
    v.alramkind = AlarmKindIndex(Read(QStringLiteral("alramkind")));
    v.visiblesb1 = StrictListIndex(ReadOrWriteDefault(QStringLiteral("visiblesb1"), QStringLiteral("0"), v.saveProblem),
                                   int(CalledCustomerTexts().size()));
    v.visiblesb2 = StrictListIndex(ReadOrWriteDefault(QStringLiteral("visiblesb2"), QStringLiteral("1"), v.saveProblem),
                                   int(PreparingCustomerTexts().size()));
    v.calltime = ReadOrWriteDefault(QStringLiteral("calltime"), QStringLiteral("5초"), v.saveProblem);
    v.calltext = ReadOrWriteDefault(QStringLiteral("calltext"), QStringLiteral("호출되었습니다."), v.saveProblem);
    v.bottomtext = Read(QStringLiteral("bottomtext"));
    const Placement placement = ReadPlacement();
    v.useDualMonitor = placement.useDualMonitor;
    v.LeftC = placement.LeftC;
    v.TopC = placement.TopC;
    v.LeftO = placement.LeftO;
    v.TopO = placement.TopO;
    return v;
}

IniWriteResult WriteVolume(int value)
{
    return Write(QStringLiteral("alramsound"), QString::number(value));
}

IniWriteResult WriteBottomText(const QString& text)
{
    return Write(QStringLiteral("bottomtext"), text);
}

IniWriteResult WriteCallText(const QString& text)
{
    return Write(QStringLiteral("calltext"), text);
}

void ChooseImageFile(ImageFileChosen chosen)
{
    OpenFileDialog(QStringLiteral("이미지 선택"), QString(), QString::fromUtf16(kImageFilter),
                   [chosen = std::move(chosen)](const QString& path) {
                       const IniWriteResult written = Write(QStringLiteral("imagefile"), path);
                       if (chosen)
                           chosen(path, written);
                   });
}

QString SaveProblemText(const IniWriteResult& result)
{
    QStringList told;
    if (!result.error.isEmpty())
        told << QStringLiteral("설정 파일을 저장하지 못했습니다: ") + result.error;
    if (!result.refused.isEmpty())
        told << QStringLiteral("줄바꿈이 든 값은 저장하지 않았습니다: ") + result.refused.join(QStringLiteral(", "));
    return told.join(u'\n');
}

ClosingValues EntryAtOpening(const OpeningValues& opened)
{
    ClosingValues v;
    v.bottomtext = opened.bottomtext;
    v.calltext = opened.calltext;
    v.alramsound = opened.alramsound.value_or(kSliderStart);
    v.alramkind = opened.alramkind;
    v.visiblesb1 = opened.visiblesb1;
    v.calltime = opened.calltime;
    v.visiblesb2 = opened.visiblesb2;
    v.useDualMonitor = opened.useDualMonitor;
    v.LeftC = QString::number(opened.LeftC);
    v.TopC = QString::number(opened.TopC);
    v.LeftO = QString::number(opened.LeftO);
    v.TopO = QString::number(opened.TopO);
    return v;
}

bool ClosesAfter(const IniWriteResult& closingWrites, bool& stayedOpenOnce)
{
    if (Saved(closingWrites) || stayedOpenOnce)
        return true;
    stayedOpenOnce = true;
    return false;
}

IniWriteResult WriteClosingValues(const ClosingValues& values)
{
    const IniWriteResult result = WriteIniKeys(kSection, ClosingTextWrites(values) + PlacementWrites(values),
                                               configFilePath());
    // The call display would only read the old file again.
    if (result.written)
        RestartCallDisplayInDualMode(values.useDualMonitor);
    return result;
}

}  // namespace sumbrel::settings

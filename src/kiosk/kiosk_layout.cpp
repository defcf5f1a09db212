#include "kiosk/kiosk_layout.h"

#include "startup/global_state.h"
#include "startup/ini.h"
#include "startup/trace_log.h"

#include <algorithm>
#include <cstring>

namespace sumbrel::kiosk {

bool RequestedOnCommandLine(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (std::strcmp(argv[i], "--kiosk") == 0)
            return true;
    }
    return false;
}

std::optional<LayoutChoice> ParseLayoutChoice(const QString& text)
{
    const QString word = text.trimmed().toLower();
    if (word == u"auto")
        return LayoutChoice::Auto;
    if (word == u"landscape")
        return LayoutChoice::Landscape;
    if (word == u"portrait")
        return LayoutChoice::Portrait;
    return std::nullopt;
}

LayoutChoice ConfiguredLayout(const std::optional<LayoutChoice>& commandLine)
{
    if (commandLine)
        return *commandLine;
    const QString set = ReadIni(QStringLiteral("Set"), QStringLiteral("Layout"), configFilePath());
    if (set.trimmed().isEmpty())
        return LayoutChoice::Auto;
    if (const std::optional<LayoutChoice> choice = ParseLayoutChoice(set))
        return *choice;
    WriteLog(QStringLiteral("Kiosk: [Set] Layout=") + set
             + QStringLiteral(" is not auto, landscape or portrait: auto"));
    return LayoutChoice::Auto;
}

Orientation ChooseOrientation(LayoutChoice choice, QSize screen)
{
    switch (choice) {
    case LayoutChoice::Landscape:
        return Orientation::Landscape;
    case LayoutChoice::Portrait:
        return Orientation::Portrait;
    case LayoutChoice::Auto:
        break;
    }
    return screen.height() > screen.width() ? Orientation::Portrait : Orientation::Landscape;
}

QSize DesignSize(Orientation orientation)
{
    return orientation == Orientation::Portrait ? kPortraitDesignSize : kDesignSize;
}

bool PortraitStage(Orientation orientation, Audience audience)
{
    return orientation == Orientation::Portrait && audience == Audience::Customer;
}

double StageFit(QSize screen, Orientation orientation, Audience audience)
{
    return FitScale(screen, DesignSize(PortraitStage(orientation, audience) ? orientation : Orientation::Landscape));
}

double FitScale(QSize screen, QSize design)
{
    if (screen.isEmpty() || design.isEmpty())
        return 1.0;
    return std::min(double(screen.width()) / design.width(), double(screen.height()) / design.height());
}

QRect Centred(QSize window, const QRect& screen)
{
    return QRect(screen.left() + (screen.width() - window.width()) / 2,
                 screen.top() + (screen.height() - window.height()) / 2, window.width(), window.height());
}

bool KeepsPointer(const QString& windowName)
{
    return windowName == u"loginScreen" || windowName == u"settingsScreen";
}

bool PointerShown(const QStringList& visibleWindowNames)
{
    return std::any_of(visibleWindowNames.begin(), visibleWindowNames.end(), KeepsPointer);
}

QString WindowLine(const QString& name, QSize windowPixels, QSize screenPixels, double factor)
{
    return QStringLiteral("Kiosk: %1 shown, %2x%3 px on a screen of %4x%5 px (scale %6)")
        .arg(name)
        .arg(windowPixels.width())
        .arg(windowPixels.height())
        .arg(screenPixels.width())
        .arg(screenPixels.height())
        .arg(QString::number(factor, 'g', 10));
}

}  // namespace sumbrel::kiosk

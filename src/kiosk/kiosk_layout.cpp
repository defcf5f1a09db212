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

QSizeF StageStretch(QSize screen, Orientation orientation, Audience audience)
{
    if (audience != Audience::Customer || screen.isEmpty())
        return {1.0, 1.0};
    // Stretched to 90 % of the glass each way, the rest a margin around the screens: a customer
    // screen as wide as a 1920 px output was left half drawn or not shown at all by cage in about
    // half of the starts, at 90 % in none. Every panel shape shops buy is within a third of its
    // design's (16:9 of 4:3, 3:4 of 9:16); a stranger one (a wide screen made to stand) keeps bands
    // rather than keys drawn out of shape.
    static constexpr double kFilled = 0.9;
    static constexpr double kMostStretch = 1.5;
    const QSize design = DesignSize(orientation);
    const double fit = FitScale(screen, design);
    const auto along = [fit](int screenPixels, int designPixels) {
        return std::clamp(kFilled * screenPixels / (designPixels * fit), 1.0, kMostStretch);
    };
    return {along(screen.width(), design.width()), along(screen.height(), design.height())};
}

double FitScale(QSize screen, QSize design)
{
    if (screen.isEmpty() || design.isEmpty())
        return 1.0;
    return std::min(double(screen.width()) / design.width(), double(screen.height()) / design.height());
}

double PanelSize::pitch(QSize pixels) const
{
    if (mm.isEmpty() || pixels.isEmpty())
        return 0;
    return (mm.width() / pixels.width() + mm.height() / pixels.height()) / 2;
}

namespace {
bool PlausibleLength(double mm)
{
    return mm >= 30 && mm <= 3000;
}
}  // namespace

std::optional<QSizeF> ParseMillimetres(const QString& text)
{
    const QStringList parts = text.trimmed().toLower().split(u'x');
    if (parts.size() != 2)
        return std::nullopt;
    bool okW = false;
    bool okH = false;
    const double w = QString(parts[0]).replace(u',', u'.').trimmed().toDouble(&okW);
    const double h = QString(parts[1]).replace(u',', u'.').trimmed().toDouble(&okH);
    if (!okW || !okH || !PlausibleLength(w) || !PlausibleLength(h))
        return std::nullopt;
    return QSizeF(w, h);
}

PanelSize ChoosePanelSize(QSizeF reported, QSize pixels, const QString& configured)
{
    if (!configured.trimmed().isEmpty()) {
        if (const std::optional<QSizeF> mm = ParseMillimetres(configured))
            return {*mm, PanelSize::Source::Configuration};
        WriteLog(QStringLiteral("Kiosk: [Set] ScreenMm=") + configured
                 + QStringLiteral(" is not two lengths in mm (as 476x268): the screen's own"));
    }
    if (pixels.isEmpty() || !PlausibleLength(reported.width()) || !PlausibleLength(reported.height()))
        return {};
    const double across = reported.width() / pixels.width();
    const double down = reported.height() / pixels.height();
    if (std::max(across, down) > 1.2 * std::min(across, down))
        return {};
    return {reported, PanelSize::Source::Screen};
}

PanelSize ConfiguredPanelSize(QSizeF reported, QSize pixels)
{
    return ChoosePanelSize(reported, pixels, ReadIni(QStringLiteral("Set"), QStringLiteral("ScreenMm"), configFilePath()));
}

QString PanelLine(const PanelSize& panel, QSize pixels, double scale, QSizeF stretch)
{
    QString line = QStringLiteral("Kiosk: screen %1x%2 px").arg(pixels.width()).arg(pixels.height());
    if (panel.mm.isEmpty()) {
        line += QStringLiteral(", panel size unknown");
    } else {
        line += QStringLiteral(", panel %1x%2 mm from %3, %4 mm a pixel")
                    .arg(QString::number(panel.mm.width(), 'f', 0), QString::number(panel.mm.height(), 'f', 0),
                         panel.source == PanelSize::Source::Configuration ? QStringLiteral("[Set] ScreenMm")
                                                                          : QStringLiteral("the screen"),
                         QString::number(panel.pitch(pixels), 'f', 3));
    }
    return line
        + QStringLiteral(", scale %1, stretched %2 x %3")
              .arg(QString::number(scale, 'g', 6), QString::number(stretch.width(), 'g', 4),
                   QString::number(stretch.height(), 'g', 4));
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

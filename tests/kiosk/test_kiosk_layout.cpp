// The kiosk's rules: the scale that fits the design to the screen, centring, and the pointer.
#include "kiosk/kiosk_layout.h"
#include "startup/global_state.h"
#include "startup/ini.h"

#include <QTemporaryDir>

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace sumbrel::kiosk;

TEST(KioskLayout, ScaleFitsTheDesignIntoTheScreen)
{
    const struct {
        QSize screen;
        double fit;
    } cases[] = {
        {{1024, 768}, 1.0},    {{1920, 1080}, 1.40625}, {{1280, 720}, 0.9375}, {{1280, 1024}, 1.25},
        {{800, 600}, 0.78125}, {{3840, 2160}, 2.8125},  {{0, 0}, 1.0},         {{1080, 1920}, 1.0546875} /* portrait */,
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(FitScale(c.screen), c.fit, 1e-9) << c.screen.width() << "x" << c.screen.height();
        if (c.screen.isEmpty())
            continue;
        // The scaled design stays inside the screen and fills one side of it to the pixel.
        const double f = FitScale(c.screen);
        const double w = kDesignSize.width() * f;
        const double h = kDesignSize.height() * f;
        EXPECT_LE(w, c.screen.width() + 1e-6);
        EXPECT_LE(h, c.screen.height() + 1e-6);
        EXPECT_TRUE(std::lround(w) == c.screen.width() || std::lround(h) == c.screen.height())
            << c.screen.width() << "x" << c.screen.height();
    }
}

TEST(KioskLayout, WindowsAreCentredOnTheScreen)
{
    const struct {
        QSize window;
        QRect screen;
        QPoint at;
    } cases[] = {
        {{1024, 768}, {0, 0, 1365, 768}, {170, 0}},  {{1024, 768}, {0, 0, 1024, 819}, {0, 25}},
        {{450, 515}, {0, 0, 1365, 768}, {457, 126}}, {{1024, 768}, {1920, 0, 1365, 768}, {2090, 0}},
        {{1024, 768}, {0, 0, 1024, 768}, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Centred(c.window, c.screen), QRect(c.at, c.window));
}

TEST(KioskLayout, OnlyTheLoginAndSettingsScreensKeepThePointer)
{
    const struct {
        QStringList visible;
        bool shown;
    } cases[] = {
        {{}, false},
        {{QStringLiteral("kioskStage")}, false},
        {{QStringLiteral("kioskStage"), QStringLiteral("loginScreen")}, true},
        {{QStringLiteral("kioskStage"), QStringLiteral("receptionScreen")}, false},
        {{QStringLiteral("receptionScreen"), QStringLiteral("menuPage"), QStringLiteral("optionItemDialog")}, false},
        {{QStringLiteral("receptionScreen"), QStringLiteral("settingsScreen")}, true},
        {{QStringLiteral("receptionScreen"), QStringLiteral("settingsScreen"), QStringLiteral("QFileDialog")}, true},
        {{QStringLiteral("receptionScreen"), QStringLiteral("qt_msgbox")}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointerShown(c.visible), c.shown) << c.visible.join(u',').toStdString();
}

TEST(KioskLayout, KioskIsAskedForByItsOwnArgument)
{
    const struct {
        std::vector<const char*> args;
        bool kiosk;
    } cases[] = {
        {{"Sumbrel"}, false},
        {{"Sumbrel", "--kiosk"}, true},
        {{"Sumbrel", "--home", "/var/lib/sumbrel", "--kiosk"}, true},
        {{"Sumbrel", "--kiosks"}, false},
        {{"Sumbrel", "--", "--kiosk"}, false},
        {{"Sumbrel", "-k"}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RequestedOnCommandLine(int(c.args.size()), c.args.data()), c.kiosk) << c.args.size();
}

TEST(KioskLayout, ShownWindowsAreReportedInDevicePixels)
{
    EXPECT_EQ(WindowLine(QStringLiteral("frmMain"), {1440, 1080}, {1920, 1080}, 1.40625),
              QStringLiteral("Kiosk: frmMain shown, 1440x1080 px on a screen of 1920x1080 px (scale 1.40625)"));
}

// The operator's word, the configuration's, or the screen's shape chooses the customer's design.
TEST(KioskLayout, TheLayoutComesFromTheCommandLineTheConfigurationOrTheScreen)
{
    EXPECT_EQ(ParseLayoutChoice(QStringLiteral(" Portrait")), LayoutChoice::Portrait);
    EXPECT_EQ(ParseLayoutChoice(QStringLiteral("LANDSCAPE")), LayoutChoice::Landscape);
    EXPECT_EQ(ParseLayoutChoice(QStringLiteral("auto")), LayoutChoice::Auto);
    EXPECT_FALSE(ParseLayoutChoice(QStringLiteral("upright")));

    const struct {
        LayoutChoice choice;
        QSize screen;
        Orientation orientation;
    } shapes[] = {
        {LayoutChoice::Auto, {1080, 1920}, Orientation::Portrait},
        {LayoutChoice::Auto, {1920, 1080}, Orientation::Landscape},
        {LayoutChoice::Auto, {1024, 1024}, Orientation::Landscape},
        {LayoutChoice::Auto, {}, Orientation::Landscape},
        {LayoutChoice::Landscape, {768, 1024}, Orientation::Landscape},
        {LayoutChoice::Portrait, {1280, 720}, Orientation::Portrait},
    };
    for (const auto& c : shapes)
        EXPECT_EQ(ChooseOrientation(c.choice, c.screen), c.orientation) << c.screen.width() << "x" << c.screen.height();

    // On a tall screen the customer's screens fill it with the portrait design; the operator's
    // stay the landscape design fitted to the width, not shrunk to the portrait design's.
    const struct {
        QSize screen;
        Orientation orientation;
        Audience audience;
        bool portrait;
        double scale;
        QSizeF stretch;  // the customer's take 90 % of the screen; the operator's and a strange shape keep bands
    } stages[] = {
        {{1080, 1920}, Orientation::Portrait, Audience::Customer, true, 1.0, {1, 1}},
        {{768, 1024}, Orientation::Portrait, Audience::Customer, true, 1024.0 / 1920, {0.9 * 768 / (1080 * 1024.0 / 1920), 1}},
        {{768, 1024}, Orientation::Portrait, Audience::Operator, false, 0.75, {1, 1}},
        {{1280, 720}, Orientation::Portrait, Audience::Customer, true, 0.375, {1.5, 1}},
        {{1920, 1080}, Orientation::Landscape, Audience::Customer, false, 1.40625, {0.9 * 1920 / 1440.0, 1}},
        {{1280, 800}, Orientation::Landscape, Audience::Customer, false, 800 / 768.0, {0.9 * 1280 / (1024 * 800 / 768.0), 1}},
        {{1920, 1080}, Orientation::Landscape, Audience::Operator, false, 1.40625, {1, 1}},
        {{1280, 1024}, Orientation::Landscape, Audience::Customer, false, 1.25, {1, 1}},  // 960 of 1024 already
    };
    for (const auto& c : stages) {
        const std::string where = std::to_string(c.screen.width()) + "x" + std::to_string(c.screen.height());
        EXPECT_EQ(PortraitStage(c.orientation, c.audience), c.portrait) << where;
        EXPECT_NEAR(StageFit(c.screen, c.orientation, c.audience), c.scale, 1e-9) << where;
        const QSizeF stretch = StageStretch(c.screen, c.orientation, c.audience);
        EXPECT_NEAR(stretch.width(), c.stretch.width(), 1e-9) << where;
        EXPECT_NEAR(stretch.height(), c.stretch.height(), 1e-9) << where;
    }

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const sumbrel::GlobalState saved = sumbrel::gs();
    sumbrel::SetProgramFolder(folder.path());
    EXPECT_EQ(ConfiguredLayout(std::nullopt), LayoutChoice::Auto) << "no configuration";
    const struct {
        const char* set;
        std::optional<LayoutChoice> commandLine;
        LayoutChoice chosen;
    } sources[] = {
        {"portrait", std::nullopt, LayoutChoice::Portrait},
        {"portrait", LayoutChoice::Landscape, LayoutChoice::Landscape},
        {"sideways", std::nullopt, LayoutChoice::Auto},
    };
    for (const auto& c : sources) {
        sumbrel::WriteIni(QStringLiteral("Set"), QStringLiteral("Layout"), QString::fromLatin1(c.set),
                          sumbrel::configFilePath());
        EXPECT_EQ(ConfiguredLayout(c.commandLine), c.chosen) << c.set;
    }
    sumbrel::gs() = saved;
}

// The panel's millimetres: the configuration's when it reads, else the screen's when plausible.
TEST(KioskLayout, PanelSizeFromTheConfigurationOrAPlausibleScreen)
{
    using Source = PanelSize::Source;
    const struct {
        QSizeF reported;
        QSize pixels;
        const char* configured;
        QSizeF mm;
        Source source;
    } cases[] = {
        {{478, 269}, {1920, 1080}, "", {478, 269}, Source::Screen},
        {{478, 269}, {1920, 1080}, " 476 x 268,5 ", {476, 268.5}, Source::Configuration},
        {{478, 269}, {1920, 1080}, "476 by 268", {478, 269}, Source::Screen},  // unread: the screen's
        {{0, 0}, {1920, 1080}, "", {}, Source::Unknown},
        {{10, 8}, {1024, 768}, "", {}, Source::Unknown},  // a panel no kiosk has
        {{478, 100}, {1920, 1080}, "", {}, Source::Unknown},  // pixels far from square
        {{0, 0}, {800, 600}, "211x158", {211, 158}, Source::Configuration},
        {{0, 0}, {800, 600}, "9000x158", {}, Source::Unknown},
    };
    for (const auto& c : cases) {
        const PanelSize panel = ChoosePanelSize(c.reported, c.pixels, QString::fromUtf8(c.configured));
        EXPECT_EQ(panel.mm, c.mm) << c.configured << ' ' << c.reported.width();
        EXPECT_EQ(panel.source, c.source) << c.configured << ' ' << c.reported.width();
    }
    const PanelSize glass{{478, 269}};
    EXPECT_NEAR(glass.pitch({1920, 1080}), 0.24902, 1e-4);
    EXPECT_EQ(PanelSize().pitch({1920, 1080}), 0);
}

// The operator's screens on every screen size shops buy: the login (alone, with the on-screen keyboard
// up for a field, with its wait picture) and the settings screen (with the keyboard at its foot and
// at its top, with the download's wait panel) stay whole panels of the design's proportions, with no
// clipped text, no key cut off and no two keys on top of each other.
#include "login/ui/login_screen.h"
#include "presentation/caption_key.h"
#include "presentation/onscreen_keyboard.h"
#include "settings/ui/settings_screen.h"
#include "support/screen_sizes.h"
#include "support/sumbrel_test.h"

#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

class ScreenSizes : public SumbrelTest {
protected:
    // The window is the design's size times the stage scale, within a pixel of rounding.
    static void ExpectScaledSize(const QWidget& window, QSize design, QSize screen)
    {
        const double scale = StageScale();
        EXPECT_LE(std::abs(window.width() - design.width() * scale), 1.0)
            << SizeName(screen).toStdString() << ' ' << SizeName(window.size()).toStdString();
        EXPECT_LE(std::abs(window.height() - design.height() * scale), 1.0)
            << SizeName(screen).toStdString() << ' ' << SizeName(window.size()).toStdString();
    }
    // Each state of the window in turn, shown, then checked.
    static void ExpectEveryStateWhole(QWidget& window, QSize screen,
                                      const QList<std::pair<const char*, std::function<void()>>>& states)
    {
        for (const auto& [name, show] : states) {
            show();
            const QStringList faults = LayoutFaults(&window, screen);
            EXPECT_TRUE(faults.isEmpty()) << SizeName(screen).toStdString() << ' ' << name << '\n'
                                          << faults.join(u'\n').toStdString();
        }
    }
};

TEST_F(ScreenSizes, LoginFitsEveryScreen)
{
    for (const QSize& screen : kScreenSizes) {
        const StageScope stage(screen, kiosk::Audience::Operator);
        LoginScreen login;
        login.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&login));
        ExpectScaledSize(login, {LoginScreen::kWidth, LoginScreen::kHeight}, screen);
        auto* keyboard = login.findChild<OnScreenKeyboard*>();
        auto* wait = login.findChild<QWidget*>(QStringLiteral("waitPanel"));
        ASSERT_TRUE(keyboard && wait);
        ExpectEveryStateWhole(
            login, screen,
            {{"login", [] {}},
             {"keyboard for ID", [&] { keyboard->open(login.findChild<QLineEdit*>(QStringLiteral("ID"))); }},
             {"keyboard's second page",
              [&] {
                  // The page of signs has other captions ("abc", the backslash) in the same keys.
                  keyboard->open(login.findChild<QLineEdit*>(QStringLiteral("PW")));
                  QTest::mouseClick(keyboard->key({4, 0}), Qt::LeftButton);
              }},
             {"wait picture", [&] {
                  keyboard->dismiss();
                  wait->raise();
                  wait->show();
              }}});
        EXPECT_EQ(keyboard->page(), osk::Page::Symbols) << SizeName(screen).toStdString();
        EXPECT_TRUE(login.rect().contains(wait->geometry())) << SizeName(screen).toStdString();
    }
}

TEST_F(ScreenSizes, SettingsFitEveryScreen)
{
    for (const QSize& screen : kScreenSizes) {
        const StageScope stage(screen, kiosk::Audience::Operator);
        SettingsScreen settings{Session{}, std::make_shared<const MenuCatalogue>()};
        settings.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&settings));
        ExpectScaledSize(settings, {SettingsScreen::kWidth, SettingsScreen::kHeight}, screen);
        auto* keyboard = settings.findChild<OnScreenKeyboard*>();
        auto* shade = settings.findChild<QWidget*>(QStringLiteral("waitShade"));
        ASSERT_TRUE(keyboard && shade);
        const auto field = [&](const char* name) { return settings.findChild<QLineEdit*>(QString::fromLatin1(name)); };
        ExpectEveryStateWhole(settings, screen,
                              {{"settings", [] {}},
                               {"keyboard at the foot", [&] { keyboard->open(field("callTextBox")); }},
                               {"keyboard at the top", [&] { keyboard->open(field("operatorPinBox")); }},
                               {"download's wait panel", [&] {
                                    keyboard->dismiss();
                                    shade->raise();
                                    shade->show();
                                }}});
        EXPECT_EQ(keyboard->geometry().top(), 0) << SizeName(screen).toStdString();
    }
}

}  // namespace

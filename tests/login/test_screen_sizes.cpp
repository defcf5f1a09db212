// The operator's screens on every screen size shops buy: the login (alone, with the on-screen keyboard
// up for a field, with its wait picture) and the settings screen (with the keyboard at its foot and
// at its top, with the download's wait panel) stay whole panels of the design's proportions, with no
// clipped text, no key cut off and no two keys on top of each other.
#include "login/ui/frm_login.h"
#include "presentation/caption_key.h"
#include "presentation/onscreen_keyboard.h"
#include "settings/ui/frm_setting.h"
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

// The faults of the window with the on-screen keyboard raised over it: the screen's keys it covers are
// hidden while it is up, as intended, so a key on it and a key beneath it are no overlap; the keys on
// it among themselves, and the screen's keys it leaves free among themselves, still are.
QStringList FaultsUnder(QWidget* window, QSize screen, const OnScreenKeyboard* keyboard)
{
    QStringList faults = ClippedTexts(window) + CutKeys(window, screen);
    QList<std::pair<const QWidget*, QRect>> keys;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!w->isVisible() || w->window() != window || !a
            || (a->role() != QAccessible::Button && a->role() != QAccessible::CheckBox))
            continue;
        const QRect seen = VisibleRect(w);
        if (!seen.isEmpty())
            keys.append({w, seen});
    }
    for (qsizetype i = 0; i < keys.size(); ++i)
        for (qsizetype j = i + 1; j < keys.size(); ++j) {
            const bool sameLayer = keyboard->isAncestorOf(keys[i].first) == keyboard->isAncestorOf(keys[j].first);
            if (sameLayer && keys[i].second.intersects(keys[j].second))
                faults << keys[i].first->objectName() + QStringLiteral(" and ") + keys[j].first->objectName();
        }
    return faults;
}

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
    static void ExpectEveryStateWhole(QWidget& window, QSize screen, const OnScreenKeyboard* keyboard,
                                      const QList<std::pair<const char*, std::function<void()>>>& states)
    {
        for (const auto& [name, show] : states) {
            show();
            const QStringList faults = keyboard->isVisible() ? FaultsUnder(&window, screen, keyboard)
                                                             : LayoutFaults(&window, screen);
            EXPECT_TRUE(faults.isEmpty()) << SizeName(screen).toStdString() << ' ' << name << '\n'
                                          << faults.join(u'\n').toStdString();
        }
    }
};

TEST_F(ScreenSizes, LoginFitsEveryScreen)
{
    for (const QSize& screen : kScreenSizes) {
        const StageScope stage(screen);
        frmLogin login;
        login.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&login));
        ExpectScaledSize(login, {frmLogin::kWidth, frmLogin::kHeight}, screen);
        auto* keyboard = login.findChild<OnScreenKeyboard*>();
        auto* wait = login.findChild<QWidget*>(QStringLiteral("picWait"));
        ASSERT_TRUE(keyboard && wait);
        ExpectEveryStateWhole(
            login, screen, keyboard,
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
        const StageScope stage(screen);
        frmSetting settings;
        settings.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&settings));
        ExpectScaledSize(settings, {frmSetting::kWidth, frmSetting::kHeight}, screen);
        auto* keyboard = settings.findChild<OnScreenKeyboard*>();
        auto* shade = settings.findChild<QWidget*>(QStringLiteral("waitShade"));
        ASSERT_TRUE(keyboard && shade);
        const auto field = [&](const char* name) { return settings.findChild<QLineEdit*>(QString::fromLatin1(name)); };
        ExpectEveryStateWhole(settings, screen, keyboard,
                              {{"settings", [] {}},
                               {"keyboard at the foot", [&] { keyboard->open(field("Text3")); }},
                               {"keyboard at the top", [&] { keyboard->open(field("txtOperatorPin")); }},
                               {"download's wait panel", [&] {
                                    keyboard->dismiss();
                                    shade->raise();
                                    shade->show();
                                }}});
        EXPECT_EQ(keyboard->geometry().top(), 0) << SizeName(screen).toStdString();
    }
}

}  // namespace

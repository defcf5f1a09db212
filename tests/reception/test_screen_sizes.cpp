// The reception screen, its PIN keypad and a message box on every screen size shops buy, in each
// look and each language: the window fills the screen (the design scaled and stretched), no text is clipped,
// every key is whole and no two keys overlap, on every panel of the path; on a tall screen the low
// layout keeps every key in the lower part.
// SUMBREL_SCREENSHOT_DIR=<folder> also saves each step as a PNG file for a look by eye.
#include "access/language.h"
#include "kiosk/ui/pin_panel.h"
#include "presentation/look.h"
#include "presentation/message_panel.h"
#include "reception/reception_fixture.h"
#include "settings/operator_pin.h"
#include "support/screen_sizes.h"

#include <cmath>

namespace sumbrel::testing {
namespace {

// Two lines, the longer one with an option: rows, prices and option texts on the list.
const order::Order kTwoLines = order::Of(
    {order::Line(QStringLiteral("아메리카노"), 3000, 2, {{u"사이즈", u"라지", 500}}),
     order::Line(QStringLiteral("딸기 요거트 스무디"), 5500, 1, {})});

// Keys in view whose middle a text of their own panel (or of a panel around it) lies over: neither a
// finger nor the keypad reaches them there. A box in front with its texts hides them as a whole.
QStringList KeysUnderTexts(QWidget* window)
{
    QStringList covered;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window || !IsKey(w) || VisibleRect(w).isEmpty())
            continue;
        auto* over = qobject_cast<QLabel*>(window->childAt(w->mapTo(window, w->rect().center())));
        if (over && !w->isAncestorOf(over) && over->parentWidget()->isAncestorOf(w))
            covered << w->objectName() + QStringLiteral(" under ") + over->objectName();
    }
    return covered;
}

class ReceptionScreenSizes : public ReceptionTest {
protected:
    void SetUp() override
    {
        ReceptionTest::SetUp();
        cart = kTwoLines;
    }
    void TearDown() override
    {
        ApplyLanguage(access::Language::Korean);
        ApplyModes({});
        ReceptionTest::TearDown();
    }
    // The faults of the window as it is now, one line each, for the case and the step.
    void check(QWidget* window, QSize size, const char* look, const char* step)
    {
        const char* language = access::InfoOf(access::VisitLanguage()).code;
        const QByteArray folder = qgetenv("SUMBREL_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            window->grab().save(QStringLiteral("%1/%2-%3-%4-%5.png")
                                    .arg(QString::fromLocal8Bit(folder), QLatin1String(language), SizeName(size),
                                         QString::fromUtf8(look), QString::fromUtf8(step))
                                    .replace(u' ', u'_'));
        AddSizeFigures(window, size);
        QStringList faults = LayoutFaults(window, size) + KeysUnderTexts(window);
        // A tall screen keeps the low layout's keys in the lower part on every step, boxes included.
        if (StagePortrait() && access::CurrentModes().low)
            faults << KeysAboveLowPart(window);
        EXPECT_TRUE(faults.isEmpty()) << language << ' ' << SizeName(size).toStdString() << ' ' << look << ' ' << step
                                      << ":\n"
                                      << faults.join(u'\n').toStdString();
    }
};

// The other languages on the sizes of both shapes that stand for the rest: the smallest, the design's
// and the tall one (every size in every language takes too long for one run).
bool SizeForLanguage(QSize size, access::Language language)
{
    return language == access::Language::Korean || size == QSize(800, 600) || size == QSize(1024, 768)
        || size == QSize(1080, 1920);
}

TEST_F(ReceptionScreenSizes, TheReceptionPathFitsEveryScreenInEveryLookAndLanguage)
{
    int customer = 0;
    for (const access::LanguageInfo& language : access::kLanguages) {
        for (const QSize size : kScreenSizes) {
            if (!SizeForLanguage(size, language.language))
                continue;
            for (const LookCase& look : kLooks) {
                StageScope stage(size);
                ModesScope modes(look.modes);
                ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
                s.show();
                if (language.language != access::Language::Korean) {
                    // The customer's own key on the start panel: the screen again in that language.
                    Key(s, QStringLiteral("languageKey_") + QLatin1String(language.code))->touch();
                    ASSERT_EQ(access::VisitLanguage(), language.language);
                    ASSERT_EQ(s.path().currentPanel(), 0);
                }
                EXPECT_EQ(SizeFaults(&s, StageDesign(), size), QStringList()) << SizeName(size).toStdString() << ' ' << look.name;
                check(&s, size, look.name, "start");
                Key(s, QStringLiteral("easyOrderKey"))->touch();
                check(&s, size, look.name, "mode panel");
                Key(s, QStringLiteral("modeCloseKey"))->touch();
                KeyOf(s, PanelKey::Takeout)->touch();
                ASSERT_EQ(s.path().currentPanel(), 1);
                // A new number each time: the shop accepts each order.
                typePhone(QStringLiteral("1234%1").arg(++customer, 4, 10, QChar(u'0')));
                check(&s, size, look.name, "phone");
                KeyOf(s, PhoneKey::Next)->touch();
                settled(s);
                ASSERT_EQ(s.path().currentPanel(), 2);
                typeCar(QStringLiteral("1234"));
                check(&s, size, look.name, "car");
                KeyOf(s, CarKey::Next)->touch();
                settled(s);
                ASSERT_EQ(s.path().currentPanel(), 3);
                check(&s, size, look.name, "payment");
                // A failed submission: back on the payment panel, its notice over the panel.
                shop.setFault(kOrderPath, QStringLiteral("status"), 1, 500);
                KeyOf(s, PanelKey::Card)->touch();
                settled(s);
                ASSERT_EQ(s.path().currentPanel(), 3);
                check(&s, size, look.name, "payment with its notice");
                shop.clearFaults();
                KeyOf(s, PanelKey::Card)->touch();
                settled(s);
                ASSERT_EQ(s.path().currentPanel(), 4);
                EXPECT_EQ(CompletionTitle(s)->text(), access::Tr(kCompletedTitle));
                check(&s, size, look.name, "completion");
                screen.reset();
                ApplyLanguage(access::Language::Korean);
            }
        }
    }
}

TEST_F(ReceptionScreenSizes, ThePinKeypadAndAMessageBoxFitEveryScreenInEveryLookAndLanguage)
{
    const QString stored = pin::HashPin(QStringLiteral("4821"));
    for (const QSize size : kScreenSizes) {
        for (const LookCase& look : kLooks) {
            StageScope stage(size);
            ModesScope modes(look.modes);
            ReceptionScreen& s = open();
            s.show();
            pin::PinGate gate;
            auto* panel = new kiosk::PinPanel(&s, gate, pin::Area::Settings, stored);
            panel->open();
            EXPECT_EQ(panel->geometry(), s.rect());
            check(&s, size, look.name, "PIN keypad");
            // A wrong PIN, then the lock: the longest messages of the panel.
            for (const char* typed : {"1111", "2222", "3333"}) {
                for (const char digit : std::string_view(typed))
                    panel->press(digit - '0');
                panel->press(kiosk::PinPanel::Ok);
                check(&s, size, look.name, typed);
            }
            panel->press(kiosk::PinPanel::Cancel);

            // The customer's box in each language.
            for (const access::LanguageInfo& language : access::kLanguages) {
                if (!SizeForLanguage(size, language.language))
                    continue;
                ApplyLanguage(language.language);
                MessagePanel box(&s, ProgramTitle(), access::Tr(kNotMobileWarning), MessageIcon::Warning);
                box.show();
                EXPECT_EQ(box.geometry(), s.geometry()) << SizeName(size).toStdString() << ' ' << look.name;
                check(&box, size, look.name, "message box");
                box.accept();
            }
            ApplyLanguage(access::Language::Korean);
            screen.reset();
        }
    }
}

}  // namespace
}  // namespace sumbrel::testing

// The reception screen in the barrier-free mode: entered from the start panel, laid out for each
// choice on every panel of the path, guided by voice and driven from the keypad, and gone with the
// visit.
#include "reception_fixture.h"
#include "support/barrier_free.h"

#include "access/headphones.h"
#include "access/staff_call.h"
#include "presentation/dialog_handlers.h"
#include "presentation/message_panel.h"
#include "startup/health_metrics.h"
#include "presentation/keypad_navigator.h"

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include <QElapsedTimer>

namespace sumbrel::testing {
namespace {

class ReceptionAccessTest : public ReceptionTest {
protected:
    void TearDown() override
    {
        ApplyModes({});
        ReceptionTest::TearDown();
    }
    // The layout rules of the choices, checked on what the window shows now.
    void checkLayout(const access::Modes& modes, const char* where)
    {
        SCOPED_TRACE(where);
        QWidget* window = screen.get();
        if (modes.low) {
            EXPECT_EQ(KeysAboveLowPart(window), QStringList());
        }
        if (modes.large) {
            EXPECT_EQ(ClippedTexts(window), QStringList());
        }
        for (const auto& [name, seen] : VisibleKeys(window))
            EXPECT_FALSE(name.startsWith(u'(')) << "a key without a name: " << name.toStdString();
    }
};

TEST_F(ReceptionAccessTest, EveryPanelOfThePathKeepsTheRulesOfTheChosenLook)
{
    struct Case {
        const char* name;
        access::Modes modes;
    };
    const Case cases[] = {
        {"plain", {}},
        {"low", {false, true, false, false}},
        {"large", {false, false, true, false}},
        {"contrast", {false, false, false, true}},
        {"low and large", {false, true, true, false}},
        {"all", {true, true, true, true}},
    };
    const QRect designPanel = QRect(474, 4, 546, 760);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        menuOpened = 0;
        ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
        s.show();
        ASSERT_EQ(EntryPanel(s, 0)->geometry(), designPanel);
        Key(s, QStringLiteral("easyOrderKey"))->touch();
        const bool wanted[] = {c.modes.voice, c.modes.low, c.modes.large, c.modes.contrast};
        for (int i = 0; i < 4; ++i) {
            if (wanted[i])
                Key(s, QStringLiteral("modeToggle_%1").arg(i))->touch();
        }
        // The shop stalls its settings: the new look comes at once all the same, from the settings
        // the visit started with.
        shop.addFault(QStringLiteral("/program/TOLoadProgram.php"), QStringLiteral("delay"),
                      {{QStringLiteral("delay_ms"), QStringLiteral("1500")}}, 1);
        QElapsedTimer started;
        started.start();
        Key(s, QStringLiteral("modeStartKey"))->touch();
        EXPECT_LT(started.elapsed(), 1000);
        shop.clearFaults();
        EXPECT_EQ(access::CurrentModes(), c.modes);
        EXPECT_EQ(Colours().panel, (c.modes.contrast ? HighContrastPalette() : Palette()).panel);
        checkLayout(c.modes, "start panel");
        Key(s, QStringLiteral("easyOrderKey"))->touch();
        checkLayout(c.modes, "mode panel, opened again");
        EXPECT_EQ(Key(s, QStringLiteral("modeToggle_1"))->isChecked(), c.modes.low);
        Key(s, QStringLiteral("modeCloseKey"))->touch();
        EXPECT_EQ(access::CurrentModes(), c.modes) << "closing the panel keeps the choices";
        KeyOf(s, PanelKey::Takeout)->touch();
        ASSERT_EQ(s.path().currentPanel(), 1);
        EXPECT_EQ(!OrderPanel(s)->isHidden(), !c.modes.large) << "the full-window panels cover the order";
        // Its menu key stays within reach: on the entry panel when the order panel is covered.
        EXPECT_TRUE(KeyOf(s, PhoneKey::MenuSelect)->isVisible());
        checkLayout(c.modes, "phone panel");
        typePhone(QStringLiteral("1234567") + QString::number(&c - cases));
        checkLayout(c.modes, "phone panel with a number");
        KeyOf(s, PhoneKey::Next)->touch();
        settled(s);
        ASSERT_EQ(s.path().currentPanel(), 2);
        typeCar(QStringLiteral("1234"));
        checkLayout(c.modes, "car panel");
        KeyOf(s, CarKey::Next)->touch();
        settled(s);
        ASSERT_EQ(s.path().currentPanel(), 3);
        checkLayout(c.modes, "payment panel");
        if (c.modes.large) {
            EXPECT_EQ(Label(s, QStringLiteral("paymentTotal"))->text(), QStringLiteral("합계 6,000원"));
        }
        // Back to the menu page and again to the payment, by the menu key where it stands now.
        KeyOf(s, PhoneKey::MenuSelect)->touch();
        ASSERT_EQ(s.path().currentPanel(), 3);
        EXPECT_EQ(menuOpened, 2);
        KeyOf(s, PanelKey::Card)->touch();
        settled(s);
        ASSERT_EQ(s.path().currentPanel(), 4);
        EXPECT_FALSE(KeyOf(s, PhoneKey::MenuSelect)->isVisible()
                     && KeyOf(s, PhoneKey::MenuSelect)->parentWidget() != OrderPanel(s))
            << "no key of an entry panel over the completion";
        checkLayout(c.modes, "completion panel");
        // The visit ends: the next customer finds the design again.
        KeyOf(s, CarKey::Confirm)->touch();
        QCoreApplication::processEvents();
        EXPECT_FALSE(access::CurrentModes().any());
        EXPECT_EQ(EntryPanel(s, 0)->geometry(), designPanel);
        EXPECT_EQ(Colours().panel, Palette().panel);
        screen.reset();
    }
    EXPECT_EQ(shop.orders().size(), std::size(cases));
}

TEST_F(ReceptionAccessTest, AKeypadKeyStartsVoiceGuidanceAndTheKeypadTakesTheOrderToThePayment)
{
    SpeechRecorder voice;
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    s.show();
    Keypad(&s, Qt::Key_Down);
    ASSERT_TRUE(access::CurrentModes().voice) << "a keypad key on the start panel turns the voice on";
    EXPECT_TRUE(voice.heard(QStringLiteral("매장 식사 또는 포장 주문을 고르세요")));
    EXPECT_EQ(s.keypad()->focused(), KeyOf(s, PanelKey::EatIn)) << "the first key in reading order";
    Keypad(&s, Qt::Key_Down);
    EXPECT_EQ(s.keypad()->focused(), KeyOf(s, PanelKey::Takeout));
    // The mode panel by keys: a toggle says its new state; X goes back without a change.
    Keypad(&s, Qt::Key_Down);
    EXPECT_EQ(s.keypad()->focused(), Key(s, QStringLiteral("easyOrderKey")));
    Keypad(&s, Qt::Key_Return);
    EXPECT_TRUE(voice.heard(QStringLiteral("쉬운 주문 설정입니다")));
    // Right arrow until the focus is on the element (at most a screenful of presses).
    auto focusOn = [&](QWidget* element) {
        for (int i = 0; i < 30 && s.keypad()->focused() != element; ++i)
            Keypad(&s, Qt::Key_Right);
        return s.keypad()->focused() == element;
    };
    ASSERT_TRUE(focusOn(Key(s, QStringLiteral("modeToggle_1"))));
    Keypad(&s, Qt::Key_Return);
    EXPECT_TRUE(voice.heard(QStringLiteral("낮은 화면, 켜짐")));
    Keypad(&s, Qt::Key_Escape);
    EXPECT_FALSE(access::CurrentModes().low) << "chosen, not applied";
    Key(s, QStringLiteral("easyOrderKey"))->touch();
    EXPECT_FALSE(Key(s, QStringLiteral("modeToggle_1"))->isChecked()) << "opened again: the choices in force";
    Keypad(&s, Qt::Key_Escape);
    ASSERT_TRUE(focusOn(KeyOf(s, PanelKey::Takeout)));
    voice.take();
    Keypad(&s, Qt::Key_Return);
    ASSERT_EQ(s.path().currentPanel(), 1);
    EXPECT_TRUE(voice.heard(QStringLiteral("휴대폰 번호를 숫자 키로 입력하고 다음을 누르세요")));
    KeypadDigits(&s, QStringLiteral("12345679"));
    Keypad(&s, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(s.path().phoneDigits(), QStringLiteral("0101234567")) << "BackSpace deletes one digit";
    KeypadDigits(&s, QStringLiteral("8"));
    EXPECT_EQ(s.path().currentPanel(), 1) << "and never leaves the panel";
    // Enter on "다음", reached from the delete key beside it.
    ASSERT_TRUE(focusOn(KeyOf(s, PhoneKey::Next)));
    Keypad(&s, Qt::Key_Enter);
    ASSERT_EQ(s.path().currentPanel(), 2);
    KeypadDigits(&s, QStringLiteral("4321"));
    // On the speaker, others hear how long the number is, not the number.
    EXPECT_TRUE(voice.heard(QStringLiteral("4자리")));
    EXPECT_FALSE(voice.heard(QStringLiteral("4 3 2 1")) || voice.heard(QStringLiteral("4321")));
    Keypad(&s, Qt::Key_Asterisk, QStringLiteral("*"));
    EXPECT_TRUE(voice.heard(QStringLiteral("차량 번호 네 자리")));
    ASSERT_TRUE(focusOn(KeyOf(s, CarKey::Next)));
    Keypad(&s, Qt::Key_Return);
    ASSERT_EQ(s.path().currentPanel(), 3);
    // Escape is the panel's "X": the visit ends, and the voice with it.
    Keypad(&s, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(s.path().currentPanel(), 0);
    EXPECT_FALSE(access::CurrentModes().voice);
    settled(*screen);
    EXPECT_TRUE(shop.orders().isEmpty());
}

// Headphones plugged in start the voice for the visit and read the numbers in the customer's ear;
// out again, the voice stays on and the digits go back to a count.
TEST_F(ReceptionAccessTest, HeadphonesStartTheVoiceAndAloneHearTheDigits)
{
    SpeechRecorder voice;
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    s.show();
    int source[2];
    ASSERT_EQ(::pipe2(source, O_NONBLOCK | O_CLOEXEC), 0);
    access::KernelHeadphoneSwitch jack({source[0]}, false);
    QObject::connect(&jack, &access::HeadphoneSwitch::changed, &s, &ReceptionScreen::headphonesChanged);
    auto flip = [&](int value) {
        // What the kernel writes: a switch event, then the report's end.
        const input_event events[] = {{{}, EV_SW, SW_HEADPHONE_INSERT, value}, {{}, EV_SYN, SYN_REPORT, 0}};
        ASSERT_EQ(::write(source[1], events, sizeof(events)), ssize_t(sizeof(events)));
        ASSERT_TRUE(QTest::qWaitFor([&] { return jack.inserted() == (value != 0); }, 2000));
    };
    flip(1);
    EXPECT_TRUE(access::CurrentModes().voice);
    EXPECT_TRUE(voice.heard(QStringLiteral("매장 식사 또는 포장 주문을 고르세요")));
    KeyOf(s, PanelKey::Takeout)->touch();
    KeypadDigits(&s, QStringLiteral("1234"));
    EXPECT_TRUE(voice.heard(QStringLiteral("0 1 0 1 별 별 4"))) << voice.take().join(u'|').toStdString();
    flip(0);
    EXPECT_TRUE(access::CurrentModes().voice) << "the visit keeps its voice";
    voice.take();
    KeypadDigits(&s, QStringLiteral("5"));
    EXPECT_TRUE(voice.heard(QStringLiteral("8자리"))) << voice.take().join(u'|').toStdString();
    ::close(source[1]);
}

// What assistive technology is told: the element of the ring holds the keyboard focus and reports
// the focused state (what the accessibility bridge announces); a panel raised over it takes the
// focus to its own key.
TEST_F(ReceptionAccessTest, TheKeypadFocusIsTheAccessibleFocusAndFollowsThePanelInFront)
{
    SpeechRecorder voice;
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("Y")));
    s.show();
    s.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    auto focusedForAT = [](QWidget* element) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(element);
        return QApplication::focusWidget() == element && a && a->state().focused && a->state().focusable;
    };
    EXPECT_EQ(QApplication::focusWidget(), nullptr) << "no key holds the focus before the keypad is used";
    Keypad(&s, Qt::Key_Down);
    Keypad(&s, Qt::Key_Down);
    EXPECT_EQ(s.keypad()->focused(), KeyOf(s, PanelKey::Takeout));
    EXPECT_TRUE(focusedForAT(KeyOf(s, PanelKey::Takeout)));
    Keypad(&s, Qt::Key_Return);
    ASSERT_EQ(s.path().currentPanel(), 1);
    KeypadDigits(&s, QStringLiteral("12345678"));
    for (int i = 0; i < 30 && s.keypad()->focused() != KeyOf(s, PhoneKey::Next); ++i)
        Keypad(&s, Qt::Key_Right);
    Keypad(&s, Qt::Key_Return);
    ASSERT_EQ(s.path().currentPanel(), 3);
    QCoreApplication::processEvents();
    for (int i = 0; i < 30 && s.keypad()->focused() != KeyOf(s, PanelKey::Card); ++i)
        Keypad(&s, Qt::Key_Right);
    ASSERT_TRUE(focusedForAT(KeyOf(s, PanelKey::Card)));
    Keypad(&s, Qt::Key_Return);
    QCoreApplication::processEvents();
    settled(*screen);
    ASSERT_EQ(shop.orders().size(), 1);
    CaptionKey* confirm = KeyOf(s, CarKey::Confirm);
    EXPECT_EQ(s.keypad()->focused(), confirm) << "the completion panel's key, not the covered card key";
    EXPECT_TRUE(focusedForAT(confirm));
    const QWidget* ring = s.findChild<QWidget*>(QStringLiteral("focusRing"));
    ASSERT_NE(ring, nullptr);
    EXPECT_TRUE(ring->isVisible() && ring->geometry().contains(QRect(confirm->mapTo(&s, QPoint()), confirm->size())));
}

// The bell as a test hears it.
class CountingBell : public access::StaffBell {
public:
    CountingBell() { access::setStaffBell(this); }
    ~CountingBell() override { access::setStaffBell(nullptr); }
    void ring() override { ++rung; }
    int rung = 0;
};

// From the keypad: the staff call, the voice's rate, pause and volume; the visit's end gives the next
// customer the defaults again.
TEST_F(ReceptionAccessTest, TheKeypadCallsStaffAndSetsTheVoiceUntilTheVisitEnds)
{
    SpeechRecorder voice;
    CountingBell bell;
    health::Reset();
    ReceptionScreen& s = open(Settings(QStringLiteral("Y"), QStringLiteral("Y")));
    s.show();
    Keypad(&s, Qt::Key_Down);
    ASSERT_TRUE(access::CurrentModes().voice);
    CaptionKey* call = Key(s, QStringLiteral("staffCallKey_0"));
    for (int i = 0; i < 30 && s.keypad()->focused() != call; ++i)
        Keypad(&s, Qt::Key_Right);
    ASSERT_EQ(s.keypad()->focused(), call) << "in the keypad's order";
    EXPECT_TRUE(voice.heard(QStringLiteral("직원 호출, 버튼")));
    Keypad(&s, Qt::Key_Return);
    const QString told = QStringLiteral("직원을 불렀습니다. 잠시만 기다려 주세요.");
    EXPECT_EQ(dialogs->texts(), QStringList{told});
    EXPECT_EQ(bell.rung, 1);
    EXPECT_EQ(health::Read().staffCalls, 1u);
    EXPECT_EQ(logEntries().filter(QStringLiteral("[frmMain] 직원 호출 (벨 울림)")).size(), 1);
    // Touched again a moment later, on the phone panel: counted and told, the bell left quiet. The
    // terminal's own box shows it over the screen and says it.
    KeyOf(s, PanelKey::Takeout)->touch();
    ASSERT_EQ(s.path().currentPanel(), 1);
    clock->advance(2000);
    WidgetDialogHandler boxes;
    setDialogHandler(&boxes);
    Key(s, QStringLiteral("staffCallKey_1"))->touch();
    setDialogHandler(dialogs.get());
    auto* box = qobject_cast<MessagePanel*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->textLabel()->text(), told);
    EXPECT_TRUE(voice.heard(told));
    box->accept();
    EXPECT_EQ(bell.rung, 1);
    EXPECT_TRUE(health::Render(health::Read()).contains("\nsumbrel_staff_calls_total 2\n"));
    EXPECT_EQ(logEntries().filter(QStringLiteral("[frmMain] 직원 호출 (벨은 2초 전에 울림)")).size(), 1);

    // The rate, step by step, held at both ends.
    const struct {
        int key;
        int step;
    } rates[] = {{Qt::Key_PageDown, 2}, {Qt::Key_PageDown, 1}, {Qt::Key_PageDown, 1}, {Qt::Key_PageUp, 2},
                 {Qt::Key_PageUp, 3},   {Qt::Key_PageUp, 4},   {Qt::Key_PageUp, 5},   {Qt::Key_PageUp, 5}};
    for (const auto& r : rates) {
        voice.take();
        Keypad(&s, r.key);
        EXPECT_EQ(access::SpeechRateStep(), r.step);
        EXPECT_DOUBLE_EQ(voice.rates.last(), access::RateOfStep(r.step));
        EXPECT_TRUE(voice.heard(QStringLiteral("말하기 속도 %1단계").arg(r.step)));
    }
    EXPECT_DOUBLE_EQ(access::RateOfStep(1), -0.5);
    EXPECT_DOUBLE_EQ(access::RateOfStep(5), 0.5);
    Keypad(&s, Qt::Key_Plus, QStringLiteral("+"));
    const int louder = voice.volume;
    EXPECT_NE(louder, access::kDefaultVolume);
    // "/" holds the voice and lets it go on; held again, the visit's end lets it go.
    Keypad(&s, Qt::Key_Slash, QStringLiteral("/"));
    Keypad(&s, Qt::Key_Slash, QStringLiteral("/"));
    EXPECT_EQ(voice.held, QList<bool>({true, false}));
    Keypad(&s, Qt::Key_Slash, QStringLiteral("/"));
    ASSERT_TRUE(access::SpeechPaused());
    Keypad(&s, Qt::Key_Escape);
    ASSERT_EQ(s.path().currentPanel(), 0);
    EXPECT_EQ(voice.held, QList<bool>({true, false, true, false}));
    EXPECT_FALSE(access::SpeechPaused());
    EXPECT_EQ(voice.volume, access::kDefaultVolume);
    EXPECT_DOUBLE_EQ(voice.rates.last(), 0.0);
    EXPECT_EQ(access::SpeechRateStep(), access::kDefaultRateStep);
}

TEST_F(ReceptionAccessTest, CountsAndTotalsAreNamedWithWhatTheyCount)
{
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("N")));
    s.show();
    KeyOf(s, PanelKey::Takeout)->touch();
    EXPECT_EQ(OrderAmountLabel(s)->accessibleName(), QStringLiteral("합계 6,000원"));
    EXPECT_TRUE(WaitingTeamsLabel(s, 1)->accessibleName().startsWith(QStringLiteral("현재 대기 ")));
    // A row's count and keys say which line they belong to.
    EXPECT_EQ(RowQuantity(s, 0)->accessibleName(), QStringLiteral("아메리카노 수량 2"));
    EXPECT_EQ(KeypadNavigator::Describe(RowRemove(s, 0)), QStringLiteral("삭제, 버튼. 아메리카노 삭제"));
    for (const auto& [name, seen] : VisibleKeys(&s))
        EXPECT_FALSE(name.startsWith(QStringLiteral("lbl"))) << name.toStdString();
}

}  // namespace
}  // namespace sumbrel::testing

// The operator PIN in front of the reception screen's hidden areas: the keypad panel, the tries,
// the lock of a minute (at a fast clock), the trace, and the areas as before when no PIN is set.
#include "kiosk/ui/operator_guard.h"
#include "kiosk/ui/pin_panel.h"
#include "reception/reception_fixture.h"
#include "settings/operator_pin.h"
#include "startup/clock.h"
#include "support/screen_widgets.h"

#include <QAccessible>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace sumbrel;
using namespace sumbrel::kiosk;
using namespace sumbrel::testing;

namespace {

const QString kPin = QStringLiteral("4821");

}  // namespace

class OperatorPinTest : public ReceptionTest {
protected:
    ReceptionScreen& guarded()
    {
        ReceptionScreen& s = open();
        auto* guard = new OperatorGuard(s);
        QObject::connect(guard, &OperatorGuard::settingsAllowed, &s, [this] { ++settingsOpened; });
        QObject::connect(guard, &OperatorGuard::settingsRefused, &s, [this] { ++settingsRefused; });
        QObject::connect(guard, &OperatorGuard::terminateAllowed, &s, [this] { ++terminated; });
        return s;
    }
    // The panel that the next touch opens gets these keys (digits, 'b' back, 'k' OK, 'x' cancel),
    // then inspect sees it before the panel is gone or cancelled.
    void onPanel(const QString& keys, std::function<void(PinPanel&)> inspect = {})
    {
        m_keys = keys;
        m_inspect = std::move(inspect);
    }
    // Touches the area; the panel it opened (none without a PIN) gets the keys of onPanel.
    void touchArea(CaptionKey* area)
    {
        area->touch();
        PinPanel* panel = screen->findChild<PinPanel*>();
        if (!panel || panel->isHidden())
            return;
        for (QChar c : std::exchange(m_keys, QString())) {
            const int key = c == u'b' ? PinPanel::Back
                : c == u'k'           ? PinPanel::Ok
                : c == u'x'           ? PinPanel::Cancel
                                      : c.digitValue();
            PinKey(*panel, key)->touch();
            if (panel->isFinished())
                break;
        }
        if (auto inspect = std::exchange(m_inspect, nullptr))
            inspect(*panel);
        if (!panel->isFinished())
            PinKey(*panel, PinPanel::Cancel)->touch();
        // The finished panel is deleted once the events run.
        QTest::qWait(0);
    }

    QString m_keys;
    std::function<void(PinPanel&)> m_inspect;
    int settingsRefused = 0;

    int settingsOpened = 0;
    int terminated = 0;
};

TEST_F(OperatorPinTest, WithoutAPinTheAreasActAsBefore)
{
    ReceptionScreen& s = guarded();
    touchArea(SettingsKey(s));
    touchArea(TerminateKey(s));
    EXPECT_EQ(settingsOpened, 1);
    EXPECT_EQ(terminated, 1);
    EXPECT_EQ(s.findChild<PinPanel*>(), nullptr);
    EXPECT_FALSE(logText().contains(QStringLiteral("Operator PIN")));
}

TEST_F(OperatorPinTest, TheRightPinOpensTheArea)
{
    pin::WriteStoredPin(pin::HashPin(kPin));
    ReceptionScreen& s = guarded();
    struct {
        const char* name;
        CaptionKey* area;
        QString keys;
        int settings;
        int terminate;
        const char16_t* trace;
    } cases[] = {
        {"settings, right", SettingsKey(s), kPin + u'k', 1, 0, u"Operator PIN (settings): accepted"},
        {"terminate, right after a correction", TerminateKey(s), QStringLiteral("48299bbb21k"), 1, 1,
         u"Operator PIN (terminate): accepted"},
        {"settings, cancelled", SettingsKey(s), QStringLiteral("48x"), 1, 1, u"Operator PIN (settings): cancelled"},
        {"terminate, too short is no try", TerminateKey(s), QStringLiteral("482k"), 1, 1,
         u"Operator PIN (terminate): cancelled"},
    };
    for (const auto& c : cases) {
        onPanel(c.keys);
        touchArea(c.area);
        EXPECT_EQ(settingsOpened, c.settings) << c.name;
        EXPECT_EQ(terminated, c.terminate) << c.name;
        EXPECT_EQ(logEntries().last(), QString::fromUtf16(c.trace)) << c.name;
        EXPECT_EQ(s.findChild<PinPanel*>(), nullptr) << c.name << ": the panel is gone";
    }
    EXPECT_FALSE(logText().contains(kPin));
}

TEST_F(OperatorPinTest, KeypadShowsDotsAndEveryKeyIsAnAccessibleButton)
{
    pin::WriteStoredPin(pin::HashPin(kPin));
    ReceptionScreen& s = guarded();
    onPanel(QStringLiteral("482"), [](PinPanel& panel) {
        EXPECT_EQ(PinTitle(panel)->text(), QStringLiteral("운영자 PIN · 환경 설정"));
        EXPECT_EQ(PinDigits(panel)->text(), QStringLiteral("●●●"));
        EXPECT_EQ(PinMessage(panel)->text(), QStringLiteral("PIN을 입력하세요."));
        EXPECT_EQ(panel.geometry(), panel.parentWidget()->rect()) << "the panel covers the screen";
        const QStringList captions = {
            QStringLiteral("0"),  QStringLiteral("1"),    QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
            QStringLiteral("5"),  QStringLiteral("6"),    QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
            QStringLiteral("<-"), QStringLiteral("확인"), QStringLiteral("X")};
        QList<QRect> cells;
        for (int i = 0; i < PinPanel::KeyCount; ++i) {
            QAccessibleInterface* key = QAccessible::queryAccessibleInterface(PinKey(panel, i));
            ASSERT_NE(key, nullptr);
            EXPECT_EQ(key->role(), QAccessible::Button) << i;
            EXPECT_EQ(key->text(QAccessible::Name), captions[i]);
            const QRect cell = PinKey(panel, i)->geometry();
            EXPECT_TRUE(PinBox(panel)->rect().contains(cell)) << i << ": inside the box";
            EXPECT_GE(cell.height(), 60) << i;
            for (const QRect& other : cells)
                EXPECT_FALSE(cell.intersects(other)) << i << ": keys never overlap";
            cells << cell;
        }
        for (QLabel* label : {PinTitle(panel), PinDigits(panel), PinMessage(panel)}) {
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(label);
            EXPECT_EQ(shown->text(QAccessible::Name), label->text());
        }
        // Pressed through the screen reader, a key acts as a touch.
        QAccessible::queryAccessibleInterface(PinKey(panel, 7))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(PinDigits(panel)->text(), QStringLiteral("●●●●"));
    });
    touchArea(SettingsKey(s));
    EXPECT_EQ(settingsOpened, 0);
}

TEST_F(OperatorPinTest, ThreeWrongPinsLockBothAreasForAMinute)
{
    pin::WriteStoredPin(pin::HashPin(kPin));
    ReceptionScreen& s = guarded();
    onPanel(QStringLiteral("1111k"), [](PinPanel& panel) {
        EXPECT_EQ(PinMessage(panel)->text(), QStringLiteral("PIN이 틀렸습니다. 남은 횟수 2회"));
        EXPECT_TRUE(PinDigits(panel)->text().isEmpty()) << "a wrong PIN is cleared";
    });
    touchArea(SettingsKey(s));
    onPanel(QStringLiteral("2222k3333k") + kPin + u'k', [](PinPanel& panel) {
        EXPECT_FALSE(panel.isFinished()) << "locked: even the right PIN does nothing";
        EXPECT_TRUE(PinMessage(panel)->text().startsWith(QStringLiteral("3회 틀려 잠겼습니다.")))
            << PinMessage(panel)->text().toStdString();
    });
    touchArea(TerminateKey(s));
    // The other area is locked as well, and says so as it opens.
    advanceTickCount(10000);
    onPanel(kPin + u'k', [](PinPanel& panel) {
        EXPECT_FALSE(panel.isFinished());
        EXPECT_EQ(PinMessage(panel)->text(), QStringLiteral("잠겨 있습니다. 50초 후에 다시 시도하세요."));
    });
    touchArea(SettingsKey(s));
    EXPECT_EQ(settingsOpened, 0);
    EXPECT_EQ(terminated, 0);
    const QStringList expected = {
        QStringLiteral("Operator PIN (settings): wrong, 2 tries left"),
        QStringLiteral("Operator PIN (settings): cancelled"),
        QStringLiteral("Operator PIN (terminate): wrong, 1 try left"),
        QStringLiteral("Operator PIN (terminate): wrong, locked for 60 s"),
        QStringLiteral("Operator PIN (terminate): cancelled"),
        QStringLiteral("Operator PIN (settings): refused, locked for 50 s more"),
        QStringLiteral("Operator PIN (settings): cancelled"),
    };
    QStringList traced;
    for (const QString& e : logEntries())
        if (e.startsWith(QStringLiteral("Operator PIN")))
            traced << e;
    EXPECT_EQ(traced, expected);

    // The rest of the minute passes on the clock: the right PIN opens again.
    advanceTickCount(50000);
    onPanel(kPin + u'k');
    touchArea(TerminateKey(s));
    EXPECT_EQ(terminated, 1);
    EXPECT_FALSE(logText().contains(kPin));
}

TEST_F(OperatorPinTest, ALockRunningOutWhileThePanelIsOpenFreesTheKeypad)
{
    pin::WriteStoredPin(pin::HashPin(kPin));
    ReceptionScreen& s = guarded();
    onPanel(QStringLiteral("0000k0000k0000k"), [](PinPanel& panel) {
        ASSERT_TRUE(PinMessage(panel)->text().startsWith(QStringLiteral("3회")));
        // The panel's countdown, once a second, sees the lock run out with the minute.
        ManualClock::installed()->advance(pin::kLockMs - 1000);
        EXPECT_NE(PinMessage(panel)->text(), pin::PromptText());
        ManualClock::installed()->advance(1000);
        EXPECT_EQ(PinMessage(panel)->text(), pin::PromptText());
        for (QChar c : kPin + u'k')
            PinKey(panel, c == u'k' ? PinPanel::Ok : c.digitValue())->touch();
    });
    touchArea(SettingsKey(s));
    EXPECT_EQ(settingsOpened, 1);
}

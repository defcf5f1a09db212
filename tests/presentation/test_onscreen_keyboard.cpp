// The on-screen keyboard of the operator's fields: its pages, shift and caps, the key events it sends,
// the arrows' way over its keys, its place beside the field, and typing into a field with a
// validator, an echo mode and a physical keyboard beside it.
#include "presentation/caption_key.h"
#include "presentation/keyboard_layout.h"
#include "presentation/onscreen_keyboard.h"
#include "support/find.h"
#include "support/sumbrel_test.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace sumbrel;
using namespace sumbrel::osk;

namespace {

TEST(KeyboardRules, PagesHoldEveryCharacterOfAPasswordInFullRows)
{
    const QString needed = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789!@#$%^&*()-_=+.,?/:;'\"[]{}<>~\\|` ");
    for (const QChar c : needed) {
        SCOPED_TRACE(QString(c).toStdString());
        bool found = false;
        for (const Page page : {Page::Letters, Page::Symbols})
            for (const KeyRow& row : Rows(page))
                for (const KeyDef& key : row)
                    found = found || (key.kind == KeyKind::Character && key.character == c)
                        || (key.kind == KeyKind::Space && c == u' ');
        EXPECT_TRUE(found);
    }
    for (const Page page : {Page::Letters, Page::Symbols}) {
        ASSERT_EQ(Rows(page).size(), kRows);
        QStringList captions;
        for (const KeyRow& row : Rows(page)) {
            double units = 0;
            for (const KeyDef& key : row) {
                units += key.units;
                captions << Caption(key, false);
            }
            EXPECT_DOUBLE_EQ(units, kUnitsPerRow);
        }
        // Every key is told apart by its name; each page has its delete, enter, close and way back.
        EXPECT_EQ(captions.size(), QSet<QString>(captions.begin(), captions.end()).size())
            << captions.join(u' ').toStdString();
        for (const char* key : {"지우기", "입력", "닫기", "띄어쓰기"})
            EXPECT_TRUE(captions.contains(QString::fromUtf8(key))) << key;
        EXPECT_TRUE(captions.contains(page == Page::Letters ? QStringLiteral("!#%") : QStringLiteral("abc")));
    }
}

TEST(KeyboardRules, ShiftHoldsForOneLetterCapsUntilTouchedAgain)
{
    struct Case {
        std::vector<const char*> keys;  // captions as shown before each touch
        const char* typed;
    };
    const Case cases[] = {
        {{"a", "b"}, "ab"},
        {{"Shift", "A", "a"}, "Aa"},
        {{"Shift", "1", "A", "a"}, "1Aa"},  // a digit leaves the shift for the next letter
        {{"Shift", "Shift", "a"}, "a"},
        {{"Caps", "A", "B", "Caps", "c"}, "ABc"},
        {{"Caps", "Shift", "a", "A"}, "aA"},
        {{"!#%", "+", "&", "%", "abc", "x"}, "+&%x"},
        {{"띄어쓰기", "@", "."}, " @."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys.front());
        KeyboardState state;
        QString typed;
        for (const char* key : c.keys) {
            const QString caption = QString::fromUtf8(key);
            // The key as the page in force shows it.
            const QList<KeyRow>& rows = Rows(state.page());
            const KeyDef* touched = nullptr;
            for (const KeyRow& row : rows)
                for (const KeyDef& key : row)
                    if (Caption(key, state.upper()) == caption)
                        touched = &key;
            ASSERT_TRUE(touched) << caption.toStdString();
            const Action action = state.press(*touched);
            if (action.what == Action::Type)
                typed += action.character;
        }
        EXPECT_EQ(typed, QString::fromUtf8(c.typed));
    }
}

TEST(KeyboardRules, KeyEventsAreThoseOfAPhysicalKeyboard)
{
    struct Case {
        QChar character;
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    const Case cases[] = {
        {u'a', Qt::Key_A, Qt::NoModifier},     {u'A', Qt::Key_A, Qt::ShiftModifier},
        {u'7', Qt::Key_7, Qt::NoModifier},     {u'&', Qt::Key_Ampersand, Qt::NoModifier},
        {u'+', Qt::Key_Plus, Qt::NoModifier},  {u'%', Qt::Key_Percent, Qt::NoModifier},
        {u' ', Qt::Key_Space, Qt::NoModifier}, {u'\\', Qt::Key_Backslash, Qt::NoModifier},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString(c.character).toStdString());
        const KeyStroke stroke = StrokeFor(c.character);
        EXPECT_EQ(stroke.key, c.key);
        EXPECT_EQ(stroke.modifiers, c.modifiers);
        EXPECT_EQ(stroke.text, QString(c.character));
    }
}

TEST(KeyboardRules, ArrowsWalkAlongTheRowsAndToTheNearestKeyAboveOrBelow)
{
    struct Case {
        Page page;
        Cell from;
        Arrow arrow;
        const char* to;  // caption of the key reached
    };
    const Case cases[] = {
        {Page::Letters, {0, 0}, Arrow::Right, "2"},
        {Page::Letters, {0, 0}, Arrow::Left, "0"},  // wraps round the row
        {Page::Letters, {1, 0}, Arrow::Down, "Caps"},
        {Page::Letters, {2, 1}, Arrow::Down, "z"},  // "a" (1.5) to "z" (2.0), nearer than "Shift" (0.75)
        {Page::Letters, {2, 2}, Arrow::Down, "z"},  // "s" (2.5) as near to "z" (2.0) as to "x" (3.0): the left one
        {Page::Letters, {3, 8}, Arrow::Down, "닫기"},
        {Page::Letters, {4, 2}, Arrow::Up, "c"},  // the space bar's middle (4.25) lies nearest to "c" (4.0)
        {Page::Letters, {4, 0}, Arrow::Down, "1"},  // wraps from the last row to the first
        {Page::Letters, {0, 9}, Arrow::Up, "닫기"},
        {Page::Symbols, {1, 6}, Arrow::Down, "?"},
        {Page::Symbols, {3, 7}, Arrow::Down, "`"},
    };
    for (const Case& c : cases) {
        const Cell to = MoveOn(c.page, c.from, c.arrow);
        EXPECT_EQ(Caption(Rows(c.page)[to.row][to.column], false), QString::fromUtf8(c.to))
            << c.from.row << "," << c.from.column << " arrow " << int(c.arrow);
    }
    // A cell kept from the other page lands on a key of this one.
    EXPECT_EQ(Clamped(Page::Symbols, {3, 9}), (Cell{3, 8}));
}

TEST(KeyboardRules, ThePlaceNeverCoversTheField)
{
    struct Case {
        const char* name;
        QSize window;
        QRect field;
        bool foot;
    };
    const Case cases[] = {
        {"login ID", {450, 515}, {60, 172, 330, 58}, true},
        {"login PW", {450, 515}, {60, 242, 330, 58}, true},
        {"settings, upper field", {1024, 768}, {600, 150, 380, 50}, true},
        {"settings, field in the foot", {1024, 768}, {180, 560, 250, 50}, false},
        {"field ending just above the foot", {1024, 768}, {0, 420, 200, 41}, true},
        {"field reaching the foot's first line", {1024, 768}, {0, 420, 200, 42}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QRect place = KeyboardPlace(c.window, c.field);
        EXPECT_EQ(place.width(), c.window.width());
        EXPECT_EQ(place.height(), qRound(c.window.height() * 0.4));
        EXPECT_EQ(place.bottom() == c.window.height() - 1, c.foot);
        EXPECT_FALSE(place.intersects(c.field));
    }
    // The keys stay inside the keyboard and apart from each other.
    for (const Page page : {Page::Letters, Page::Symbols}) {
        const QSize size(450, 206);
        QList<QRect> keys;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < Rows(page)[r].size(); ++c)
                keys << KeyRect(page, {r, c}, size, 14, 4);
        for (int i = 0; i < keys.size(); ++i) {
            EXPECT_TRUE(QRect(QPoint(14, 14), size - QSize(28, 28)).contains(keys[i])) << i;
            for (int j = i + 1; j < keys.size(); ++j)
                EXPECT_FALSE(keys[i].intersects(keys[j])) << i << " " << j;
        }
    }
}

class OnScreenKeyboardTest : public sumbrel::testing::SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        window = std::make_unique<QWidget>();
        window->setObjectName(QStringLiteral("window"));
        window->resize(450, 515);
        text = new QLineEdit(window.get());
        text->setObjectName(QStringLiteral("text"));
        text->setGeometry(20, 40, 300, 50);
        digits = new QLineEdit(window.get());
        digits->setObjectName(QStringLiteral("digits"));
        digits->setGeometry(20, 420, 300, 50);  // in the foot: the keyboard goes to the top
        digits->setEchoMode(QLineEdit::Password);
        digits->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), digits));
        keyboard = new OnScreenKeyboard(window.get());
        keyboard->attach(text);
        keyboard->attach(digits);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        SumbrelTest::TearDown();
    }
    // Touches the shown key with that caption.
    void touch(const QString& caption)
    {
        if (!sumbrel::testing::TouchNamed(keyboard, caption))
            ADD_FAILURE() << "no key " << caption.toStdString();
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* text = nullptr;
    QLineEdit* digits = nullptr;
    OnScreenKeyboard* keyboard = nullptr;
};

TEST_F(OnScreenKeyboardTest, TypesIntoTheTouchedFieldAsAKeyboardWould)
{
    EXPECT_FALSE(keyboard->isVisible());
    QTest::mouseClick(text, Qt::LeftButton);
    ASSERT_TRUE(keyboard->isOpen());
    EXPECT_TRUE(keyboard->isVisible());
    EXPECT_EQ(keyboard->target(), text);
    EXPECT_FALSE(keyboard->geometry().intersects(text->geometry()));
    EXPECT_EQ(keyboard->geometry().bottom(), window->height() - 1);

    for (const char* caption : {"Shift", "A", "b", "!#%", "+", "&", "%", "abc", "띄어쓰기", "c", "지우기", "d"})
        touch(QString::fromUtf8(caption));
    EXPECT_EQ(text->text(), QStringLiteral("Ab+&% d"));
    // The "&" key shows "&" (no mnemonic) and is named so to a screen reader.
    QAccessibleInterface* amp = QAccessible::queryAccessibleInterface(
        keyboard->findChild<CaptionKey*>(QStringLiteral("oskKey_26")));
    ASSERT_TRUE(amp);
    EXPECT_EQ(amp->text(QAccessible::Name), QStringLiteral("&"));
    EXPECT_EQ(amp->role(), QAccessible::Button);

    // A physical keyboard beside it; its Return reaches the field.
    QSignalSpy returned(text, &QLineEdit::returnPressed);
    QTest::keyClicks(text, QStringLiteral("xy"));
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->text(), QStringLiteral("Ab+&% dxy"));
    EXPECT_EQ(returned.count(), 1);
    touch(QStringLiteral("입력"));
    EXPECT_EQ(returned.count(), 2);

    // The field in the window's foot: the keyboard moves above it; the validator and the echo mode
    // hold for the keyboard's keys.
    QTest::mouseClick(digits, Qt::LeftButton);
    EXPECT_EQ(keyboard->target(), digits);
    EXPECT_EQ(keyboard->geometry().top(), 0);
    EXPECT_FALSE(keyboard->geometry().intersects(digits->geometry()));
    for (const char* caption : {"4", "q", "2", "!#%", "&", "7"})
        touch(QString::fromUtf8(caption));
    EXPECT_EQ(digits->text(), QStringLiteral("427"));
    EXPECT_NE(digits->displayText(), QStringLiteral("427"));

    touch(QStringLiteral("닫기"));
    EXPECT_FALSE(keyboard->isOpen());
    EXPECT_FALSE(keyboard->isVisible());
    EXPECT_TRUE(logEntries().contains(QStringLiteral("  [window→OnScreenKeyboard] open for text")));
}

TEST_F(OnScreenKeyboardTest, KeypadOpensItMovesTheRingAndPressesTheRingedKey)
{
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Down);
    ASSERT_TRUE(keyboard->isOpen());
    ASSERT_TRUE(keyboard->ringed());
    EXPECT_EQ(keyboard->ringed()->caption(), QStringLiteral("1"));
    // Right, Enter: "2"; down twice and Enter: "a", below "w" and nearer it than "Caps".
    for (int key : {Qt::Key_Right, Qt::Key_Enter, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(text, Qt::Key(key));
    EXPECT_EQ(text->text(), QStringLiteral("2a"));
    EXPECT_EQ(keyboard->ringed()->caption(), QStringLiteral("a"));
    // A key typed on a keyboard takes the ring away, so Return is the field's again.
    QSignalSpy returned(text, &QLineEdit::returnPressed);
    QTest::keyClick(text, Qt::Key_X);
    EXPECT_FALSE(keyboard->ringed());
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(returned.count(), 1);
    EXPECT_EQ(text->text(), QStringLiteral("2ax"));
    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(keyboard->isOpen());
    // Closed, the arrows are the field's own again (left moves the cursor).
    QTest::keyClick(text, Qt::Key_Left);
    EXPECT_EQ(text->cursorPosition(), 2);
    EXPECT_FALSE(keyboard->isOpen());
}

}  // namespace

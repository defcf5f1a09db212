// The login on a kiosk without a keyboard: the ID and a password with "+", "&" and "%" typed on the
// on-screen keyboard, once by touch and once by keypad, against a demo shop with that password.
#include "login/login_test.h"
#include "login/ui/login_screen.h"
#include "presentation/caption_key.h"
#include "presentation/onscreen_keyboard.h"
#include "startup/global_state.h"
#include "startup/stored_login.h"
#include "support/find.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace sumbrel;

namespace {

const QString kPassword = QStringLiteral("Pw+&%12");
// The keys, by caption, that type the ID and then the password, each ended by the enter key.
QStringList Captions(std::initializer_list<const char*> keys)
{
    QStringList captions;
    for (const char* key : keys)
        captions << QString::fromUtf8(key);
    return captions;
}
const QStringList kIdKeys = Captions({"d", "e", "m", "o", "입력"});
const QStringList kPasswordKeys = Captions({"Shift", "P", "w", "!#%", "+", "&", "%", "1", "2", "입력"});

class LoginKeyboard : public sumbrel::testing::LoginTest {
protected:
    QStringList shopArgs() const override { return {QStringLiteral("--password"), kPassword}; }
    void SetUp() override
    {
        LoginTest::SetUp();
        WriteStoredLogin(QString::fromUtf16(kDefaultStoredLogin));
        screen = std::make_unique<LoginScreen>();
        QObject::connect(screen.get(), &LoginScreen::loggedIn, [this](const Session& reported) {
            calls << QStringLiteral("reception");
            session = reported;
        });
        screen->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return screen->firstActivationDone(); }, 5000));
        QCoreApplication::processEvents();
        keyboard = screen->findChild<OnScreenKeyboard*>();
        ASSERT_TRUE(keyboard);
        EXPECT_FALSE(keyboard->isVisible());
    }
    void TearDown() override
    {
        screen.reset();
        LoginTest::TearDown();
    }
    QLineEdit* box(const char* name) { return screen->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    // The Enter in ID moves the focus on to PW through the event queue.
    void waitForPasswordBox()
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return keyboard->target() == box("PW"); }, 2000));
        EXPECT_EQ(QApplication::focusWidget(), box("PW"));
        EXPECT_TRUE(keyboard->isOpen());
    }
    void expectLoggedIn()
    {
        EXPECT_EQ(box("ID")->text(), QStringLiteral("demo"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return calls.contains(QStringLiteral("reception")); }, 10000))
            << calls.join(u' ').toStdString();
        EXPECT_TRUE(dialogs->messages.isEmpty());
        EXPECT_EQ(session.loginId, QStringLiteral("demo"));
        EXPECT_EQ(session.loginPassword, kPassword);
        EXPECT_EQ(loginRequests(), 1);
    }

    // A touch of the shown key with that caption.
    void touch(const QString& caption)
    {
        if (!sumbrel::testing::TouchNamed(keyboard, caption))
            ADD_FAILURE() << "no key " << caption.toStdString();
    }
    // Down to the key's row, right to the key, Enter, all from the keypad.
    void keypad(const QString& caption)
    {
        auto cellOf = [&](const CaptionKey* key) {
            for (int r = 0; r < osk::kRows; ++r)
                for (int c = 0; keyboard->key({r, c}); ++c)
                    if (keyboard->key({r, c}) == key)
                        return osk::Cell{r, c};
            return osk::Cell{-1, -1};
        };
        CaptionKey* wanted = nullptr;
        for (int r = 0; r < osk::kRows && !wanted; ++r)
            for (int c = 0; keyboard->key({r, c}) && !wanted; ++c)
                if (keyboard->key({r, c})->caption() == caption)
                    wanted = keyboard->key({r, c});
        ASSERT_TRUE(wanted) << caption.toStdString();
        for (int i = 0; i < 40 && keyboard->ringed() != wanted; ++i) {
            ASSERT_TRUE(keyboard->ringed());
            const int arrow = cellOf(keyboard->ringed()).row != cellOf(wanted).row ? Qt::Key_Down : Qt::Key_Right;
            QTest::keyClick(keyboard->target(), Qt::Key(arrow));
        }
        ASSERT_EQ(keyboard->ringed(), wanted) << caption.toStdString();
        QTest::keyClick(keyboard->target(), Qt::Key_Enter, Qt::KeypadModifier);
    }

    QStringList calls;
    std::unique_ptr<LoginScreen> screen;
    OnScreenKeyboard* keyboard = nullptr;
};

TEST_F(LoginKeyboard, TouchTypesTheIdAndThePasswordAndItsEnterLogsIn)
{
    QTest::mouseClick(box("ID"), Qt::LeftButton);
    ASSERT_TRUE(keyboard->isOpen());
    EXPECT_EQ(keyboard->target(), box("ID"));
    // Over the foot of the window, below both boxes.
    for (const char* name : {"ID", "PW"})
        EXPECT_FALSE(keyboard->geometry().intersects(box(name)->geometry())) << name;
    EXPECT_EQ(keyboard->geometry().bottom(), LoginScreen::kHeight - 1);
    for (const QString& key : kIdKeys)
        touch(key);
    waitForPasswordBox();
    EXPECT_EQ(loginRequests(), 0);
    for (const QString& key : kPasswordKeys)
        touch(key);
    expectLoggedIn();
}

TEST_F(LoginKeyboard, KeypadOpensItAndTypesByArrowsAndEnter)
{
    box("ID")->setFocus();
    QTest::keyClick(box("ID"), Qt::Key_Down);
    ASSERT_TRUE(keyboard->isOpen());
    ASSERT_TRUE(keyboard->ringed());
    for (const QString& key : kIdKeys)
        keypad(key);
    waitForPasswordBox();
    for (const QString& key : kPasswordKeys)
        keypad(key);
    expectLoggedIn();
}

}  // namespace

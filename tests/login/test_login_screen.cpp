// The login screen against the demo shop service: automatic login, the three-failure end,
// the http fall-back, keys, the answer's logging and the stored options.
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "login/login_test.h"
#include "login/ui/login_screen.h"
#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/global_state.h"
#include "startup/stored_login.h"
#include "startup/trace_log.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QShowEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace sumbrel;
using sumbrel::testing::LoginTest;

namespace {

const QString kDefault = QString::fromUtf16(kDefaultStoredLogin);

class LoginScreenTest : public LoginTest {
protected:
    void SetUp() override
    {
        LoginTest::SetUp();
        ASSERT_TRUE(StoredLoginFile().startsWith(folder.path())) << StoredLoginFile().toStdString();
    }
    void TearDown() override
    {
        screen.reset();
        LoginTest::TearDown();
    }

    // Shows the screen as the start-up does and lets the first activation run.
    LoginScreen* open(const QString& stored)
    {
        WriteStoredLogin(stored);
        make();
        screen->show();
        // The first showing starts the first activation.
        EXPECT_TRUE(QTest::qWaitFor([&] { return screen->firstActivationDone(); }, 5000));
        QCoreApplication::processEvents();
        return screen.get();
    }
    void make()
    {
        screen = std::make_unique<LoginScreen>();
        QObject::connect(screen.get(), &LoginScreen::loggedIn, [this](const Session& reported) {
            calls << QStringLiteral("reception");
            session = reported;
        });
        QObject::connect(screen.get(), &LoginScreen::endRequested, [this] { calls << QStringLiteral("end"); });
    }
    // Until the login and the loads after it have ended (real exchanges with the demo shop).
    void settle()
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !screen->busy(); }, 15000));
        QCoreApplication::processEvents();
    }
    void login()
    {
        QTest::mouseClick(key(), Qt::LeftButton);
        settle();
    }
    // The automatic login starts a moment after the first activation.
    void letAutomaticLoginStart()
    {
        clock->advance(100);
        QCoreApplication::processEvents();
    }
    QLineEdit* box(const char* name) { return screen->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QLabel* key() { return screen->findChild<QLabel*>(QStringLiteral("loginKey")); }
    // The automatic login waits to try again.
    bool retrying() const { return screen->findChild<ClockTimer*>(QStringLiteral("retryTimer"))->isActive(); }
    QAbstractButton* check(int i)
    {
        return screen->findChild<QAbstractButton*>(QStringLiteral("storeToggle_%1").arg(i));
    }
    void type(const QString& id, const QString& pw)
    {
        box("ID")->setText(id);
        box("PW")->setText(pw);
    }

    QStringList calls;
    std::unique_ptr<LoginScreen> screen;
};

TEST_F(LoginScreenTest, RememberedAutomaticLoginOpensTheReceptionWithoutInput)
{
    open(QStringLiteral("True◈True◈demo◈demo1234"));
    EXPECT_FALSE(screen->busy()) << "the screen shows before the automatic login starts";
    letAutomaticLoginStart();
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls.contains(QStringLiteral("reception")); }, 10000));
    EXPECT_EQ(calls, QStringList{QStringLiteral("reception")});
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_EQ(box("ID")->text(), QStringLiteral("demo"));
    EXPECT_FALSE(box("ID")->isEnabled());
    EXPECT_FALSE(box("PW")->isEnabled());
    EXPECT_FALSE(screen->isVisible()) << "closed after opening the reception screen";
    EXPECT_EQ(session.shopNumber, QStringLiteral("12"));
    EXPECT_EQ(session.shopName, QStringLiteral("오르빅 커피 본점"));
    EXPECT_EQ(session.loginId, QStringLiteral("demo"));
    EXPECT_EQ(session.loginPassword, QStringLiteral("demo1234"));
    EXPECT_EQ(ReadStoredLogin(), QStringLiteral("True◈True◈demo◈demo1234"));
    EXPECT_TRUE(logEntries().contains(QStringLiteral("  [frmLogin→Form_Activate] Enter")));
    // A later activation does nothing but say so.
    screen->activate();
    EXPECT_TRUE(logEntries().contains(QStringLiteral("  [frmLogin→Form_Activate] Quit")));
    EXPECT_EQ(loginRequests(), 1);
}

TEST_F(LoginScreenTest, LoginFetchesCategoriesThenTheWholeCatalogueBeforeItReports)
{
    open(kDefault);
    type(QStringLiteral("demo"), QStringLiteral("demo1234"));
    int loaded = 0;
    QObject::connect(screen.get(), &LoginScreen::menuLoaded, [&](const LoginMenuLoad& load) {
        ++loaded;
        EXPECT_TRUE(calls.isEmpty()) << "the tables come before the next screen opens";
        EXPECT_GT(load.categories.value_or(CategoryTable()).rowCount(), 3);
        EXPECT_GT(load.catalogue.value_or(MenuCatalogue()).rowCount(), 50);
    });
    login();
    ASSERT_TRUE(calls.contains(QStringLiteral("reception")));
    EXPECT_EQ(loaded, 1);
    EXPECT_FALSE(screen->isVisible());
    QStringList paths;
    QString catalogueBody;
    for (const auto& r : shop->requests()) {
        const QJsonObject o = r.toObject();
        paths << o.value(QStringLiteral("path")).toString();
        if (paths.last() == u"/Admin/menuloading1.php")
            catalogueBody = o.value(QStringLiteral("raw_body")).toString();
    }
    EXPECT_EQ(paths,
              (QStringList{QStringLiteral("/program/logins.php"), QStringLiteral("/Admin/categoryloading.php"),
                           QStringLiteral("/Admin/menuloading1.php")}));
    EXPECT_TRUE(catalogueBody.contains(QStringLiteral("category=전체"))) << catalogueBody.toStdString();
}

TEST_F(LoginScreenTest, SkinPicturesAreUsedWhenPresent)
{
    ASSERT_TRUE(QDir().mkpath(gs().skinFolder));
    QImage back(LoginScreen::kWidth, LoginScreen::kHeight, QImage::Format_RGB32);
    back.fill(QColor(10, 20, 30));
    ASSERT_TRUE(back.save(gs().skinFolder + QStringLiteral("/0001.gif"), "PNG"));
    QImage wait(120, 80, QImage::Format_RGB32);
    wait.fill(QColor(200, 0, 0));
    ASSERT_TRUE(wait.save(gs().skinFolder + QStringLiteral("/0106.gif"), "PNG"));
    open(kDefault);
    EXPECT_EQ(screen->size(), QSize(LoginScreen::kWidth, LoginScreen::kHeight));
    EXPECT_EQ(screen->grab().toImage().pixelColor(225, 5), QColor(10, 20, 30));
    auto* picWait = screen->findChild<QWidget*>(QStringLiteral("waitPanel"));
    auto* imgWait = screen->findChild<QLabel*>(QStringLiteral("waitPicture"));
    ASSERT_TRUE(picWait && imgWait);
    EXPECT_FALSE(picWait->isVisible());
    EXPECT_EQ(imgWait->pixmap().size(), QSize(120, 80));
    EXPECT_EQ(picWait->geometry(), QRect((LoginScreen::kWidth - 120) / 2, (LoginScreen::kHeight - 80) / 2, 120, 80));
}

TEST_F(LoginScreenTest, ThirdFailureEndsTheProgramTwoFailuresDoNot)
{
    for (const bool thirdIsRight : {false, true}) {
        SCOPED_TRACE(thirdIsRight ? "two failures, then success" : "three failures");
        dialogs->messages.clear();
        calls.clear();
        screen.reset();
        open(kDefault);
        ASSERT_TRUE(key()->isEnabled());
        for (int attempt = 1; attempt <= 3; ++attempt) {
            const bool right = thirdIsRight && attempt == 3;
            type(QStringLiteral("demo"), right ? QStringLiteral("demo1234") : QStringLiteral("wrong%1").arg(attempt));
            login();
            if (attempt < 3) {
                EXPECT_EQ(screen->model().failures(), attempt);
                EXPECT_TRUE(box("ID")->isEnabled() && box("PW")->isEnabled() && key()->isEnabled());
                EXPECT_FALSE(screen->findChild<QWidget*>(QStringLiteral("waitPanel"))->isVisible());
            }
        }
        const QString failed = QStringLiteral("로그인에 실패했습니다.");
        if (thirdIsRight) {
            EXPECT_EQ(dialogs->texts(), (QStringList{failed, failed}));
            EXPECT_FALSE(calls.contains(QStringLiteral("end")));
            EXPECT_TRUE(calls.contains(QStringLiteral("reception")));
        } else {
            ASSERT_EQ(dialogs->texts(),
                      (QStringList{failed, failed, QStringLiteral("로그인에 3번 실패하여 종료합니다.")}));
            EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::None);
            EXPECT_EQ(dialogs->messages[1].icon, MessageIcon::None);
            EXPECT_EQ(dialogs->messages[2].icon, MessageIcon::Critical);
            EXPECT_EQ(calls, QStringList{QStringLiteral("end")});
            EXPECT_TRUE(session.loginId.isEmpty()) << "nothing of a failed login is kept";
        }
    }
}

TEST_F(LoginScreenTest, AServiceThatCannotBeReachedIsToldAndNotCounted)
{
    // The operator's own login: told at once, not counted, the screen ready for the next try.
    open(kDefault);
    shop->setFault(QStringLiteral("/program/logins.php"), QStringLiteral("close"), 0);
    type(QStringLiteral("demo"), QStringLiteral("demo1234"));
    login();
    EXPECT_EQ(dialogs->texts(), QStringList{QStringLiteral("서버에 연결할 수 없습니다.")});
    EXPECT_EQ(screen->model().failures(), 0);
    EXPECT_FALSE(retrying()) << "no retries for the operator's own login";
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(key()->isEnabled());
}

TEST_F(LoginScreenTest, AnAutomaticLoginRetriesByItselfUntilTheServiceIsBack)
{
    EXPECT_EQ((QList<int>{AutoLoginRetrySeconds(1), AutoLoginRetrySeconds(2), AutoLoginRetrySeconds(3),
                          AutoLoginRetrySeconds(4), AutoLoginRetrySeconds(5), AutoLoginRetrySeconds(9)}),
              (QList<int>{5, 10, 20, 40, 60, 60}));
    // A kiosk that starts before the shop's network: the first two logins find nothing.
    shop->setFault(QStringLiteral("/program/logins.php"), QStringLiteral("close"), 2 * httpLimits().attempts);
    QStringList shown;
    open(QStringLiteral("True◈True◈demo◈demo1234"));
    auto* status = screen->findChild<QLabel*>(QStringLiteral("status"));
    ASSERT_NE(status, nullptr);
    letAutomaticLoginStart();
    // The retries' seconds pass one at a time, each once the try under way has ended.
    for (int second = 0; second < 60 && !calls.contains(QStringLiteral("reception")); ++second) {
        settle();
        if (!status->text().isEmpty() && (shown.isEmpty() || shown.last() != status->text()))
            shown << status->text();
        clock->advance(1000);
        QCoreApplication::processEvents();
    }
    settle();
    ASSERT_TRUE(calls.contains(QStringLiteral("reception")));
    EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->texts().join(u'|').toStdString();
    EXPECT_EQ(screen->model().failures(), 0);
    EXPECT_TRUE(shown.contains(QStringLiteral("서버에 연결할 수 없습니다. 5초 후 다시 연결합니다.")))
        << shown.join(u'|').toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("서버에 연결할 수 없습니다. 10초 후 다시 연결합니다.")));
    EXPECT_EQ(loginRequests(), 2 * httpLimits().attempts + 1);

    // The operator typing stops the retries: the screen is theirs.
    calls.clear();
    shop->setFault(QStringLiteral("/program/logins.php"), QStringLiteral("close"), 0);
    open(QStringLiteral("True◈True◈demo◈demo1234"));
    letAutomaticLoginStart();
    settle();
    ASSERT_TRUE(retrying());
    QTest::keyClick(box("ID"), Qt::Key_A);
    EXPECT_FALSE(retrying());
    clock->advance(6000);
    QCoreApplication::processEvents();
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(key()->isEnabled());
}

TEST_F(LoginScreenTest, EnterMovesTheFocusExceptInThePasswordBox)
{
    open(kDefault);
    box("ID")->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), box("ID"));
    type(QStringLiteral("demo"), QStringLiteral("demo1234"));
    QTest::keyClick(box("ID"), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() != box("ID"); }, 2000));
    EXPECT_EQ(QApplication::focusWidget(), box("PW"));
    EXPECT_EQ(loginRequests(), 0);
    EXPECT_TRUE(dialogs->messages.isEmpty());
    // Enter in the password box logs in.
    QTest::keyClick(box("PW"), Qt::Key_Enter);
    settle();
    EXPECT_TRUE(calls.contains(QStringLiteral("reception")));
    EXPECT_EQ(loginRequests(), 1);
}

TEST_F(LoginScreenTest, StoredOptionsOfOtherFieldCountsFallBackToTheDefault)
{
    struct Case {
        QString stored;
        bool remember, autoLogin;
        QString id, pw;
    };
    const Case cases[] = {
        {QStringLiteral("True◈True◈demo"), false, false, {}, {}},
        {QStringLiteral("True◈True◈demo◈demo1234◈more"), false, false, {}, {}},
        {QString(), false, false, {}, {}},
        {QStringLiteral("yes◈0◈demo◈secret"), true, false, QStringLiteral("demo"), QStringLiteral("secret")},
        {QStringLiteral("False◈False◈demo◈secret"), false, false, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        screen.reset();
        open(c.stored);
        EXPECT_EQ(check(0)->isChecked(), c.remember);
        EXPECT_EQ(check(1)->isChecked(), c.autoLogin);
        EXPECT_EQ(box("ID")->text(), c.id);
        EXPECT_EQ(box("PW")->text(), c.pw);
        EXPECT_TRUE(key()->isEnabled());
        if (c.stored.split(QStringLiteral("◈")).size() != 4) {
            EXPECT_EQ(screen->model().storedOptions().join(QStringLiteral("◈")), kDefault);
        }
    }
    EXPECT_EQ(loginRequests(), 0);
}

TEST_F(LoginScreenTest, WhatIsStoredAfterSuccessStaysPrivate)
{
    struct Case {
        bool clickRemember, clickAuto;
        QString stored;
    };
    const Case cases[] = {
        {false, false, QStringLiteral("False◈False◈◈")},
        {true, false, QStringLiteral("True◈False◈demo◈demo1234")},
        // The automatic login needs the values: clicking it ticks the remember box too.
        {false, true, QStringLiteral("True◈True◈demo◈demo1234")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        calls.clear();
        screen.reset();
        open(kDefault);
        if (c.clickRemember)
            QTest::mouseClick(check(0), Qt::LeftButton);
        if (c.clickAuto)
            QTest::mouseClick(check(1), Qt::LeftButton);
        type(QStringLiteral("demo"), QStringLiteral("demo1234"));
        login();
        ASSERT_TRUE(calls.contains(QStringLiteral("reception")));
        EXPECT_EQ(ReadStoredLogin(), c.stored);
        QFile file(StoredLoginFile());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().contains("demo1234"), c.stored.contains(QStringLiteral("demo1234")));
        struct stat st { };
        ASSERT_EQ(::stat(QFile::encodeName(StoredLoginFile()).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
    }
}

TEST_F(LoginScreenTest, AStalledLoginLeavesTheScreenAnsweringWithTheWaitPictureUntilItsAnswer)
{
    const struct {
        const char* what;
        QString password;
        QStringList told;
        QStringList reported;
    } cases[] = {
        {"right password", QStringLiteral("demo1234"), {}, {QStringLiteral("reception")}},
        {"wrong password", QStringLiteral("wrong"), {QStringLiteral("로그인에 실패했습니다.")}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        calls.clear();
        dialogs->messages.clear();
        shop->clearRequests();
        open(kDefault);
        auto* picWait = screen->findChild<QWidget*>(QStringLiteral("waitPanel"));
        ASSERT_NE(picWait, nullptr);
        // The shop holds its answer for a second and a half.
        shop->setFault(QStringLiteral("/program/logins.php"), QStringLiteral("delay"), 1, 0, 1500);
        type(QStringLiteral("demo"), c.password);
        QElapsedTimer held;
        held.start();
        QTest::mouseClick(key(), Qt::LeftButton);
        EXPECT_LT(held.elapsed(), 500) << "the click returned only with the answer";
        EXPECT_TRUE(screen->busy());
        EXPECT_TRUE(picWait->isVisible());
        EXPECT_FALSE(key()->isEnabled());
        // Typing still reaches the boxes; a second login meanwhile is not sent.
        QTest::keyClick(box("ID"), Qt::Key_X);
        EXPECT_EQ(box("ID")->text(), QStringLiteral("demox"));
        QTest::keyClick(box("PW"), Qt::Key_Enter);
        screen->loginClicked();
        EXPECT_TRUE(calls.isEmpty());
        settle();
        EXPECT_GE(held.elapsed(), 1500);
        EXPECT_FALSE(picWait->isVisible());
        EXPECT_EQ(calls, c.reported);
        EXPECT_EQ(dialogs->texts(), c.told);
        EXPECT_EQ(loginRequests(), 1);
        // The login as typed at the click.
        EXPECT_EQ(session.loginId, c.reported.isEmpty() ? QString() : QStringLiteral("demo"));
        session = Session{};
    }
}

}  // namespace

TEST_F(LoginScreenTest, FirstShowingActsAsTheFirstActivationWithoutAWindowManager)
{
    // Without a window manager nothing activates the window: the showing alone must ready it.
    WriteStoredLogin(QStringLiteral("True◈False◈demo◈demo1234"));
    make();
    QShowEvent shown;
    QCoreApplication::sendEvent(screen.get(), &shown);
    QCoreApplication::sendEvent(screen.get(), &shown);
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->firstActivationDone(); }, 5000));
    QTest::qWait(50);
    EXPECT_TRUE(key()->isEnabled());
    EXPECT_EQ(box("ID")->text(), QStringLiteral("demo"));
    EXPECT_EQ(logText().count(QStringLiteral("[frmLogin→Form_Activate] Enter")), 1);
    EXPECT_FALSE(logText().contains(QStringLiteral("[frmLogin→Form_Activate] Quit")));
}

TEST_F(LoginScreenTest, KeysAndLabelsSpeakTheirTextAndThePasswordStaysHidden)
{
    open(QStringLiteral("True◈False◈demo◈demo1234"));
    // The login key: a push button named by its caption that a reader can press.
    QAccessibleInterface* loginKey = QAccessible::queryAccessibleInterface(key());
    ASSERT_NE(loginKey, nullptr);
    EXPECT_EQ(loginKey->role(), QAccessible::Button);
    EXPECT_EQ(loginKey->text(QAccessible::Name), key()->text());
    ASSERT_NE(loginKey->actionInterface(), nullptr);
    EXPECT_TRUE(loginKey->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // Every label says what it shows.
    for (QLabel* label : screen->findChildren<QLabel*>()) {
        if (label == key() || label->text().isEmpty())
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), label->text()) << label->objectName().toStdString();
    }
    // The boxes are named by their captions; the password box never tells its text.
    for (int i = 0; i < 2; ++i) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(check(i));
        EXPECT_EQ(a->text(QAccessible::Name), check(i)->text());
    }
    QAccessibleInterface* pw = QAccessible::queryAccessibleInterface(box("PW"));
    ASSERT_NE(pw, nullptr);
    EXPECT_EQ(box("PW")->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(pw->state().passwordEdit);
    EXPECT_FALSE(pw->text(QAccessible::Value).contains(QStringLiteral("demo1234")));
    if (QAccessibleTextInterface* text = pw->textInterface()) {
        EXPECT_FALSE(text->text(0, text->characterCount()).contains(QStringLiteral("demo1234")));
    }
    // Pressing through the reader logs in as a click does.
    loginKey->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    settle();
    EXPECT_TRUE(calls.contains(QStringLiteral("reception")));
}

// The login stored from a shell, through the real program: from a pipe, then a start that logs in by
// itself against the demo shop; what is refused and why; and the password seen nowhere but the store.
#include "support/demo_shop.h"
#include "support/sumbrel_test.h"

#include <QDirIterator>
#include <QProcess>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

struct Finished {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

class Provisioning : public SumbrelTest {
protected:
    QString storeFile() const { return path(QStringLiteral("config/fsOrvik.ini")); }
    // No screen, nobody to answer boxes, and the user's store inside the test's folder.
    QProcessEnvironment environment(const QString& configHome = {}) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("SUMBREL_UNATTENDED"), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome.isEmpty() ? path(QStringLiteral("config")) : configHome);
        return env;
    }
    Finished run(const QStringList& args, const QByteArray& input, const QString& configHome = {})
    {
        QProcess p;
        p.setProcessEnvironment(environment(configHome));
        p.start(QStringLiteral(SUMBREL_EXE), args);
        EXPECT_TRUE(p.waitForStarted());
        p.write(input);
        p.closeWriteChannel();
        if (!p.waitForFinished(20000)) {
            p.kill();
            p.waitForFinished();
        }
        Finished r{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
              p.readAllStandardError()};
        m_said += r.out + r.err;
        return r;
    }
    QStringList home() const { return {QStringLiteral("--home"), folder.path()}; }
    // Everything the program printed in this test.
    QByteArray m_said;
};

}  // namespace

TEST_F(Provisioning, StoredFromAPipeThenTheNextStartLogsInByItself)
{
    const QByteArray password = DemoShop::kPassword;
    const Finished stored = run(home() + QStringList{QStringLiteral("--store-login"), QStringLiteral("--auto-login")},
                           QByteArray(DemoShop::kId) + '\n' + password + '\n');
    ASSERT_EQ(stored.code, 0) << stored.err.toStdString();
    EXPECT_EQ(stored.out, "stored the login of ID demo with automatic login in " + QFile::encodeName(storeFile()) + '\n');
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(storeFile()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // As the login screen's two ticks leave it.
    EXPECT_TRUE(ReadFile(storeFile()).contains(QStringLiteral("True◈True◈demo◈demo1234").toUtf8()))
        << ReadFile(storeFile()).toStdString();

    DemoShop shop;
    QProcess terminal;
    terminal.setProcessEnvironment(environment());
    terminal.start(QStringLiteral(SUMBREL_EXE), home() + QStringList{QStringLiteral("--service-host"), shop.host()});
    ASSERT_TRUE(terminal.waitForStarted());
    // Logged in and on the reception screen, which asks for the shop's settings: nobody typed.
    const bool reception = QTest::qWaitFor(
        [&] { return shop.requestCount(QStringLiteral("/program/TOLoadProgram.php")) > 0; }, 30000);
    terminal.terminate();
    terminal.waitForFinished(10000);
    m_said += terminal.readAllStandardOutput() + terminal.readAllStandardError();
    EXPECT_TRUE(reception) << logText(QStringLiteral("_WinHttp")).toStdString();
    EXPECT_GE(shop.requestCount(QStringLiteral("/program/logins.php")), 1);

    // The password: in the store only, never printed or logged.
    EXPECT_FALSE(m_said.contains(password)) << m_said.toStdString();
    int logs = 0;
    for (QDirIterator it(folder.path(), {QStringLiteral("*.log")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString log = it.next();
        ++logs;
        EXPECT_FALSE(ReadFile(log).contains(password)) << log.toStdString();
    }
    EXPECT_GE(logs, 2) << "the general log and the exchanges' log";
    EXPECT_TRUE(logText().contains(QStringLiteral("로그인 정보를 셸에서 저장함: ID demo, 자동 로그인")));
}

TEST_F(Provisioning, WhatCannotLogInIsRefusedAndTheStoreKept)
{
    const QStringList store = home() + QStringList{QStringLiteral("--store-login")};
    ASSERT_EQ(run(store, "kept\nsecret-kept\n").code, 0);
    const QByteArray before = ReadFile(storeFile());
    // A file where the store's folder should be: nothing can be written under it.
    write(QStringLiteral("blocker"), "x");

    const struct {
        const char* name;
        QStringList args;
        QByteArray input;
        int code;
        const char* says;
        QString configHome;
    } cases[] = {
        {"blank ID", store, "\nsecret1\n", 2, "not stored: the ID is blank", {}},
        {"blank password", store, "shop\n  \n", 2, "not stored: the password is blank", {}},
        {"no input at all", store, "", 2, "not stored: the ID is blank", {}},
        {"the store's separator", store, "sh◈op\nsecret1\n", 2, "which the store cannot keep", {}},
        {"auto-login alone", home() + QStringList{QStringLiteral("--auto-login")}, "", 2,
         "--auto-login goes with --store-login", {}},
        {"both commands", store + QStringList{QStringLiteral("--forget-login")}, "", 2,
         "give one of --store-login and --forget-login", {}},
        {"a store that cannot be written", store, "shop\nsecret1\n", 1, "not stored: cannot write ",
         path(QStringLiteral("blocker/config"))},
    };
    for (const auto& c : cases) {
        const Finished r = run(c.args, c.input, c.configHome);
        EXPECT_EQ(r.code, c.code) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.name << ": " << r.out.toStdString();
        EXPECT_EQ(ReadFile(storeFile()), before) << c.name;
    }
    EXPECT_FALSE(m_said.contains("secret")) << m_said.toStdString();

    // A program folder of another user: that user's kiosk would never read this user's store.
    if (geteuid() != 0)
        return;  // only root can hand the folder to another user
    ASSERT_EQ(chown(QFile::encodeName(folder.path()).constData(), 65534, 65534), 0);
    const Finished foreign = run(store, "shop\nsecret1\n");
    ASSERT_EQ(chown(QFile::encodeName(folder.path()).constData(), geteuid(), getegid()), 0);
    EXPECT_EQ(foreign.code, 2);
    EXPECT_TRUE(foreign.err.contains("runuser -u ")) << foreign.err.toStdString();
    EXPECT_EQ(ReadFile(storeFile()), before);
}

TEST_F(Provisioning, ForgettingRemovesTheStoredLogin)
{
    ASSERT_EQ(run(home() + QStringList{QStringLiteral("--store-login")}, "shop\nsecret1\n").code, 0);
    const Finished forgot = run(home() + QStringList{QStringLiteral("--forget-login")}, {});
    EXPECT_EQ(forgot.code, 0) << forgot.err.toStdString();
    EXPECT_EQ(forgot.out, "forgot the stored login in " + QFile::encodeName(storeFile()) + '\n');
    EXPECT_FALSE(ReadFile(storeFile()).contains("secret1"));
    const Finished again = run(home() + QStringList{QStringLiteral("--forget-login")}, {});
    EXPECT_EQ(again.code, 0);
    EXPECT_TRUE(again.out.startsWith("no stored login in ")) << again.out.toStdString();
}

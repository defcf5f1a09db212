#include "presentation/screen_utils.h"
#include "startup/clock.h"
#include "startup/files.h"
#include "startup/ini.h"
#include "startup/processes.h"
#include "startup/startup.h"
#include "support/call_display.h"
#include "support/sumbrel_test.h"
#include "support/wait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <sys/stat.h>
#include <unistd.h>

using namespace sumbrel;
using namespace Qt::StringLiterals;
using sumbrel::testing::EndCallDisplays;
using sumbrel::testing::SumbrelTest;
using sumbrel::testing::WriteCallDisplay;

namespace {

// Whether today's general log holds an entry that starts with the text.
bool logHasEntryStartingWith(const QString& text)
{
    for (const QString& e : sumbrel::testing::LogEntries(QString()))
        if (e.startsWith(text))
            return true;
    return false;
}

// Sets an environment variable for the life of the guard.
class EnvGuard {
public:
    EnvGuard(const char* name, const QString& value)
        : m_name(name)
        , m_saved(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~EnvGuard()
    {
        if (m_saved.isNull())
            qunsetenv(m_name);
        else
            qputenv(m_name, m_saved);
    }

private:
    const char* m_name;
    QByteArray m_saved;
};

// The environment of a copy of the program a test starts: no screen, nobody to answer its boxes,
// and its remembered login under configHome rather than this machine's.
QProcessEnvironment ProgramEnvironment(const QString& configHome)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"SUMBREL_UNATTENDED"_s, u"1"_s);
    env.insert(u"XDG_CONFIG_HOME"_s, configHome);
    return env;
}

}  // namespace

class StartUp : public SumbrelTest {
protected:
    void SetUp() override { SumbrelTest::SetUp(); }
    void TearDown() override
    {
        ReleaseInstanceLock();
        EndCallDisplays();
        SumbrelTest::TearDown();
    }
    StartOptions options(const QString& exe = u"Sumbrel"_s) const
    {
        StartOptions o;
        o.programFolder = folder.path();
        o.executableName = exe;
        return o;
    }
};

TEST_F(StartUp, DefaultsWithoutConfigurationAndFolders)
{
    write(u"Mirdal.cfg"_s, "[Other]\nLeftC=5\n");
    // Every value RunStartup must set starts out wrong, so each check below sees RunStartup's own work.
    GlobalState& g = gs();
    g.versionText = u"x"_s;
    g.loginFieldSeparator = u"x"_s;
    g.skinFolder = g.menuImageFolder = u"/nowhere"_s;
    EXPECT_EQ(RunStartup(options()), StartResult::Started);
    const Placement placement = ReadPlacement();
    EXPECT_FALSE(placement.useDualMonitor);
    EXPECT_EQ(placement.LeftC, 1024);
    EXPECT_EQ(placement.TopC, 0);
    EXPECT_EQ(placement.LeftO, 0);
    EXPECT_EQ(placement.TopO, 0);
    EXPECT_EQ(gs().versionText, u"1.0.0.0 #4"_s);
    EXPECT_EQ(gs().loginFieldSeparator, u"◈"_s);
    EXPECT_TRUE(FolderExists(path(u"menu_img"_s)));
    EXPECT_FALSE(FolderExists(path(u"skin2"_s)));
    EXPECT_EQ(gs().skinFolder, path(u"skin2"_s));
    EXPECT_EQ(gs().menuImageFolder, path(u"menu_img"_s));
    const QStringList log = logEntries();
    EXPECT_TRUE(log.contains(u"========================================"_s)) << log.join(u'|').toStdString();
    EXPECT_TRUE(log.contains(u"Version: 1.0.0.0 #4"_s));
}

TEST_F(StartUp, PlacementKeysAndServiceHost)
{
    struct Case {
        const char* dual;
        bool on;
    } cases[] = {{"1", true}, {" 1", true}, {"2", false}, {"true", false}, {"", false}};
    for (const auto& c : cases) {
        write(u"Mirdal.cfg"_s,
              QByteArray("[Set]\nUseDualMonitor=") + c.dual
                  + "\nLeftC=1,280\nTopC=abc\nLeftO=-5\nTopO=12\nServiceHost=shop.example:8080\n");
        ReleaseInstanceLock();
        RunStartup(options(u"Other"_s));
        const Placement placement = ReadPlacement();
        EXPECT_EQ(placement.useDualMonitor, c.on) << c.dual;
        EXPECT_EQ(placement.LeftC, 1280);
        EXPECT_EQ(placement.TopC, 0);
        EXPECT_EQ(placement.LeftO, -5);
        EXPECT_EQ(placement.TopO, 12);
        EXPECT_EQ(gs().serviceHost, u"shop.example:8080"_s);
    }
    ReleaseInstanceLock();
    StartOptions o = options();
    o.serviceHost = u"127.0.0.1:9"_s;
    RunStartup(o);
    EXPECT_EQ(gs().serviceHost, u"127.0.0.1:9"_s);  // the command line wins
}

TEST_F(StartUp, RestartsARunningCallDisplayInDualMonitorMode)
{
    WriteCallDisplay(folder.path());
    write(u"Mirdal.cfg"_s, "[Set]\nUseDualMonitor=1\n");
    QProcess first;
    first.start(path(u"Dorvane"_s), {});
    ASSERT_TRUE(first.waitForStarted());
    const long oldPid = long(first.processId());
    ASSERT_TRUE(QTest::qWaitFor([&] { return FindProcess(u"DORVANE.EXE"_s) == oldPid; }));

    EXPECT_EQ(RunStartup(options()), StartResult::Started);
    EXPECT_TRUE(first.waitForFinished(5000));
    EXPECT_TRUE(logEntries().contains(u"Prepare ... kill Dorvane.exe (PID "_s + QString::number(oldPid) + u")"_s))
        << logText().toStdString();
    long newPid = 0;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        newPid = FindProcess(u"Dorvane"_s);
        return newPid > 0 && newPid != oldPid;
    }));
}

TEST_F(StartUp, StartsTheCallDisplayWhenItIsNotRunning)
{
    WriteCallDisplay(folder.path());
    write(u"Mirdal.cfg"_s, "[Set]\nUseDualMonitor=1\n");
    ASSERT_EQ(FindProcess(u"Dorvane.exe"_s), 0);
    RunStartup(options());
    EXPECT_TRUE(QTest::qWaitFor([] { return FindProcess(u"Dorvane.exe"_s) > 0; }));
    EXPECT_FALSE(logText().contains(u"Prepare ... kill"_s));
}

TEST_F(StartUp, LeavesTheCallDisplayAloneOtherwise)
{
    // Dual-monitor mode without the program: nothing is started or logged.
    write(u"Mirdal.cfg"_s, "[Set]\nUseDualMonitor=1\n");
    RunStartup(options());
    EXPECT_FALSE(logText().contains(u"Dorvane"_s));

    // Another executable name never touches it, whatever the configuration says.
    ReleaseInstanceLock();
    WriteCallDisplay(folder.path());
    RunStartup(options(u"Sumbrel-test"_s));
    EXPECT_FALSE(RestartCallDisplayInDualMode(true));

    // Not in dual-monitor mode: not started either.
    ReleaseInstanceLock();
    write(u"Mirdal.cfg"_s, "[Set]\nUseDualMonitor=0\n");
    RunStartup(options());
    EXPECT_FALSE(RestartCallDisplayInDualMode(ReadPlacement().useDualMonitor));
    EXPECT_EQ(FindProcess(u"Dorvane.exe"_s), 0);
}

TEST_F(StartUp, HousekeepingRunsAtStart)
{
    for (int i = 0; i < 25; ++i)
        write(QDate(2020, 1, 1).addDays(i).toString(u"yyMMdd"_s) + u"_WinHttp_4.log"_s, "x");
    RunStartup(options(u"Other"_s));
    EXPECT_EQ(QDir(folder.path()).entryList({u"??????_WinHttp_4.log"_s}, QDir::Files).size(), 21);
}

TEST_F(StartUp, ASecondCopyIsRefusedAndACrashedOneDoesNotBlock)
{
    ASSERT_TRUE(AcquireInstanceLock(folder.path()));
    QProcess second;
    const QProcessEnvironment env = ProgramEnvironment(folder.path() + u"/config"_s);
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(SUMBREL_EXE), {u"--home"_s, folder.path()});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(second.readAllStandardError())
                    .contains(u"[critical] Sumbrel: 이미 실행중이어서 종료합니다!"_s));
    EXPECT_TRUE(logEntries().contains(u"이미 실행중이어서 종료합니다!"_s));
    ReleaseInstanceLock();

    // A copy that died holding the lock: the next start takes it over.
    QProcess crashed;
    crashed.start(u"/bin/sh"_s, {u"-c"_s, u"exit 0"_s});
    ASSERT_TRUE(crashed.waitForFinished());
    const qint64 deadPid = crashed.processId() > 0 ? crashed.processId() : 999999;
    write(u"Sumbrel.lock"_s, QByteArray::number(deadPid) + "\nSumbrel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    QProcess third;
    third.setProcessEnvironment(env);
    third.start(QStringLiteral(SUMBREL_EXE), {u"--home"_s, folder.path(), u"--service-host"_s, u"127.0.0.1:9"_s});
    ASSERT_TRUE(third.waitForStarted());
    // It runs on past the lock: the start-up writes its version and the login screen stays open.
    EXPECT_TRUE(QTest::qWaitFor([&] { return logHasEntryStartingWith(u"Version: "_s); }, 15000))
        << logText().toStdString();
    EXPECT_FALSE(third.waitForFinished(500));
    third.terminate();
    third.waitForFinished(5000);
}

TEST_F(StartUp, AlreadyRunningInTheSameFolderIsRefusedInProcessToo)
{
    // Another holder of the folder's lock: a start in the same folder is a second copy.
    StartOptions o = options(u"Other"_s);
    auto held = std::make_unique<QLockFile>(path(u"Sumbrel.lock"_s));
    ASSERT_TRUE(held->tryLock(0));
    EXPECT_EQ(RunStartup(o), StartResult::AlreadyRunning);
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages[0].text, u"이미 실행중이어서 종료합니다!"_s);
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs->messages[0].title, u"Sumbrel"_s);
}

class Folders : public SumbrelTest {
protected:
    void SetUp() override { SumbrelTest::SetUp(); }
};

TEST_F(Folders, MakeDirectoryCreatesEveryMissingLevel)
{
    QString target = path(u"a/b/c/menu_img"_s);
    MakeDirectory(target);
    EXPECT_EQ(target, path(u"a/b/c/menu_img/"_s));  // the caller's text gains the slash
    EXPECT_TRUE(FolderExists(path(u"a/b/c/menu_img"_s)));
    EXPECT_FALSE(FileExists(path(u"a/b/c/menu_img"_s)));
}

TEST_F(Folders, MakeDirectoryMakesEachLevelWithoutWaiting)
{
    // A wait would advance the test's clock (and run the screens' events meanwhile).
    const int64_t before = clock->elapsedMs();
    MakeDirectory(path(u"x/y/z"_s));
    EXPECT_EQ(clock->elapsedMs(), before);
    EXPECT_TRUE(FolderExists(path(u"x/y/z"_s)));
}

TEST_F(Folders, MakeDirectoryStopsAfterTwelveFolders)
{
    QString deep = folder.path();
    for (int i = 0; i < 14; ++i)
        deep += u"/d"_s + QString::number(i);
    MakeDirectory(deep);
    EXPECT_TRUE(FolderExists(path(u"d0/d1/d2/d3/d4/d5/d6/d7/d8/d9/d10/d11"_s)));
    EXPECT_FALSE(FolderExists(path(u"d0/d1/d2/d3/d4/d5/d6/d7/d8/d9/d10/d11/d12"_s)));
    MakeDirectory(deep);  // a second call finishes the path
    EXPECT_TRUE(FolderExists(deep));
}

TEST_F(Folders, MakeDirectoryTracesAFolderItCannotCreate)
{
    // A file in the way: no folder can be made there, not even by root.
    write(u"blocker"_s, "x");
    MakeDirectory(path(u"blocker/inner"_s));
    EXPECT_TRUE(
        logHasEntryStartingWith(u"e)lib_File->MakeDirectory(strPathName:="_s + path(u"blocker/inner/"_s) + u")["_s))
        << logText().toStdString();
    EXPECT_TRUE(logText().contains(u"](20)"_s));  // ENOTDIR
}

TEST(Processes, KillEndsAProcessAndIgnoresTheGone)
{
    QTemporaryDir tmp;
    WriteCallDisplay(tmp.path());
    QProcess p;
    p.start(tmp.path() + u"/Dorvane"_s, {});
    ASSERT_TRUE(p.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return FindProcess(u"dorvane.EXE"_s) == long(p.processId()); }));
    KillProcess(long(p.processId()));
    EXPECT_TRUE(p.waitForFinished(3000));
    EXPECT_EQ(FindProcess(u"Dorvane.exe"_s), 0);
    KillProcess(long(p.processId()));  // already gone: nothing happens
    KillProcess(0);
    EXPECT_EQ(FindProcess(u"no-such-program.exe"_s), 0);
}

TEST(Clock, TheTimeScaleScalesEveryDelay)
{
    setTimeScale(0.01);
    EXPECT_EQ(scaledMs(15000), 150);
    EXPECT_EQ(scaledMs(10), 1);
    EXPECT_EQ(scaledMs(0), 0);
    setTimeScale(1.0);
    EXPECT_EQ(scaledMs(15000), 15000);
}

TEST(ScreenUtils, TabKeystrokeMovesTheFocusAndRoundedWindowsLoseTheirCorners)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* a = new QLineEdit(&window);
    auto* b = new QLineEdit(&window);
    layout->addWidget(a);
    layout->addWidget(b);
    window.resize(450, 515);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    a->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return a->hasFocus(); }));
    SendKeysToScreen(u"{TAB}"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return b->hasFocus(); }));

    FormRound(&window, 85);
    const QRegion mask = window.mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(449, 514)));
    EXPECT_TRUE(mask.contains(QPoint(225, 257)));
    EXPECT_TRUE(mask.contains(QPoint(42, 0)));
    EXPECT_TRUE(mask.contains(QPoint(0, 257)));
}

TEST_F(StartUp, AnUnrelatedProcessNamingTheCallDisplayInItsArgumentsSurvives)
{
    // "cat Dorvane.exe -": the file as its first argument, kept running on the open stdin.
    WriteCallDisplay(folder.path());
    write(u"Dorvane.exe"_s, "not a program\n");
    write(u"Mirdal.cfg"_s, "[Set]\nUseDualMonitor=1\n");
    QProcess reader;
    reader.start(u"cat"_s, {path(u"Dorvane.exe"_s), u"-"_s});
    ASSERT_TRUE(reader.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return reader.readAllStandardOutput().contains("not a program"); }));
    EXPECT_EQ(FindProcess(u"Dorvane.exe"_s), 0);
    EXPECT_EQ(RunStartup(options()), StartResult::Started);
    EXPECT_FALSE(reader.waitForFinished(300)) << "the reader was taken for the call display";
    EXPECT_FALSE(logText().contains(u"Prepare ... kill"_s)) << logText().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([] { return FindProcess(u"Dorvane.exe"_s) > 0; }));  // the real one started
    reader.closeWriteChannel();
    EXPECT_TRUE(reader.waitForFinished(3000));
}

TEST_F(StartUp, AFolderThatCannotHoldTheLockHasItInTheRuntimeFolder)
{
    // A program "folder" that is a file: nothing can be created in it, not even by root.
    write(u"not-a-folder"_s, "x");
    const QString runtime = path(u"run"_s);
    ASSERT_TRUE(QDir().mkpath(runtime));
    EnvGuard runtimeDir("XDG_RUNTIME_DIR", runtime);
    StartOptions o = options(u"Other"_s);
    o.programFolder = path(u"not-a-folder"_s);
    EXPECT_EQ(RunStartup(o), StartResult::Started);
    EXPECT_TRUE(dialogs->messages.isEmpty());
    const QString lock = RuntimeLockPath(o.programFolder);
    EXPECT_TRUE(lock.startsWith(runtime + u"/Sumbrel-"_s)) << lock.toStdString();
    EXPECT_EQ(InstanceLockPath(), lock);
    EXPECT_TRUE(QFileInfo::exists(lock));
    // The same folder is still one program: a second copy is refused; another folder is not.
    EXPECT_FALSE(AcquireInstanceLock(o.programFolder));
    EXPECT_NE(RuntimeLockPath(path(u"elsewhere"_s)), lock);
}

TEST_F(StartUp, AReadOnlyProgramFolderRunsWithoutLogOrMessage)
{
    // The real program on a folder of mode 555. Root ignores permission bits, so as root the copies
    // run as the user nobody (setpriv), for whom the folder is really read-only.
    const QString runtime = path(u"run"_s);
    ASSERT_TRUE(QDir().mkpath(runtime));
    EnvGuard runtimeDir("XDG_RUNTIME_DIR", runtime);
    const QString home = path(u"shop"_s);
    ASSERT_TRUE(QDir().mkpath(home));
    QStringList prefix;
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(runtime).constData(), 65534, 65534), 0);
        prefix = {u"setpriv"_s, u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s, u"--"_s};
    }
    ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
    // A copy of the program that the user nobody can reach wherever the build lies.
    const QString exe = path(u"bin/Sumbrel"_s);
    ASSERT_TRUE(QDir().mkpath(path(u"bin"_s)));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SUMBREL_EXE), exe));
    ASSERT_EQ(::chmod(QFile::encodeName(exe).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(home).constData(), 0555), 0);
    QProcessEnvironment env = ProgramEnvironment(runtime + u"/config"_s);
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    auto start = [&](QProcess& p) {
        p.setProcessEnvironment(env);
        const QStringList args = prefix + QStringList{exe, u"--home"_s, home, u"--service-host"_s, u"127.0.0.1:9"_s};
        p.start(args.first(), args.mid(1));
        return p.waitForStarted();
    };
    QProcess first;
    ASSERT_TRUE(start(first));
    const QString lock = RuntimeLockPath(home);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(lock); }, 15000)) << lock.toStdString();
    EXPECT_FALSE(first.waitForFinished(500)) << first.readAllStandardError().toStdString();
    // A second copy on the same folder still finds the first one.
    QProcess second;
    ASSERT_TRUE(start(second));
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("이미 실행중이어서 종료합니다!"));
    first.terminate();
    first.waitForFinished(5000);
    EXPECT_FALSE(first.readAllStandardError().contains("[critical]"));
    EXPECT_TRUE(QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty())
        << QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(u' ').toStdString();
    ::chmod(QFile::encodeName(home).constData(), 0755);
}

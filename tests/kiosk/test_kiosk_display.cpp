// The real terminal started with --kiosk on a 1920 x 1080 screen, logging in by itself to a demo
// shop: under cage (Wayland, headless) and under Xvfb (X11). Its screens must cover the whole
// screen: the design scaled to its height and stretched to 90 % of its width, margins beside it.
//
// These tests wait for a real program on a real (virtual) display, so they take real seconds; every
// wait is bounded.
#include "startup/ini.h"
#include "startup/stored_login.h"
#include "support/log_entries.h"
#include "support/shop_test.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

constexpr int kNobody = 65534;
constexpr int kStartLimitMs = 90000;
const QSize kScreen(1920, 1080);

struct Platform {
    const char* name;
    bool wayland;
};

void PrintTo(const Platform& platform, std::ostream* out)
{
    *out << platform.name;
}

bool Near(QRgb pixel, int r, int g, int b, int tolerance)
{
    return std::abs(qRed(pixel) - r) <= tolerance && std::abs(qGreen(pixel) - g) <= tolerance
        && std::abs(qBlue(pixel) - b) <= tolerance;
}

// The stage's gradient at a height of the screen (top (22, 52, 84) to bottom (12, 30, 50)).
bool StageColourAt(QRgb pixel, int y, int height)
{
    const double t = double(y) / height;
    return Near(pixel, int(22 - 10 * t), int(52 - 22 * t), int(84 - 34 * t), 6);
}

QString Describe(QRgb p)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(p)).arg(qGreen(p)).arg(qBlue(p));
}

// What a screenshot shows wrong, empty when the terminal covers the screen as it should.
QString ScreenProblem(const QImage& shot)
{
    if (shot.size() != kScreen)
        return QStringLiteral("screenshot of %1x%2").arg(shot.width()).arg(shot.height());
    // The design stretched over 90 % of the screen's width, in its middle: the start panel (white,
    // the design's x 474 to 1020) reaches the top and bottom and nearly the right margin; the
    // screen's dark background left of it, and the stage's in the margins.
    const double across = 1920 * 0.9 / 1024;
    const int margin = 96;
    for (int x : {margin + int(700 * across), margin + int(1012 * across)})
        for (int y : {40, 540, 1040})
            if (!Near(shot.pixel(x, y), 255, 255, 255, 8))
                return QStringLiteral("start panel pixel at %1,%2 is %3").arg(x).arg(y).arg(Describe(shot.pixel(x, y)));
    for (int x : {4, 60, margin + 8, 1840, 1917})
        for (int y : {1, 540, 1078})
            if (!StageColourAt(shot.pixel(x, y), y, kScreen.height()))
                return QStringLiteral("background at %1,%2 is %3").arg(x).arg(y).arg(Describe(shot.pixel(x, y)));
    return QString();
}

}  // namespace

class KioskDisplay : public ShopTest, public ::testing::WithParamInterface<Platform> {
protected:
    void SetUp() override
    {
        ShopTest::SetUp();
        asNobody = ::geteuid() == 0;
        home = path(QStringLiteral("home"));
        runtime = path(QStringLiteral("run"));
        shots = path(QStringLiteral("shots"));
        for (const QString& dir : {home, runtime, shots, path(QStringLiteral("bin"))})
            ASSERT_TRUE(QDir().mkpath(dir));
        ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
        ::chmod(QFile::encodeName(runtime).constData(), 0700);
        // The stored automatic login of the shop's account, in the program's per-user store.
        WriteStoredLogin(QStringLiteral("True◈True◈demo◈demo1234"));
        // Copies the user nobody can reach wherever the build lies.
        exe = path(QStringLiteral("bin/Sumbrel"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(SUMBREL_EXE), exe));
        shim = path(QStringLiteral("bin/headless_size.so"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(HEADLESS_SIZE_SHIM), shim));
        for (const QString& file : {exe, shim})
            ::chmod(QFile::encodeName(file).constData(), 0755);
        if (asNobody) {
            for (const QString& dir : {home, runtime, shots, path(QStringLiteral("config"))})
                ASSERT_EQ(ChownTree(dir), 0) << dir.toStdString();
        }
        SetProgramFolder(home);  // this test reads the program's log
        // A 21.5" panel, as a shop whose panel reports nothing sets it.
        WriteIni(QStringLiteral("Set"), QStringLiteral("ScreenMm"), QStringLiteral("476x268"), configFilePath());
    }
    void TearDown() override
    {
        for (QProcess* p : {&program, &xserver}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(10000)) {
                    p->kill();
                    p->waitForFinished(5000);
                }
            }
        }
        ShopTest::TearDown();
    }
    static int ChownTree(const QString& dir)
    {
        return QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), dir});
    }
    // Runs as the user nobody when the test runs as root (cage refuses root).
    QStringList asUser(const QStringList& command) const
    {
        if (!asNobody)
            return command;
        return QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                           QStringLiteral("--clear-groups"), QStringLiteral("--")}
        + command;
    }
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "LD_PRELOAD"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("SUMBREL_UNATTENDED"), QStringLiteral("1"));
        // Under AddressSanitizer: libxkbcommon-x11 hands strndup strings that are not terminated,
        // which the strict string checks report from inside the X platform's start.
        const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        if (!asan.isEmpty())
            env.insert(QStringLiteral("ASAN_OPTIONS"), asan + QStringLiteral(":strict_string_checks=0"));
        return env;
    }
    QStringList terminal() const
    {
        return {exe,  QStringLiteral("--kiosk"),        QStringLiteral("--home"),
                home, QStringLiteral("--service-host"), shop->host()};
    }
    void start(const QStringList& command, const QProcessEnvironment& env)
    {
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(command.first(), command.mid(1));
        ASSERT_TRUE(program.waitForStarted(10000)) << command.join(u' ').toStdString();
    }
    // The kiosk under cage, headless at 1920 x 1080, on the Wayland platform.
    void startUnderCage()
    {
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        env.insert(QStringLiteral("LD_PRELOAD"), shim);
        env.insert(QStringLiteral("SUMBREL_HEADLESS_SIZE"), QStringLiteral("1920x1080"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        start(asUser(QStringList{QStringLiteral("cage"), QStringLiteral("-d"), QStringLiteral("--")} + terminal()),
              env);
    }
    // The kiosk on an X server of 1920 x 1080 without a window manager, on the xcb platform.
    void startUnderXvfb()
    {
        xserver.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1920x1080x24"), QStringLiteral("-nolisten"),
                       QStringLiteral("tcp")});
        ASSERT_TRUE(xserver.waitForStarted(10000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return xserver.canReadLine(); }, 20000)) << "Xvfb gave no display";
        display = QStringLiteral(":") + QString::fromLatin1(xserver.readLine().trimmed());
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        start(asUser(terminal()), env);
    }
    QImage screenshot()
    {
        const QString file = shots + QStringLiteral("/shot.png");
        QFile::remove(file);
        QProcess grab;
        if (GetParam().wayland) {
            QProcessEnvironment env = environment();
            env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
            grab.setProcessEnvironment(env);
            const QStringList command = asUser({QStringLiteral("grim"), file});
            grab.start(command.first(), command.mid(1));
        } else {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("DISPLAY"), display);
            grab.setProcessEnvironment(env);
            grab.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
        }
        if (!grab.waitForFinished(20000))
            grab.kill();
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }
    bool logHas(const QString& text) const
    {
        for (const QString& e : LogEntries(QString()))
            if (e.contains(text))
                return true;
        return false;
    }

    bool asNobody = false;
    QString home, runtime, shots, exe, shim, display;
    QProcess program;
    QProcess xserver;
};

TEST_P(KioskDisplay, TheStartPanelCoversTheScreenAfterTheAutomaticLogin)
{
    const QStringList tools = GetParam().wayland
        ? QStringList{QStringLiteral("cage"), QStringLiteral("grim"), QStringLiteral("Xwayland")}
        : QStringList{QStringLiteral("Xvfb"), QStringLiteral("import")};
    for (const QString& tool : tools)
        ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty())
            << tool.toStdString() << " is missing: scripts/setup.sh installs it";
    QElapsedTimer since;
    since.start();
    if (GetParam().wayland)
        startUnderCage();
    else
        startUnderXvfb();
    // The reception screen (its start panel) is shown once the automatic login went through.
    const QString shown = QStringLiteral("Kiosk: frmMain shown, 1728x1080 px on a screen of 1920x1080 px");
    const bool started = QTest::qWaitFor([&] { return logHas(shown) || program.state() == QProcess::NotRunning; },
                                         kStartLimitMs);
    const qint64 startMs = since.elapsed();
    ASSERT_TRUE(started && logHas(shown)) << "log:\n"
                                          << LogEntries(QString()).join(u'\n').toStdString() << "\noutput:\n"
                                          << program.readAll().toStdString();
    std::cout << "[ figure ] " << GetParam().name << ": start to start panel with automatic login " << startMs << " ms"
              << std::endl;
    EXPECT_TRUE(logHas(QStringLiteral("Kiosk: frmLogin shown")));
    EXPECT_TRUE(logHas(QStringLiteral("Kiosk: screen 1920x1080 px, panel 476x268 mm from [Set] ScreenMm")))
        << LogEntries(QString()).join(u'\n').toStdString();

    // The screen settles into its picture: retried while it paints, bounded.
    QString problem = QStringLiteral("no screenshot");
    QImage shot;
    (void)QTest::qWaitFor(
        [&] {
            shot = screenshot();
            problem = ScreenProblem(shot);
            return problem.isEmpty();
        },
        30000);
    if (!shot.isNull())
        shot.save(QStringLiteral("%1/kiosk-%2.png").arg(QDir::tempPath(), QString::fromLatin1(GetParam().name)));
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString() << "\nlog:\n"
                                   << LogEntries(QString()).join(u'\n').toStdString() << "\noutput:\n"
                                   << program.readAll().toStdString();
    EXPECT_EQ(program.state(), QProcess::Running) << "the kiosk keeps running";
}

INSTANTIATE_TEST_SUITE_P(Screens, KioskDisplay, ::testing::Values(Platform{"cage", true}, Platform{"xvfb", false}),
                         [](const ::testing::TestParamInfo<Platform>& info) { return std::string(info.param.name); });

// The scale comes from the screen the program finds, whatever the platform.
TEST(KioskProgram, ScalesToTheScreenItFinds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));  // an 800 x 800 screen
    env.insert(QStringLiteral("SUMBREL_UNATTENDED"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path() + QStringLiteral("/config"));
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(SUMBREL_EXE),
                  {QStringLiteral("--kiosk"), QStringLiteral("--home"), dir.path(), QStringLiteral("--service-host"),
                   QStringLiteral("127.0.0.1:9")});
    ASSERT_TRUE(program.waitForStarted());
    GlobalState saved = gs();
    SetProgramFolder(dir.path());
    const QString line = QStringLiteral("Kiosk: frmLogin shown, 352x402 px on a screen of 800x800 px (scale 0.78125)");
    const bool seen = QTest::qWaitFor([&] { return LogEntries(QString()).contains(line); }, 30000);
    EXPECT_TRUE(seen) << LogEntries(QString()).join(u'\n').toStdString();
    gs() = saved;
    program.terminate();
    program.waitForFinished(10000);
}

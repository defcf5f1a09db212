// From the start of the terminal's program to its start panel, with a stored automatic login,
// against the demo shop: the login stored once (as --store-login --auto-login does), then the
// program started afresh for each run, headless and unattended, until its log says the reception
// screen is being shown ("[frmMain] 이어폰 스위치", written just before it is). One warm-up start
// first; the median of the runs is printed.
//   bench_start [--runs N] [--cpu-share F]      (default 10 runs)
// --cpu-share F: each terminal started inside the share (the demo shop and this bench outside).
#include "cpu_share.h"
#include "support/demo_shop.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

const QByteArray kShownLine = QStringLiteral("]  [frmMain] 이어폰 스위치").toUtf8();

QProcessEnvironment Environment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SUMBREL_UNATTENDED"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    return env;
}

// The time of the first line after `from` in the log that tells the start panel shown; -1 while none.
qint64 ShownAt(const QString& log, qint64 from)
{
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(from))
        return -1;
    const QByteArray text = file.readAll();
    const qsizetype at = text.indexOf(kShownLine);
    if (at < 0)
        return -1;
    const qsizetype open = text.lastIndexOf('[', at);
    // "[yyMMdd-HHmmss.zzz]": two-digit years read as the 1900s.
    const QDateTime time = QDateTime::fromString(QString::fromLatin1(text.mid(open + 1, at - open - 1)),
                                                 QStringLiteral("yyMMdd-HHmmss.zzz"));
    return time.isValid() ? time.addYears(100).toMSecsSinceEpoch() : -1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int runs = 10;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[++i]));
    QTemporaryDir home;
    DemoShop shop;
    const QString exe = QStringLiteral(SUMBREL_EXE);
    const QStringList args{QStringLiteral("--home"), home.path(), QStringLiteral("--service-host"), shop.host()};
    {
        QProcess store;
        store.setProcessEnvironment(Environment(home.path()));
        store.start(exe, {QStringLiteral("--home"), home.path(), QStringLiteral("--store-login"),
                          QStringLiteral("--auto-login")});
        store.write(QByteArray(DemoShop::kId) + '\n' + DemoShop::kPassword + '\n');
        store.closeWriteChannel();
        if (!store.waitForFinished(30000) || store.exitCode() != 0) {
            std::fprintf(stderr, "the login could not be stored: %s\n", store.readAllStandardError().constData());
            return 1;
        }
    }
    std::unique_ptr<bench::CpuShare> slowed;
    if (const std::optional<double> share = bench::CpuShareArgument(argc, argv)) {
        slowed = std::make_unique<bench::CpuShare>(*share);
        slowed->leave();  // in again only for each start, which the terminal inherits
    }
    std::vector<double> samples;
    for (int r = 0; r <= runs; ++r) {
        const QString log = home.path() + u'/' + QDate::currentDate().toString(QStringLiteral("yyMMdd"))
            + QStringLiteral(".log");
        const qint64 from = QFile(log).size();
        QProcess terminal;
        terminal.setProcessEnvironment(Environment(home.path()));
        terminal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (slowed)
            slowed->enter();
        const qint64 started = QDateTime::currentMSecsSinceEpoch();
        terminal.start(exe, args);
        const bool running = terminal.waitForStarted();
        if (slowed)
            slowed->leave();
        qint64 shown = -1;
        while (running && shown < 0 && QDateTime::currentMSecsSinceEpoch() - started < 30000
               && terminal.state() == QProcess::Running) {
            QThread::msleep(5);
            shown = ShownAt(log, from);
        }
        terminal.terminate();
        if (!terminal.waitForFinished(10000)) {
            terminal.kill();
            terminal.waitForFinished();
        }
        if (shown < 0) {
            std::fprintf(stderr, "run %d: the start panel was not shown within 30 s\n", r);
            return 1;
        }
        if (r > 0)  // the first start is the warm-up
            samples.push_back(double(shown - started));
    }
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    char shareText[48] = "";
    if (slowed && slowed->limited())
        std::snprintf(shareText, sizeof shareText, "; cpu share %g", slowed->share());
    std::printf("start_to_panel_ms %.0f (target 1500 ms; min %.0f, max %.0f; median of %zu%s)\n", median,
                samples.front(), samples.back(), n, shareText);
    return 0;
}

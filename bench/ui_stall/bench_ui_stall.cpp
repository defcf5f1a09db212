// The reception screen with the program's own HTTP limits against a shop that stalls every
// waiting-status request for 60 s: the worst lateness of a 10 ms timer on the screen's thread, per
// run, and their median.
//   bench_ui_stall [--seconds S] [--runs N]      (defaults: 60 s, 3 runs)
// Prints "ui_stall_max_ms: N" (the median) last.
#include "reception/ui/frm_main.h"
#include "server/http_client.h"
#include "startup/global_state.h"
#include "support/demo_shop.h"
#include "support/log_entries.h"
#include "support/shop_login.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace sumbrel;

namespace {

const QString kPollPath = QStringLiteral("/program/TOLoadProgram.php");

// One run: the worst lateness in ms, and how many attempts of the polls stalled.
std::pair<qint64, int> Run(int seconds)
{
    QTemporaryDir folder;
    gs() = GlobalState{};
    gs().programFolder = folder.path();
    DemoShop shop;
    testing::LogInTo(shop);
    frmMain screen;
    // Built against a shop that answers; from here on every poll stalls.
    shop.addFault(kPollPath, QStringLiteral("delay"), {{QStringLiteral("delay_ms"), QStringLiteral("60000")}}, 0);
    screen.show();
    screen.TOLoad();

    qint64 worst = 0;
    QElapsedTimer sinceTick;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] { worst = std::max(worst, sinceTick.restart() - 10); });
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    sinceTick.start();
    beat.start(10);
    loop.exec();
    beat.stop();
    const int stalls = int(testing::LogEntries(QStringLiteral("_WinHttp")).filter(QStringLiteral("<실패2>")).size());
    return {worst, stalls};
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int seconds = 60;
    int runs = 3;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[++i]));
    }
    const HttpLimits limits = httpLimits();
    std::printf("limits: connect %d ms, stall %d ms, %d attempts, attempt %d ms, call %d ms; poll every 15 s\n",
                limits.connectMs, limits.stallMs, limits.attempts, limits.attemptMs, limits.callMs);
    std::vector<qint64> worst;
    for (int r = 0; r < runs; ++r) {
        const auto [ms, stalls] = Run(seconds);
        std::printf("run %d: %d s, worst lateness %lld ms, %d poll attempts ended by the stall limit\n", r + 1,
                    seconds, static_cast<long long>(ms), stalls);
        std::fflush(stdout);
        worst.push_back(ms);
    }
    std::sort(worst.begin(), worst.end());
    std::printf("ui_stall_max_ms: %lld\n", static_cast<long long>(worst[worst.size() / 2]));
    return 0;
}

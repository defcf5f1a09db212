// Timings of the screens, headless against the demo shop: every registered figure is run 20 times
// (after one warm-up), and one line per figure with its median is printed at the end.
//   bench_screens [--runs N] [--only NAME] [--cpu-share F]
// --cpu-share F: the demo shops are started first, then the bench takes F of one core (0.25: a
// quarter), as a slow kiosk's processor; its lines say the share.
#include "cpu_share.h"
#include "screens/figure.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace bench {
std::vector<Figure>& figures()
{
    static std::vector<Figure> all;
    return all;
}
}  // namespace bench

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int runs = 20;
    QString only;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--only") == 0)
            only = QString::fromLocal8Bit(argv[++i]);
    }
    const std::optional<double> share = bench::CpuShareArgument(argc, argv);
    const auto chosen = [&only](const bench::Figure& figure) { return only.isEmpty() || figure.name == only; };
    std::unique_ptr<bench::CpuShare> slowed;
    if (share) {
        for (const bench::Figure& figure : bench::figures())
            if (chosen(figure) && figure.prepare)
                figure.prepare();
        slowed = std::make_unique<bench::CpuShare>(*share);
    }
    struct Result {
        QString name;
        double median;
        double target;
        double min;
        double max;
    };
    std::vector<Result> results;
    for (const bench::Figure& figure : bench::figures()) {
        if (!chosen(figure))
            continue;
        figure.sampleMs();  // warm-up: first decode, first font use
        std::vector<double> samples;
        for (int r = 0; r < runs; ++r)
            samples.push_back(figure.sampleMs());
        std::sort(samples.begin(), samples.end());
        const size_t n = samples.size();
        const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
        results.push_back({figure.name, median, figure.targetMs, samples.front(), samples.back()});
        std::fprintf(stderr, "%s: %zu runs done\n", figure.name.toUtf8().constData(), n);
    }
    char shareText[48] = "";
    if (slowed && slowed->limited())
        std::snprintf(shareText, sizeof shareText, "; cpu share %g", slowed->share());
    for (const Result& r : results)
        std::printf("%s %.2f (target %.0f ms; min %.2f, max %.2f; median of %d%s)\n", r.name.toUtf8().constData(),
                    r.median, r.target, r.min, r.max, runs, shareText);
    return 0;
}

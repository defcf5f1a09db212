#pragma once
// One figure of bench_screens: a named timing with its target. Each source under bench/screens/
// registers its figures; bench_screens runs them all and prints the medians at the end.
#include <QString>
#include <functional>
#include <vector>

namespace bench {

struct Figure {
    QString name;  // e.g. "menu_open_ms"
    double targetMs;  // what the figure should stay under
    // One timed run in milliseconds; called `runs` times after one warm-up call.
    std::function<double()> sampleMs;
    // What the runs need set up beforehand (the demo shop started), run before the bench takes its
    // share of the processor (--cpu-share), so that the shop does not inherit it.
    std::function<void()> prepare;
};

std::vector<Figure>& figures();

struct RegisterFigure {
    explicit RegisterFigure(Figure figure) { figures().push_back(std::move(figure)); }
};

}  // namespace bench

#include "benchmark.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

void measure(const QString &name, int runs, const std::function<void()> &prepare,
             const std::function<void()> &work)
{
    std::vector<qint64> nanoseconds;
    nanoseconds.reserve(runs);
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        nanoseconds.push_back(timer.nsecsElapsed());
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const double median = nanoseconds.size() % 2
                              ? nanoseconds[nanoseconds.size() / 2]
                              : (nanoseconds[nanoseconds.size() / 2 - 1] + nanoseconds[nanoseconds.size() / 2]) / 2.0;
    if (median >= 1e6)
        std::printf("%-28s median %.2f ms\n", qPrintable(name), median / 1e6);
    else
        std::printf("%-28s median %.2f us\n", qPrintable(name), median / 1e3);
    std::fflush(stdout);
}

} // namespace bench

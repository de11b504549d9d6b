// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

namespace {

// Milliseconds from a millisecond up, else microseconds.
QString duration(double nanoseconds)
{
    return nanoseconds >= 1e6 ? QStringLiteral("%1 ms").arg(nanoseconds / 1e6, 0, 'f', 2)
                              : QStringLiteral("%1 us").arg(nanoseconds / 1e3, 0, 'f', 2);
}

} // namespace

double medianNanoseconds(int runs, const std::function<void()> &prepare, const std::function<void()> &work)
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
    const std::size_t middle = nanoseconds.size() / 2;
    return nanoseconds.size() % 2 ? nanoseconds[middle] : (nanoseconds[middle - 1] + nanoseconds[middle]) / 2.0;
}

void measure(const QString &name, int runs, const std::function<void()> &prepare,
             const std::function<void()> &work)
{
    std::printf("%-28s  median %s\n", qPrintable(name), qPrintable(duration(medianNanoseconds(runs, prepare, work))));
    std::fflush(stdout);
}

void measureAgainstFloor(const QString &name, int runs, const std::function<void()> &prepare,
                         const std::function<void()> &work, const std::function<void()> &floor)
{
    const double median = medianNanoseconds(runs, prepare, work);
    const double floorMedian = medianNanoseconds(runs, [] {}, floor);
    std::printf("%-28s  median %s  floor %s  %.2fx\n", qPrintable(name), qPrintable(duration(median)),
                qPrintable(duration(floorMedian)), median / floorMedian);
    std::fflush(stdout);
}

} // namespace bench

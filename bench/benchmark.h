// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace bench {

// Times `work` over a number of runs, each after an untimed `prepare`; the median in
// nanoseconds.
double medianNanoseconds(int runs, const std::function<void()> &prepare, const std::function<void()> &work);

// Times `work` and prints one line: the name first, the median last with its unit.
void measure(const QString &name, int runs, const std::function<void()> &prepare,
             const std::function<void()> &work);

// Times `work` and, in the same run, its floor: the least the machine could take for
// the same result. Prints the name, both medians and how many times the floor the
// work takes.
void measureAgainstFloor(const QString &name, int runs, const std::function<void()> &prepare,
                         const std::function<void()> &work, const std::function<void()> &floor);

void runCubeBenchmarks();
void runCylinderBenchmarks();

} // namespace bench

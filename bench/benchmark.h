#pragma once

#include <QString>

#include <functional>

namespace bench {

// Times `work` over a number of runs, each after an untimed `prepare`, and prints one
// line: the name first, the median last with its unit.
void measure(const QString &name, int runs, const std::function<void()> &prepare,
             const std::function<void()> &work);

void runCubeBenchmarks();
void runCylinderBenchmarks();

} // namespace bench

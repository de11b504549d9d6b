#include "benchmark.h"

namespace bench {

void runCylinderBenchmarks()
{
}

} // namespace bench

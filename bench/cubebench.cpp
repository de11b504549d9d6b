#include "benchmark.h"

#include "frmtessaro.h"

#include "formregistry.h"
#include "picturebox.h"

namespace bench {

void runCubeBenchmarks()
{
    // Laid out for the benchmark's 1920 x 1080 screen, not shown.
    frmTessaro &form = forms::FormRegistry::instance<frmTessaro>();
    measure(QStringLiteral("DrawCube"), 31, [] {}, [&form] { form.DrawCube(); });
    forms::FormRegistry::destroyAll();
}

} // namespace bench

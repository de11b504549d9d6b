#include "benchmark.h"

#include "frmrundali.h"

#include "formregistry.h"

#include <QPointF>

namespace bench {

void runCylinderBenchmarks()
{
    // Laid out for the benchmark's 1920 x 1080 screen, not shown. The disc and the
    // cylinder yield after every ring as they do on screen.
    frmRundali &form = forms::FormRegistry::instance<frmRundali>();
    const auto clear = [&form] { form.Cls(); };
    measure(QStringLiteral("Start1_Click hue circle"), 31, clear, [&form] { form.Start1_Click(); });

    // Between a magenta and a yellow dot of the circle, so every readout changes all three boxes.
    const QPointF places[] = {{0, -700}, {-500, 600}};
    int move = 0;
    QPointF place;
    measure(
        QStringLiteral("Form_MouseMove"), 1001, [&] { place = places[move++ % 2]; },
        [&] { form.Form_MouseMove(0, 0, static_cast<float>(place.x()), static_cast<float>(place.y())); });

    measure(QStringLiteral("Start2_Click saturation disc"), 21, clear, [&form] { form.Start2_Click(); });
    measure(QStringLiteral("start3_Click colour cylinder"), 11, [] {}, [&form] { form.start3_Click(); });
    forms::FormRegistry::destroyAll();
}

} // namespace bench

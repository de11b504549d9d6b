// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include "colourrules.h"
#include "frmrundali.h"

#include "formregistry.h"

#include <cstdint>
#include <vector>

namespace bench {

namespace {

using colourrules::Figure;

// A figure's dots where its rings put them, every slice of the cylinder included.
DrawingFloor figureFloor(const frmRundali &form, Figure figure)
{
    DrawingFloor floor(form);
    const float pi = colourrules::SinglePi();
    const std::size_t slices = figure == Figure::ColourCylinder ? colourrules::SliceBrightnesses().size() : 1;
    std::vector<forms::PointF> dots;
    for (std::size_t slice = 0; slice < slices; ++slice)
        for (const float radius : colourrules::RingRadii(figure))
            for (std::int16_t point = 0; point <= colourrules::LastPoint; ++point) {
                const colourrules::RingPlace place =
                    colourrules::PlaceOnRing(radius, point * colourrules::AngleStep(pi), pi);
                dots.emplace_back(place.x, place.y);
            }
    floor.addDots(colourrules::RowOf(figure).dotWidth, dots);
    return floor;
}

} // namespace

void runCylinderBenchmarks()
{
    // Laid out for the benchmark's 1920 x 1080 screen, not shown. The disc and the
    // cylinder yield after every ring as they do on screen.
    frmRundali &form = forms::FormRegistry::instance<frmRundali>();
    const auto clear = [&form] { form.Cls(); };
    DrawingFloor circle = figureFloor(form, Figure::HueCircle);
    measureAgainstFloor("Start1_Click hue circle", 31, clear, [&form] { form.Start1_Click(); },
                        [&circle] { circle.paint(); });

    // Between a magenta and a yellow dot of the circle, so every readout changes all three boxes.
    const forms::PointF places[] = {{0, -700}, {-500, 600}};
    int move = 0;
    measure(
        "Form_MouseMove", 101, [] {},
        [&] {
            const forms::PointF place = places[move++ % 2];
            form.Form_MouseMove(0, 0, static_cast<float>(place.x()), static_cast<float>(place.y()));
        },
        100);

    DrawingFloor disc = figureFloor(form, Figure::SaturationDisc);
    measureAgainstFloor("Start2_Click saturation disc", 21, clear, [&form] { form.Start2_Click(); },
                        [&disc] { disc.paint(); });
    DrawingFloor cylinder = figureFloor(form, Figure::ColourCylinder);
    measureAgainstFloor("start3_Click colour cylinder", 11, [] {}, [&form] { form.start3_Click(); },
                        [&cylinder] { cylinder.paint(); });
    forms::FormRegistry::destroyAll();
}

} // namespace bench

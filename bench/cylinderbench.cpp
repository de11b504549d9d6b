// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include "colourrules.h"
#include "frmrundali.h"

#include "formregistry.h"
#include "rasteriser.h"

#include <QImage>
#include <QPointF>

#include <cmath>
#include <cstdint>
#include <vector>

namespace bench {

namespace {

using colourrules::Figure;

// A figure's dots written as plainly as the machine allows: the device places worked
// out beforehand, then only the rasteriser filling them into an image of the window's
// size in one colour, with no colour rule and no user units.
class FigureFloor
{
public:
    FigureFloor(const frmRundali &form, Figure figure)
        : m_image(form.image().size(), QImage::Format_RGB32),
          m_raster(reinterpret_cast<std::uint32_t *>(m_image.bits()), m_image.width(), m_image.height(),
                   m_image.bytesPerLine() / 4),
          m_dot(static_cast<int>(
              std::lround(colourrules::RowOf(figure).dotWidth * form.mapping().devicePixelRatio())))
    {
        const float pi = colourrules::SinglePi();
        const std::size_t slices = figure == Figure::ColourCylinder ? colourrules::SliceBrightnesses().size() : 1;
        for (std::size_t slice = 0; slice < slices; ++slice)
            for (const float radius : colourrules::RingRadii(figure))
                for (std::int16_t point = 0; point <= colourrules::LastPoint; ++point) {
                    const colourrules::RingPlace place =
                        colourrules::PlaceOnRing(radius, point * colourrules::AngleStep(pi), pi);
                    m_places.push_back(form.mapping().toDevice(place.x, place.y));
                }
    }

    void paint()
    {
        for (const QPointF &place : m_places)
            m_raster.dot(place.x(), place.y(), m_dot, 0xFF808080u);
    }

private:
    QImage m_image;
    forms::Rasteriser m_raster;
    forms::DotShape m_dot;
    std::vector<QPointF> m_places;
};

} // namespace

void runCylinderBenchmarks()
{
    // Laid out for the benchmark's 1920 x 1080 screen, not shown. The disc and the
    // cylinder yield after every ring as they do on screen.
    frmRundali &form = forms::FormRegistry::instance<frmRundali>();
    const auto clear = [&form] { form.Cls(); };
    FigureFloor circleFloor(form, Figure::HueCircle);
    measureAgainstFloor(
        QStringLiteral("Start1_Click hue circle"), 31, clear, [&form] { form.Start1_Click(); },
        [&circleFloor] { circleFloor.paint(); });

    // Between a magenta and a yellow dot of the circle, so every readout changes all three boxes.
    const QPointF places[] = {{0, -700}, {-500, 600}};
    int move = 0;
    QPointF place;
    measure(
        QStringLiteral("Form_MouseMove"), 1001, [&] { place = places[move++ % 2]; },
        [&] { form.Form_MouseMove(0, 0, static_cast<float>(place.x()), static_cast<float>(place.y())); });

    FigureFloor discFloor(form, Figure::SaturationDisc);
    measureAgainstFloor(
        QStringLiteral("Start2_Click saturation disc"), 21, clear, [&form] { form.Start2_Click(); },
        [&discFloor] { discFloor.paint(); });
    FigureFloor cylinderFloor(form, Figure::ColourCylinder);
    measureAgainstFloor(
        QStringLiteral("start3_Click colour cylinder"), 11, [] {}, [&form] { form.start3_Click(); },
        [&cylinderFloor] { cylinderFloor.paint(); });
    forms::FormRegistry::destroyAll();
}

} // namespace bench

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soliddots.h"

#include <type_traits>

namespace forms {

template <typename DotFigure>
const GridGaps &SolidDots::find(const DotFigure &figure, const ScaleMapping &mapping, int drawWidth)
{
    // A few figures per surface; entries for another mapping are never found again.
    constexpr std::size_t MaxKnown = 16;
    const PointF origin = mapping.toDevice(0, 0);
    const PointF unit = mapping.toDevice(1, 1);
    const double dpr = mapping.devicePixelRatio();
    const auto sameFigure = [&figure](const Known &known) {
        const DotFigure *knownFigure = std::get_if<DotFigure>(&known.figure);
        if (!knownFigure)
            return false;
        if constexpr (std::is_same_v<DotFigure, DotRings>) {
            if (known.ringsSource == &figure && known.ringsDots == figure.dots.data()
                && knownFigure->dots.size() == figure.dots.size())
                return true;
        }
        return *knownFigure == figure;
    };
    for (const auto &known : m_known) {
        if (known->gaps.drawWidth() == drawWidth && known->origin == origin && known->unit == unit
            && known->devicePixelRatio == dpr && sameFigure(*known))
            return known->gaps;
    }
    if (m_known.size() >= MaxKnown)
        m_known.clear();
    auto known = std::make_unique<Known>(Known{.figure = figure, .origin = origin, .unit = unit,
                                               .devicePixelRatio = dpr, .gaps = GridGaps(figure, mapping, drawWidth)});
    if constexpr (std::is_same_v<DotFigure, DotRings>) {
        known->ringsSource = &figure;
        known->ringsDots = figure.dots.data();
    }
    m_known.push_back(std::move(known));
    return m_known.back()->gaps;
}

const GridGaps &SolidDots::gapsOf(const DotGrid &grid, const ScaleMapping &mapping, int drawWidth)
{
    return find(grid, mapping, drawWidth);
}

const GridGaps &SolidDots::gapsOf(const DotRings &rings, const ScaleMapping &mapping, int drawWidth)
{
    return find(rings, mapping, drawWidth);
}

} // namespace forms

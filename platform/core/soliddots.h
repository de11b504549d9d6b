// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dotgrid.h"
#include "scalemapping.h"

#include <memory>
#include <variant>
#include <vector>

namespace forms {

// The holes of the figures a surface draws, each worked out once per figure, dot width
// and mapping: a program draws the same few figures again and again, and working out
// where the holes of a figure lie takes longer than drawing it.
class SolidDots
{
public:
    const GridGaps &gapsOf(const DotGrid &grid, const ScaleMapping &mapping, int drawWidth);
    const GridGaps &gapsOf(const DotRings &rings, const ScaleMapping &mapping, int drawWidth);
    // Forgets them all, as when the surface's picture changes size.
    void clear() { m_known.clear(); }

private:
    struct Known
    {
        std::variant<DotGrid, DotRings> figure;
        // Where the rings it was worked out for lie, so that the program's own rings,
        // made once and never changed, are known again without comparing every dot.
        const DotRings *ringsSource = nullptr;
        const DotRings::Centre *ringsDots = nullptr;
        PointF origin;
        PointF unit;
        double devicePixelRatio = 1;
        GridGaps gaps;
    };
    template <typename DotFigure>
    const GridGaps &find(const DotFigure &figure, const ScaleMapping &mapping, int drawWidth);

    std::vector<std::unique_ptr<Known>> m_known;
};

} // namespace forms

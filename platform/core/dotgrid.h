// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rect.h"
#include "scalemapping.h"

#include <cstdint>
#include <vector>

namespace forms {

// A figure drawn as a counted double loop of dots, in user units: the first point,
// the step of the outer and of the inner loop, and how many passes each makes. The
// points are taken to be exact in single precision, as the programs' grids are.
struct DotGrid
{
    double firstX = 0;
    double firstY = 0;
    double outerX = 0;
    double outerY = 0;
    int outerCount = 1;
    double innerX = 0;
    double innerY = 0;
    int innerCount = 1;

    bool operator==(const DotGrid &) const = default;
};

// A figure drawn as rings of dots round a centre, in user units: every dot's centre,
// in any order, and the rim, the radius of the disc the dots are meant to fill.
struct DotRings
{
    struct Centre
    {
        float x = 0;
        float y = 0;
        bool operator==(const Centre &) const = default;
    };
    float centreX = 0;
    float centreY = 0;
    float rim = 0;
    std::vector<Centre> dots;

    bool operator==(const DotRings &) const = default;
};

// The gaps a grid or rings of dots of the designed width leave on a surface of a
// given mapping, and the narrowest wider dot that closes them. A figure whose steps
// lie within its dots has none; where one step is wider on screen than the dots, the
// holes are the device pixels inside the figure that no dot covers. Worked out with
// the rasteriser's own dot shapes and snapping on a scratch mask, so it holds pixel
// for pixel. Knows nothing of surfaces or of what the dots show.
class GridGaps
{
public:
    GridGaps(const DotGrid &grid, const ScaleMapping &mapping, int drawWidth);
    GridGaps(const DotRings &rings, const ScaleMapping &mapping, int drawWidth);

    bool any() const { return m_fillWidth > m_drawWidth; }
    int drawWidth() const { return m_drawWidth; }
    // The pen width whose dots, drawn in the holes only, leave none.
    int fillWidth() const { return m_fillWidth; }
    // One byte per device pixel of area(), set on the holes.
    const std::vector<std::uint8_t> &holes() const { return m_holes; }
    Rect area() const { return m_area; }

private:
    template <typename DeviceFigure>
    void find(const DeviceFigure &figure, double devicePixelRatio);

    int m_drawWidth = 1;
    int m_fillWidth = 1;
    std::vector<std::uint8_t> m_holes;
    Rect m_area;
};

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dotgrid.h"
#include "probewalk.h"

#include <array>

// Where the colour cube lies in the cube picture's units: the oblique projection of a
// colour, the corners, the drawn axes and edges, and the lines a click cuts the cube
// along. Plain arithmetic; it draws nothing and knows no widget. Every expression is
// worked in the precision, single or double, that the picture's pixels were made with,
// so a change here is the only change the picture needs.
namespace cubegeometry {

struct Point
{
    float x = 0;
    float y = 0;
    friend constexpr bool operator==(const Point &, const Point &) = default;
};

struct Segment
{
    Point from;
    Point to;
};

// Black sits at (200, 0). Red runs right and blue up, 1.5 units a step; green runs back,
// half a unit left and half a unit up a step.
constexpr float OriginX = 200;
constexpr float Step = 1.5f;

constexpr Point Project(float red, float green, float blue)
{
    return {OriginX - green / 2 + Step * red, green / 2 + Step * blue};
}

// The dots of each face, the projection with the face's own component fixed and
// worked out as the faces were first drawn. The top face, blue 255, is filled from
// half a unit under the front face's top edge; the edge line drawn over it covers the
// seam.
constexpr float TopFaceBase = Project(0, 0, 255).y - 0.5f;

constexpr Point FrontFaceDot(float red, float blue)
{
    return {OriginX + Step * red, Step * blue};
}

constexpr Point LeftFaceDot(float green, float blue)
{
    return {OriginX - green / 2, green / 2 + Step * blue};
}

constexpr Point TopFaceDot(float red, float green)
{
    return {OriginX - green / 2 + Step * red, green / 2 + TopFaceBase};
}

static_assert(FrontFaceDot(127.5f, 255) == Project(127.5f, 0, 255));
static_assert(LeftFaceDot(255, 127.5f) == Project(0, 255, 127.5f));
static_assert(TopFaceDot(127.5f, 255).x == Project(127.5f, 255, 255).x
              && TopFaceDot(127.5f, 255).y == Project(127.5f, 255, 255).y - 0.5f);

// The faces' dots as the grids the drawing loops lay them in: the first dot, one step
// of the outer and of the inner loop, and the passes of each (0 to 255 in half steps
// on the front face, in whole steps on the others).
constexpr forms::DotGrid Grid(Point first, Point outerNext, Point innerNext, int passes)
{
    return {.firstX = first.x, .firstY = first.y,
            .outerX = outerNext.x - first.x, .outerY = outerNext.y - first.y, .outerCount = passes,
            .innerX = innerNext.x - first.x, .innerY = innerNext.y - first.y, .innerCount = passes};
}
constexpr forms::DotGrid FrontFaceGrid = Grid(FrontFaceDot(0, 0), FrontFaceDot(0.5f, 0), FrontFaceDot(0, 0.5f), 511);
constexpr forms::DotGrid LeftFaceGrid = Grid(LeftFaceDot(0, 0), LeftFaceDot(1, 0), LeftFaceDot(0, 1), 256);
// Green runs in the outer loop of the top face.
constexpr forms::DotGrid TopFaceGrid = Grid(TopFaceDot(0, 0), TopFaceDot(0, 1), TopFaceDot(1, 0), 256);

// The faces as the keyboard walks them, a colour step a press: the front face red to
// the right and blue up, the left face green towards the front and blue up, the top
// face red to the right and green to the back, each on the dots the drawing lays.
// Coming over from another face, the probe lands clear of the edge line between them,
// three pixels wide over the outer dots even on the smallest screens.
constexpr int FaceWalkInset = 4;
constexpr forms::ProbeGrid FaceWalk(Point first, Point right, Point up)
{
    return {.first = {first.x, first.y}, .right = {right.x - first.x, right.y - first.y}, .columns = 256,
            .up = {up.x - first.x, up.y - first.y}, .rows = 256, .inset = FaceWalkInset};
}
inline const std::array<forms::ProbeGrid, 3> FaceWalks{{
    FaceWalk(FrontFaceDot(0, 0), FrontFaceDot(1, 0), FrontFaceDot(0, 1)),
    FaceWalk(LeftFaceDot(255, 0), LeftFaceDot(254, 0), LeftFaceDot(255, 1)),
    FaceWalk(TopFaceDot(0, 0), TopFaceDot(1, 0), TopFaceDot(0, 1)),
}};

// The front face (green 0) at a point of the picture: its red and its blue there.
constexpr float RedOnFrontFace(float x)
{
    return (x - OriginX) / Step;
}
constexpr float BlueOnFrontFace(float y)
{
    return y / Step;
}

namespace corner {
constexpr Point Black = Project(0, 0, 0);
constexpr Point Red = Project(255, 0, 0);
constexpr Point Green = Project(0, 255, 0);
constexpr Point Blue = Project(0, 0, 255);
constexpr Point Yellow = Project(255, 255, 0);
constexpr Point Magenta = Project(255, 0, 255);
constexpr Point Cyan = Project(0, 255, 255);
constexpr Point White = Project(255, 255, 255);
} // namespace corner

// The axes run from black beyond the cube. Of the edges only the six in sight are
// drawn: the three at the yellow corner lie behind the front face, and the three at
// black under the axes.
constexpr Segment RedAxis{corner::Black, {600, 0}};
constexpr Segment BlueAxis{corner::Black, {200, 500}};
constexpr Segment GreenAxis{corner::Black, {60, 140}};
constexpr std::array<Segment, 9> DrawnEdges{{
    RedAxis,
    BlueAxis,
    GreenAxis,
    {corner::Blue, corner::Magenta},
    {corner::Red, corner::Magenta},
    {corner::Blue, corner::Cyan},
    {corner::Green, corner::Cyan},
    {corner::Cyan, corner::White},
    {corner::White, corner::Magenta},
}};

// A click on a face cuts the cube through the pointed colour, parallel to that face:
// a line across the face itself, and one on across the neighbouring face. The cut
// lines add the faces' sizes in double precision.
using Cut = std::array<Segment, 2>;
constexpr double FaceWidth = corner::Red.x - corner::Black.x;
constexpr double FaceHeight = corner::Blue.y - corner::Black.y;
constexpr double Depth = corner::Green.y - corner::Black.y;

// The front face at the pointer's height: across it, then back along the left face.
constexpr Cut FrontFaceCut(float pointerY)
{
    const auto rear = static_cast<float>(pointerY + Depth);
    return {{{{corner::Black.x, pointerY}, {corner::Red.x, pointerY}},
             {{corner::Black.x, pointerY}, {corner::Green.x, rear}}}};
}

// The left face at the pointer's column: up it, then across the top face. Green moves
// a left-face point as far left as it lifts the face's bottom edge.
constexpr Cut LeftFaceCut(float pointerX)
{
    const double bottomEdge = corner::Black.x - static_cast<double>(pointerX);
    const auto bottom = static_cast<float>(bottomEdge);
    const auto top = static_cast<float>(bottomEdge + FaceHeight);
    return {{{{pointerX, bottom}, {pointerX, top}},
             {{pointerX, top}, {static_cast<float>(pointerX + FaceWidth), top}}}};
}

// The top face through the pointer: down the front face, then back across the top.
// Green moves a top-face dot as far left as it lifts it, so a dot of red r lies where
// x + y = 582 + 1.5 r: the column found is, within half a unit, the front-face column
// of that red.
constexpr Cut TopFaceCut(float pointerX, float pointerY)
{
    const double sum = static_cast<double>(pointerX) + pointerY;
    const auto column = static_cast<float>(sum - corner::Blue.y);
    const auto rear = static_cast<float>(sum - corner::Cyan.y);
    return {{{{column, corner::Blue.y}, {column, corner::Black.y}},
             {{column, corner::Blue.y}, {rear, corner::Cyan.y}}}};
}

} // namespace cubegeometry

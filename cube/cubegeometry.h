#pragma once

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

// The top face, blue 255, is filled from half a unit under the front face's top edge;
// the edge line drawn over it covers the seam.
constexpr float TopFaceBase = Project(0, 0, 255).y - 0.5f;

constexpr Point TopFaceDot(float red, float green)
{
    return {Project(red, green, 255).x, green / 2 + TopFaceBase};
}

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
// a line across the face itself, and one on across the neighbouring face.
using Cut = std::array<Segment, 2>;
// The front face at the pointer's height: across it, then back along the left face.
Cut FrontFaceCut(float pointerY);
// The left face at the pointer's column: up it, then across the top face.
Cut LeftFaceCut(float pointerX);
// The top face through the pointer: down the front face, then back across the top.
Cut TopFaceCut(float pointerX, float pointerY);

} // namespace cubegeometry

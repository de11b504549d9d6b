#include "cubegeometry.h"

namespace cubegeometry {

namespace {

// Heights and widths of the faces; the cut lines add them in double precision.
constexpr double FaceHeight = corner::Blue.y - corner::Black.y;
constexpr double FaceWidth = corner::Red.x - corner::Black.x;
constexpr double Depth = corner::Green.y - corner::Black.y;

} // namespace

Cut FrontFaceCut(float pointerY)
{
    const auto rear = static_cast<float>(pointerY + Depth);
    return {{{{corner::Black.x, pointerY}, {corner::Red.x, pointerY}},
             {{corner::Black.x, pointerY}, {corner::Green.x, rear}}}};
}

Cut LeftFaceCut(float pointerX)
{
    // Green moves a left-face point as far left as it lifts the face's bottom edge.
    const double bottomEdge = corner::Black.x - static_cast<double>(pointerX);
    const auto bottom = static_cast<float>(bottomEdge);
    const auto top = static_cast<float>(bottomEdge + FaceHeight);
    return {{{{pointerX, bottom}, {pointerX, top}},
             {{pointerX, top}, {static_cast<float>(pointerX + FaceWidth), top}}}};
}

Cut TopFaceCut(float pointerX, float pointerY)
{
    // Green moves a top-face dot as far left as it lifts it, so a dot of red r lies where
    // x + y = 582 + 1.5 r: the column found is, within half a unit, the front-face
    // column of that red.
    const double sum = static_cast<double>(pointerX) + pointerY;
    const auto column = static_cast<float>(sum - corner::Blue.y);
    const auto rear = static_cast<float>(sum - corner::Cyan.y);
    return {{{{column, corner::Blue.y}, {column, corner::Black.y}},
             {{column, corner::Blue.y}, {rear, corner::Cyan.y}}}};
}

} // namespace cubegeometry

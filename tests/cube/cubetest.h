// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cubegeometry.h"
#include "frmtessaro.h"

#include "formstest.h"

#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>

// The tests' common start, pixels read in user units, pixels found clearly inside one
// area of a picture, and real pointer input waited for.
namespace cubetest {

using Rgb = forms::ColourComponents;
using forms::Components;

inline QString describe(Rgb colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(colour.red).arg(colour.green).arg(colour.blue);
}

// Where the drawing puts a colour on the cube picture, and the point halfway between two.
inline QPointF pictured(float red, float green, float blue)
{
    const cubegeometry::Point at = cubegeometry::Project(red, green, blue);
    return {at.x, at.y};
}

inline QPointF halfway(cubegeometry::Point from, cubegeometry::Point to)
{
    return {(from.x + to.x) / 2.0, (from.y + to.y) / 2.0};
}

// What every test of the program starts from: drawing unpaced and runtime errors
// thrown, the main window shown and exposed before each test, every form gone after it.
class TessaroTest : public QObject
{
    Q_OBJECT

protected slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    frmTessaro *form = nullptr;
};

// The user point at the centre of the device pixel amid a logical pixel: what the
// pointer there reports, and where Point reads that very pixel.
inline QPointF centreOf(const forms::DrawingSurface *surface, QPoint pixel)
{
    const QPointF amid =
        formstest::qt(surface->mapping().fromLogical(forms::PointF(pixel.x() + 0.5, pixel.y() + 0.5)));
    const QPointF user = formstest::centreOf(surface, formstest::devicePixelOf(surface, amid.x(), amid.y()));
    return {static_cast<float>(user.x()), static_cast<float>(user.y())};
}

inline forms::Colour colourAt(const forms::DrawingSurface *surface, QPoint pixel)
{
    const QPointF user = centreOf(surface, pixel);
    return surface->Point(static_cast<float>(user.x()), static_cast<float>(user.y()));
}

// The pixel nearest to a user point that passes `pick` and whose eight neighbours
// pass `around`; (-1, -1) if there is none within a few pixels.
inline QPoint solidPixel(const forms::DrawingSurface *surface, QPointF near, const std::function<bool(Rgb)> &around,
                         const std::function<bool(Rgb)> &pick = {})
{
    const auto passes = [surface](QPoint pixel, const std::function<bool(Rgb)> &test) {
        const forms::Colour colour = colourAt(surface, pixel);
        return colour >= 0 && test(Components(colour));
    };
    const auto solid = [&](QPoint pixel) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (!passes(pixel + QPoint(dx, dy), around))
                    return false;
        return !pick || passes(pixel, pick);
    };
    const QPoint start = formstest::pixelOf(surface, static_cast<float>(near.x()), static_cast<float>(near.y()));
    for (int radius = 0; radius <= 6; ++radius)
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx)
                if (std::max(std::abs(dx), std::abs(dy)) == radius && solid(start + QPoint(dx, dy)))
                    return start + QPoint(dx, dy);
    return {-1, -1};
}

// A line one pixel wide across the grid is stamped in the pixel holding a point on
// it or in the one beside it.
inline bool blackAtOrBeside(const forms::DrawingSurface *surface, float x, float y)
{
    const QPoint pixel = formstest::pixelOf(surface, x, y);
    return colourAt(surface, pixel) == 0 || colourAt(surface, pixel - QPoint(1, 0)) == 0
           || colourAt(surface, pixel + QPoint(1, 0)) == 0;
}

// Dots wider than their spacing: the last one to touch a pixel decides it, so a
// point reads the colour of a few loop steps on.
inline bool within(Rgb actual, Rgb expected, int slack)
{
    return std::abs(actual.red - expected.red) <= slack && std::abs(actual.green - expected.green) <= slack
           && std::abs(actual.blue - expected.blue) <= slack;
}

inline bool anyPixelOtherThan(const forms::DrawingSurface *surface, const QRect &pixels, forms::Colour colour)
{
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (colourAt(surface, QPoint(x, y)) != colour)
                return true;
    return false;
}

// A move, or a move and a click, to a pixel centre; true once the handler has run.
inline bool pointAt(forms::DrawingSurface *surface, QPointF at)
{
    const formstest::SignalSpy moves(surface->MouseMove);
    formstest::pointTo(surface, static_cast<float>(at.x()), static_cast<float>(at.y()));
    return QTest::qWaitFor([&moves] { return !moves.isEmpty(); });
}

inline bool clickAt(forms::DrawingSurface *surface, QPointF at)
{
    const formstest::SignalSpy clicks(surface->Click);
    formstest::clickAt(surface, static_cast<float>(at.x()), static_cast<float>(at.y()));
    return QTest::qWaitFor([&clicks] { return !clicks.isEmpty(); });
}

} // namespace cubetest

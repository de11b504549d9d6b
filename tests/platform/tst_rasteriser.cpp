// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rasteriser.h"

#include "check.h"

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

using forms::DotShape;
using forms::Rasteriser;
using forms::Rect;

namespace forms {
std::ostream &operator<<(std::ostream &out, const Rect &rect)
{
    return out << '(' << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height() << ')';
}
} // namespace forms

namespace {

constexpr std::uint32_t Background = 0xFF404040;
constexpr std::uint32_t Ink = 0xFFFF0080;

struct Canvas
{
    Canvas(int width, int height) : width(width), height(height), pixels(width * height, Background) {}
    Rasteriser rasteriser() { return Rasteriser(pixels.data(), width, height, width); }
    bool inked(int x, int y) const { return pixels[y * width + x] == Ink; }
    int count() const { return static_cast<int>(std::count(pixels.begin(), pixels.end(), Ink)); }
    Rect inkedBounds() const
    {
        Rect bounds;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (inked(x, y))
                    bounds |= Rect(x, y, 1, 1);
        return bounds;
    }
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

} // namespace

// A rectangle's right and bottom are its last column and row; its corners make it,
// so that a pixel is the rectangle from itself to itself.
CHECK_CASE(rectangleEdges)
{
    const Rect pixel = Rect::fromCorners({3, 4}, {3, 4});
    CHECK_EQ(pixel, Rect(3, 4, 1, 1));
    CHECK_EQ(pixel.right(), 3);
    CHECK(pixel.contains({3, 4}) && !pixel.contains({4, 4}) && !pixel.contains({3, 5}));
    const Rect area(10, 20, 5, 2);
    CHECK_EQ(area.bottomRight(), forms::Point(14, 21));
    CHECK(!area.intersects(Rect(15, 20, 3, 3)));
    CHECK(area.intersects(Rect(14, 21, 3, 3)));
    CHECK_EQ(area & Rect(14, 21, 3, 3), Rect(14, 21, 1, 1));
    // An empty one takes no part in a union and contains nothing.
    CHECK_EQ(area | Rect(), area);
    CHECK(!Rect(5, 5, 0, 3).contains({5, 5}));
    // Places near the same count as the same only where asked.
    const forms::PointF point(0.1 + 0.2, 1);
    CHECK(!(point == forms::PointF(0.3, 1)));
    CHECK(nearlySame(point, forms::PointF(0.3, 1)));
    CHECK(!nearlySame(point, forms::PointF(0.3000001, 1)));
}

CHECK_CASE(dotIsExactlyItsDiameterAcross)
{
    const struct
    {
        const char *name;
        int diameter;
        double x, y;
        Rect bounds;
        int pixels;
    } rows[] = {
        {"1 px: the pixel holding the point", 1, 10.7, 12.2, Rect(10, 12, 1, 1), 1},
        {"2 px: square round the nearest corner", 2, 10.7, 12.2, Rect(10, 11, 2, 2), 4},
        {"3 px: square round the pixel", 3, 10.7, 12.2, Rect(9, 11, 3, 3), 9},
        {"4 px: corners cut", 4, 10.0, 10.0, Rect(8, 8, 4, 4), 12},
        {"10 px disc", 10, 20.4, 20.6, Rect(15, 16, 10, 10), 80},
        {"20 px disc", 20, 20.0, 20.0, Rect(10, 10, 20, 20), 316},
    };
    for (const auto &row : rows) {
        const check::Row named(row.name);
        Canvas canvas(40, 40);
        Rasteriser rasteriser = canvas.rasteriser();
        rasteriser.dot(row.x, row.y, DotShape(row.diameter), Ink);
        CHECK_EQ(canvas.inkedBounds(), row.bounds);
        CHECK_EQ(canvas.count(), row.pixels);
        CHECK_EQ(rasteriser.takeTouched(), row.bounds);
        CHECK_EQ(rasteriser.takeTouched(), Rect());
        CHECK_EQ(Rasteriser::dotBox(row.x, row.y, row.diameter), row.bounds.topLeft());
    }
}

CHECK_CASE(dotIsRoundAndSymmetric)
{
    const DotShape shape(10);
    const auto &rows = shape.rows();
    CHECK_EQ(int(rows.size()), 10);
    for (int row = 0; row < 10; ++row) {
        CHECK_EQ(rows[row].first, 10 - rows[row].second); // left-right symmetric
        CHECK(rows[row] == rows[9 - row]);                // top-bottom symmetric
    }
    CHECK(rows[0] == std::make_pair(3, 7));
    CHECK(rows[4] == std::make_pair(0, 10));
}

CHECK_CASE(dotsAreClippedAtEveryEdge)
{
    const struct
    {
        const char *name;
        double x, y;
        int pixels;
    } rows[] = {
        {"top left corner", 0.0, 0.0, 13},
        {"bottom right corner", 30.0, 20.0, 13},
        {"just outside left", -5.0, 10.0, 0},
        {"far outside", -1e9, 1e9, 0},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), 5.0, 0},
    };
    for (const auto &row : rows) {
        const check::Row named(row.name);
        Canvas canvas(30, 20);
        canvas.rasteriser().dot(row.x, row.y, DotShape(8), Ink);
        CHECK_EQ(canvas.count(), row.pixels);
    }
}

CHECK_CASE(thinLineIsConnected)
{
    const struct
    {
        const char *name;
        forms::PointF from, to;
    } rows[] = {
        {"horizontal", {2.5, 5.5}, {35.5, 5.5}},
        {"steep", {3.2, 1.1}, {9.7, 38.3}},
        {"shallow backwards", {38.0, 30.0}, {1.0, 21.0}},
        {"45 degrees", {0.5, 0.5}, {30.5, 30.5}},
    };
    for (const auto &row : rows) {
        const check::Row named(row.name);
        const forms::PointF from = row.from;
        const forms::PointF to = row.to;
        Canvas canvas(40, 40);
        canvas.rasteriser().line(from.x(), from.y(), to.x(), to.y(), DotShape(1), Ink);
        CHECK(canvas.inked(int(from.x()), int(from.y())));
        CHECK(canvas.inked(int(to.x()), int(to.y())));
        // One pixel in each step of the major axis, each touching the one before.
        const bool steep = std::abs(to.y() - from.y()) > std::abs(to.x() - from.x());
        const int first = steep ? int(std::min(from.y(), to.y())) : int(std::min(from.x(), to.x()));
        const int last = steep ? int(std::max(from.y(), to.y())) : int(std::max(from.x(), to.x()));
        int previousMinor = -1;
        for (int major = first; major <= last; ++major) {
            int minor = -1;
            int found = 0;
            for (int other = 0; other < 40; ++other)
                if (steep ? canvas.inked(other, major) : canvas.inked(major, other)) {
                    minor = other;
                    ++found;
                }
            CHECK(found >= 1 && found <= 2);
            if (previousMinor >= 0)
                CHECK(std::abs(minor - previousMinor) <= 2);
            previousMinor = minor;
        }
    }
}

CHECK_CASE(wideLineCoversItsWidth)
{
    Canvas canvas(40, 20);
    canvas.rasteriser().line(5.0, 10.0, 30.0, 10.0, DotShape(3), Ink);
    for (int x = 5; x <= 30; ++x)
        for (int y = 9; y <= 11; ++y)
            CHECK(canvas.inked(x, y));
    CHECK(!canvas.inked(17, 8));
    CHECK(!canvas.inked(17, 12));
}

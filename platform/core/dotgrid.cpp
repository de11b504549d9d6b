// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dotgrid.h"

#include "maths.h"
#include "rasteriser.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

struct Vector
{
    double x = 0;
    double y = 0;
};

double length(Vector v)
{
    return maths::Hypot(v.x, v.y);
}

// A dot's centre moves by at most this much when it snaps to the pixel grid.
constexpr double SnapSlack = 0.7072;

// The box round a figure's dot centres, and the pixels dots up to a diameter may
// touch round it.
class CentreBounds
{
public:
    explicit CentreBounds(Vector first) : m_low(first), m_high(first) {}
    void add(Vector centre)
    {
        m_low = {std::min(m_low.x, centre.x), std::min(m_low.y, centre.y)};
        m_high = {std::max(m_high.x, centre.x), std::max(m_high.y, centre.y)};
    }
    Rect pixels(int diameter) const
    {
        return Rect::fromCorners({floorToInt(m_low.x) - diameter, floorToInt(m_low.y) - diameter},
                                 {floorToInt(m_high.x) + diameter, floorToInt(m_high.y) + diameter});
    }

private:
    Vector m_low;
    Vector m_high;
};

// One word per pixel of the area, set where a dot of the diameter covers it, for the
// dots whose device centres forEachCentre hands to the function it is given.
template <typename ForEachCentre>
std::vector<std::uint32_t> coverage(const Rect &area, int diameter, ForEachCentre forEachCentre)
{
    std::vector<std::uint32_t> mask(static_cast<std::size_t>(area.width()) * area.height(), 0);
    Rasteriser raster(mask.data(), area.width(), area.height(), area.width());
    const DotShape dot(diameter);
    forEachCentre([&](double x, double y) { raster.dot(x - area.left(), y - area.top(), dot, 1); });
    return mask;
}

// The grid in device pixels: which pixels lie inside it and which its dots cover.
class DeviceGrid
{
public:
    DeviceGrid(const DotGrid &grid, const ScaleMapping &mapping) : m_grid(grid), m_mapping(mapping)
    {
        const PointF origin = mapping.toDevice(grid.firstX, grid.firstY);
        const PointF zero = mapping.toDevice(0, 0);
        const PointF outer = mapping.toDevice(grid.outerX, grid.outerY) - zero;
        const PointF inner = mapping.toDevice(grid.innerX, grid.innerY) - zero;
        m_origin = {origin.x(), origin.y()};
        m_outer = {outer.x(), outer.y()};
        m_inner = {inner.x(), inner.y()};
        m_determinant = m_outer.x * m_inner.y - m_outer.y * m_inner.x;
    }

    bool measurable() const
    {
        return m_grid.outerCount > 1 && m_grid.innerCount > 1 && std::isfinite(m_determinant)
               && std::fabs(m_determinant) > 1e-9 && std::isfinite(m_origin.x) && std::isfinite(m_origin.y);
    }

    // Whether every point inside is so near a dot's centre that no pixel can stay
    // uncovered, whatever the snapping: the nearest grid point is at most half an
    // outer and half an inner step away.
    bool surelySolid(int diameter) const
    {
        return (length(m_outer) + length(m_inner)) / 2 + SnapSlack <= diameter / 2.0;
    }

    // The pixels the grid's dots may touch, for dots up to the given diameter.
    Rect area(int diameter) const
    {
        CentreBounds bounds(m_origin);
        for (const Vector corner : {at(lastOuter(), 0), at(0, lastInner()), at(lastOuter(), lastInner())})
            bounds.add(corner);
        return bounds.pixels(diameter);
    }

    // One word per pixel of the area, set where a dot of the diameter covers it.
    std::vector<std::uint32_t> covered(const Rect &area, int diameter) const
    {
        return coverage(area, diameter, [this](const auto &stamp) {
            for (int i = 0; i <= lastOuter(); ++i) {
                for (int j = 0; j <= lastInner(); ++j) {
                    const auto x = static_cast<float>(m_grid.firstX + i * m_grid.outerX + j * m_grid.innerX);
                    const auto y = static_cast<float>(m_grid.firstY + i * m_grid.outerY + j * m_grid.innerY);
                    const PointF device = m_mapping.toDevice(x, y);
                    stamp(device.x(), device.y());
                }
            }
        });
    }

    // Whether the centre of the device pixel lies inside the grid (its outline included).
    bool inside(int column, int row) const
    {
        const double dx = column + 0.5 - m_origin.x;
        const double dy = row + 0.5 - m_origin.y;
        const double outer = (dx * m_inner.y - dy * m_inner.x) / m_determinant;
        const double inner = (m_outer.x * dy - m_outer.y * dx) / m_determinant;
        return outer >= 0 && outer <= lastOuter() && inner >= 0 && inner <= lastInner();
    }

private:
    int lastOuter() const { return m_grid.outerCount - 1; }
    int lastInner() const { return m_grid.innerCount - 1; }
    Vector at(int outer, int inner) const
    {
        return {m_origin.x + outer * m_outer.x + inner * m_inner.x, m_origin.y + outer * m_outer.y + inner * m_inner.y};
    }

    const DotGrid &m_grid;
    const ScaleMapping &m_mapping;
    Vector m_origin;
    Vector m_outer;
    Vector m_inner;
    double m_determinant = 0;
};

// Rings in device pixels: which pixels lie inside the rim and which the dots cover.
class DeviceRings
{
public:
    DeviceRings(const DotRings &rings, const ScaleMapping &mapping) : m_rings(rings), m_mapping(mapping)
    {
        m_centres.reserve(rings.dots.size());
        for (const DotRings::Centre dot : rings.dots) {
            const PointF device = mapping.toDevice(dot.x, dot.y);
            m_centres.push_back({device.x(), device.y()});
        }
    }

    bool measurable() const
    {
        return !m_centres.empty() && std::isfinite(m_rings.rim) && m_rings.rim > 0
               && std::all_of(m_centres.begin(), m_centres.end(),
                              [](Vector c) { return std::isfinite(c.x) && std::isfinite(c.y); });
    }

    // The rings' spacing is not known here: every mapping is measured, once.
    bool surelySolid(int) const { return false; }

    Rect area(int diameter) const
    {
        CentreBounds bounds(m_centres.front());
        for (const Vector centre : m_centres)
            bounds.add(centre);
        return bounds.pixels(diameter);
    }

    std::vector<std::uint32_t> covered(const Rect &area, int diameter) const
    {
        return coverage(area, diameter, [this](const auto &stamp) {
            for (const Vector centre : m_centres)
                stamp(centre.x, centre.y);
        });
    }

    // Whether the centre of the device pixel lies within the rim, in user units.
    bool inside(int column, int row) const
    {
        const PointF user = m_mapping.fromDevice(PointF(column + 0.5, row + 0.5));
        return maths::Hypot(user.x() - m_rings.centreX, user.y() - m_rings.centreY) <= m_rings.rim;
    }

private:
    const DotRings &m_rings;
    const ScaleMapping &m_mapping;
    std::vector<Vector> m_centres;
};

int deviceDiameter(int width, double devicePixelRatio)
{
    return std::max(1, static_cast<int>(std::lround(width * devicePixelRatio)));
}

} // namespace

GridGaps::GridGaps(const DotGrid &grid, const ScaleMapping &mapping, int drawWidth)
    : m_drawWidth(std::max(drawWidth, 1)), m_fillWidth(m_drawWidth)
{
    find(DeviceGrid(grid, mapping), mapping.devicePixelRatio());
}

GridGaps::GridGaps(const DotRings &rings, const ScaleMapping &mapping, int drawWidth)
    : m_drawWidth(std::max(drawWidth, 1)), m_fillWidth(m_drawWidth)
{
    find(DeviceRings(rings, mapping), mapping.devicePixelRatio());
}

template <typename DeviceFigure>
void GridGaps::find(const DeviceFigure &device, double dpr)
{
    const int diameter = deviceDiameter(m_drawWidth, dpr);
    if (!device.measurable() || device.surelySolid(diameter))
        return;

    const Rect area = device.area(diameter);
    const std::vector<std::uint32_t> covered = device.covered(area, diameter);
    std::vector<std::uint8_t> holes(covered.size(), 0);
    bool anyHole = false;
    for (int row = 0; row < area.height(); ++row) {
        for (int column = 0; column < area.width(); ++column) {
            const std::size_t index = static_cast<std::size_t>(row) * area.width() + column;
            if (!covered[index] && device.inside(area.left() + column, area.top() + row)) {
                holes[index] = 1;
                anyHole = true;
            }
        }
    }
    if (!anyHole)
        return;

    // Wider dots, tried on the holes alone: everywhere else the designed dots stay.
    for (int width = m_drawWidth + 1;; ++width) {
        const int wider = deviceDiameter(width, dpr);
        if (!device.surelySolid(wider)) {
            const std::vector<std::uint32_t> reached = device.covered(area, wider);
            bool closed = true;
            for (std::size_t index = 0; closed && index < holes.size(); ++index)
                closed = !holes[index] || reached[index];
            if (!closed)
                continue;
        }
        m_fillWidth = width;
        break;
    }
    m_holes = std::move(holes);
    m_area = area;
}

} // namespace forms

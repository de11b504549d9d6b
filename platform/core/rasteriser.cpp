// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rasteriser.h"

#include <algorithm>
#include <cmath>

namespace forms {

DotShape::DotShape(int diameter) : m_diameter(std::max(diameter, 1))
{
    const double radius = m_diameter / 2.0;
    for (int row = 0; row < m_diameter; ++row) {
        const double dy = row + 0.5 - radius;
        int begin = m_diameter;
        int end = 0;
        for (int column = 0; column < m_diameter; ++column) {
            const double dx = column + 0.5 - radius;
            if (dx * dx + dy * dy <= radius * radius) {
                begin = std::min(begin, column);
                end = column + 1;
            }
        }
        m_rows.emplace_back(begin, std::max(begin, end));
    }
}

Rasteriser::Rasteriser(std::uint32_t *bits, int width, int height, std::ptrdiff_t stridePixels)
    : m_bits(bits), m_width(width), m_height(height), m_stride(stridePixels)
{
}

void Rasteriser::dot(double x, double y, const DotShape &shape, std::uint32_t pixel, const PixelMask &mask)
{
    const int diameter = shape.diameter();
    const double offset = 0.5 - diameter / 2.0;
    const Rect writable = mask.area.intersected(Rect(0, 0, m_width, m_height));
    if (!(x + offset > writable.left() - diameter - 1.0 && y + offset > writable.top() - diameter - 1.0
          && x + offset < writable.right() + 1.0 && y + offset < writable.bottom() + 1.0))
        return;
    const int boxLeft = floorToInt(x + offset);
    const int boxTop = floorToInt(y + offset);
    const std::pair<int, int> *rows = shape.rows().data();
    const int firstRow = std::max(0, writable.top() - boxTop);
    const int lastRow = std::min(diameter, writable.bottom() + 1 - boxTop);
    for (int row = firstRow; row < lastRow; ++row) {
        const int y = boxTop + row;
        const int begin = std::max(boxLeft + rows[row].first, writable.left());
        const int end = std::min(boxLeft + rows[row].second, writable.right() + 1);
        std::uint32_t *line = m_bits + static_cast<std::ptrdiff_t>(y) * m_stride;
        const std::uint8_t *allowed = mask.bits + static_cast<std::ptrdiff_t>(y - mask.area.top()) * mask.area.width()
                                      - mask.area.left();
        for (int column = begin; column < end; ++column) {
            if (allowed[column]) {
                line[column] = pixel;
                touch(column, y, column, y);
            }
        }
    }
}

Rect Rasteriser::takeTouched()
{
    if (m_touchedRight < m_touchedLeft || m_touchedBottom < m_touchedTop)
        return {};
    const Rect touched = Rect::fromCorners({m_touchedLeft, m_touchedTop}, {m_touchedRight, m_touchedBottom});
    m_touchedLeft = 0;
    m_touchedTop = 0;
    m_touchedRight = -1;
    m_touchedBottom = -1;
    return touched;
}

void Rasteriser::line(double x1, double y1, double x2, double y2, const DotShape &pen, std::uint32_t pixel)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double length = std::max(std::fabs(dx), std::fabs(dy));
    // A line reaching far off the surface is clipped to a sensible number of steps.
    const int steps = std::clamp(static_cast<int>(std::ceil(length)), 1, 1 << 16);
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        dot(x1 + dx * t, y1 + dy * t, pen, pixel);
    }
}

} // namespace forms

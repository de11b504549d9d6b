// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rect.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace forms {

// The pixels of a round dot: for each row of its bounding box, the [begin, end)
// columns it covers. A pixel belongs to the dot when its centre lies within half the
// diameter of the dot's centre, which sits on a pixel corner for even diameters and
// on a pixel centre for odd ones, so every dot of one diameter has the same shape and
// is exactly that many pixels across.
class DotShape
{
public:
    explicit DotShape(int diameter = 1);
    int diameter() const { return m_diameter; }
    const std::vector<std::pair<int, int>> &rows() const { return m_rows; }

private:
    int m_diameter;
    std::vector<std::pair<int, int>> m_rows;
};

// Rounds down to a whole number; plain casts truncate towards zero instead.
inline int floorToInt(double value)
{
    const int truncated = static_cast<int>(value);
    return truncated - (value < truncated ? 1 : 0);
}

// The pixels a dot may write: one byte for each pixel of an area of the buffer, set
// where it may.
struct PixelMask
{
    const std::uint8_t *bits = nullptr;
    Rect area;
};

// Fills dots and wide lines into a 32-bit pixel buffer, exactly, without blending,
// and keeps the bounding box of every pixel it has written since it was last asked.
// Coordinates are continuous device pixels; the pixel (i, j) spans i..i+1, j..j+1.
class Rasteriser
{
public:
    Rasteriser() = default;
    Rasteriser(std::uint32_t *bits, int width, int height, std::ptrdiff_t stridePixels);

    // The top left corner of the box a dot of the diameter centred at (x, y) fills.
    static Point dotBox(double x, double y, int diameter)
    {
        const double offset = 0.5 - diameter / 2.0;
        return {floorToInt(x + offset), floorToInt(y + offset)};
    }

    void dot(double x, double y, const DotShape &shape, std::uint32_t pixel);
    // The same dot, written only where the mask allows.
    void dot(double x, double y, const DotShape &shape, std::uint32_t pixel, const PixelMask &mask);
    // A line of the pen's width: dots stamped along it at steps of at most a pixel.
    void line(double x1, double y1, double x2, double y2, const DotShape &pen, std::uint32_t pixel);

    // The pixels written since the last call, and forgets them.
    Rect takeTouched();

private:
    void touch(int left, int top, int right, int bottom);

    std::uint32_t *m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    std::ptrdiff_t m_stride = 0;
    int m_touchedLeft = 0;
    int m_touchedTop = 0;
    int m_touchedRight = -1;
    int m_touchedBottom = -1;
};

inline void Rasteriser::dot(double x, double y, const DotShape &shape, std::uint32_t pixel)
{
    const int diameter = shape.diameter();
    const double offset = 0.5 - diameter / 2.0;
    const double left = x + offset;
    const double top = y + offset;
    // Far outside (or not a number): nothing to fill, and no integer overflow.
    if (!(left > -diameter - 1.0 && top > -diameter - 1.0 && left < m_width && top < m_height))
        return;
    const int boxLeft = floorToInt(left);
    const int boxTop = floorToInt(top);

    const std::pair<int, int> *rows = shape.rows().data();
    const int firstRow = std::max(0, -boxTop);
    const int lastRow = std::min(diameter, m_height - boxTop);
    std::uint32_t *line = m_bits + static_cast<std::ptrdiff_t>(boxTop + firstRow) * m_stride;
    for (int row = firstRow; row < lastRow; ++row, line += m_stride) {
        const int begin = std::max(boxLeft + rows[row].first, 0);
        const int end = std::min(boxLeft + rows[row].second, m_width);
        for (int column = begin; column < end; ++column)
            line[column] = pixel;
    }
    if (firstRow < lastRow)
        touch(std::max(boxLeft, 0), boxTop + firstRow, std::min(boxLeft + diameter, m_width) - 1, boxTop + lastRow - 1);
}

inline void Rasteriser::touch(int left, int top, int right, int bottom)
{
    if (m_touchedRight < m_touchedLeft) {
        m_touchedLeft = m_width;
        m_touchedTop = m_height;
        m_touchedRight = -1;
        m_touchedBottom = -1;
    }
    m_touchedLeft = std::min(m_touchedLeft, left);
    m_touchedRight = std::max(m_touchedRight, right);
    m_touchedTop = std::min(m_touchedTop, top);
    m_touchedBottom = std::max(m_touchedBottom, bottom);
}

} // namespace forms

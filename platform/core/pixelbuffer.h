// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colour.h"
#include "rect.h"

#include <cstddef>
#include <vector>

namespace forms {

// A picture's pixels, row after row from the top, each an opaque 0xFFRRGGBB word with
// no gap between rows. Its own copy, never shared, so the rasteriser may write into it
// and a front end may show it as it is.
class PixelBuffer
{
public:
    PixelBuffer() = default;
    PixelBuffer(Size size, Pixel fill);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Size size() const { return {m_width, m_height}; }
    Rect rect() const { return {0, 0, m_width, m_height}; }
    bool isNull() const { return m_pixels.empty(); }

    Pixel pixel(int x, int y) const { return m_pixels[index(x, y)]; }
    Pixel pixel(Point at) const { return pixel(at.x(), at.y()); }
    void setPixel(int x, int y, Pixel pixel) { m_pixels[index(x, y)] = pixel; }
    Pixel *line(int y) { return m_pixels.data() + index(0, y); }
    const Pixel *line(int y) const { return m_pixels.data() + index(0, y); }
    Pixel *bits() { return m_pixels.data(); }
    const Pixel *bits() const { return m_pixels.data(); }

    void fill(Pixel pixel);
    // The part of the rectangle within the picture.
    void fill(const Rect &area, Pixel pixel);
    // A copy of the rectangle; pixels outside the picture are black.
    PixelBuffer copy(const Rect &area) const;
    PixelBuffer copy() const { return *this; }
    // The pixels of source's rectangle put with their first at `at`, as far as both reach.
    void draw(Point at, const PixelBuffer &source, const Rect &sourceArea);

    friend bool operator==(const PixelBuffer &, const PixelBuffer &) = default;

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
    }

    std::vector<Pixel> m_pixels;
    int m_width = 0;
    int m_height = 0;
};

} // namespace forms

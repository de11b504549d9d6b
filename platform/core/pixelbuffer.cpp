// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pixelbuffer.h"

#include <algorithm>

namespace forms {

PixelBuffer::PixelBuffer(Size size, Pixel fill)
    : m_pixels(static_cast<std::size_t>(std::max(size.width(), 0)) * static_cast<std::size_t>(std::max(size.height(), 0)),
               fill),
      m_width(std::max(size.width(), 0)), m_height(std::max(size.height(), 0))
{
}

void PixelBuffer::fill(Pixel pixel)
{
    std::fill(m_pixels.begin(), m_pixels.end(), pixel);
}

void PixelBuffer::fill(const Rect &area, Pixel pixel)
{
    const Rect within = area & rect();
    for (int y = within.top(); y <= within.bottom(); ++y)
        std::fill(line(y) + within.left(), line(y) + within.right() + 1, pixel);
}

PixelBuffer PixelBuffer::copy(const Rect &area) const
{
    PixelBuffer part(area.size(), ToPixel(0));
    part.draw({0, 0}, *this, area);
    return part;
}

void PixelBuffer::draw(Point at, const PixelBuffer &source, const Rect &sourceArea)
{
    // The source rectangle, cut to both pictures.
    const Rect from = sourceArea & source.rect();
    const Rect to = Rect(at + (from.topLeft() - sourceArea.topLeft()), from.size()) & rect();
    if (to.isEmpty())
        return;
    const Point shift = from.topLeft() - (at + (from.topLeft() - sourceArea.topLeft()));
    for (int y = to.top(); y <= to.bottom(); ++y) {
        const Pixel *row = source.line(y + shift.y()) + to.left() + shift.x();
        std::copy(row, row + to.width(), line(y) + to.left());
    }
}

} // namespace forms

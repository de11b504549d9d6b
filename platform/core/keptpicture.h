// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pixelbuffer.h"
#include "rasteriser.h"

namespace forms {

// The picture a surface keeps, in device pixels: whatever is drawn stays until it is
// painted over, cleared or the picture resized. Dots and lines are filled in with a
// round pen, and where a figure's dots would leave holes, a wider pen fills only those.
// It remembers where it has been drawn on since it was last asked. It knows nothing
// of user units, controls or screens.
class KeptPicture
{
public:
    const PixelBuffer &pixels() const { return m_pixels; }
    Size size() const { return m_pixels.size(); }

    // A new size, keeping what is drawn where it is; new parts in the background.
    void resize(Size device, Pixel background);

    const DotShape &pen() const { return m_pen; }
    void setPen(int diameter);
    // Until the next clearFill, each dot also fills the mask's holes round it with the
    // wider pen; the mask's bytes must outlive that.
    void setFill(int diameter, const PixelMask &mask);
    void clearFill() { m_filling = false; }

    void dot(double x, double y, Pixel pixel)
    {
        if (m_filling) [[unlikely]]
            m_raster.dot(x, y, m_fillPen, pixel, m_fillMask);
        m_raster.dot(x, y, m_pen, pixel);
    }
    void line(double x1, double y1, double x2, double y2, Pixel pixel) { m_raster.line(x1, y1, x2, y2, m_pen, pixel); }

    // These leave it to the caller to say where it drew (markDrawn).
    void fill(Pixel pixel);
    void fillArea(const Rect &device, Pixel pixel);
    PixelBuffer &canvas() { return m_pixels; }
    void markDrawn(const Rect &device);

    // Where it was drawn on since the last call, in device pixels; forgets it.
    Rect takeDrawn();

private:
    PixelBuffer m_pixels;
    Rasteriser m_raster;
    DotShape m_pen;
    DotShape m_fillPen;
    PixelMask m_fillMask;
    bool m_filling = false;
    Rect m_drawn;
};

} // namespace forms

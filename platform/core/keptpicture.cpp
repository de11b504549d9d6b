// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keptpicture.h"

namespace forms {

void KeptPicture::resize(Size device, Pixel background)
{
    PixelBuffer resized(device.expandedTo({1, 1}), background);
    resized.draw({0, 0}, m_pixels, m_pixels.rect());
    m_pixels = std::move(resized);
    // The pixels stay where they are until the next resize.
    m_raster = Rasteriser(m_pixels.bits(), m_pixels.width(), m_pixels.height(), m_pixels.width());
}

void KeptPicture::setPen(int diameter)
{
    if (diameter != m_pen.diameter())
        m_pen = DotShape(diameter);
}

void KeptPicture::setFill(int diameter, const PixelMask &mask)
{
    m_fillPen = DotShape(diameter);
    m_fillMask = mask;
    m_filling = true;
}

void KeptPicture::fill(Pixel pixel)
{
    m_pixels.fill(pixel);
}

void KeptPicture::fillArea(const Rect &device, Pixel pixel)
{
    m_pixels.fill(device & m_pixels.rect(), pixel);
}

void KeptPicture::markDrawn(const Rect &device)
{
    m_drawn |= device;
}

Rect KeptPicture::takeDrawn()
{
    const Rect drawn = m_drawn | m_raster.takeTouched();
    m_drawn = Rect();
    return drawn;
}

} // namespace forms

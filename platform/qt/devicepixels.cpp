// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "devicepixels.h"

#include "devicearea.h"
#include "qtconvert.h"

#include <algorithm>
#include <cmath>

namespace forms::qt {

int devicePixelAt(double logical, double ratio)
{
    const double inverse = 1 / ratio;
    const auto corner = [ratio, inverse](double device) { return std::min(device / ratio, device * inverse); };
    // The product is off by a rounding at most, so one step either way finds the pixel.
    int pixel = static_cast<int>(std::floor(logical * ratio));
    if (corner(pixel) > logical)
        --pixel;
    else if (corner(pixel + 1.0) <= logical)
        ++pixel;
    return pixel;
}

QPoint devicePixelAt(QPointF logical, double ratio)
{
    return {devicePixelAt(logical.x(), ratio), devicePixelAt(logical.y(), ratio)};
}

QRect deviceArea(const QRect &logical, double ratio)
{
    return toQt(DeviceArea(fromQt(logical), ratio));
}

} // namespace forms::qt

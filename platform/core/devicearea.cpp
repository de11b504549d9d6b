// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "devicearea.h"

#include <cmath>

namespace forms {

int RoundToPixel(double value)
{
    return static_cast<int>(value + std::copysign(0.5, value));
}

Rect DeviceArea(const Rect &logical, double ratio)
{
    // The corners are mapped, not the origin and the size.
    const Point topLeft(RoundToPixel(logical.left() * ratio), RoundToPixel(logical.top() * ratio));
    const Point farCorner(RoundToPixel((logical.left() + logical.width()) * ratio),
                          RoundToPixel((logical.top() + logical.height()) * ratio));
    return Rect::fromCorners(topLeft, farCorner - Point(1, 1));
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowpicture.h"

#include "devicearea.h"
#include "drawingsurface.h"
#include "frontend.h"
#include "placedcontrol.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

// The device pixels of the window's screen a surface's picture covers.
Rect coveredBy(const DrawingSurface &shown, double ratio)
{
    return DeviceArea(Rect(shown.originInRoot(), shown.logicalSize()), ratio);
}

void compose(DrawingSurface &shown, const Rect &area, PixelBuffer &screen)
{
    const double ratio = shown.mapping().devicePixelRatio();
    const Point first = FrontEnd::current().devicePixelAt(PointF(shown.originInRoot()), ratio);
    const Rect covered = coveredBy(shown, ratio) & area & screen.rect();
    const PixelBuffer &picture = shown.image();
    if (covered.isEmpty() || picture.isNull())
        return;
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
        const Pixel *source = picture.line(std::min(y - first.y(), picture.height() - 1));
        Pixel *target = screen.line(y);
        for (int x = covered.left(); x <= covered.right(); ++x)
            target[x] = source[std::min(x - first.x(), picture.width() - 1)];
    }
}

} // namespace

Rect ShownArea(const DrawingSurface &shown, const Rect &logical)
{
    const double ratio = shown.mapping().devicePixelRatio();
    const Point origin = shown.originInRoot();
    const Point first = FrontEnd::current().devicePixelAt(PointF(origin), ratio);
    const Rect covered = coveredBy(shown, ratio);
    const Size picture = shown.image().size();
    // The picture's pixels the area touches, its edges taken outwards.
    const int left = static_cast<int>(std::floor(logical.left() * ratio));
    const int top = static_cast<int>(std::floor(logical.top() * ratio));
    int right = static_cast<int>(std::ceil((logical.right() + 1) * ratio)) - 1;
    int bottom = static_cast<int>(std::ceil((logical.bottom() + 1) * ratio)) - 1;
    if (right >= picture.width() - 1)
        right = std::max(right, covered.right() - first.x());
    if (bottom >= picture.height() - 1)
        bottom = std::max(bottom, covered.bottom() - first.y());
    return Rect::fromCorners(Point(left, top) + first, Point(right, bottom) + first) & covered;
}

void ComposeWindow(DrawingSurface &window, const Rect &area, PixelBuffer &screen)
{
    // Bottom to top: the window's own picture, then each picture box's over it. What
    // lies under the topmost picture that covers the whole area is not composed.
    const Rect shown = area & screen.rect();
    const auto coversAll = [&shown](const DrawingSurface &layer) {
        return !layer.image().isNull() && coveredBy(layer, layer.mapping().devicePixelRatio()).contains(shown);
    };
    const DrawingSurface *bottom = &window;
    for (PlacedControl *control : window.controls())
        if (const DrawingSurface *picture = control->placedSurface(); picture && coversAll(*picture))
            bottom = picture;
    bool composing = bottom == &window;
    if (composing)
        compose(window, area, screen);
    for (PlacedControl *control : window.controls())
        if (DrawingSurface *picture = control->placedSurface()) {
            composing = composing || picture == bottom;
            if (composing)
                compose(*picture, area, screen);
        }
}

} // namespace forms

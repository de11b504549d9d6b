// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowpicture.h"

#include "devicearea.h"
#include "drawingsurface.h"
#include "frontend.h"
#include "placedcontrol.h"

#include <algorithm>

namespace forms {

namespace {

void compose(DrawingSurface &shown, const Rect &area, PixelBuffer &screen)
{
    const double ratio = shown.mapping().devicePixelRatio();
    const Point origin = shown.originInRoot();
    const Point first = FrontEnd::current().devicePixelAt(PointF(origin), ratio);
    const Rect covered = DeviceArea(Rect(origin, shown.logicalSize()), ratio) & area & screen.rect();
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

void ComposeWindow(DrawingSurface &window, const Rect &area, PixelBuffer &screen)
{
    compose(window, area, screen);
    for (PlacedControl *control : window.controls())
        if (DrawingSurface *picture = control->placedSurface())
            compose(*picture, area, screen);
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowplacement.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace forms {

namespace {

// Room left between the moved window and the control it clears.
constexpr int Clearance = 8;

Rect keptWithin(Rect window, const Rect &available)
{
    window.moveLeft(std::max(available.left(), std::min(window.left(), available.right() + 1 - window.width())));
    window.moveTop(std::max(available.top(), std::min(window.top(), available.bottom() + 1 - window.height())));
    return window;
}

} // namespace

Rect PlaceOver(Size window, const Rect &over, const Rect &keepClear, const Rect &available)
{
    Rect centred(Point(), window);
    centred.moveCenter(over.center());
    centred = keptWithin(centred, available);
    if (keepClear.isEmpty() || !centred.intersects(keepClear))
        return centred;

    const Rect clear = keepClear.adjusted(-Clearance, -Clearance, Clearance, Clearance);
    const std::array<Rect, 4> candidates = {
        keptWithin(centred.translated(0, clear.top() - centred.bottom() - 1), available),
        keptWithin(centred.translated(0, clear.bottom() + 1 - centred.top()), available),
        keptWithin(centred.translated(clear.left() - centred.right() - 1, 0), available),
        keptWithin(centred.translated(clear.right() + 1 - centred.left(), 0), available),
    };
    Rect best = centred;
    int shortest = std::numeric_limits<int>::max();
    for (const Rect &candidate : candidates) {
        if (candidate.intersects(keepClear))
            continue;
        const Point shift = candidate.topLeft() - centred.topLeft();
        const int distance = std::abs(shift.x()) + std::abs(shift.y());
        if (distance < shortest) {
            shortest = distance;
            best = candidate;
        }
    }
    return best;
}

} // namespace forms

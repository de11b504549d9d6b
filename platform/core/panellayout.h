// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rect.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace forms {

// Where panels designed for one area go in an area of another size. Plain geometry:
// whether a panel's text is still readable at a size is asked of the caller.
//
// In an area at least as large as the design every panel keeps its designed place.
// In a smaller one the panels shrink in proportion, but never to a height at which a
// text would no longer be readable: they then stand taller than the area, and the
// caller scrolls them.
struct PanelPlaces
{
    std::vector<Rect> rects;
    // The height the panels take up, more than the area's when they must scroll.
    int height = 0;
};

using PanelReadable = std::function<bool(std::size_t panel, Size size)>;

PanelPlaces ArrangePanels(const std::vector<Rect> &designed, Size designedArea, Size area,
                          const PanelReadable &readable);

} // namespace forms

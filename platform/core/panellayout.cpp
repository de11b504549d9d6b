// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panellayout.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

// However narrow the area, panels grow no taller than this many times their design.
constexpr int MaximumStretch = 4;

int scaled(int length, double factor)
{
    return static_cast<int>(std::lround(length * factor));
}

// Edges are scaled, not sizes, so that neighbours neither overlap nor gap.
std::vector<Rect> scaledRects(const std::vector<Rect> &designed, double factorX, double factorY)
{
    std::vector<Rect> rects;
    rects.reserve(designed.size());
    for (const Rect &rect : designed) {
        const int left = scaled(rect.left(), factorX);
        const int top = scaled(rect.top(), factorY);
        rects.emplace_back(Point(left, top), Size(scaled(rect.left() + rect.width(), factorX) - left,
                                                   scaled(rect.top() + rect.height(), factorY) - top));
    }
    return rects;
}

} // namespace

PanelPlaces ArrangePanels(const std::vector<Rect> &designed, Size designedArea, Size area,
                          const PanelReadable &readable)
{
    if (area.width() >= designedArea.width() && area.height() >= designedArea.height())
        return {designed, area.height()};

    const double factorX = std::min(1.0, static_cast<double>(area.width()) / designedArea.width());
    const auto placesAt = [&](int height) {
        return scaledRects(designed, factorX, static_cast<double>(height) / designedArea.height());
    };
    const auto allReadable = [&](int height) {
        const std::vector<Rect> rects = placesAt(height);
        for (std::size_t i = 0; i < rects.size(); ++i)
            if (!readable(i, rects[i].size()))
                return false;
        return true;
    };

    // The lowest height at which every text is readable, searched by halving.
    int low = std::min(area.height(), designedArea.height());
    int high = MaximumStretch * designedArea.height();
    if (allReadable(low)) {
        high = low;
    } else {
        while (high - low > 1) {
            const int middle = low + (high - low) / 2;
            (allReadable(middle) ? high : low) = middle;
        }
    }
    return {placesAt(high), std::max(high, area.height())};
}

} // namespace forms

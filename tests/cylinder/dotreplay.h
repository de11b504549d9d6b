// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colourrules.h"
#include "form.h"
#include "pixelbuffer.h"

#include <string>
#include <vector>

// One dot of a figure as the window should receive it.
struct Dot
{
    float x = 0;
    float y = 0;
    forms::Colour colour = 0;
};

// Where a ring's point lies: a third of a turn back from its hue angle.
forms::PointF ringPoint(float radius, int pointIndex);

// The dots of the figures in drawing order, from the rim down to the last ring not
// below `downTo`.
std::vector<Dot> hueCircleDots();
std::vector<Dot> saturationDiscDots(float downTo = colourrules::InnermostRadius);
std::vector<Dot> cylinderSliceDots(float brightness, float downTo = colourrules::InnermostRadius);
// The number of a figure's dot in drawing order.
int dotIndex(colourrules::Figure figure, float radius, int pointIndex);

// The dots a test expects, replayed in order on a hidden surface of the window's size
// and units, each in a colour that is its own number: every pixel then tells which dot
// the window must show there, independent of how the platform shapes a dot.
class DotReplay
{
public:
    explicit DotReplay(const forms::DrawingSurface &window);

    // The dots of a whole figure are `solid` as the figure's own are: holes between
    // them within the rim filled.
    void add(const std::vector<Dot> &dots, int drawWidth, bool solid = false);
    int size() const { return static_cast<int>(m_colours.size()); }

    // `before` with every pixel a dot covers in the colour of the dot on top.
    forms::PixelBuffer paintedOver(const forms::PixelBuffer &before) const;
    // The device pixels where dot `index` is on top; empty where later dots hide it.
    std::vector<forms::Point> pixelsOf(int index) const;

private:
    forms::Form m_owners;
    std::vector<forms::Colour> m_colours;
};

// The colour the window gives back with Point at the centre of a device pixel.
forms::Colour pointAt(const forms::DrawingSurface &surface, forms::Point pixel);

// A uniform picture of the window's size, as a cleared window shows it.
forms::PixelBuffer clearedImage(const forms::DrawingSurface &window, forms::Colour colour);

// Empty when both pictures are equal, else how many pixels differ and the first.
std::string imageDifference(const forms::PixelBuffer &actual, const forms::PixelBuffer &expected);

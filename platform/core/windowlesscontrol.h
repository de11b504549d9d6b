// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pixelbuffer.h"

#include <string>

namespace forms {

// A control without a window of its own, as its drawing surface sees it: painted into
// the surface's picture, and taking the pointer over its area while it is visible.
class WindowlessControl
{
public:
    virtual bool Visible() const = 0;
    // The area it paints and takes the pointer over, in the surface's logical pixels.
    virtual Rect hitRect() const = 0;
    // Paints the whole of its area into a picture of the ratio whose first pixel is
    // the surface's device pixel `origin`.
    virtual void paint(PixelBuffer &picture, Point origin, double ratio) const = 0;
    // What assistive tools are told it says.
    virtual std::string Caption() const = 0;

protected:
    ~WindowlessControl() = default;
};

} // namespace forms

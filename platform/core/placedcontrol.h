// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rect.h"

namespace forms {

class DrawingSurface;

// What a drawing surface knows of a control placed on it: that it keeps its place in
// the surface's units, that the surface deletes it when it goes, and, for the pointer
// and the keyboard, where it lies, whether it takes the pointer there and in which
// order Tab reaches it.
class PlacedControl
{
public:
    virtual ~PlacedControl() = default;
    // The surface was resized while keeping its units: the control keeps its place
    // in those units.
    virtual void scaleBy(double factorX, double factorY) = 0;
    // Its place in the surface's logical pixels.
    virtual Rect pixelRect() const = 0;
    // A control with a window of its own that the pointer cannot pass through.
    virtual bool takesPointer() const = 0;
    // The control as a surface of its own, if it is one.
    virtual DrawingSurface *placedSurface() { return nullptr; }
    // Reached by Tab: a control with a window of its own.
    virtual bool hasWindow() const = 0;
    virtual int TabIndex() const = 0;
};

} // namespace forms

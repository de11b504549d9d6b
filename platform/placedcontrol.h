// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace forms {

// What a drawing surface knows of a control placed on it: that it keeps its place
// in the surface's units, and that the surface deletes it when it goes.
class PlacedControl
{
public:
    virtual ~PlacedControl() = default;
    // The surface was resized while keeping its units: the control keeps its place
    // in those units.
    virtual void scaleBy(double factorX, double factorY) = 0;
};

} // namespace forms

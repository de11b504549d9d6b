// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawingsurface.h"

namespace forms {

// What the pointer does in a window, given as the window's device pixels: a move goes
// to the surface whose own pixel lies under the pointer, unless a control or a
// windowless label takes it there; while a button is held the surface that took the
// press keeps the pointer; a release of the left button over the surface that took
// its press clicks it. A press made without a move before it, as a touch makes it,
// moves there first. The surface that received the event from the window system is
// named, since the pointer's place may lie a rounding away from it.
class PointerRules
{
public:
    enum Button { Left = 1, Right = 2, Middle = 4 };

    explicit PointerRules(DrawingSurface &window) : m_window(window) {}

    void moved(DrawingSurface &receiver, Point device, int buttons, int shift);
    void pressed(DrawingSurface &receiver, Point device, int button, int buttons, int shift);
    void released(DrawingSurface &receiver, Point device, int button);

private:
    DrawingSurface::PointerTarget targetAt(Point device);

    DrawingSurface &m_window;
    // Where the left button went down, as long as it is held.
    DrawingSurface *m_pressedOn = nullptr;
};

} // namespace forms

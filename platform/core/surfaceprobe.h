// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keypress.h"
#include "probewalk.h"
#include "rect.h"

#include <vector>

namespace forms {

class Element;

// The probe's marker on screen: a ring round the pixel it stands on, and how far its
// paint reaches from that pixel's middle, in logical pixels.
constexpr int ProbeMarkerRadius = 7;
constexpr int ProbeMarkerReach = ProbeMarkerRadius + 3;

// A part of a surface that holds the keyboard focus for the surface's probe and hands
// it its keys, where the surface does not hold it itself.
class ProbeHolder
{
public:
    virtual Element &holderElement() = 0;
    // Where it lies on the surface, in logical pixels.
    virtual Rect holderArea() const = 0;
    // It takes the focus by Tab from now on.
    virtual void openHolder() = 0;

protected:
    ~ProbeHolder() = default;
};

// The keyboard probe of a surface: where it stands on its lattices, whether the keys
// may move it yet, and what a key does to it. The arrow keys step once, with Shift ten
// times, Page Up and Page Down ten steps up and down, Home and End to the ends of the
// row; Return, Enter and Space press where it stands, once however long they are held.
// It reports what a key did and leaves acting on it to its surface.
class SurfaceProbe
{
public:
    enum class Action { NotMine, Stayed, Moved, Press };

    // New lattices, the probe amid the first.
    void set(std::vector<ProbeGrid> grids);
    void setDots(std::size_t grid, PaintedDots dots) { m_walk.setDots(grid, dots); }
    bool isEmpty() const { return m_walk.isEmpty(); }
    bool isOpen() const { return m_open; }
    // Opened once the surface shows something to explore; false if it already was.
    bool open();

    const ProbeWalk &walk() const { return m_walk; }

    Action key(const KeyPress &press);

private:
    ProbeWalk m_walk;
    bool m_open = false;
};

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"
#include "element.h"
#include "surfaceprobe.h"

#include <memory>

namespace forms {

class DrawingSurface;
class ProbeAreaPeer;

// A part of a drawing surface the keyboard can explore, placed like any control in its
// container's units: it takes the focus by Tab once its container's probe is opened,
// hands its keys to that probe and lets the pointer through. It paints nothing; the
// container's front end paints the focus mark and the probe's marker over it.
class ProbeArea final : public Control, public Element, public ProbeHolder
{
public:
    explicit ProbeArea(DrawingSurface *container);
    ~ProbeArea() override;

    bool Visible() const { return m_visible; }

    // A key while it has the focus; false if the probe does not take it.
    bool key(const KeyPress &press);
    // It gained or lost the focus.
    void focusChanged();

    bool takesPointer() const override { return false; }
    bool hasWindow() const override { return true; }

    Element &holderElement() override { return *this; }
    Rect holderArea() const override { return pixelRect(); }
    void openHolder() override;

    ControlPeer *controlPeer() const override;

protected:
    void geometryChanged(const Rect &oldPixels) override;

private:
    std::unique_ptr<ProbeAreaPeer> m_peer;
    // Shown once there is something to explore.
    bool m_visible = false;
};

} // namespace forms

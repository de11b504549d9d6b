// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"
#include "drawingsurface.h"

namespace forms {

class PicturePeer;

// A drawing surface placed on a form as a control.
class PictureBox final : public DrawingSurface, public Control
{
public:
    explicit PictureBox(DrawingSurface *container);
    ~PictureBox() override;

    DrawingSurface &root() override { return container()->root(); }
    ::forms::Point originInRoot() const override;
    bool isShown() const override { return container()->isShown(); }

    bool takesPointer() const override { return true; }
    DrawingSurface *placedSurface() override { return this; }
    bool hasWindow() const override { return true; }

    ControlPeer *controlPeer() const override;

protected:
    void geometryChanged(const Rect &oldPixels) override;
    const DrawingSurface *parentSurface() const override { return container(); }

private:
    PicturePeer *m_peer;
};

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"
#include "drawingsurface.h"

namespace forms {

// A drawing surface placed on a form as a control.
class PictureBox final : public DrawingSurface, public Control
{
    Q_OBJECT

public:
    explicit PictureBox(DrawingSurface *container);

protected:
    void geometryChanged(const QRect &oldPixels) override;
};

} // namespace forms

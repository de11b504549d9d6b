// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pointerrules.h"

#include "frontend.h"

#include <algorithm>

namespace forms {

DrawingSurface::PointerTarget PointerRules::targetAt(Point device)
{
    const DrawingSurface::PaintedAt at = m_window.paintedAt(device);
    if (!at.surface)
        return {};
    // The picture is the logical size rounded to device pixels, so the far edge of the
    // area shown may lie past its last row or column; that row and column go on there.
    const double dpr = m_window.mapping().devicePixelRatio();
    const Point shown = device - FrontEnd::current().devicePixelAt(PointF(at.origin), dpr);
    const Size picture = at.surface->image().size();
    return at.surface->targetAt({std::min(shown.x(), picture.width() - 1), std::min(shown.y(), picture.height() - 1)});
}

void PointerRules::moved(DrawingSurface &receiver, Point device, int buttons, int shift)
{
    const DrawingSurface::PointerTarget target = targetAt(device);
    const DrawingSurface *holder = m_pressedOn ? m_pressedOn : &receiver;
    if (!target.surface || (buttons != 0 && target.surface != holder))
        return;
    target.surface->deliverMove(target, buttons, shift);
}

void PointerRules::pressed(DrawingSurface &, Point device, int button, int buttons, int shift)
{
    const DrawingSurface::PointerTarget target = targetAt(device);
    m_pressedOn = button == Left ? target.surface : nullptr;
    if (target.surface && !target.surface->lastMoveAt(target.pixel))
        target.surface->deliverMove(target, buttons & ~button, shift);
}

void PointerRules::released(DrawingSurface &, Point device, int button)
{
    const DrawingSurface::PointerTarget target = targetAt(device);
    DrawingSurface *pressed = m_pressedOn;
    m_pressedOn = nullptr;
    if (!pressed || button != Left || target.surface != pressed)
        return;
    pressed->deliverClick();
}

} // namespace forms

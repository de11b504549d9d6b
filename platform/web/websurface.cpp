// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "websurface.h"

#include "drawingsurface.h"
#include "webpage.h"

namespace forms::web {

WebSurface::WebSurface(DrawingSurface &surface, WebCanvas *canvas) : m_canvas(canvas), m_surface(surface)
{
}

double WebSurface::devicePixelRatio() const
{
    return forms_device_ratio();
}

void WebSurface::present(const Rect &area, Timing)
{
    // The page paints when the module yields: what is composited now shows then.
    m_canvas->composite(m_surface, area);
}

void WebSurface::marksMoved(const Rect &, const Rect &after)
{
    const bool shown = !after.isEmpty() && m_surface.probeMarked();
    const Point origin = m_surface.originInRoot();
    const Rect holder = m_surface.probeHolderArea().translated(origin);
    const double ratio = devicePixelRatio();
    const Point pixel = m_surface.probePixel();
    forms_marks(id(), m_canvas->canvasId(), holder.x(), holder.y(), holder.width(), holder.height(),
                origin.x() + (pixel.x() + 0.5) / ratio, origin.y() + (pixel.y() + 0.5) / ratio, shown);
}

void WebSurface::takeTabFocus()
{
    forms_control_focusable(id());
}

bool WebSurface::key(const KeyPress &press)
{
    return m_surface.holdsOwnProbe() && m_surface.probeKey(press);
}

void WebSurface::focusChanged()
{
    if (m_surface.hasProbe())
        m_surface.probeFocusChanged();
}

} // namespace forms::web

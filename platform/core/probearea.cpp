// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "probearea.h"

#include "drawingsurface.h"
#include "frontend.h"

namespace forms {

ProbeArea::ProbeArea(DrawingSurface *container) : Control(container), m_peer(FrontEnd::current().createProbeArea(*this))
{
    setElementPeer(m_peer.get());
    m_peer->setVisible(false);
}

ProbeArea::~ProbeArea()
{
    setElementPeer(nullptr);
}

bool ProbeArea::key(const KeyPress &press)
{
    return container()->probeKey(press);
}

void ProbeArea::focusChanged()
{
    container()->probeFocusChanged();
}

void ProbeArea::openHolder()
{
    m_visible = true;
    m_peer->setVisible(true);
}

void ProbeArea::geometryChanged(const Rect &)
{
    m_peer->setGeometry(pixelRect());
    container()->probeFocusChanged();
}

ControlPeer *ProbeArea::controlPeer() const
{
    return m_peer.get();
}

} // namespace forms

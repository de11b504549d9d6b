// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webprobearea.h"

#include "probearea.h"
#include "webpage.h"

namespace forms::web {

WebProbeArea::WebProbeArea(ProbeArea &area, int window)
    : WebControl(ControlKind::ProbeArea, window), m_area(area)
{
}

void WebProbeArea::setVisible(bool visible)
{
    WebControl::setVisible(visible);
    if (visible)
        forms_control_focusable(id());
}

bool WebProbeArea::key(const KeyPress &press)
{
    return m_area.key(press);
}

void WebProbeArea::focusChanged()
{
    m_area.focusChanged();
}

} // namespace forms::web

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webprobearea.h"

#include "probearea.h"
#include "webpage.h"

namespace forms::web {

namespace {
constexpr int ProbeAreaKind = 4;
}

WebProbeArea::WebProbeArea(ProbeArea &area, int window) : m_area(area), m_window(window)
{
    forms_control_create(id(), window, ProbeAreaKind, "");
}

void WebProbeArea::setAccessibleName(const std::string &name)
{
    m_name = name;
    forms_control_accessible(id(), m_name.c_str(), m_description.c_str());
}

void WebProbeArea::setAccessibleDescription(const std::string &description)
{
    m_description = description;
    forms_control_accessible(id(), m_name.c_str(), m_description.c_str());
}

bool WebProbeArea::hasFocus() const
{
    return forms_has_focus(id()) != 0;
}

void WebProbeArea::setName(const std::string &name)
{
    forms_control_create(id(), m_window, ProbeAreaKind, name.c_str());
}

void WebProbeArea::setGeometry(const Rect &place)
{
    forms_control_place(id(), place.x(), place.y(), place.width(), place.height());
}

void WebProbeArea::setVisible(bool visible)
{
    forms_control_visible(id(), visible ? 1 : 0);
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

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panelflow.h"

#include "form.h"
#include "label.h"
#include "textfit.h"

namespace forms {

PanelFlow::PanelFlow(Form &form, std::vector<Label *> panels)
    : m_form(form), m_panels(std::move(panels)), m_designedArea(form.logicalSize())
{
    for (const Label *panel : m_panels)
        m_designed.push_back(panel->pixelRect());
    form.Resized.connect(this, [this] { arrange(); });
    form.Scrolled.connect(this, [this] { arrange(); });
}

int PanelFlow::scrollOffset() const
{
    return m_scrolls ? m_form.windowPeer().scrollPosition() : 0;
}

PanelPlaces PanelFlow::placesFor(Size area) const
{
    return ArrangePanels(m_designed, m_designedArea, area, [this](std::size_t panel, Size size) {
        return TextReadable(m_panels[panel]->font(), m_panels[panel]->Caption(), size, TextFlow::WordWrap);
    });
}

void PanelFlow::arrange()
{
    WindowPeer &window = m_form.windowPeer();
    const Size area = m_form.logicalSize();
    PanelPlaces places = placesFor(area);
    m_scrolls = places.height > area.height();
    if (m_scrolls) {
        places = placesFor(area - Size(window.scrollBarWidth(), 0));
        window.showScrollBar(places.height - area.height(), area.height());
    } else {
        window.hideScrollBar();
    }
    const int offset = scrollOffset();
    for (std::size_t i = 0; i < m_panels.size(); ++i)
        m_panels[i]->setLogicalRect(RectF(places.rects[i].translated(0, -offset)));
}

} // namespace forms

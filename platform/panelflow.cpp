// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panelflow.h"

#include "drawingsurface.h"
#include "fonts.h"
#include "label.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QSignalBlocker>

namespace forms {

namespace {

// How far one step of the scroll bar moves the panels: about a line of text.
constexpr int ScrollStepPixels = 20;

} // namespace

PanelFlow::PanelFlow(DrawingSurface *form, std::vector<Label *> panels)
    : QObject(form), m_form(form), m_panels(std::move(panels)), m_designedArea(form->size()),
      m_scrollBar(new QScrollBar(Qt::Vertical, form))
{
    for (const Label *panel : m_panels)
        m_designed.push_back(panel->pixelRect());
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    m_scrollBar->setSingleStep(ScrollStepPixels);
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &PanelFlow::arrange);
    form->installEventFilter(this);
}

bool PanelFlow::scrolls() const
{
    return !m_scrollBar->isHidden();
}

int PanelFlow::scrollOffset() const
{
    return scrolls() ? m_scrollBar->value() : 0;
}

bool PanelFlow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form && event->type() == QEvent::Resize)
        arrange();
    if (watched == m_form && event->type() == QEvent::Wheel && scrolls()) {
        QCoreApplication::sendEvent(m_scrollBar, event);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

PanelPlaces PanelFlow::placesFor(QSize area) const
{
    return ArrangePanels(m_designed, m_designedArea, area, [this](std::size_t panel, QSize size) {
        return TextReadable(m_panels[panel]->font(), m_panels[panel]->Caption(), size, TextFlow::WordWrap);
    });
}

void PanelFlow::arrange()
{
    const QSize area = m_form->size();
    PanelPlaces places = placesFor(area);
    const bool scrolling = places.height > area.height();
    if (scrolling) {
        const int barWidth = m_scrollBar->sizeHint().width();
        places = placesFor(area - QSize(barWidth, 0));
        const QSignalBlocker blocker(m_scrollBar);
        m_scrollBar->setGeometry(area.width() - barWidth, 0, barWidth, area.height());
        m_scrollBar->setRange(0, places.height - area.height());
        m_scrollBar->setPageStep(area.height());
    }
    m_scrollBar->setVisible(scrolling);
    const int offset = scrollOffset();
    for (std::size_t i = 0; i < m_panels.size(); ++i)
        m_panels[i]->setLogicalRect(QRectF(places.rects[i].translated(0, -offset)));
}

} // namespace forms

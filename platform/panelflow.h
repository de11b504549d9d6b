// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "panellayout.h"

#include <QObject>

#include <vector>

class QScrollBar;

namespace forms {

class DrawingSurface;
class Label;

// Keeps a form's text panels readable at whatever size the form is given: at its
// designed size or larger the panels stay where they were designed; smaller, they
// shrink in proportion, never below a readable font, and scroll when they no longer
// fit. The panels' places as constructed are taken as the design.
class PanelFlow : public QObject
{
    Q_OBJECT

public:
    PanelFlow(DrawingSurface *form, std::vector<Label *> panels);

    // Whether the panels stand taller than the form, and by how much they are scrolled.
    bool scrolls() const;
    int scrollOffset() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void arrange();
    PanelPlaces placesFor(QSize area) const;

    DrawingSurface *m_form;
    std::vector<Label *> m_panels;
    std::vector<QRect> m_designed;
    QSize m_designedArea;
    QScrollBar *m_scrollBar;
};

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "panellayout.h"
#include "signal.h"

#include <vector>

namespace forms {

class Form;
class Label;

// Keeps a form's text panels readable at whatever size the form is given: at its
// designed size or larger the panels stay where they were designed; smaller, they
// shrink in proportion, never below a readable font, and scroll when they no longer
// fit. The panels' places as constructed are taken as the design.
class PanelFlow : public Receiver
{
public:
    PanelFlow(Form &form, std::vector<Label *> panels);

    // Whether the panels stand taller than the form, and by how much they are scrolled.
    bool scrolls() const { return m_scrolls; }
    int scrollOffset() const;

private:
    void arrange();
    PanelPlaces placesFor(Size area) const;

    Form &m_form;
    std::vector<Label *> m_panels;
    std::vector<Rect> m_designed;
    Size m_designedArea;
    bool m_scrolls = false;
};

} // namespace forms

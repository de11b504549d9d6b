// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rundaliaccessibility.h"

#include "announcer.h"
#include "commandbutton.h"
#include "form.h"
#include "probearea.h"
#include "textbox.h"

#include <array>

namespace {

// The figures' names, in the order of the figure table.
const std::array<std::string, 3> FigureNames = {"Farbkreis", "Sättigungsscheibe", "Farbzylinder"};

// The probe's step over the figures, in window units: two hundred steps from rim to rim.
constexpr float ProbeStep = 10;

} // namespace

RundaliAccessibility::RundaliAccessibility(const RundaliView &view)
    : m_view(view), m_figureArea(new forms::ProbeArea(&view.window))
{
    view.red.setAccessibleName("Rot");
    view.green.setAccessibleName("Grün");
    view.blue.setAccessibleName("Blau");
    // After the designed controls.
    m_figureArea->setTabIndex(9);
    m_figureArea->setAccessibleName("Figur");
    const int points = static_cast<int>(2 * colourrules::Rim / ProbeStep) + 1;
    view.window.setProbe({forms::ProbeGrid{.first = {-colourrules::Rim, colourrules::Rim}, .right = {ProbeStep, 0},
                                           .columns = points, .up = {0, -ProbeStep}, .rows = points}},
                         m_figureArea);
    describe("Noch keine Figur gezeichnet");

    view.start1.Click.connect(this, [this] { figureStarts("Farbkreis: alle Farbtöne in voller Sättigung"); });
    view.start2.Click.connect(this,
                              [this] { figureStarts("Sättigungsscheibe: die Farbtöne, zur Mitte hin bis Weiß"); });
    view.start3.Click.connect(
        this, [this] { figureStarts("Farbzylinder: zehn Scheiben übereinander, nach unten dunkler"); });
}

RundaliAccessibility::~RundaliAccessibility() = default;

void RundaliAccessibility::followHandlers()
{
    for (forms::CommandButton *start : {&m_view.start1, &m_view.start2, &m_view.start3})
        start->Click.connect(this, &RundaliAccessibility::figureEnds);
    // The boxes are read once the handler has filled them, even inside a figure's yield.
    m_view.window.MouseMove.connect(this, [this] {
        forms::Announcer::announceSettled(m_figureArea, "Rot " + m_view.red.Text() + ", Grün " + m_view.green.Text()
                                                            + ", Blau " + m_view.blue.Text());
    });
}

void RundaliAccessibility::describe(const std::string &figure)
{
    const std::string description = figure + ". Die Felder Rot, Grün und Blau zeigen die Farbe unter dem Mauszeiger.";
    m_view.window.setAccessibleDescription(description);
    m_figureArea->setAccessibleDescription(description);
}

// The figures lie within the rim round the origin; the keyboard may explore them as
// soon as one is begun.
void RundaliAccessibility::figureStarts(const std::string &figure)
{
    describe(figure);
    ++m_drawing;
    if (!m_view.window.probeOpen()) {
        using colourrules::Rim;
        m_figureArea->Move(-Rim, -Rim, 2 * Rim, 2 * Rim);
        m_view.window.openProbe();
    }
    forms::Announcer::announce(&m_view.window, figure);
}

// Said when the outermost figure ends: one begun inside its yields cuts it short.
void RundaliAccessibility::figureEnds()
{
    if (--m_drawing > 0 || !m_view.window.IsLoaded())
        return;
    const int index = static_cast<int>(m_view.currentFigure) - 1;
    if (index >= 0 && index < static_cast<int>(FigureNames.size()))
        forms::Announcer::announce(&m_view.window,
                                   FigureNames[static_cast<std::size_t>(index)] + " fertig gezeichnet");
}

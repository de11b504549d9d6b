// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tessaroaccessibility.h"

#include "cubegeometry.h"

#include "announcer.h"
#include "commandbutton.h"
#include "picturebox.h"
#include "text.h"

#include <array>

using forms::ToText;

namespace {

int component(forms::Colour colour, int index)
{
    constexpr std::array<int (*)(forms::Colour), 3> Components = {forms::Red, forms::Green, forms::Blue};
    return Components[index](colour);
}

const std::array<std::string, 3> ComponentNames = {"Rot", "Grün", "Blau"};

// How the section square's axes run for a cut that holds one component.
const std::array<std::string, 3> SectionAxes = {"Grün nach links, Blau nach oben", "Rot nach rechts, Blau nach oben",
                                                "Rot nach rechts, Grün nach oben"};

// Near the lower left and the upper right corner of the section, in its units.
constexpr float NearLow = 1;
constexpr float NearHigh = 254;

// The cut's dots are 4 pixels wide, a later one covering part of an earlier one; the
// cut that holds red paints its columns from the right, green falling to the left.
constexpr int SectionDotWidth = 4;

} // namespace

TessaroAccessibility::TessaroAccessibility(const TessaroView &view) : m_view(view)
{
    view.cube.setAccessibleName("Farbwürfel");
    view.section.setAccessibleName("Schnittfläche");
    view.cube.setProbe({cubegeometry::FaceWalks.begin(), cubegeometry::FaceWalks.end()});
    view.section.setProbe(
        {forms::ProbeGrid{.first = {0, 0}, .right = {1, 0}, .columns = 256, .up = {0, 1}, .rows = 256}});
    describeCube(false);
    describeSection();
    nameEquation(false);

    view.start.Click.connect(this, [this] {
        cubeDrawn();
        describeSection();
        nameEquation(true);
    });
    // Hiding the info window draws the cube afresh.
    view.info.Click.connect(this, [this] {
        if (m_view.info.Caption() == "Info ON")
            cubeDrawn();
    });
    view.cube.MouseMove.connect(this, &TessaroAccessibility::pointedAtCube);
    view.cube.Click.connect(this, &TessaroAccessibility::clickedCube);
    view.section.MouseMove.connect(this, [this] {
        forms::Announcer::announceSettled(&m_view.section, nameEquation(true));
    });
}

// Drawn, the cube and the square below it can be explored by keys: the cube over its
// three faces, the square a colour step a press (their probes are set from the start).
void TessaroAccessibility::cubeDrawn()
{
    describeCube(true);
    m_view.cube.openProbe();
    m_view.section.openProbe();
    m_movedOverCube = false;
    forms::Announcer::announce(&m_view.cube, "Farbwürfel gezeichnet");
}

void TessaroAccessibility::pointedAtCube(int, int, float x, float y)
{
    m_movedOverCube = true;
    const forms::Colour pointed = m_view.cube.Point(x, y);
    forms::Announcer::announceSettled(&m_view.cube, "Würfel: Rot " + ToText(forms::Red(pointed)) + ", Grün "
                                                        + ToText(forms::Green(pointed)) + ", Blau "
                                                        + ToText(forms::Blue(pointed)));
}

// A cut leaves the components it counted at 256, one past the last.
void TessaroAccessibility::clickedCube()
{
    const std::string section = describeSection();
    const bool cut = m_movedOverCube && (m_view.redValue == 256 || m_view.greenValue == 256 || m_view.blueValue == 256);
    m_movedOverCube = false;
    forms::Announcer::announce(&m_view.cube, cut ? section : "Kein Schnitt");
}

void TessaroAccessibility::describeCube(bool drawn)
{
    m_view.cube.setAccessibleDescription(drawn ? "Rot nach rechts, Blau nach oben, Grün nach hinten; Schwarz vorn "
                                                 "unten links. Ein Klick auf eine Fläche legt einen Schnitt."
                                               : "Noch nicht gezeichnet");
}

// The cut is read from the square itself: the component that is the same in two
// opposite corners is the one the cut holds.
std::string TessaroAccessibility::describeSection()
{
    const forms::Colour low = m_view.section.Point(NearLow, NearLow);
    const forms::Colour high = m_view.section.Point(NearHigh, NearHigh);
    std::string description = "Noch kein Schnitt";
    int held = -1;
    if (low != high) {
        for (int index = 0; index < 3; ++index)
            if (component(low, index) == component(high, index)) {
                held = index;
                description = "Schnitt bei " + ComponentNames[index] + ' ' + ToText(component(low, index)) + ": "
                              + SectionAxes[index];
            }
    }
    m_view.section.setAccessibleDescription(description);
    // The probe stands where the square still shows the dot of the colour it reads.
    m_view.section.setProbeDots(0, held < 0 ? forms::PaintedDots{}
                                            : forms::PaintedDots{.drawWidth = SectionDotWidth,
                                                                 .columnsBackwards = held == 0});
    return description;
}

std::string TessaroAccessibility::nameEquation(bool analysed)
{
    const std::array<forms::PictureBox *, 3> parts = {&m_view.redPart, &m_view.greenPart, &m_view.bluePart};
    std::vector<std::string> names;
    for (int index = 0; index < 3; ++index) {
        const std::string part = ComponentNames[index] + "anteil";
        names.push_back(analysed ? part + ' ' + ToText(component(parts[index]->BackColor(), index)) : part);
        parts[index]->setAccessibleName(names.back());
    }
    const forms::Colour mixed = m_view.mixed.BackColor();
    names.push_back(analysed ? "Mischfarbe " + ToText(component(mixed, 0)) + ", " + ToText(component(mixed, 1)) + ", "
                                   + ToText(component(mixed, 2))
                             : "Mischfarbe");
    m_view.mixed.setAccessibleName(names.back());
    return forms::Join(names, ", ");
}

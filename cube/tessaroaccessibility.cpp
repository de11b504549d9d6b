// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tessaroaccessibility.h"

#include "frmtessaro.h"

#include "commandbutton.h"
#include "picturebox.h"

#include <array>

namespace {

int component(forms::Colour colour, int index)
{
    constexpr std::array<int (*)(forms::Colour), 3> Components = {forms::Red, forms::Green, forms::Blue};
    return Components[index](colour);
}

const std::array<QString, 3> ComponentNames = {QStringLiteral("Rot"), QStringLiteral("Grün"), QStringLiteral("Blau")};

// How the section square's axes run for a cut that holds one component.
const std::array<QString, 3> SectionAxes = {QStringLiteral("Grün nach links, Blau nach oben"),
                                            QStringLiteral("Rot nach rechts, Blau nach oben"),
                                            QStringLiteral("Rot nach rechts, Grün nach oben")};

// Near the lower left and the upper right corner of the section, in its units.
constexpr float NearLow = 1;
constexpr float NearHigh = 254;

} // namespace

TessaroAccessibility::TessaroAccessibility(frmTessaro *form) : QObject(form), m_form(form)
{
    form->Picture1->setAccessibleName(QStringLiteral("Farbwürfel"));
    form->Picture2->setAccessibleName(QStringLiteral("Schnittfläche"));
    describeCube(false);
    describeSection();
    nameEquation(false);

    connect(form->cmdStart, &forms::CommandButton::Click, this, [this] {
        describeCube(true);
        describeSection();
        nameEquation(true);
    });
    // Hiding the info window draws the cube afresh.
    connect(form->cmdInfo, &forms::CommandButton::Click, this, [this] {
        if (m_form->cmdInfo->Caption() == QLatin1String("Info ON"))
            describeCube(true);
    });
    connect(form->Picture1, &forms::PictureBox::Click, this, &TessaroAccessibility::describeSection);
    connect(form->Picture2, &forms::PictureBox::MouseMove, this, [this] { nameEquation(true); });
}

void TessaroAccessibility::describeCube(bool drawn)
{
    m_form->Picture1->setAccessibleDescription(
        drawn ? QStringLiteral("Rot nach rechts, Blau nach oben, Grün nach hinten; Schwarz vorn unten links. "
                               "Ein Klick auf eine Fläche legt einen Schnitt.")
              : QStringLiteral("Noch nicht gezeichnet"));
}

// The cut is read from the square itself: the component that is the same in two
// opposite corners is the one the cut holds.
void TessaroAccessibility::describeSection()
{
    const forms::Colour low = m_form->Picture2->Point(NearLow, NearLow);
    const forms::Colour high = m_form->Picture2->Point(NearHigh, NearHigh);
    QString description = QStringLiteral("Noch kein Schnitt");
    if (low != high) {
        for (int index = 0; index < 3; ++index)
            if (component(low, index) == component(high, index))
                description = QStringLiteral("Schnitt bei %1 %2: %3")
                                  .arg(ComponentNames[index])
                                  .arg(component(low, index))
                                  .arg(SectionAxes[index]);
    }
    m_form->Picture2->setAccessibleDescription(description);
}

void TessaroAccessibility::nameEquation(bool analysed)
{
    const forms::Colour mixed = m_form->Picture3->BackColor();
    const std::array<forms::PictureBox *, 3> parts = {m_form->Picture4, m_form->Picture5, m_form->Picture6};
    for (int index = 0; index < 3; ++index) {
        const QString part = ComponentNames[index] + QStringLiteral("anteil");
        parts[index]->setAccessibleName(
            analysed ? QStringLiteral("%1 %2").arg(part).arg(component(parts[index]->BackColor(), index)) : part);
    }
    m_form->Picture3->setAccessibleName(analysed ? QStringLiteral("Mischfarbe %1, %2, %3")
                                                       .arg(component(mixed, 0))
                                                       .arg(component(mixed, 1))
                                                       .arg(component(mixed, 2))
                                                 : QStringLiteral("Mischfarbe"));
}

#include "tessaroaccessibility.h"

#include "cubegeometry.h"
#include "frmtessaro.h"

#include "announcer.h"
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
    form->Picture1->setProbe({cubegeometry::FaceWalks.begin(), cubegeometry::FaceWalks.end()});
    form->Picture2->setProbe(
        {forms::ProbeGrid{.first = {0, 0}, .right = {1, 0}, .columns = 256, .up = {0, 1}, .rows = 256}});
    describeCube(false);
    describeSection();
    nameEquation(false);

    connect(form->cmdStart, &forms::CommandButton::Click, this, [this] {
        cubeDrawn();
        describeSection();
        nameEquation(true);
    });
    // Hiding the info window draws the cube afresh.
    connect(form->cmdInfo, &forms::CommandButton::Click, this, [this] {
        if (m_form->cmdInfo->Caption() == QLatin1String("Info ON"))
            cubeDrawn();
    });
    connect(form->Picture1, &forms::PictureBox::MouseMove, this, &TessaroAccessibility::pointedAtCube);
    connect(form->Picture1, &forms::PictureBox::Click, this, &TessaroAccessibility::clickedCube);
    connect(form->Picture2, &forms::PictureBox::MouseMove, this, [this] {
        nameEquation(true);
        const QString mixed = m_form->Picture3->accessibleName();
        forms::Announcer::announceSettled(m_form->Picture2, QStringLiteral("%1, %2, %3, %4")
                                                                .arg(m_form->Picture4->accessibleName(),
                                                                     m_form->Picture5->accessibleName(),
                                                                     m_form->Picture6->accessibleName(), mixed));
    });
}

// Drawn, the cube and the square below it can be explored by keys: the cube over its
// three faces, the square a colour step a press (their probes are set from the start).
void TessaroAccessibility::cubeDrawn()
{
    describeCube(true);
    m_form->Picture1->openProbe();
    m_form->Picture2->openProbe();
    m_movedOverCube = false;
    forms::Announcer::announce(m_form->Picture1, QStringLiteral("Farbwürfel gezeichnet"));
}

void TessaroAccessibility::pointedAtCube()
{
    m_movedOverCube = true;
    forms::Announcer::announceSettled(m_form->Picture1, QStringLiteral("Würfel: Rot %1, Grün %2, Blau %3")
                                                            .arg(m_form->redValue)
                                                            .arg(m_form->greenValue)
                                                            .arg(m_form->blueValue));
}

// A cut leaves the components it counted at 256, one past the last.
void TessaroAccessibility::clickedCube()
{
    const QString section = describeSection();
    const bool cut = m_movedOverCube && (m_form->redValue == 256 || m_form->greenValue == 256
                                         || m_form->blueValue == 256);
    m_movedOverCube = false;
    forms::Announcer::announce(m_form->Picture1, cut ? section : QStringLiteral("Kein Schnitt"));
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
QString TessaroAccessibility::describeSection()
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
    return description;
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

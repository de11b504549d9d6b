#include "rundaliaccessibility.h"

#include "colourrules.h"
#include "frmrundali.h"

#include "announcer.h"
#include "commandbutton.h"
#include "probearea.h"
#include "textbox.h"

namespace {

// The figures' names, in the order of the figure table.
const std::array<QString, 3> FigureNames = {QStringLiteral("Farbkreis"), QStringLiteral("Sättigungsscheibe"),
                                            QStringLiteral("Farbzylinder")};

// The probe's step over the figures, in window units: two hundred steps from rim to rim.
constexpr float ProbeStep = 10;

} // namespace

RundaliAccessibility::RundaliAccessibility(frmRundali *form)
    : QObject(form), m_form(form), m_figureArea(new forms::ProbeArea(form))
{
    form->Text1->setAccessibleName(QStringLiteral("Rot"));
    form->Text2->setAccessibleName(QStringLiteral("Grün"));
    form->Text3->setAccessibleName(QStringLiteral("Blau"));
    // After the designed controls.
    m_figureArea->setTabIndex(9);
    m_figureArea->setAccessibleName(QStringLiteral("Figur"));
    const int points = static_cast<int>(2 * colourrules::Rim / ProbeStep) + 1;
    form->setProbe({forms::ProbeGrid{.first = {-colourrules::Rim, colourrules::Rim}, .right = {ProbeStep, 0},
                                     .columns = points, .up = {0, -ProbeStep}, .rows = points}},
                   m_figureArea);
    describe(QStringLiteral("Noch keine Figur gezeichnet"));

    connect(form->Start1, &forms::CommandButton::Click, this,
            [this] { figureStarts(QStringLiteral("Farbkreis: alle Farbtöne in voller Sättigung")); });
    connect(form->Start2, &forms::CommandButton::Click, this,
            [this] { figureStarts(QStringLiteral("Sättigungsscheibe: die Farbtöne, zur Mitte hin bis Weiß")); });
    connect(form->start3, &forms::CommandButton::Click, this, [this] {
        figureStarts(QStringLiteral("Farbzylinder: zehn Scheiben übereinander, nach unten dunkler"));
    });
}

void RundaliAccessibility::followHandlers()
{
    for (forms::CommandButton *start : {m_form->Start1, m_form->Start2, m_form->start3})
        connect(start, &forms::CommandButton::Click, this, &RundaliAccessibility::figureEnds);
    // The boxes are read once the handler has filled them, even inside a figure's yield.
    connect(m_form, &forms::Form::MouseMove, this, [this] {
        forms::Announcer::announceSettled(
            m_figureArea, QStringLiteral("Rot %1, Grün %2, Blau %3")
                              .arg(m_form->Text1->Text(), m_form->Text2->Text(), m_form->Text3->Text()));
    });
}

void RundaliAccessibility::describe(const QString &figure)
{
    const QString description =
        figure + QStringLiteral(". Die Felder Rot, Grün und Blau zeigen die Farbe unter dem Mauszeiger.");
    m_form->setAccessibleDescription(description);
    m_figureArea->setAccessibleDescription(description);
}

// The figures lie within the rim round the origin; the keyboard may explore them as
// soon as one is begun.
void RundaliAccessibility::figureStarts(const QString &figure)
{
    describe(figure);
    ++m_drawing;
    if (!m_form->probeOpen()) {
        using colourrules::Rim;
        m_figureArea->Move(-Rim, -Rim, 2 * Rim, 2 * Rim);
        m_form->openProbe();
    }
    forms::Announcer::announce(m_form, figure);
}

// Said when the outermost figure ends: one begun inside its yields cuts it short.
void RundaliAccessibility::figureEnds()
{
    if (--m_drawing > 0 || !m_form->IsLoaded())
        return;
    const int index = static_cast<int>(m_form->currentFigure) - 1;
    if (index >= 0 && index < static_cast<int>(FigureNames.size()))
        forms::Announcer::announce(m_form, FigureNames[static_cast<std::size_t>(index)]
                                               + QStringLiteral(" fertig gezeichnet"));
}

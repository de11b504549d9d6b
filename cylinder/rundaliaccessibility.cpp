// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rundaliaccessibility.h"

#include "frmrundali.h"

#include "commandbutton.h"
#include "textbox.h"

RundaliAccessibility::RundaliAccessibility(frmRundali *form) : QObject(form), m_form(form)
{
    form->Text1->setAccessibleName(QStringLiteral("Rot"));
    form->Text2->setAccessibleName(QStringLiteral("Grün"));
    form->Text3->setAccessibleName(QStringLiteral("Blau"));
    describe(QStringLiteral("Noch keine Figur gezeichnet"));

    connect(form->Start1, &forms::CommandButton::Click, this,
            [this] { describe(QStringLiteral("Farbkreis: alle Farbtöne in voller Sättigung")); });
    connect(form->Start2, &forms::CommandButton::Click, this,
            [this] { describe(QStringLiteral("Sättigungsscheibe: die Farbtöne, zur Mitte hin bis Weiß")); });
    connect(form->start3, &forms::CommandButton::Click, this, [this] {
        describe(QStringLiteral("Farbzylinder: zehn Scheiben übereinander, nach unten dunkler"));
    });
}

void RundaliAccessibility::describe(const QString &figure)
{
    m_form->setAccessibleDescription(
        figure + QStringLiteral(". Die Felder Rot, Grün und Blau zeigen die Farbe unter dem Mauszeiger."));
}

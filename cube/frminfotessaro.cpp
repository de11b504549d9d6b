// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frminfotessaro.h"

#include "designer.h"
#include "font.h"
#include "label.h"
#include "panelflow.h"

#include <vector>

frmInfoTessaro::frmInfoTessaro() : Form("frmInfoTessaro", 12315, 7260)
{
    using forms::RGB;
    setCaption("Information zum Tessaro");
    setBackColor(RGB(255, 255, 255));
    // Only text: resizing it by its frame harms nothing, and Escape closes it.
    setResizable(true);
    setClosesOnEscape(true);
    // The panels take the form's font.
    setFont(forms::ClassicFont(12, false));
    Label1 = forms::AddPanel(this, "Label1", forms::Rect(120, 120, 5895, 2055), RGB(255, 192, 192), 0,
        "Im sog. TRUE-COLOR-Modus kann der Computer 256x256x256=16 777 216 "
        "verschiedene Farben dar- stellen. Sie werden durch additive Mischung "
        "der Grund- farben Rot, Grün und Blau, die in jeweils  256 verschiedenen "
        "Helligkeitsstufen (r,g,b) zur Verfügung stehen, mischen.");
    Label3 = forms::AddPanel(this, "Label3", forms::Rect(120, 2400, 5895, 2175), RGB(255, 224, 192), 2,
        "Man kann diese dreidimensionale Farbmannigfaltigkeit als Würfel "
        "darstellen. Drei von einer Ecke des Würfels  ausgehende Kanten werden "
        "als Achsen eines kartesischen Koordinatensystems (ganzzahlige "
        "Koordinaten 0...255)  verwendet und jedem Würfelpunkt wird die seinen "
        "Koordinaten entsprechende Farbe gegeben.");
    Label2 = forms::AddPanel(this, "Label2", forms::Rect(120, 4800, 5895, 1815), RGB(255, 255, 192), 1,
        "Von dem hier durch das Programm berechneten und perspektivisch "
        "gezeichneten Tessaro sind zunächst nur die Außenflächen zu sehen. Um "
        "einen Überblick über alle darstellbaren Farben zu bekommen, muss man "
        "aber auch in das Innere des Würfels hineinsehen.");
    Label4 = forms::AddPanel(this, "Label4", forms::Rect(6120, 120, 5895, 1575), RGB(192, 255, 192), 3,
        "Durch Klicken mit der Maus auf die sichtbaren Würfelflächen kann man "
        "ebene, zu den Würfelseiten parallele Schnitte durch den Würfel legen, "
        "welche dann in dem Quadrat rechts oben sichtbar werden.");
    Label5 = forms::AddPanel(this, "Label5", forms::Rect(6120, 1800, 5895, 2655), RGB(192, 255, 255), 4,
        "Setzt man den Mauszeiger an eine beliebige Stelle dieses Quadrates, so "
        "wird die an der Spitze des Zeigers befindliche Farbe analysiert. Man "
        "erkennt in der Zeile darunter in Form einer symbolischen Gleichung, wie "
        "sich die Farbe aus den drei Grundfarben in ihren verschiedenen "
        "Helligkeitsstufen zusammensetzt.");
    // On a screen smaller than the design the panels shrink, staying readable.
    m_panelFlow = std::make_unique<forms::PanelFlow>(*this, std::vector<forms::Label *>{
        Label1, Label3, Label2, Label4, Label5});
}

frmInfoTessaro::~frmInfoTessaro() = default;

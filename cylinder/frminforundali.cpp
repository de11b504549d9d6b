// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frminforundali.h"

#include "designer.h"
#include "font.h"
#include "label.h"
#include "panelflow.h"

#include <vector>

frmInfoRundali::frmInfoRundali() : Form("frmInfoRundali", 12450, 6600)
{
    using forms::RGB;
    setCaption("Informationen zum Rundal" + std::string(6, ' ') + MakersCredit());
    setBackColor(RGB(192, 192, 192));
    // Only text: resizing it by its frame harms nothing, and Escape closes it.
    setResizable(true);
    setClosesOnEscape(true);
    // The panels take the form's font.
    setFont(forms::ClassicFont(12, false));
    Label1 = forms::AddPanel(this, "Label1", forms::Rect(240, 120, 5895, 3015), RGB(255, 224, 192), 3,
        "Der Rundali wird mit Start1 aufgerufen. Er zeigt alle Farbtöne des Spektrumsvon Blau "
        "bis Rot in der dem Computer maximal möglichen Sättigung und schließt sich über die "
        "Purpurtöne, die im Spektrum nicht vor- kommen. Benachbarte Farben sind auch "
        "empfindungs- gemäß benachbart. Ein singulärer Punkt tritt allerdings in der Mitte auf, "
        "wo alle Farbtöne aufeinandertreffen. Diametral gegenüberliegende Farbtöne sind komple- "
        "mentär, ergänzen sich also zu Weiß.");
    Label3 = forms::AddPanel(this, "Label3", forms::Rect(6360, 120, 6015, 3015), RGB(192, 255, 192), 1,
        "Mit Start2 wird die zunächst eindimensionale Mannig- faltikeit der Farbtöne auf zwei "
        "Dimensionen erweitert: Die Sättigung der Farben nimmt zur Mitte hin ab bis zum Weiß im "
        "Mittelpunkt. Mit dem Mauszeiger läßt sich nun wieder erkunden, wie der Computer die "
        "ungesättigteren Farbvalenzen erzeugt. Während im Rundali der (für den Computer) maximal "
        "gesättigten Farbtöne jeweil nur zwei Farbkomponenten von 0 verschiedene Werte hatten "
        "kommt nun eine dritte Komponente hinzu, so dass ein Weißanteil entsteht.");
    Label2 = forms::AddPanel(this, "Label2", forms::Rect(240, 3240, 5895, 3135), RGB(255, 255, 192), 0,
        "Setzt man den Mauszeiger auf irgend einen Farbpunkt des Kreises, so erscheinen in den "
        "drei Fenstern Rot, Grün und Blau die Werte des Farbpunktes im RGB-Code. Man erkennt so, "
        "wie der Computer den jeweiligen Farbton aus den Grundfarben Rot, Grün und Blau additiv "
        "zusammenmischt. ");
    Label4 = forms::AddPanel(this, "Label4", forms::Rect(6360, 3240, 6015, 3135), RGB(192, 255, 255), 2,
        "Mit Start3 wird schließlich die dritte Dimension der Farbwelt erschlossen: Man denke "
        "sich viele Rundalie, wie sie mit Start2  erzeugt werden, zu einem Stapel auf- "
        "einandergelegt. Dabei soll die Helligkeit der Rundalie in dem Stapel nach unten hin "
        "abnehmen. So entsteht ein Tubarin, auf dessen Achse die unbunten Farben vom Schwarz "
        "(unten) bis zum hellsten Weiß oben liegen. Auf dem Zylindermantel liegen die maximal "
        "gesättigten Farben, von oben nach unten in der Helligkeit ab- nehmend.");
    // On a screen smaller than the design the panels shrink, staying readable.
    m_panelFlow = std::make_unique<forms::PanelFlow>(*this, std::vector<forms::Label *>{
        Label1, Label3, Label2, Label4});
}

frmInfoRundali::~frmInfoRundali() = default;

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class frmTessaro;

// What a screen reader is told of the colour cube's window, which shows nearly
// everything by colour alone: the cube, the cut shown in the section square, and the
// colour equation, each part named with its value. It listens to the same events as
// the window's handlers, connected after them, and reads what they left on screen; it
// changes nothing that is drawn.
class TessaroAccessibility : public QObject
{
public:
    explicit TessaroAccessibility(frmTessaro *form);

private:
    void describeCube(bool drawn);
    void describeSection();
    void nameEquation(bool analysed);

    frmTessaro *m_form;
};

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class frmRundali;

// What a screen reader is told of the circle window: the three readout boxes by the
// colour they read, and the window by the figure it shows. It must be made before
// the window's handlers are connected, so that a figure is described as it starts,
// not once it is done; it changes nothing that is drawn.
class RundaliAccessibility : public QObject
{
public:
    explicit RundaliAccessibility(frmRundali *form);

private:
    void describe(const QString &figure);

    frmRundali *m_form;
};

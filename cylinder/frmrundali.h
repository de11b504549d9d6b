// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colourrules.h"
#include "form.h"

#include <cstdint>
#include <memory>

namespace forms {
class CommandButton;
class TextBox;
} // namespace forms

class RundaliAccessibility;

// The hue circle, the saturation disc and the colour cylinder, painted dot by dot
// onto the window, and the readout of the colour under the pointer.
class frmRundali : public forms::Form
{
public:
    frmRundali();
    ~frmRundali() override;

    void Start1_Click();
    void Start2_Click();
    void start3_Click();
    void cmdStop_Click();
    void cmdInfo_Click();
    void cmdEnde_Click();
    void Form_MouseMove(int button, int shift, float x, float y);

    forms::CommandButton *Start1;
    forms::CommandButton *Start2;
    forms::CommandButton *start3;
    forms::CommandButton *cmdStop;
    forms::TextBox *Text1;
    forms::TextBox *Text2;
    forms::TextBox *Text3;
    forms::CommandButton *cmdEnde;
    forms::CommandButton *cmdInfo;

    float piValue = 0;
    float angleStep = 0;
    std::int16_t haltFlag = 0;
    colourrules::Figure currentFigure = colourrules::Figure::None;

    // The figures count on these and not on locals: a figure started inside another's
    // yield leaves them at its own final values, and that ends or shortens the figure
    // it interrupted.
    float radius = 0;
    std::int16_t pointIndex = 0;
    float pointX = 0;
    float pointY = 0;
    std::int16_t redValue = 0;
    std::int16_t greenValue = 0;
    std::int16_t blueValue = 0;
    float whiteShare = 0;
    float brightness = 0;

protected:
    void Form_Load() override;

private:
    // Puts pointX, pointY a third of a turn back from the hue angle of pointIndex on
    // the ring of the current radius; returns that hue angle.
    float placePoint();
    // Sets whiteShare for the ring of the current radius and the components of the
    // hue at theta mixed with that much white.
    void mixWithWhite(float theta);

    // What the figures' buttons share: the figure's row sets the dot width and whether
    // the window is cleared. False once the window has been unloaded meanwhile.
    bool startFigure(colourrules::Figure figure);
    // The ring loops of the figures, shared with the redraw. They return false once
    // the window has been unloaded meanwhile.
    bool paintFigure(colourrules::Figure figure);
    bool paintHueCircle();
    bool paintSaturationDisc();
    bool paintColourCylinder();
    // The rings of a figure from the rim inwards, each point painted by paintPoint
    // given its hue angle, once placePoint has put pointX, pointY there.
    template <typename PaintPoint>
    bool paintRings(const colourrules::FigureRow &figure, PaintPoint paintPoint);
    bool yieldAfterRing();

    std::unique_ptr<RundaliAccessibility> m_accessibility;
};

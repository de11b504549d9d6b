// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

#include <memory>
#include <string>

namespace forms {
class CommandButton;
class Label;
class PictureBox;
} // namespace forms

class TessaroAccessibility;

// The colour cube: its surface with the axis labels, the section square, the colour
// equation of four small squares and the three buttons.
class frmTessaro : public forms::Form
{
public:
    frmTessaro();
    ~frmTessaro() override;

    void DrawCube();

    void cmdStart_Click();
    void cmdInfo_Click();
    void cmdEnde_Click();
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_Click();
    void Picture2_MouseMove(int button, int shift, float x, float y);

    forms::CommandButton *cmdStart;
    forms::PictureBox *Picture1;
    forms::Label *Label1;
    forms::Label *Label3;
    forms::Label *Label2;
    forms::PictureBox *Picture2;
    forms::PictureBox *Picture3;
    forms::PictureBox *Picture4;
    forms::PictureBox *Picture5;
    forms::PictureBox *Picture6;
    forms::Label *Label4;
    forms::Label *Label5;
    forms::Label *Label6;
    forms::Label *Label7;
    forms::Label *Label8;
    forms::Label *Label9;
    forms::Label *Label10;
    forms::CommandButton *cmdInfo;
    forms::CommandButton *cmdEnde;

    // The cube drawing counts with the three components, and the pointer handlers
    // keep the pointed colour in them: one set of variables for both, on purpose.
    float redValue = 0;
    float greenValue = 0;
    float blueValue = 0;
    float pointerX = 0;
    float pointerY = 0;
    forms::Colour pointerColour = 0;
    std::string redHex;
    std::string greenHex;
    std::string blueHex;
    std::string hexText;

protected:
    void Form_Load() override;

private:
    // Pads hexText to six digits and reads the pointed colour's components from it.
    void splitPointerColour();

    std::unique_ptr<TessaroAccessibility> m_accessibility;
};

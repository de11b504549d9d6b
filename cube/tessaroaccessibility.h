// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal.h"

#include <string>

namespace forms {
class CommandButton;
class PictureBox;
} // namespace forms

// The parts of the colour cube's window a reader is told of, and the components the
// window's handlers keep.
struct TessaroView
{
    forms::PictureBox &cube;
    forms::PictureBox &section;
    forms::PictureBox &mixed;
    forms::PictureBox &redPart;
    forms::PictureBox &greenPart;
    forms::PictureBox &bluePart;
    forms::CommandButton &start;
    forms::CommandButton &info;
    const float &redValue;
    const float &greenValue;
    const float &blueValue;
};

// What a screen reader and the keyboard are given of the colour cube's window, which
// shows nearly everything by colour alone: the cube, the cut shown in the section
// square, and the colour equation, each part named with its value; the cube and the
// square to explore with the arrow keys once the cube is drawn; and, said aloud, the
// drawn cube, each new cut and the colour the pointer or the probe rests on. It
// listens to the same events as the window's handlers, connected after them, and
// reads what they left on screen; it changes nothing that is drawn.
class TessaroAccessibility : public forms::Receiver
{
public:
    explicit TessaroAccessibility(const TessaroView &view);

private:
    void cubeDrawn();
    void describeCube(bool drawn);
    std::string describeSection();
    // The equation's parts named with their colours, and what is said of them.
    std::string nameEquation(bool analysed);
    void pointedAtCube(int, int, float x, float y);
    void clickedCube();

    TessaroView m_view;
    // A cut needs a move over the cube first: a click after none runs no cut.
    bool m_movedOverCube = false;
};

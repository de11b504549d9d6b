// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colourrules.h"
#include "signal.h"

#include <memory>
#include <string>

namespace forms {
class CommandButton;
class Form;
class ProbeArea;
class TextBox;
} // namespace forms

// The parts of the circle window a reader is told of, and the figure its handlers
// last started.
struct RundaliView
{
    forms::Form &window;
    forms::CommandButton &start1;
    forms::CommandButton &start2;
    forms::CommandButton &start3;
    forms::TextBox &red;
    forms::TextBox &green;
    forms::TextBox &blue;
    const colourrules::Figure &currentFigure;
};

// What a screen reader and the keyboard are given of the circle window: the three
// readout boxes by the colour they read, the window by the figure it shows, the figure
// as an area after the designed controls whose probe the arrow keys move, and, said
// aloud, each figure as it starts and ends and the colour the pointer or the probe
// rests on. It must be made before the window's handlers are connected, so that a
// figure is described as it starts, and told to follow them once they are, so that
// it hears a figure end; it changes nothing that is drawn.
class RundaliAccessibility : public forms::Receiver
{
public:
    explicit RundaliAccessibility(const RundaliView &view);
    ~RundaliAccessibility();

    void followHandlers();

private:
    void describe(const std::string &figure);
    void figureStarts(const std::string &figure);
    void figureEnds();

    RundaliView m_view;
    // Owned by the window, which deletes it with its other controls.
    forms::ProbeArea *m_figureArea;
    // Figures being drawn, one inside another's yields.
    int m_drawing = 0;
};

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dotreplay.h"
#include "frmrundali.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace forms {
class CommandButton;
}

// What the tests of the program share on the core alone, on any front end.
namespace rundalitest {

constexpr forms::Colour Background = forms::RGB(64, 64, 64);

// The main window, shown.
frmRundali &shownWindow();

} // namespace rundalitest

// Passes a halted figure waits before the test resumes it.
constexpr int HaltedPasses = 5;

// Where a figure stands when it yields: the slice's brightness (0 for the disc, which
// leaves it alone) and the radius of the ring just drawn, or 0 after a slice.
struct Pass
{
    float brightness = 0;
    float radius = 0;
    friend bool operator==(const Pass &, const Pass &) = default;
};

std::ostream &operator<<(std::ostream &out, const Pass &pass);

// Empty when the passes are the same, else where they part.
std::string passesDiffer(const std::vector<Pass> &actual, const std::vector<Pass> &expected);

Pass passOf(const frmRundali &form);

// The yields of a figure left alone, one per ring and, for the cylinder, one after
// each slice.
std::vector<Pass> everyYield(colourrules::Figure figure);

// The dots of a figure up to and including the ring of a pass.
void addFigureUpTo(DotReplay &replay, colourrules::Figure figure, Pass last);

// The window cleared and the figure drawn whole: the disc, or the cylinder's last slice.
forms::PixelBuffer wholeFigure(const frmRundali &form, colourrules::Figure figure);

forms::CommandButton *startButton(frmRundali &form, colourrules::Figure figure);

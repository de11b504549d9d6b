// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal.h"

#include <functional>
#include <string>

namespace forms {

class FrontEnd;

// What a program says of itself to the window system: its name, and the desktop file
// that names it in the desktop's menu.
struct ProgramInfo
{
    std::string name;
    std::string desktopFileName;
};

// Runs a forms program on the front end it is linked with: `start` shows its start-up
// form, and the program ends when no form is loaded. Each front end defines it.
int RunProgram(int argc, char **argv, const ProgramInfo &program, const std::function<void()> &start);

// What every front end's run has in common, for as long as it lives: the front end is
// the program's, the program ends when no form is loaded, a runtime error's message
// is shown before the program ends, and the forms are destroyed before the front end
// goes.
class ProgramRun : public Receiver
{
public:
    explicit ProgramRun(FrontEnd &frontEnd);
    ~ProgramRun();
};

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "formregistry.h"
#include "frontend.h"
#include "loadedforms.h"
#include "runtimeerror.h"

namespace forms {

ProgramRun::ProgramRun(FrontEnd &frontEnd)
{
    FrontEnd::install(&frontEnd);
    LoadedForms::instance().lastFormUnloaded.connect(this, [&frontEnd] { frontEnd.quit(0); });
    SetRuntimeErrorDisplay([&frontEnd](const std::string &message) { frontEnd.showRuntimeError(message); });
}

ProgramRun::~ProgramRun()
{
    FormRegistry::destroyAll();
    SetRuntimeErrorDisplay({});
    FrontEnd::install(nullptr);
}

} // namespace forms

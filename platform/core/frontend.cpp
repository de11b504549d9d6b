// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frontend.h"

#include "runtimeerror.h"

namespace forms {

namespace {
FrontEnd *installed = nullptr;
}

FrontEnd &FrontEnd::current()
{
    if (!installed)
        RaiseRuntimeError("No front end");
    return *installed;
}

bool FrontEnd::exists()
{
    return installed != nullptr;
}

void FrontEnd::install(FrontEnd *frontEnd)
{
    installed = frontEnd;
}

} // namespace forms

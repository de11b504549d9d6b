// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtimeerror.h"

#include <cstdio>
#include <cstdlib>

namespace forms {

namespace {
RuntimeErrorHandler &installedHandler()
{
    static RuntimeErrorHandler handler;
    return handler;
}

RuntimeErrorHandler &installedDisplay()
{
    static RuntimeErrorHandler display;
    return display;
}
} // namespace

void SetRuntimeErrorHandler(RuntimeErrorHandler handler)
{
    installedHandler() = std::move(handler);
}

void SetRuntimeErrorDisplay(RuntimeErrorHandler display)
{
    installedDisplay() = std::move(display);
}

void RaiseRuntimeError(const std::string &message)
{
    if (installedHandler())
        installedHandler()(message);
    std::fprintf(stderr, "Laufzeitfehler: %s\n", message.c_str());
    std::fflush(stderr);
    if (installedDisplay())
        installedDisplay()(message);
    std::_Exit(EXIT_FAILURE);
}

} // namespace forms

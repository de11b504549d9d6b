// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtimeerror.h"

#include <stdexcept>
#include <string>

namespace formstest {

// A runtime error inside a test: thrown instead of ending the program.
struct RuntimeErrorRaised : std::runtime_error
{
    explicit RuntimeErrorRaised(const std::string &message) : std::runtime_error(message) {}
};

inline void throwRuntimeErrors()
{
    forms::SetRuntimeErrorHandler([](const std::string &message) { throw RuntimeErrorRaised(message); });
}

} // namespace formstest

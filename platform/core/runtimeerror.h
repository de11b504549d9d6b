// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

namespace forms {

// A runtime error ends the program after showing its message; no handler catches
// it. Tests may install their own reaction, which must not return. This unit knows
// no windows: how the message is shown is installed by whoever has them.
[[noreturn]] void RaiseRuntimeError(const std::string &message);

using RuntimeErrorHandler = std::function<void(const std::string &message)>;
void SetRuntimeErrorHandler(RuntimeErrorHandler handler);
// Shows the message to the user before the program ends; it returns.
void SetRuntimeErrorDisplay(RuntimeErrorHandler display);

} // namespace forms

#pragma once

#include <QString>

#include <functional>

namespace forms {

// A runtime error ends the program after showing the platform's error message;
// no handler catches it. Tests may install their own reaction, which must not return.
[[noreturn]] void RaiseRuntimeError(const QString &message);

using RuntimeErrorHandler = std::function<void(const QString &message)>;
void SetRuntimeErrorHandler(RuntimeErrorHandler handler);

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal.h"

namespace forms {

// Marks a program handler (or a yield inside one) as running. While any is on the
// stack no form may be destroyed; this unit only counts them and reports when the
// outermost has ended, and whoever keeps unloaded forms waits for that.
class HandlerScope
{
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;

    static bool anyRunning() { return s_depth > 0; }
    static int depth() { return s_depth; }

    // The outermost handler has ended.
    static Signal<> &outermostEnded();

private:
    static inline int s_depth = 0;
};

} // namespace forms

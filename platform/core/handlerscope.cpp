// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handlerscope.h"

namespace forms {

HandlerScope::HandlerScope()
{
    ++s_depth;
}

HandlerScope::~HandlerScope()
{
    if (--s_depth == 0)
        outermostEnded().report();
}

Signal<> &HandlerScope::outermostEnded()
{
    static Signal<> signal;
    return signal;
}

} // namespace forms

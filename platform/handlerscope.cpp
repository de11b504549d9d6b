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
        emit HandlerDepth::instance().outermostEnded();
}

HandlerDepth &HandlerDepth::instance()
{
    static HandlerDepth depth;
    return depth;
}

} // namespace forms

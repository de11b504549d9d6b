// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "doevents.h"

#include "frontend.h"
#include "handlerscope.h"
#include "presenter.h"

namespace forms {

void DoEvents()
{
    const HandlerScope yielding;
    Presenter::presentAll(Presenter::Timing::Soon);
    FrontEnd::current().yieldForInput();
}

} // namespace forms

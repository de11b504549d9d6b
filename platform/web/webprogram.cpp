// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "webfrontend.h"
#include "webpage.h"

namespace forms {

// A forms program in a web page. The page outlives main(): the front end and the run
// stay for as long as the page is open, and the page hands the module its input once
// the start-up form is shown.
int RunProgram(int, char **, const ProgramInfo &, const std::function<void()> &start)
{
    static web::WebFrontEnd frontEnd;
    static const ProgramRun run(frontEnd);
    start();
    forms_page_ready();
    return 0;
}

} // namespace forms

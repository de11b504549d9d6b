// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen.h"

#include "frontend.h"
#include "scalemapping.h"

namespace forms {

float Screen::Width()
{
    return static_cast<float>(FrontEnd::current().screenSize().width() * TwipsPerPixel);
}

float Screen::Height()
{
    return static_cast<float>(FrontEnd::current().screenSize().height() * TwipsPerPixel);
}

} // namespace forms

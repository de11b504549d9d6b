// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pacing.h"

#include "frontend.h"

#include <algorithm>
#include <cmath>

namespace forms {

int Pacing::frameMilliseconds()
{
    constexpr double FallbackRate = 60.0;
    double rate = FrontEnd::exists() ? FrontEnd::current().refreshRate() : FallbackRate;
    if (!(rate >= 24.0 && rate <= 480.0))
        rate = FallbackRate;
    return std::max(1, static_cast<int>(std::lround(1000.0 / rate)));
}

} // namespace forms

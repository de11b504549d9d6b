// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "font.h"

#include <cmath>

namespace forms {

Font ClassicFont(double points, bool bold)
{
    return Font("Liberation Sans", static_cast<int>(std::lround(points * 96.0 / 72.0)), bold);
}

} // namespace forms

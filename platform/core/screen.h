// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace forms {

// The primary screen's size in twips, 15 to a logical pixel.
class Screen
{
public:
    static float Width();
    static float Height();
};

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rect.h"

namespace forms {

// Where a new window opens over the window it was opened from. Plain geometry in
// screen pixels, frames included; it knows nothing of widgets.
//
// The window is centred over the other one and kept within the screen's free area.
// Where it would then cover the control that opened it, it moves as little as it
// must to clear that control, above, below or to one side, so the reader can still
// reach the control that closes it again; where the screen has no room for that, it
// stays centred.
Rect PlaceOver(Size window, const Rect &over, const Rect &keepClear, const Rect &available);

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rect.h"

namespace forms {

// The device pixels a control of a logical area covers on a screen of the ratio:
// each edge is rounded to the nearest device pixel (halves away from zero), so
// neighbouring areas share their edges and an area whose logical origin times the
// ratio is not whole starts at the nearer pixel. Every front end lays its controls
// out so; it is also where a control takes the pointer.
Rect DeviceArea(const Rect &logical, double ratio);

// A length or place rounded to the nearest whole number, halves away from zero, as
// the edges above are.
int RoundToPixel(double value);

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pixelbuffer.h"

namespace forms {

class DrawingSurface;

// A window's client area as its screen shows it, in device pixels: the window's own
// picture, and over it each picture box's picture, its first pixel at the device pixel
// that holds its origin (as the front end counts them) and within the device pixels
// its rounded edges take, its last column and row going on where those reach past it.
// That is where the pointer finds each pixel (PointerRules). Composes an area of it
// into a picture of the window's device size.
void ComposeWindow(DrawingSurface &window, const Rect &area, PixelBuffer &screen);

// The device pixels of the window's screen that show a logical area of a surface's
// picture, placed as above: each whose picture pixel lies in the area, and, where the
// area takes the picture's last column or row, those that repeat it. A window's screen
// brought up to date over this area shows every pixel drawn in it.
Rect ShownArea(const DrawingSurface &shown, const Rect &logical);

} // namespace forms

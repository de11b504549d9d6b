// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>

namespace forms::qt {

// Whole device pixels from logical positions and areas, counted the way the window
// system and Qt's backing store count them. Knows nothing of widgets or windows.

// The device pixel holding a logical position that the window system worked out from
// a device position (whole or not) as device / ratio. Qt computes that as
// device * (1 / ratio), which may differ from the quotient in its last bit; both lie
// at or above the lower of the two and a whole pixel below the next corner, so the
// pixel is the last one whose corner, so taken, is not past the position. A position
// at a pixel's top left corner gives that pixel at every ratio.
int devicePixelAt(double logical, double ratio);
QPoint devicePixelAt(QPointF logical, double ratio);

// The device pixels a logical area covers where the backing store paints it: the
// core's rule, each edge rounded to the nearest device pixel, which is also Qt's.
QRect deviceArea(const QRect &logical, double ratio);

} // namespace forms::qt

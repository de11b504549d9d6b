// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Sine, cosine and the length of a vector, worked out here with nothing but the four
// operations and the square root, which every C library rounds alike: the C libraries'
// own functions differ in their last bit from one library to the next, and a place or
// a colour worked out from them would differ with the front end that carries it.
namespace forms::maths {

// Within an ulp for arguments up to about a million; the figures pass a few radians.
double Sin(double x);
double Cos(double x);

// The length of (x, y), for the moderate values of places on a screen.
double Hypot(double x, double y);

} // namespace forms::maths

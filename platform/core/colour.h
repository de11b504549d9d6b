// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The colours the programs draw with, and their pixels in a surface's image. Plain
// integers: no widgets, no colour management, so a colour reads back exactly as drawn.
namespace forms {

// A colour packed as red + 256 x green + 65536 x blue, each component 0..255.
using Colour = std::int32_t;

constexpr Colour RGB(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

constexpr int Red(Colour colour)
{
    return colour & 0xFF;
}

constexpr int Green(Colour colour)
{
    return (colour >> 8) & 0xFF;
}

constexpr int Blue(Colour colour)
{
    return (colour >> 16) & 0xFF;
}

// The three components apart, for arithmetic on them and for readable comparisons.
struct ColourComponents
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const ColourComponents &, const ColourComponents &) = default;
};

constexpr ColourComponents Components(Colour colour)
{
    return {Red(colour), Green(colour), Blue(colour)};
}

// A pixel of a surface's image: opaque 0xFFRRGGBB (QImage::Format_RGB32).
using Pixel = std::uint32_t;

constexpr Pixel ToPixel(Colour colour)
{
    return 0xFF000000u | (static_cast<Pixel>(Red(colour)) << 16) | (static_cast<Pixel>(Green(colour)) << 8)
           | static_cast<Pixel>(Blue(colour));
}

// The colour of a pixel; whatever its alpha byte holds is ignored.
constexpr Colour FromPixel(Pixel pixel)
{
    return RGB(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
               static_cast<int>(pixel & 0xFF));
}

} // namespace forms

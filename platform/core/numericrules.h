// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// The arithmetic and text rules the drawings rely on. Plain functions, no widgets.
namespace forms {

// Rounds to the nearest whole number, halves to the even neighbour.
inline double roundHalfEven(double value)
{
    // Adding 1.5 x 2^52 leaves no bits for a fraction, so the addition itself rounds
    // to the nearest whole number, ties to even; far quicker than nearbyint.
    constexpr double Shift = 6755399441055744.0;
    if (!(value < 4503599627370496.0 && value > -4503599627370496.0))
        return value;
    return (value + Shift) - Shift;
}

[[noreturn]] void RaiseOverflow();

// Integer conversion to a 16-bit integer: nearest, halves to the even neighbour.
// A result outside -32768..32767 is the runtime error "Overflow".
inline std::int16_t CInt(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        RaiseOverflow();
    return static_cast<std::int16_t>(rounded);
}

// Counted loop test: a loop on `counter` goes on while the counter has not passed
// the limit in the direction of the step.
constexpr bool LoopGoesOn(float counter, float limit, float step)
{
    return step >= 0 ? counter <= limit : counter >= limit;
}

// Upper-case hexadecimal digits without leading zeros; a negative value gives its
// eight-digit two's-complement form.
std::string Hex(std::int32_t value);
// The same for a double holding a whole number (rounded first, halves to even).
std::string Hex(double value);

// The number at the start of a text: "&H" followed by hexadecimal digits, or a
// decimal number. Anything else gives 0.
double Val(const std::string &text);

// A number as text: a whole number as its digits without sign padding or point; any
// other with a point, whatever the user's language.
std::string NumberToText(double value);

// Hex split of a colour value: padded to six digits, then read back as blue,
// green and red pieces.
struct HexSplit
{
    std::string text; // six (or more) digits
    std::string redHex;
    std::string greenHex;
    std::string blueHex;
};
HexSplit SplitHex(const std::string &hexDigits);

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "maths.h"

#include <cmath>
#include <cstdint>

namespace forms::maths {

namespace {

// The polynomials that approximate sine and cosine within a quarter turn round zero,
// the classic minimax ones, given by their bits.
constexpr double bits(std::uint64_t word)
{
    return __builtin_bit_cast(double, word);
}

const double S1 = bits(0xBFC5555555555549), S2 = bits(0x3F8111111110F8A6), S3 = bits(0xBF2A01A019C161D5),
             S4 = bits(0x3EC71DE357B1FE7D), S5 = bits(0xBE5AE5E68A2B9CEB), S6 = bits(0x3DE5D93A5ACFD57C);
const double C1 = bits(0x3FA555555555554C), C2 = bits(0xBF56C16C16C15177), C3 = bits(0x3EFA01A019CB1590),
             C4 = bits(0xBE927E4F809C52AD), C5 = bits(0x3E21EE9EBDB4B1C4), C6 = bits(0xBDA8FAE9BE8838D4);

// pi / 2 in three parts of 33 bits and their tails, and 2 / pi.
const double InversePiOver2 = bits(0x3FE45F306DC9C883);
const double PiOver2Part1 = bits(0x3FF921FB54400000), PiOver2Tail1 = bits(0x3DD0B4611A626331);
const double PiOver2Part2 = bits(0x3DD0B4611A600000), PiOver2Tail2 = bits(0x3BA3198A2E037073);
const double PiOver2Part3 = bits(0x3BA3198A2E000000), PiOver2Tail3 = bits(0x397B839A252049C1);

int exponentOf(double x)
{
    return static_cast<int>((__builtin_bit_cast(std::uint64_t, x) >> 52) & 0x7FF);
}

// Sine of x + tail for |x| up to pi / 4, tail being far below an ulp of x.
double kernelSin(double x, double tail)
{
    const double z = x * x;
    const double w = z * z;
    const double r = S2 + z * (S3 + z * S4) + z * w * (S5 + z * S6);
    const double v = z * x;
    return x - ((z * (0.5 * tail - v * r) - tail) - v * S1);
}

double kernelCos(double x, double tail)
{
    const double z = x * x;
    const double w = z * z;
    const double r = z * (C1 + z * (C2 + z * C3)) + w * w * (C4 + z * (C5 + z * C6));
    const double half = 0.5 * z;
    const double rest = 1.0 - half;
    return rest + (((1.0 - rest) - half) + (z * r - x * tail));
}

// x less the nearest multiple n of pi / 2, as a head and a tail, and n.
struct Reduced
{
    int quarter = 0;
    double head = 0;
    double tail = 0;
};

Reduced reduce(double x)
{
    // Rounded to the nearest whole number by the addition itself.
    constexpr double Shift = 6755399441055744.0;
    const double n = (x * InversePiOver2 + Shift) - Shift;
    double rest = x - n * PiOver2Part1;
    double taken = n * PiOver2Tail1;
    double head = rest - taken;
    // Where x lies near a multiple of pi / 2, the first parts cancel most of its bits:
    // the next parts of pi / 2 keep the result exact.
    const int exponent = exponentOf(x);
    if (exponent - exponentOf(head) > 16) {
        const double before = rest;
        taken = n * PiOver2Part2;
        rest = before - taken;
        taken = n * PiOver2Tail2 - ((before - rest) - taken);
        head = rest - taken;
        if (exponent - exponentOf(head) > 49) {
            const double again = rest;
            taken = n * PiOver2Part3;
            rest = again - taken;
            taken = n * PiOver2Tail3 - ((again - rest) - taken);
            head = rest - taken;
        }
    }
    return {static_cast<int>(static_cast<long long>(n) & 3), head, (rest - head) - taken};
}

} // namespace

double Sin(double x)
{
    if (std::fabs(x) < 0x1p-27)
        return x;
    if (std::fabs(x) <= 0.785398163397448279)
        return kernelSin(x, 0);
    if (!std::isfinite(x))
        return x - x;
    const Reduced r = reduce(x);
    switch (r.quarter) {
    case 0:
        return kernelSin(r.head, r.tail);
    case 1:
        return kernelCos(r.head, r.tail);
    case 2:
        return -kernelSin(r.head, r.tail);
    default:
        return -kernelCos(r.head, r.tail);
    }
}

double Cos(double x)
{
    if (std::fabs(x) < 0x1p-27)
        return 1.0;
    if (std::fabs(x) <= 0.785398163397448279)
        return kernelCos(x, 0);
    if (!std::isfinite(x))
        return x - x;
    const Reduced r = reduce(x);
    switch (r.quarter) {
    case 0:
        return kernelCos(r.head, r.tail);
    case 1:
        return -kernelSin(r.head, r.tail);
    case 2:
        return -kernelCos(r.head, r.tail);
    default:
        return kernelSin(r.head, r.tail);
    }
}

double Hypot(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

} // namespace forms::maths

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourrules.h"

#include "maths.h"
#include "numericrules.h"

#include <cmath>

namespace colourrules {

float SinglePi()
{
    // Every C library gives the arc tangent of 1 to the last bit, pi / 4 rounded.
    return static_cast<float>(4 * std::atan(1.0));
}

float ThirdOfTurn(float piValue)
{
    const float twoPi = 2 * piValue;
    return twoPi / 3;
}

RingPlace PlaceOnRing(float radius, float theta, float piValue)
{
    const float position = theta - ThirdOfTurn(piValue);
    return {static_cast<float>(radius * forms::maths::Cos(static_cast<double>(position))),
            static_cast<float>(radius * forms::maths::Sin(static_cast<double>(position)))};
}

std::vector<float> RingRadii(Figure figure)
{
    const float step = RowOf(figure).ringStep;
    std::vector<float> radii;
    for (float radius = Rim; forms::LoopGoesOn(radius, InnermostRadius, step); radius += step)
        radii.push_back(radius);
    return radii;
}

std::vector<float> SliceBrightnesses()
{
    std::vector<float> slices;
    for (float brightness = BrightestSlice; forms::LoopGoesOn(brightness, SliceBrightnessLimit, SliceStep);
         brightness += SliceStep)
        slices.push_back(brightness);
    return slices;
}

float F(float angle, float piValue)
{
    const float twoPi = 2 * piValue;
    if (angle > twoPi)
        angle = angle - twoPi;
    if (angle > twoPi)
        angle = angle - twoPi;

    // The two lower bounds are single, the two upper ones double: the angle lands on
    // each side of them as the program's mixed arithmetic puts it.
    const float sixth = piValue / 6;
    const float half = piValue / 2;
    const double sevenSixths = 7.0 / 6.0 * piValue;
    const double threeHalves = 3.0 / 2.0 * piValue;
    const double wide = angle;

    float curve;
    if (angle < sixth) {
        curve = 1;
    } else if (angle < half) {
        const float sixTimes = 6 * angle;
        const float quotient = sixTimes / piValue;
        curve = 2 - quotient;
    } else if (wide < sevenSixths) {
        curve = -1;
    } else if (wide < threeHalves) {
        const float slope = 6 / piValue;
        const float rise = slope * angle;
        curve = -8 + rise;
    } else if (angle < twoPi) {
        curve = 1;
    } else {
        return 127;
    }
    const float shifted = curve + 1;
    return 127 * shifted;
}

HueComponents HueColour(float theta, float piValue)
{
    const float third = ThirdOfTurn(piValue);
    const float fourPi = piValue * 4;
    const float twoThirds = fourPi / 3;
    const float greenAngle = theta + third;
    const float blueAngle = theta + twoThirds;
    return {F(theta, piValue), F(greenAngle, piValue), F(blueAngle, piValue)};
}

std::int16_t MixWithWhite(float component, float whiteShare)
{
    const float white = whiteShare * 255;
    const float hueShare = 1 - whiteShare;
    const float hue = hueShare * component;
    const float mixed = white + hue;
    return forms::CInt(mixed);
}

std::int16_t Darken(std::int16_t component, float brightness)
{
    // The product of two singles is exact in double; only the conversion rounds.
    return forms::CInt(static_cast<double>(component) * static_cast<double>(brightness));
}

} // namespace colourrules

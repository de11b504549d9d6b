// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The colour rules of the circle, the disc and the cylinder, and the rings they are
// painted in. Every step is rounded to single precision where the program rounds it,
// so the colours and places come out to the unit. Plain arithmetic: the form paints
// what this works out, with loop counters of its own.
namespace colourrules {

// The figures, each painted ring by ring from the rim inwards.
enum class Figure : std::int16_t { None, HueCircle, SaturationDisc, ColourCylinder };

struct FigureRow
{
    Figure figure = Figure::None;
    // The change of radius from one ring to the next, negative as the rings run inwards.
    float ringStep = 0;
    // The dot width the figure's button sets.
    int dotWidth = 1;
    // Whether its button clears the window first.
    bool clears = false;
    // Whether it lets events in after every ring; if not, it only shows its progress
    // and takes no input until it is complete.
    bool yields = false;
};

// In the order the redraw looks for the current figure.
constexpr std::array<FigureRow, 3> Figures{{
    {Figure::HueCircle, -8, 10, false, false},
    {Figure::SaturationDisc, -5, 10, false, true},
    {Figure::ColourCylinder, -10, 20, true, true},
}};

// The row of a figure other than None.
constexpr const FigureRow &RowOf(Figure figure)
{
    return Figures[static_cast<std::size_t>(figure) - 1];
}
static_assert(
    [] {
        for (const FigureRow &row : Figures)
            if (&RowOf(row.figure) != &row)
                return false;
        return true;
    }(),
    "The rows follow the order of the figures");

// Every ring has the same points, the first of them at hue angle 0.
constexpr float Rim = 1000;
constexpr float InnermostRadius = 3;
constexpr int PointsPerRing = 500;
constexpr std::int16_t LastPoint = PointsPerRing - 1;

// The radii of a figure's rings, as its loop counts them.
std::vector<float> RingRadii(Figure figure);

// The hue angle from one point of a ring to the next, in single precision.
constexpr float AngleStep(float piValue)
{
    return (piValue + piValue) / PointsPerRing;
}

// The share of white mixed into a ring: none at the rim, nearly all at the centre.
constexpr float WhiteShare(float radius)
{
    return (Rim - radius) / Rim;
}

// The cylinder's slices, brightest first: the brightness counts down from 1 in single
// precision steps of a tenth while it is not below 0, so the last slice is a little
// under 0.1.
constexpr float BrightestSlice = 1;
constexpr float SliceStep = -0.1f;
constexpr float SliceBrightnessLimit = 0;
std::vector<float> SliceBrightnesses();

// pi as the program holds it: 4 x arctan 1, stored in single precision.
float SinglePi();

// A third of a turn, 2 pi / 3, in single precision. Hues are a third of a turn apart,
// and every point is drawn a third of a turn back from its hue angle.
float ThirdOfTurn(float piValue);

// Where the point of a hue angle lies on the ring of a radius: a third of a turn back
// from the angle, worked out in double precision and stored in single.
struct RingPlace
{
    float x = 0;
    float y = 0;
};
RingPlace PlaceOnRing(float radius, float theta, float piValue);

// The component rule: the value of one component at a hue angle in radians, 0 to 254,
// and 127 where the angle stays above 2 pi after two reductions.
float F(float angle, float piValue);

// The components of a hue: F at the angle, a third and two thirds of a turn on.
struct HueComponents
{
    float red = 0;
    float green = 0;
    float blue = 0;
};
HueComponents HueColour(float theta, float piValue);

// A component with a white share mixed in. White counts as 255 although the hues reach
// only 254, so the innermost rings reach 255.
std::int16_t MixWithWhite(float component, float whiteShare);

// A mixed component darkened to a slice's brightness.
std::int16_t Darken(std::int16_t component, float brightness);

} // namespace colourrules

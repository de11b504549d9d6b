#pragma once

#include <cstdint>

// The colour rules of the circle, the disc and the cylinder. Every step is rounded to
// single precision where the program rounds it, so the colours come out to the unit.
namespace colourrules {

// pi as the program holds it: 4 x arctan 1, stored in single precision.
float SinglePi();

// A third of a turn, 2 pi / 3, in single precision. Hues are a third of a turn apart,
// and every point is drawn a third of a turn back from its hue angle.
float ThirdOfTurn(float piValue);

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

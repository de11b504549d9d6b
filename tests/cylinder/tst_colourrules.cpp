// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourrules.h"

#include "colour.h"
#include "numericrules.h"

#include "check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <string>

using colourrules::SinglePi;

namespace forms {
std::ostream &operator<<(std::ostream &out, const ColourComponents &rgb)
{
    return out << '(' << rgb.red << ", " << rgb.green << ", " << rgb.blue << ')';
}
} // namespace forms

namespace {

using Rgb = forms::ColourComponents;

float hueAngle(int pointIndex)
{
    return static_cast<std::int16_t>(pointIndex) * colourrules::AngleStep(SinglePi());
}

Rgb saturated(int pointIndex)
{
    const colourrules::HueComponents hue = colourrules::HueColour(hueAngle(pointIndex), SinglePi());
    return {forms::CInt(hue.red), forms::CInt(hue.green), forms::CInt(hue.blue)};
}

Rgb mixed(int pointIndex, float radius)
{
    const float whiteShare = colourrules::WhiteShare(radius);
    const colourrules::HueComponents hue = colourrules::HueColour(hueAngle(pointIndex), SinglePi());
    return {colourrules::MixWithWhite(hue.red, whiteShare), colourrules::MixWithWhite(hue.green, whiteShare),
            colourrules::MixWithWhite(hue.blue, whiteShare)};
}

std::string named(const char *what, double a, int b)
{
    return what + std::to_string(a) + ", point " + std::to_string(b);
}

} // namespace

CHECK_CASE(singlePrecisionConstants)
{
    CHECK_EQ(static_cast<double>(SinglePi()), 3.1415927410125732);
    CHECK_EQ(static_cast<double>(colourrules::AngleStep(SinglePi())), 0.012566370889544487);
    CHECK_EQ(static_cast<double>(colourrules::ThirdOfTurn(SinglePi())), 2.094395160675049);
}

// The places are worked out with the core's own sine and cosine, the same wherever it
// runs; they must be the places this machine's C library gives, on every ring.
CHECK_CASE(ringPlacesAgreeWithTheCLibrary)
{
    const float pi = SinglePi();
    for (const colourrules::Figure figure : {colourrules::Figure::HueCircle, colourrules::Figure::SaturationDisc,
                                             colourrules::Figure::ColourCylinder}) {
        for (const float radius : colourrules::RingRadii(figure)) {
            for (std::int16_t point = 0; point <= colourrules::LastPoint; ++point) {
                const float theta = point * colourrules::AngleStep(pi);
                const colourrules::RingPlace place = colourrules::PlaceOnRing(radius, theta, pi);
                const double position = theta - colourrules::ThirdOfTurn(pi);
                if (place.x != static_cast<float>(radius * std::cos(position))
                    || place.y != static_cast<float>(radius * std::sin(position))) {
                    const check::Row row(named("radius ", radius, point));
                    CHECK(false);
                }
            }
        }
    }
}

CHECK_CASE(componentRule)
{
    const float pi = SinglePi();
    const struct
    {
        const char *name;
        float angle, value;
    } rows[] = {
        {"zero", 0.0f, 254.0f},
        {"quarter turn", pi / 2, 0.0f},
        {"small negative", -0.001f, 254.0f},
        {"large negative", -100.0f, 254.0f},
        {"full turn, not reduced", 2 * pi, 127.0f},
        {"two turns, reduced once", 4 * pi, 127.0f},
        {"twenty, above a turn after two reductions", 20.0f, 127.0f},
        {"flat zero at 180 degrees", pi, 0.0f},
        {"flat 254 at 300 degrees", 5 * pi / 3, 254.0f},
        {"flat 254 over a turn", 2 * pi + 0.1f, 254.0f},
    };
    for (const auto &row : rows) {
        const check::Row named(row.name);
        CHECK_EQ(colourrules::F(row.angle, pi), row.value);
    }
    // 7 comes down to about 0.7168, on the falling ramp.
    CHECK(std::fabs(colourrules::F(7, pi) - 207.135f) < 0.001f);
}

CHECK_CASE(clockFace)
{
    const struct
    {
        const char *name;
        int pointIndex;
        Rgb colour;
    } rows[] = {
        {"11 o'clock, rose", 0, {254, 0, 127}},  {"12 o'clock, magenta", 42, {253, 0, 254}},
        {"1 o'clock", 83, {128, 0, 254}},        {"2 o'clock, blue", 125, {0, 0, 254}},
        {"3 o'clock", 167, {0, 128, 254}},       {"4 o'clock, cyan", 208, {0, 253, 254}},
        {"5 o'clock", 250, {0, 254, 127}},       {"6 o'clock, green", 292, {1, 254, 0}},
        {"7 o'clock", 333, {126, 254, 0}},       {"8 o'clock, yellow", 375, {254, 254, 0}},
        {"9 o'clock", 417, {254, 126, 0}},       {"10 o'clock, red", 458, {254, 1, 0}},
    };
    for (const auto &row : rows) {
        const check::Row named(row.name);
        CHECK_EQ(saturated(row.pointIndex), row.colour);
    }
}

CHECK_CASE(oppositeHuesAreComplementary)
{
    for (const int point : {0, 42, 83, 125, 167, 208}) {
        const Rgb one = saturated(point);
        const Rgb other = saturated(point + 250);
        CHECK_EQ((Rgb{one.red + other.red, one.green + other.green, one.blue + other.blue}), (Rgb{254, 254, 254}));
    }
}

CHECK_CASE(noHueReaches255)
{
    for (int point = 0; point <= colourrules::LastPoint; ++point) {
        const Rgb rgb = saturated(point);
        CHECK(std::max({rgb.red, rgb.green, rgb.blue}) <= 254);
        CHECK(std::min({rgb.red, rgb.green, rgb.blue}) == 0);
    }
}

CHECK_CASE(whiteMixing)
{
    const struct
    {
        float radius;
        std::array<Rgb, 4> colours;
    } rows[] = {
        {1000, {{{254, 0, 127}, {0, 0, 254}, {0, 254, 127}, {254, 254, 0}}}},
        {995, {{{254, 1, 128}, {1, 1, 254}, {1, 254, 128}, {254, 254, 1}}}},
        {750, {{{254, 64, 159}, {64, 64, 254}, {64, 254, 159}, {254, 254, 64}}}},
        {500, {{{254, 128, 191}, {128, 128, 254}, {128, 254, 191}, {254, 254, 128}}}},
        {250, {{{255, 191, 223}, {191, 191, 255}, {191, 255, 223}, {255, 255, 191}}}},
        {5, {{{255, 254, 254}, {254, 254, 255}, {254, 255, 254}, {255, 255, 254}}}},
    };
    const int points[] = {0, 125, 250, 375};
    for (const auto &row : rows) {
        for (int i = 0; i < 4; ++i) {
            const check::Row name(named("radius ", row.radius, points[i]));
            CHECK_EQ(mixed(points[i], row.radius), row.colours[i]);
        }
    }
}

CHECK_CASE(halfWhiteRoundsToEven)
{
    // 127.5 + 127 = 254.5 goes down to the even 254; 127.5 + 0 goes up to 128.
    CHECK_EQ(colourrules::MixWithWhite(254, 0.5f), std::int16_t(254));
    CHECK_EQ(colourrules::MixWithWhite(0, 0.5f), std::int16_t(128));
    CHECK_EQ(colourrules::MixWithWhite(127, 0.5f), std::int16_t(191));
}

CHECK_CASE(sliceBrightness)
{
    const std::array<double, 10> expected = {1,
                                             0.8999999761581421,
                                             0.7999999523162842,
                                             0.6999999284744263,
                                             0.5999999046325684,
                                             0.49999991059303284,
                                             0.3999999165534973,
                                             0.2999999225139618,
                                             0.19999992847442627,
                                             0.09999992698431015};
    const std::vector<float> slices = colourrules::SliceBrightnesses();
    CHECK_EQ(slices.size(), expected.size());
    for (std::size_t i = 0; i < std::min(slices.size(), expected.size()); ++i)
        CHECK_EQ(static_cast<double>(slices[i]), expected[i]);
    // The counter as the cylinder's loop leaves it.
    CHECK_EQ(static_cast<double>(slices.back() + colourrules::SliceStep), -7.450580596923828e-8);

    CHECK_EQ(colourrules::Darken(255, slices[9]), std::int16_t(25));
    CHECK_EQ(colourrules::Darken(254, slices[9]), std::int16_t(25));
    CHECK_EQ(colourrules::Darken(127, slices[5]), std::int16_t(63));
    CHECK_EQ(colourrules::Darken(255, slices[5]), std::int16_t(127));
}

CHECK_CASE(darkening)
{
    // Per slice: rim point 0, rim point 125, radius 500 point 125, radius 10 points 125 and 375.
    const std::array<std::array<Rgb, 5>, 10> table = {{
        {{{254, 0, 127}, {0, 0, 254}, {128, 128, 254}, {252, 252, 255}, {255, 255, 252}}},
        {{{229, 0, 114}, {0, 0, 229}, {115, 115, 229}, {227, 227, 229}, {229, 229, 227}}},
        {{{203, 0, 102}, {0, 0, 203}, {102, 102, 203}, {202, 202, 204}, {204, 204, 202}}},
        {{{178, 0, 89}, {0, 0, 178}, {90, 90, 178}, {176, 176, 178}, {178, 178, 176}}},
        {{{152, 0, 76}, {0, 0, 152}, {77, 77, 152}, {151, 151, 153}, {153, 153, 151}}},
        {{{127, 0, 63}, {0, 0, 127}, {64, 64, 127}, {126, 126, 127}, {127, 127, 126}}},
        {{{102, 0, 51}, {0, 0, 102}, {51, 51, 102}, {101, 101, 102}, {102, 102, 101}}},
        {{{76, 0, 38}, {0, 0, 76}, {38, 38, 76}, {76, 76, 76}, {76, 76, 76}}},
        {{{51, 0, 25}, {0, 0, 51}, {26, 26, 51}, {50, 50, 51}, {51, 51, 50}}},
        {{{25, 0, 13}, {0, 0, 25}, {13, 13, 25}, {25, 25, 25}, {25, 25, 25}}},
    }};
    const float radii[] = {1000, 1000, 500, 10, 10};
    const int points[] = {0, 125, 125, 125, 375};
    const std::vector<float> slices = colourrules::SliceBrightnesses();
    for (int slice = 0; slice < 10; ++slice) {
        for (int column = 0; column < 5; ++column) {
            const check::Row row("slice " + std::to_string(slice + 1) + ", " + named("radius ", radii[column], points[column]));
            const float brightness = slices[static_cast<std::size_t>(slice)];
            const Rgb white = mixed(points[column], radii[column]);
            const Rgb dark{colourrules::Darken(white.red, brightness), colourrules::Darken(white.green, brightness),
                           colourrules::Darken(white.blue, brightness)};
            CHECK_EQ(dark, table[slice][column]);
        }
    }
}

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dotreplay.h"

#include "colour.h"
#include "colourrules.h"
#include "numericrules.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// Nothing painted here; dot numbers stay far below it.
constexpr forms::Colour NoDot = forms::RGB(255, 255, 255);

std::vector<Dot> rings(colourrules::Figure figure, float downTo,
                       const std::function<forms::Colour(float radius, int pointIndex)> &colour)
{
    std::vector<Dot> dots;
    for (const float radius : colourrules::RingRadii(figure)) {
        if (radius < downTo)
            break;
        for (int point = 0; point <= colourrules::LastPoint; ++point) {
            const forms::PointF place = ringPoint(radius, point);
            dots.push_back({static_cast<float>(place.x()), static_cast<float>(place.y()), colour(radius, point)});
        }
    }
    return dots;
}

float hueAngle(int pointIndex)
{
    return static_cast<std::int16_t>(pointIndex) * colourrules::AngleStep(colourrules::SinglePi());
}

colourrules::HueComponents hueOf(int pointIndex)
{
    return colourrules::HueColour(hueAngle(pointIndex), colourrules::SinglePi());
}

struct Mixed
{
    std::int16_t red;
    std::int16_t green;
    std::int16_t blue;
};

Mixed mixedOf(float radius, int pointIndex)
{
    const float whiteShare = colourrules::WhiteShare(radius);
    const colourrules::HueComponents hue = hueOf(pointIndex);
    return {colourrules::MixWithWhite(hue.red, whiteShare), colourrules::MixWithWhite(hue.green, whiteShare),
            colourrules::MixWithWhite(hue.blue, whiteShare)};
}

// A colour as "(r, g, b)", for readable failures.
std::string described(forms::Colour colour)
{
    return '(' + std::to_string(forms::Red(colour)) + ", " + std::to_string(forms::Green(colour)) + ", "
           + std::to_string(forms::Blue(colour)) + ')';
}

} // namespace

forms::PointF ringPoint(float radius, int pointIndex)
{
    const colourrules::RingPlace place =
        colourrules::PlaceOnRing(radius, hueAngle(pointIndex), colourrules::SinglePi());
    return {place.x, place.y};
}

int dotIndex(colourrules::Figure figure, float radius, int pointIndex)
{
    const int ring = static_cast<int>((colourrules::Rim - radius) / -colourrules::RowOf(figure).ringStep);
    return ring * colourrules::PointsPerRing + pointIndex;
}

std::vector<Dot> hueCircleDots()
{
    return rings(colourrules::Figure::HueCircle, colourrules::InnermostRadius, [](float, int point) {
        const colourrules::HueComponents hue = hueOf(point);
        return forms::RGB(forms::CInt(hue.red), forms::CInt(hue.green), forms::CInt(hue.blue));
    });
}

std::vector<Dot> saturationDiscDots(float downTo)
{
    return rings(colourrules::Figure::SaturationDisc, downTo, [](float radius, int point) {
        const Mixed c = mixedOf(radius, point);
        return forms::RGB(c.red, c.green, c.blue);
    });
}

std::vector<Dot> cylinderSliceDots(float brightness, float downTo)
{
    return rings(colourrules::Figure::ColourCylinder, downTo, [brightness](float radius, int point) {
        const Mixed c = mixedOf(radius, point);
        return forms::RGB(colourrules::Darken(c.red, brightness), colourrules::Darken(c.green, brightness),
                          colourrules::Darken(c.blue, brightness));
    });
}

DotReplay::DotReplay(const forms::DrawingSurface &window)
    : m_owners("DotReplay", static_cast<int>(window.logicalSize().width() * forms::TwipsPerPixel),
               static_cast<int>(window.logicalSize().height() * forms::TwipsPerPixel))
{
    m_owners.setScaleWidth(window.ScaleWidth());
    m_owners.setScaleHeight(window.ScaleHeight());
    m_owners.setScaleTop(window.ScaleTop());
    m_owners.setScaleLeft(window.ScaleLeft());
    m_owners.setBackColor(NoDot);
    if (m_owners.image().size() != window.image().size()
        || m_owners.mapping().toDevice(1234.5, -987.25) != window.mapping().toDevice(1234.5, -987.25)) {
        std::fputs("The replay surface does not match the window\n", stderr);
        std::abort();
    }
}

void DotReplay::add(const std::vector<Dot> &dots, int drawWidth, bool solid)
{
    m_owners.setDrawWidth(drawWidth);
    if (solid) {
        forms::DotRings rings{.rim = colourrules::Rim, .dots = {}};
        for (const Dot &dot : dots)
            rings.dots.push_back({dot.x, dot.y});
        m_owners.setSolidDrawWidth(drawWidth, rings);
    }
    for (const Dot &dot : dots) {
        m_owners.PSet(dot.x, dot.y, static_cast<forms::Colour>(m_colours.size()));
        m_colours.push_back(dot.colour);
    }
}

forms::PixelBuffer DotReplay::paintedOver(const forms::PixelBuffer &before) const
{
    forms::PixelBuffer result = before.copy();
    const forms::PixelBuffer &owners = m_owners.image();
    for (int y = 0; y < owners.height(); ++y) {
        const forms::Pixel *owner = owners.line(y);
        forms::Pixel *line = result.line(y);
        for (int x = 0; x < owners.width(); ++x) {
            const forms::Colour dot = forms::FromPixel(owner[x]);
            if (dot != NoDot)
                line[x] = forms::ToPixel(m_colours.at(dot));
        }
    }
    return result;
}

std::vector<forms::Point> DotReplay::pixelsOf(int index) const
{
    std::vector<forms::Point> pixels;
    const forms::PixelBuffer &owners = m_owners.image();
    for (int y = 0; y < owners.height(); ++y) {
        const forms::Pixel *owner = owners.line(y);
        for (int x = 0; x < owners.width(); ++x)
            if (forms::FromPixel(owner[x]) == index)
                pixels.emplace_back(x, y);
    }
    return pixels;
}

forms::Colour pointAt(const forms::DrawingSurface &surface, forms::Point pixel)
{
    const forms::PointF user =
        surface.mapping().fromDevice(forms::PointF(pixel.x(), pixel.y()) + forms::PointF(0.5, 0.5));
    return surface.Point(static_cast<float>(user.x()), static_cast<float>(user.y()));
}

forms::PixelBuffer clearedImage(const forms::DrawingSurface &window, forms::Colour colour)
{
    return forms::PixelBuffer(window.image().size(), forms::ToPixel(colour));
}

std::string imageDifference(const forms::PixelBuffer &actual, const forms::PixelBuffer &expected)
{
    if (actual.size() != expected.size())
        return "images of different sizes";
    int differing = 0;
    std::string first;
    for (int y = 0; y < actual.height(); ++y) {
        const forms::Pixel *lineA = actual.line(y);
        const forms::Pixel *lineE = expected.line(y);
        for (int x = 0; x < actual.width(); ++x) {
            if (forms::FromPixel(lineA[x]) == forms::FromPixel(lineE[x]))
                continue;
            if (differing++ == 0)
                first = "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is "
                        + described(forms::FromPixel(lineA[x])) + " instead of "
                        + described(forms::FromPixel(lineE[x]));
        }
    }
    return differing ? std::to_string(differing) + " pixels differ; " + first : std::string();
}

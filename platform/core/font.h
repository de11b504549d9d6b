// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace forms {

// A font by name, size in logical pixels and weight, as a front end is asked to draw it.
class Font
{
public:
    Font() = default;
    Font(std::string family, int pixelSize, bool bold) : m_family(std::move(family)), m_pixelSize(pixelSize), m_bold(bold)
    {
    }

    const std::string &family() const { return m_family; }
    int pixelSize() const { return m_pixelSize; }
    void setPixelSize(int pixels) { m_pixelSize = pixels; }
    bool bold() const { return m_bold; }

    friend bool operator==(const Font &, const Font &) = default;

private:
    std::string m_family = "Liberation Sans";
    int m_pixelSize = 12;
    bool m_bold = false;
};

// How text sits in a control: on one line, or wrapped at word boundaries from the top.
enum class TextFlow { SingleLine, WordWrap };

// The classic "MS Sans Serif" at a point size and weight, drawn with the metric-
// compatible Liberation Sans. Sizes are taken at 96 dots per inch, the density all the
// layouts were made for (15 twips to a pixel).
Font ClassicFont(double points, bool bold);

} // namespace forms

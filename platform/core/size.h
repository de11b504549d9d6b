// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>

namespace forms {

// The widths of a frame round an area, in whole pixels.
struct Margins
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr bool isNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    friend constexpr bool operator==(const Margins &, const Margins &) = default;
};

// A size in whole pixels.
class Size
{
public:
    constexpr Size() = default;
    constexpr Size(int width, int height) : m_width(width), m_height(height) {}

    constexpr int width() const { return m_width; }
    constexpr int height() const { return m_height; }
    constexpr void setWidth(int width) { m_width = width; }
    constexpr void setHeight(int height) { m_height = height; }
    constexpr bool isEmpty() const { return m_width <= 0 || m_height <= 0; }

    constexpr Size grownBy(const Margins &frame) const
    {
        return {m_width + frame.left + frame.right, m_height + frame.top + frame.bottom};
    }
    constexpr Size shrunkBy(const Margins &frame) const
    {
        return {m_width - frame.left - frame.right, m_height - frame.top - frame.bottom};
    }
    constexpr Size boundedTo(Size other) const
    {
        return {std::min(m_width, other.m_width), std::min(m_height, other.m_height)};
    }
    constexpr Size expandedTo(Size other) const
    {
        return {std::max(m_width, other.m_width), std::max(m_height, other.m_height)};
    }

    friend constexpr Size operator+(Size a, Size b) { return {a.m_width + b.m_width, a.m_height + b.m_height}; }
    friend constexpr Size operator-(Size a, Size b) { return {a.m_width - b.m_width, a.m_height - b.m_height}; }
    friend constexpr bool operator==(Size, Size) = default;

private:
    int m_width = 0;
    int m_height = 0;
};

// A size in fractions of a pixel.
class SizeF
{
public:
    constexpr SizeF() = default;
    constexpr SizeF(double width, double height) : m_width(width), m_height(height) {}
    constexpr SizeF(Size size) : m_width(size.width()), m_height(size.height()) {}

    constexpr double width() const { return m_width; }
    constexpr double height() const { return m_height; }
    constexpr bool isEmpty() const { return !(m_width > 0) || !(m_height > 0); }
    friend constexpr bool operator==(SizeF, SizeF) = default;

private:
    double m_width = 0;
    double m_height = 0;
};

} // namespace forms

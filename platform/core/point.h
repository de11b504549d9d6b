// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace forms {

// A point in whole pixels.
class Point
{
public:
    constexpr Point() = default;
    constexpr Point(int x, int y) : m_x(x), m_y(y) {}

    constexpr int x() const { return m_x; }
    constexpr int y() const { return m_y; }

    friend constexpr Point operator+(Point a, Point b) { return {a.m_x + b.m_x, a.m_y + b.m_y}; }
    friend constexpr Point operator-(Point a, Point b) { return {a.m_x - b.m_x, a.m_y - b.m_y}; }
    friend constexpr Point operator-(Point a) { return {-a.m_x, -a.m_y}; }
    constexpr Point &operator+=(Point other) { return *this = *this + other; }
    friend constexpr bool operator==(Point, Point) = default;

private:
    int m_x = 0;
    int m_y = 0;
};

// A point in user units or in fractions of a pixel. Two points are equal only when
// their coordinates are: where nearly the same must count as the same, the caller
// says so (nearlySame).
class PointF
{
public:
    constexpr PointF() = default;
    constexpr PointF(double x, double y) : m_x(x), m_y(y) {}
    constexpr PointF(Point point) : m_x(point.x()), m_y(point.y()) {}

    constexpr double x() const { return m_x; }
    constexpr double y() const { return m_y; }

    friend constexpr PointF operator+(PointF a, PointF b) { return {a.m_x + b.m_x, a.m_y + b.m_y}; }
    friend constexpr PointF operator-(PointF a, PointF b) { return {a.m_x - b.m_x, a.m_y - b.m_y}; }
    friend constexpr PointF operator*(PointF a, double factor) { return {a.m_x * factor, a.m_y * factor}; }
    friend constexpr PointF operator*(double factor, PointF a) { return {a.m_x * factor, a.m_y * factor}; }
    friend constexpr PointF operator/(PointF a, double divisor) { return {a.m_x / divisor, a.m_y / divisor}; }
    friend constexpr bool operator==(PointF, PointF) = default;

private:
    double m_x = 0;
    double m_y = 0;
};

// Equal but for rounding: each coordinate within a millionth of a millionth of the
// smaller one, or both within that of zero.
constexpr bool nearlySame(double a, double b)
{
    const auto magnitude = [](double value) { return value < 0 ? -value : value; };
    if (a == 0 || b == 0)
        return magnitude(a - b) <= 1e-12;
    const double smaller = magnitude(a) < magnitude(b) ? magnitude(a) : magnitude(b);
    return magnitude(a - b) * 1e12 <= smaller;
}

constexpr bool nearlySame(PointF a, PointF b)
{
    return nearlySame(a.x(), b.x()) && nearlySame(a.y(), b.y());
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "point.h"
#include "size.h"

#include <algorithm>
#include <cmath>

namespace forms {

// A rectangle of whole pixels. right() and bottom() are the last column and row it
// holds, left + width - 1 and top + height - 1, and fromCorners takes those two
// corners: a pixel's rectangle is fromCorners(p, p). An empty rectangle holds no
// pixel, contains nothing and meets nothing, and a union passes over it.
class Rect
{
public:
    constexpr Rect() = default;
    constexpr Rect(int left, int top, int width, int height)
        : m_left(left), m_top(top), m_width(width), m_height(height)
    {
    }
    constexpr Rect(Point topLeft, Size size) : Rect(topLeft.x(), topLeft.y(), size.width(), size.height()) {}
    static constexpr Rect fromCorners(Point topLeft, Point bottomRight)
    {
        return {topLeft.x(), topLeft.y(), bottomRight.x() - topLeft.x() + 1, bottomRight.y() - topLeft.y() + 1};
    }

    constexpr int x() const { return m_left; }
    constexpr int y() const { return m_top; }
    constexpr int left() const { return m_left; }
    constexpr int top() const { return m_top; }
    constexpr int right() const { return m_left + m_width - 1; }
    constexpr int bottom() const { return m_top + m_height - 1; }
    constexpr int width() const { return m_width; }
    constexpr int height() const { return m_height; }
    constexpr Size size() const { return {m_width, m_height}; }
    constexpr Point topLeft() const { return {m_left, m_top}; }
    constexpr Point bottomRight() const { return {right(), bottom()}; }
    constexpr Point center() const { return {(m_left + right()) / 2, (m_top + bottom()) / 2}; }

    constexpr bool isNull() const { return m_width == 0 && m_height == 0; }
    constexpr bool isEmpty() const { return m_width <= 0 || m_height <= 0; }
    constexpr bool contains(Point point) const
    {
        return !isEmpty() && point.x() >= m_left && point.x() <= right() && point.y() >= m_top
               && point.y() <= bottom();
    }
    constexpr bool contains(const Rect &other) const
    {
        return !isEmpty() && !other.isEmpty() && other.m_left >= m_left && other.right() <= right()
               && other.m_top >= m_top && other.bottom() <= bottom();
    }
    constexpr bool intersects(const Rect &other) const { return !(*this & other).isEmpty(); }

    friend constexpr Rect operator&(const Rect &a, const Rect &b)
    {
        if (a.isEmpty() || b.isEmpty())
            return {};
        const int left = std::max(a.m_left, b.m_left);
        const int top = std::max(a.m_top, b.m_top);
        const int right = std::min(a.right(), b.right());
        const int bottom = std::min(a.bottom(), b.bottom());
        if (left > right || top > bottom)
            return {};
        return fromCorners({left, top}, {right, bottom});
    }
    friend constexpr Rect operator|(const Rect &a, const Rect &b)
    {
        if (a.isEmpty())
            return b.isEmpty() ? Rect() : b;
        if (b.isEmpty())
            return a;
        return fromCorners({std::min(a.m_left, b.m_left), std::min(a.m_top, b.m_top)},
                           {std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())});
    }
    constexpr Rect &operator|=(const Rect &other) { return *this = *this | other; }
    constexpr Rect intersected(const Rect &other) const { return *this & other; }

    constexpr Rect translated(Point offset) const { return {topLeft() + offset, size()}; }
    constexpr Rect translated(int dx, int dy) const { return translated(Point(dx, dy)); }
    constexpr Rect adjusted(int left, int top, int right, int bottom) const
    {
        return {m_left + left, m_top + top, m_width - left + right, m_height - top + bottom};
    }
    constexpr void moveLeft(int left) { m_left = left; }
    constexpr void moveTop(int top) { m_top = top; }
    constexpr void moveTopLeft(Point topLeft) { m_left = topLeft.x(), m_top = topLeft.y(); }
    constexpr void moveCenter(Point centre)
    {
        m_left = centre.x() - (m_width - 1) / 2;
        m_top = centre.y() - (m_height - 1) / 2;
    }

    friend constexpr bool operator==(const Rect &, const Rect &) = default;

private:
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
};

// A rectangle in fractions of a pixel; right() and bottom() are its far edges,
// left + width and top + height.
class RectF
{
public:
    constexpr RectF() = default;
    constexpr RectF(double left, double top, double width, double height)
        : m_left(left), m_top(top), m_width(width), m_height(height)
    {
    }
    constexpr RectF(const Rect &rect) : RectF(rect.left(), rect.top(), rect.width(), rect.height()) {}

    constexpr double x() const { return m_left; }
    constexpr double y() const { return m_top; }
    constexpr double left() const { return m_left; }
    constexpr double top() const { return m_top; }
    constexpr double right() const { return m_left + m_width; }
    constexpr double bottom() const { return m_top + m_height; }
    constexpr double width() const { return m_width; }
    constexpr double height() const { return m_height; }
    constexpr PointF topLeft() const { return {m_left, m_top}; }
    constexpr SizeF size() const { return {m_width, m_height}; }
    constexpr bool isEmpty() const { return !(m_width > 0) || !(m_height > 0); }

    // The whole pixels it touches.
    Rect toAlignedRect() const
    {
        const int left = static_cast<int>(std::floor(m_left));
        const int top = static_cast<int>(std::floor(m_top));
        return {left, top, static_cast<int>(std::ceil(right())) - left, static_cast<int>(std::ceil(bottom())) - top};
    }

    friend constexpr bool operator==(const RectF &, const RectF &) = default;

private:
    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;
};

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "point.h"
#include "size.h"

namespace forms {

constexpr double TwipsPerPixel = 15.0;

// User units of a drawing surface: ScaleLeft and ScaleTop at the top left corner of
// the inner area, ScaleWidth and ScaleHeight across it (a negative height makes y
// grow upwards). Until a scale is assigned the units are twips, 15 to a logical
// pixel; afterwards the user extents stay put and the units follow the area's size.
class ScaleMapping
{
public:
    void setInnerSize(SizeF logicalSize, double devicePixelRatio);
    SizeF innerSize() const { return m_logicalSize; }
    double devicePixelRatio() const { return m_dpr; }
    bool hasUserScale() const { return m_userScale; }

    float scaleLeft() const { return m_left; }
    float scaleTop() const { return m_top; }
    float scaleWidth() const { return m_width; }
    float scaleHeight() const { return m_height; }
    void setScaleLeft(float value);
    void setScaleTop(float value);
    void setScaleWidth(float value);
    void setScaleHeight(float value);

    // The one mapping from user units to device pixels; every drawing call, every
    // read-back and (inverted) every pointer position goes through it.
    PointF toDevice(double x, double y) const
    {
        return {(x - m_left) * m_deviceX, (y - m_top) * m_deviceY};
    }
    PointF fromDevice(PointF device) const
    {
        return {m_left + device.x() / m_deviceX, m_top + device.y() / m_deviceY};
    }

    // Logical pixels, for placing controls.
    PointF toLogical(double x, double y) const { return toDevice(x, y) / m_dpr; }
    PointF fromLogical(PointF logical) const { return fromDevice(logical * m_dpr); }
    double logicalPerUnitX() const { return m_deviceX / m_dpr; }
    double logicalPerUnitY() const { return m_deviceY / m_dpr; }

private:
    void switchToUserScale();
    void update();

    SizeF m_logicalSize{1, 1};
    double m_dpr = 1.0;
    bool m_userScale = false;
    float m_left = 0;
    float m_top = 0;
    float m_width = TwipsPerPixel;
    float m_height = TwipsPerPixel;
    double m_deviceX = 1.0 / TwipsPerPixel;
    double m_deviceY = 1.0 / TwipsPerPixel;
};

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scalemapping.h"

#include "runtimeerror.h"

namespace forms {

void ScaleMapping::setInnerSize(SizeF logicalSize, double devicePixelRatio)
{
    m_logicalSize = logicalSize;
    m_dpr = devicePixelRatio;
    if (!m_userScale) {
        m_width = static_cast<float>(logicalSize.width() * TwipsPerPixel);
        m_height = static_cast<float>(logicalSize.height() * TwipsPerPixel);
    }
    update();
}

void ScaleMapping::switchToUserScale()
{
    m_userScale = true;
}

void ScaleMapping::setScaleLeft(float value)
{
    switchToUserScale();
    m_left = value;
    update();
}

void ScaleMapping::setScaleTop(float value)
{
    switchToUserScale();
    m_top = value;
    update();
}

void ScaleMapping::setScaleWidth(float value)
{
    if (value == 0)
        RaiseRuntimeError("Invalid property value");
    switchToUserScale();
    m_width = value;
    update();
}

void ScaleMapping::setScaleHeight(float value)
{
    if (value == 0)
        RaiseRuntimeError("Invalid property value");
    switchToUserScale();
    m_height = value;
    update();
}

void ScaleMapping::update()
{
    m_deviceX = m_logicalSize.width() * m_dpr / m_width;
    m_deviceY = m_logicalSize.height() * m_dpr / m_height;
}

} // namespace forms

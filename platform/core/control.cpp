// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control.h"

#include "drawingsurface.h"
#include "frontend.h"

#include <cmath>

namespace forms {

Control::Control(DrawingSurface *container) : m_container(container)
{
    m_container->addControl(this);
}

Control::~Control()
{
    m_container->removeControl(this);
}

void Control::setName(const std::string &name)
{
    m_name = name;
    if (ControlPeer *peer = controlPeer())
        peer->setName(name);
}

float Control::Left() const
{
    return static_cast<float>(m_container->mapping().fromLogical(m_rect.topLeft()).x());
}

float Control::Top() const
{
    return static_cast<float>(m_container->mapping().fromLogical(m_rect.topLeft()).y());
}

float Control::Width() const
{
    return static_cast<float>(m_rect.width() / std::fabs(m_container->mapping().logicalPerUnitX()));
}

float Control::Height() const
{
    return static_cast<float>(m_rect.height() / std::fabs(m_container->mapping().logicalPerUnitY()));
}

void Control::setLeft(float left)
{
    Move(left, Top(), Width(), Height());
}

void Control::setTop(float top)
{
    Move(Left(), top, Width(), Height());
}

void Control::setWidth(float width)
{
    Move(Left(), Top(), width, Height());
}

void Control::setHeight(float height)
{
    Move(Left(), Top(), Width(), height);
}

void Control::Move(float left, float top, float width, float height)
{
    const ScaleMapping &scale = m_container->mapping();
    const PointF topLeft = scale.toLogical(left, top);
    setLogicalRect(RectF(topLeft.x(), topLeft.y(), std::fabs(width * scale.logicalPerUnitX()),
                         std::fabs(height * scale.logicalPerUnitY())));
}

Rect Control::pixelRect() const
{
    const int left = static_cast<int>(std::lround(m_rect.left()));
    const int top = static_cast<int>(std::lround(m_rect.top()));
    const int right = static_cast<int>(std::lround(m_rect.right()));
    const int bottom = static_cast<int>(std::lround(m_rect.bottom()));
    return Rect(left, top, right - left, bottom - top);
}

void Control::scaleBy(double factorX, double factorY)
{
    setLogicalRect(
        RectF(m_rect.left() * factorX, m_rect.top() * factorY, m_rect.width() * factorX, m_rect.height() * factorY));
}

void Control::setLogicalRect(const RectF &rect)
{
    const Rect oldPixels = pixelRect();
    m_rect = rect;
    geometryChanged(oldPixels);
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace forms {

// A control without a window of its own, as its drawing surface sees it: painted into
// the surface's image, and taking the pointer over its area while it is visible.
class WindowlessControl
{
public:
    virtual bool Visible() const = 0;
    // The area it paints and takes the pointer over, in the surface's logical pixels.
    virtual QRect hitRect() const = 0;
    // Paints the whole of its area; the painter works in logical pixels.
    virtual void paint(QPainter &painter) const = 0;
    // What assistive tools are told it says.
    virtual QString Caption() const = 0;

protected:
    ~WindowlessControl() = default;
};

} // namespace forms

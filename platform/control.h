// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "placedcontrol.h"

#include <QRect>
#include <QRectF>

namespace forms {

class DrawingSurface;

// Position and size of a control in the units of its container. Width and height
// are magnitudes: in a container whose y grows upwards a control hangs down from
// its top. The place is kept in the container's logical pixels, so a change of the
// container's units moves no control.
class Control : public PlacedControl
{
public:
    explicit Control(DrawingSurface *container);
    ~Control() override;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    void Move(float left, float top, float width, float height);

    int TabIndex() const { return m_tabIndex; }
    void setTabIndex(int index) { m_tabIndex = index; }

    DrawingSurface *container() const { return m_container; }
    QRectF logicalRect() const { return m_rect; }
    // Whole logical pixels, edges rounded so that neighbours neither overlap nor gap.
    QRect pixelRect() const;
    // Places the control in its container's logical pixels, whatever the units.
    void setLogicalRect(const QRectF &rect);
    void scaleBy(double factorX, double factorY) override;

protected:
    virtual void geometryChanged(const QRect &oldPixels) = 0;

private:
    DrawingSurface *m_container;
    QRectF m_rect;
    int m_tabIndex = 0;
};

} // namespace forms

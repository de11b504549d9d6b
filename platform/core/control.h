// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "placedcontrol.h"

#include <string>

namespace forms {

class ControlPeer;
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

    // The name the form's design gives it.
    const std::string &Name() const { return m_name; }
    void setName(const std::string &name);

    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    void Move(float left, float top, float width, float height);

    int TabIndex() const override { return m_tabIndex; }
    void setTabIndex(int index) { m_tabIndex = index; }

    DrawingSurface *container() const { return m_container; }
    RectF logicalRect() const { return m_rect; }
    // Whole logical pixels, edges rounded so that neighbours neither overlap nor gap.
    Rect pixelRect() const override;
    // Places the control in its container's logical pixels, whatever the units.
    void setLogicalRect(const RectF &rect);
    void scaleBy(double factorX, double factorY) override;

    // What shows a control with a window of its own; none for a windowless one.
    virtual ControlPeer *controlPeer() const { return nullptr; }

protected:
    virtual void geometryChanged(const Rect &oldPixels) = 0;

private:
    DrawingSurface *m_container;
    std::string m_name;
    RectF m_rect;
    int m_tabIndex = 0;
};

} // namespace forms

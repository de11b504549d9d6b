// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"
#include "keypress.h"
#include "point.h"

#include <string>

namespace forms::web {

// What the pointer does, as the page numbers it.
enum class PointerKind { Move = 1, Press = 2, Release = 3 };

// What the page's input is delivered to: a window or a control of the page, known to
// the page by its number; what a reader is told of it.
class WebElement : public virtual ElementPeer
{
public:
    WebElement();
    virtual ~WebElement();
    WebElement(const WebElement &) = delete;
    WebElement &operator=(const WebElement &) = delete;

    int id() const { return m_id; }
    // The element of a number; none once it is gone.
    static WebElement *find(int id);

    void setAccessibleName(const std::string &name) override;
    void setAccessibleDescription(const std::string &description) override;
    bool hasFocus() const override;

    virtual void pointer(PointerKind, Point, int, int, int) {}
    virtual void click() {}
    // A key while it has the focus; false if it does not take it.
    virtual bool key(const KeyPress &) { return false; }
    virtual void focusChanged() {}
    virtual void closeRequested() {}
    virtual void scrolled() {}

private:
    int m_id;
    std::string m_name;
    std::string m_description;
};

// The device pixel that holds a logical position: where the page puts the first pixel
// of a control at a whole logical pixel, and where the pointer finds it.
inline Point devicePixelAt(PointF logical, double ratio)
{
    const auto floorOf = [](double value) {
        const int truncated = static_cast<int>(value);
        return truncated - (value < truncated ? 1 : 0);
    };
    return {floorOf(logical.x() * ratio), floorOf(logical.y() * ratio)};
}

} // namespace forms::web

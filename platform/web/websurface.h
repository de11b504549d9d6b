// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "webfrontend.h"

namespace forms {
class DrawingSurface;
}

namespace forms::web {

class WebWindow;

// What a form's client area and a picture box have in common in the page: an element
// that a reader knows by the surface's name and that holds the focus for its probe;
// its pixels go to its window's canvas; the probe's marks are drawn over it.
class WebSurface : public virtual SurfacePeer, public WebElement
{
public:
    WebSurface(DrawingSurface &surface, WebWindow *window);

    DrawingSurface &surface() const { return m_surface; }

    void setAccessibleName(const std::string &name) override;
    void setAccessibleDescription(const std::string &description) override;
    bool hasFocus() const override;
    double devicePixelRatio() const override { return WebFrontEnd::current().ratio(); }
    void present(const Rect &area, Timing timing) override;
    void marksMoved(const Rect &before, const Rect &after) override;
    void takeTabFocus() override;

    bool key(const KeyPress &press) override;
    void focusChanged() override;

protected:
    WebWindow *m_window;

private:
    DrawingSurface &m_surface;
    std::string m_name;
    std::string m_description;
};

} // namespace forms::web

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"
#include "webelement.h"

namespace forms {
class DrawingSurface;
}

namespace forms::web {

// Where the pixels of a window's surfaces go: the window's canvas.
class WebCanvas
{
public:
    virtual int canvasId() const = 0;
    // The surface's logical area changed: it and what lies over it go to the canvas.
    virtual void composite(DrawingSurface &surface, const Rect &area) = 0;
    // What lies in an area of the client area goes to the canvas again.
    virtual void compositeWindow(const Rect &area) = 0;

protected:
    ~WebCanvas() = default;
};

// What a form's client area and a picture box have in common in the page: an element
// that a reader knows by the surface's name and that holds the focus for its probe;
// its pixels go to its window's canvas; the probe's marks are drawn over it.
class WebSurface : public virtual SurfacePeer, public WebElement
{
public:
    WebSurface(DrawingSurface &surface, WebCanvas *canvas);

    DrawingSurface &surface() const { return m_surface; }

    double devicePixelRatio() const override;
    void present(const Rect &area, Timing timing) override;
    void marksMoved(const Rect &before, const Rect &after) override;
    void takeTabFocus() override;

    bool key(const KeyPress &press) override;
    void focusChanged() override;

protected:
    WebCanvas *m_canvas;

private:
    DrawingSurface &m_surface;
};

} // namespace forms::web

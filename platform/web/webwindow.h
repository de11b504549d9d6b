// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pixelbuffer.h"
#include "websurface.h"

#include <cstdint>
#include <vector>

namespace forms {
class Form;
}

namespace forms::web {

// A form in the page: the main window fills the page, any other form is a panel over
// it with a caption bar and a close button. The client area is one canvas at whole
// device pixels, into which the form's picture and its picture boxes' pictures are
// composed (ComposeWindow) where the pointer finds them.
class WebWindow final : public WebSurface, public WindowPeer, public WebCanvas
{
public:
    WebWindow(Form &form, bool main);
    ~WebWindow() override;

    Form &form() const;

    int canvasId() const override { return id(); }
    void composite(DrawingSurface &surface, const Rect &area) override;
    void compositeWindow(const Rect &area) override { composite(surface(), area); }

    void setCaption(const std::string &caption) override;
    Margins frame() const override { return m_frame; }
    void setInnerSize(Size inner, bool resizable) override;
    Point framePosition() const override { return m_position; }
    Rect frameGeometry() const override { return {m_position, m_inner.grownBy(m_frame)}; }
    void moveFrame(Point topLeft) override;
    void keepPlace() override {}
    Rect availableArea() const override;
    bool isActive() const override;
    Rect focusedControlArea() const override;
    void arrangeTabOrder(const std::vector<Control *> &order) override;
    void show() override;
    void hide() override;
    int scrollBarWidth() const override;
    void showScrollBar(int range, int pageStep) override;
    void hideScrollBar() override;
    int scrollPosition() const override;

    void pointer(PointerKind kind, Point device, int button, int buttons, int shift) override;
    bool key(const KeyPress &press) override;
    void closeRequested() override;
    void scrolled() override;

    // The readable texts of the labels its surfaces show, for the windows drawn on
    // since this was last asked.
    static void updateChangedLabelTexts();

private:
    void place();
    void updateLabelTexts();

    PixelBuffer m_screen;
    // The area presented last, in the canvas's byte order.
    std::vector<std::uint32_t> m_canvasBytes;
    Point m_position;
    Size m_inner;
    Margins m_frame;
    bool m_shown = false;
};

} // namespace forms::web

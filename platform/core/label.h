// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colour.h"
#include "control.h"
#include "font.h"
#include "windowlesscontrol.h"

#include <string>

namespace forms {

// A windowless label: painted into its container's picture whenever the container
// is cleared and whenever the label changes, so later drawing covers it; yet it keeps
// the pointer over its area. Text wraps at word boundaries from the top.
class Label final : public Control, public WindowlessControl
{
public:
    enum class Alignment { Left, Centre };

    explicit Label(DrawingSurface *container);
    ~Label() override;

    std::string Caption() const override { return m_caption; }
    void setCaption(const std::string &caption);
    bool Visible() const override { return m_visible; }
    void setVisible(bool visible);
    Colour BackColor() const { return m_backColor; }
    void setBackColor(Colour colour);
    Colour ForeColor() const { return m_foreColor; }
    void setForeColor(Colour colour);
    const Font &font() const { return m_font; }
    void setFont(const Font &font);
    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment);

    // The font the caption is painted in: the label's own, shrunk where the caption
    // would not fit otherwise.
    Font paintedFont() const;

    Rect hitRect() const override { return pixelRect(); }
    void paint(PixelBuffer &picture, Point origin, double ratio) const override;
    bool takesPointer() const override { return false; }
    bool hasWindow() const override { return false; }

protected:
    void geometryChanged(const Rect &oldPixels) override;

private:
    void changed();

    std::string m_caption;
    bool m_visible = true;
    Colour m_backColor = RGB(255, 255, 255);
    Colour m_foreColor = RGB(0, 0, 0);
    Font m_font;
    Alignment m_alignment = Alignment::Left;
};

} // namespace forms

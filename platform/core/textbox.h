// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colour.h"
#include "control.h"
#include "element.h"
#include "font.h"

#include <memory>
#include <string>

namespace forms {

class DrawingSurface;
class TextBoxPeer;

// A single-line text box with centred text, its font shrunk where the text would not
// fit otherwise.
class TextBox final : public Control, public Element
{
public:
    explicit TextBox(DrawingSurface *container);
    ~TextBox() override;

    const std::string &Text() const { return m_text; }
    void setText(const std::string &text);
    Colour BackColor() const { return m_backColor; }
    void setBackColor(Colour colour);
    // The font designed, and the one the text is shown in.
    void setFont(const Font &font);
    const Font &font() const { return m_fitted; }
    // The area the text may take: the box less its frame and margin.
    Size textArea() const;

    bool takesPointer() const override { return true; }
    bool hasWindow() const override { return true; }

    ControlPeer *controlPeer() const override;

protected:
    void geometryChanged(const Rect &oldPixels) override;

private:
    void fitText();

    std::unique_ptr<TextBoxPeer> m_peer;
    std::string m_text;
    Colour m_backColor = RGB(255, 255, 255);
    Font m_font;
    Font m_fitted;
    // The shown font is the fitted one; set once it has been fitted.
    bool m_fittedShown = false;
};

} // namespace forms

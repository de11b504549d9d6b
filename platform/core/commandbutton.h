// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"
#include "element.h"
#include "font.h"
#include "signal.h"

#include <memory>
#include <string>

namespace forms {

class ButtonPeer;
class DrawingSurface;

// A push button whose caption always fits: where it would not, even with the small
// padding of a classic button, its font shrinks just enough. No button is a window's
// default, so Enter presses the focused button, as Space does. A changed caption is
// said to screen readers, which do not read a name changed under them.
class CommandButton final : public Control, public Element
{
public:
    explicit CommandButton(DrawingSurface *container);
    ~CommandButton() override;

    const std::string &Caption() const { return m_caption; }
    void setCaption(const std::string &caption);
    // The font designed, and the one the caption is shown in.
    void setFont(const Font &font);
    const Font &font() const { return m_fitted; }
    // The area a caption may take: the button less its frame and padding.
    Size captionArea() const;

    // The button was pressed, by the pointer or by a key: Click, inside a handler.
    void click();

    bool takesPointer() const override { return true; }
    bool hasWindow() const override { return true; }

    Signal<> Click;

    ControlPeer *controlPeer() const override;

protected:
    void geometryChanged(const Rect &oldPixels) override;

private:
    void fitCaption();

    std::unique_ptr<ButtonPeer> m_peer;
    std::string m_caption;
    Font m_font;
    Font m_fitted;
    // The shown font is the fitted one; set once it has been fitted.
    bool m_fittedShown = false;
};

} // namespace forms

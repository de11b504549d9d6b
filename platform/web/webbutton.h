// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"
#include "webelement.h"

namespace forms {
class CommandButton;
}

namespace forms::web {

// A command button as the page's own button: the mouse, a touch, Space and Enter
// click it.
class WebButton final : public ButtonPeer, public WebElement
{
public:
    WebButton(CommandButton &button, int window);

    void setAccessibleName(const std::string &) override {}
    void setAccessibleDescription(const std::string &) override {}
    bool hasFocus() const override;
    void setName(const std::string &name) override;
    void setGeometry(const Rect &place) override;
    void setVisible(bool visible) override;
    void setCaption(const std::string &caption) override;
    void setFont(const Font &font) override;

    void click() override;

private:
    CommandButton &m_button;
    int m_window;
};

} // namespace forms::web

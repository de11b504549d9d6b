// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "webcontrol.h"

namespace forms {
class CommandButton;
}

namespace forms::web {

// A command button as the page's own button: the mouse, a touch, Space and Enter
// click it.
class WebButton final : public WebControl<ButtonPeer>
{
public:
    WebButton(CommandButton &button, int window);

    void setCaption(const std::string &caption) override;
    void setFont(const Font &font) override { showFont(font); }

    void click() override;

private:
    CommandButton &m_button;
};

} // namespace forms::web

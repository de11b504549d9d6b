// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webbutton.h"

#include "commandbutton.h"
#include "webpage.h"

namespace forms::web {

WebButton::WebButton(CommandButton &button, int window)
    : WebControl(ControlKind::Button, window), m_button(button)
{
}

void WebButton::setCaption(const std::string &caption)
{
    forms_control_text(id(), caption.c_str());
}

void WebButton::click()
{
    m_button.click();
}

} // namespace forms::web

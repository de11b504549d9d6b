// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webtextbox.h"

#include "webpage.h"

namespace forms::web {

WebTextBox::WebTextBox(TextBox &, int window) : WebControl(ControlKind::TextBox, window)
{
}

void WebTextBox::setText(const std::string &text)
{
    forms_control_text(id(), text.c_str());
}

void WebTextBox::setBackColor(Colour colour)
{
    forms_control_background(id(), static_cast<int>(ToPixel(colour) & 0xFFFFFF));
}

} // namespace forms::web

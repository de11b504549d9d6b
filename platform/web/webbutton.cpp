// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webbutton.h"

#include "commandbutton.h"
#include "webpage.h"

namespace forms::web {

namespace {
constexpr int ButtonKind = 1;
}

WebButton::WebButton(CommandButton &button, int window) : m_button(button), m_window(window)
{
    forms_control_create(id(), window, ButtonKind, "");
}

bool WebButton::hasFocus() const
{
    return forms_has_focus(id()) != 0;
}

void WebButton::setName(const std::string &name)
{
    forms_control_create(id(), m_window, ButtonKind, name.c_str());
}

void WebButton::setGeometry(const Rect &place)
{
    forms_control_place(id(), place.x(), place.y(), place.width(), place.height());
}

void WebButton::setVisible(bool visible)
{
    forms_control_visible(id(), visible ? 1 : 0);
}

void WebButton::setCaption(const std::string &caption)
{
    forms_control_text(id(), caption.c_str());
}

void WebButton::setFont(const Font &font)
{
    forms_control_font(id(), font.family().c_str(), font.pixelSize(), font.bold() ? 1 : 0);
}

void WebButton::click()
{
    m_button.click();
}

} // namespace forms::web

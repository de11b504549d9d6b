// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webtextbox.h"

#include "webpage.h"

namespace forms::web {

namespace {
constexpr int TextBoxKind = 2;
}

WebTextBox::WebTextBox(TextBox &, int window) : m_window(window)
{
    forms_control_create(id(), window, TextBoxKind, "");
}

void WebTextBox::setAccessibleName(const std::string &name)
{
    forms_control_accessible(id(), name.c_str(), "");
}

bool WebTextBox::hasFocus() const
{
    return forms_has_focus(id()) != 0;
}

void WebTextBox::setName(const std::string &name)
{
    forms_control_create(id(), m_window, TextBoxKind, name.c_str());
}

void WebTextBox::setGeometry(const Rect &place)
{
    forms_control_place(id(), place.x(), place.y(), place.width(), place.height());
}

void WebTextBox::setVisible(bool visible)
{
    forms_control_visible(id(), visible ? 1 : 0);
}

void WebTextBox::setText(const std::string &text)
{
    forms_control_text(id(), text.c_str());
}

void WebTextBox::setBackColor(Colour colour)
{
    forms_control_background(id(), static_cast<int>(ToPixel(colour) & 0xFFFFFF));
}

void WebTextBox::setFont(const Font &font)
{
    forms_control_font(id(), font.family().c_str(), font.pixelSize(), font.bold() ? 1 : 0);
}

} // namespace forms::web

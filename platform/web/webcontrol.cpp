// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webcontrol.h"

#include "webpage.h"

namespace forms::web {

template <class Peer>
WebControl<Peer>::WebControl(ControlKind kind, int window) : m_kind(kind), m_window(window)
{
    forms_control_create(id(), window, static_cast<int>(kind), "");
}

template <class Peer>
void WebControl<Peer>::setName(const std::string &name)
{
    forms_control_create(id(), m_window, static_cast<int>(m_kind), name.c_str());
}

template <class Peer>
void WebControl<Peer>::setGeometry(const Rect &place)
{
    forms_control_place(id(), place.x(), place.y(), place.width(), place.height());
}

template <class Peer>
void WebControl<Peer>::setVisible(bool visible)
{
    forms_control_visible(id(), visible ? 1 : 0);
}

template <class Peer>
void WebControl<Peer>::showFont(const Font &font)
{
    forms_control_font(id(), font.family().c_str(), font.pixelSize(), font.bold() ? 1 : 0);
}

template class WebControl<ButtonPeer>;
template class WebControl<TextBoxPeer>;
template class WebControl<ProbeAreaPeer>;

} // namespace forms::web

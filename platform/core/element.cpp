// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "element.h"

#include "announcer.h"
#include "frontend.h"

namespace forms {

Element::~Element()
{
    Announcer::forget(this);
}

void Element::setElementPeer(ElementPeer *peer)
{
    m_peer = peer;
}

void Element::setAccessibleName(const std::string &name)
{
    m_name = name;
    if (m_peer)
        m_peer->setAccessibleName(name);
}

void Element::setAccessibleDescription(const std::string &description)
{
    m_description = description;
    if (m_peer)
        m_peer->setAccessibleDescription(description);
}

bool Element::hasFocus() const
{
    return m_peer && m_peer->hasFocus();
}

} // namespace forms

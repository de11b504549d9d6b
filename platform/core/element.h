// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace forms {

class ElementPeer;

// Something on screen that assistive technology is told of: a surface or a control
// with a window of its own, with the name and description a reader gives it. It keeps
// them and hands them on to whatever shows it.
class Element
{
public:
    Element() = default;
    Element(const Element &) = delete;
    Element &operator=(const Element &) = delete;
    virtual ~Element();

    const std::string &accessibleName() const { return m_name; }
    void setAccessibleName(const std::string &name);
    const std::string &accessibleDescription() const { return m_description; }
    void setAccessibleDescription(const std::string &description);

    bool hasFocus() const;
    // What shows it; none while it is being made or taken apart.
    ElementPeer *elementPeer() const { return m_peer; }

protected:
    // Set by the concrete class once it has made its peer, which it owns.
    void setElementPeer(ElementPeer *peer);

private:
    ElementPeer *m_peer = nullptr;
    std::string m_name;
    std::string m_description;
};

} // namespace forms

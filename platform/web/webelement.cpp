// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webelement.h"

#include "webpage.h"

#include <map>

namespace forms::web {

namespace {

struct Registry
{
    int lastId = 0;
    std::map<int, WebElement *> elements;
};

Registry &registry()
{
    static Registry known;
    return known;
}

} // namespace

WebElement::WebElement() : m_id(++registry().lastId)
{
    registry().elements[m_id] = this;
}

WebElement::~WebElement()
{
    registry().elements.erase(m_id);
}

WebElement *WebElement::find(int id)
{
    const auto found = registry().elements.find(id);
    return found == registry().elements.end() ? nullptr : found->second;
}

void WebElement::setAccessibleName(const std::string &name)
{
    m_name = name;
    forms_control_accessible(m_id, m_name.c_str(), m_description.c_str());
}

void WebElement::setAccessibleDescription(const std::string &description)
{
    m_description = description;
    forms_control_accessible(m_id, m_name.c_str(), m_description.c_str());
}

bool WebElement::hasFocus() const
{
    return forms_has_focus(m_id) != 0;
}

} // namespace forms::web

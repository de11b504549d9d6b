// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"
#include "webelement.h"

namespace forms {
class ProbeArea;
}

namespace forms::web {

// A probe area: an element over part of a surface that the keyboard explores; the
// pointer passes through it.
class WebProbeArea final : public ProbeAreaPeer, public WebElement
{
public:
    WebProbeArea(ProbeArea &area, int window);

    void setAccessibleName(const std::string &name) override;
    void setAccessibleDescription(const std::string &description) override;
    bool hasFocus() const override;
    void setName(const std::string &name) override;
    void setGeometry(const Rect &place) override;
    void setVisible(bool visible) override;

    bool key(const KeyPress &press) override;
    void focusChanged() override;

private:
    ProbeArea &m_area;
    int m_window;
    std::string m_name;
    std::string m_description;
};

} // namespace forms::web

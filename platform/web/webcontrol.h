// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"
#include "webelement.h"

namespace forms::web {

// The kinds of control the page makes.
enum class ControlKind { Button = 1, TextBox = 2, Picture = 3, ProbeArea = 4 };

// A control that is one of the page's own elements on a window: named by its design
// name, placed and shown or hidden there.
template <class Peer>
class WebControl : public Peer, public WebElement
{
public:
    WebControl(ControlKind kind, int window);

    void setName(const std::string &name) override;
    void setGeometry(const Rect &place) override;
    void setVisible(bool visible) override;

protected:
    void showFont(const Font &font);

private:
    ControlKind m_kind;
    int m_window;
};

} // namespace forms::web

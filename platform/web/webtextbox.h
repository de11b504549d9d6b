// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"
#include "webelement.h"

namespace forms {
class TextBox;
}

namespace forms::web {

// A text box as a labelled output of the page: it shows a value, and a reader reads
// it with its name.
class WebTextBox final : public TextBoxPeer, public WebElement
{
public:
    WebTextBox(TextBox &box, int window);

    void setAccessibleName(const std::string &name) override;
    void setAccessibleDescription(const std::string &) override {}
    bool hasFocus() const override;
    void setName(const std::string &name) override;
    void setGeometry(const Rect &place) override;
    void setVisible(bool visible) override;
    void setText(const std::string &text) override;
    void setBackColor(Colour colour) override;
    void setFont(const Font &font) override;

private:
    int m_window;
};

} // namespace forms::web

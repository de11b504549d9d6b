// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "webcontrol.h"

namespace forms {
class TextBox;
}

namespace forms::web {

// A text box as a labelled output of the page: it shows a value, and a reader reads
// it with its name.
class WebTextBox final : public WebControl<TextBoxPeer>
{
public:
    WebTextBox(TextBox &box, int window);

    void setText(const std::string &text) override;
    void setBackColor(Colour colour) override;
    void setFont(const Font &font) override { showFont(font); }
};

} // namespace forms::web

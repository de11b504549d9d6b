// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textfit.h"

#include "frontend.h"

#include <algorithm>

namespace forms {

bool TextFits(const Font &font, const std::string &text, Size area, TextFlow flow)
{
    return FrontEnd::current().textFits(font, text, area, flow);
}

Font FittedFont(const Font &font, const std::string &text, Size area, TextFlow flow)
{
    Font fitted = font;
    constexpr int SmallestPixelSize = 6;
    while (!TextFits(fitted, text, area, flow) && fitted.pixelSize() > SmallestPixelSize)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return fitted;
}

bool TextReadable(const Font &font, const std::string &text, Size area, TextFlow flow)
{
    const Font fitted = FittedFont(font, text, area, flow);
    return fitted.pixelSize() >= std::min(font.pixelSize(), ReadablePixelSize) && TextFits(fitted, text, area, flow);
}

} // namespace forms

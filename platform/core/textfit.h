// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "font.h"
#include "size.h"

#include <string>

namespace forms {

// True when the text, set in this font, fits the given area, as the front end
// measures it.
bool TextFits(const Font &font, const std::string &text, Size area, TextFlow flow);

// The font itself when the text fits; otherwise the same font shrunk just enough
// (in whole pixels) that it does.
Font FittedFont(const Font &font, const std::string &text, Size area, TextFlow flow);

// The smallest text a pupil still reads with ease: 9 point at 96 dots per inch.
constexpr int ReadablePixelSize = 12;

// True when the text fits the area without shrinking below the readable size.
bool TextReadable(const Font &font, const std::string &text, Size area, TextFlow flow);

} // namespace forms

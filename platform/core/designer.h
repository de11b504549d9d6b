// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colour.h"
#include "label.h"
#include "rect.h"

#include <string>

namespace forms {

class CommandButton;
class DrawingSurface;
class PictureBox;
class TextBox;

// Controls as a form's design places them, under the design's name: left, top, width
// and height in the container's units (an empty place leaves the control for Form_Load
// to place), the container's font, and a tab index.
Label *AddLabel(DrawingSurface *container, const std::string &name, const std::string &caption, const Rect &place,
                Colour background, int tabIndex, Label::Alignment alignment = Label::Alignment::Centre);
// A text panel: a label whose text runs from its top left corner.
Label *AddPanel(DrawingSurface *container, const std::string &name, const Rect &place, Colour background,
                int tabIndex, const std::string &text);
CommandButton *AddButton(DrawingSurface *container, const std::string &name, const std::string &caption,
                         const Rect &place, int tabIndex);
PictureBox *AddPicture(DrawingSurface *container, const std::string &name, const Rect &place, int tabIndex);
TextBox *AddTextBox(DrawingSurface *container, const std::string &name, const std::string &text, const Rect &place,
                    Colour background, int tabIndex);

} // namespace forms

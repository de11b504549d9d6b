// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label.h"
#include "colour.h"

#include <QRect>
#include <QString>

namespace forms {

class CommandButton;
class DrawingSurface;
class PictureBox;
class TextBox;

// Controls as a form's design places them, under the design's name (a widget's object
// name, a label's own): left, top, width and height in the container's units (an empty
// place leaves the control for Form_Load to place), the container's font, and a tab index.
Label *AddLabel(DrawingSurface *container, const QString &name, const QString &caption, const QRect &place,
                Colour background, int tabIndex, Label::Alignment alignment = Label::Alignment::Centre);
// A text panel: a label whose text runs from its top left corner.
Label *AddPanel(DrawingSurface *container, const QString &name, const QRect &place, Colour background, int tabIndex,
                const QString &text);
CommandButton *AddButton(DrawingSurface *container, const QString &name, const QString &caption, const QRect &place,
                         int tabIndex);
PictureBox *AddPicture(DrawingSurface *container, const QString &name, const QRect &place, int tabIndex);
TextBox *AddTextBox(DrawingSurface *container, const QString &name, const QString &text, const QRect &place,
                    Colour background, int tabIndex);

} // namespace forms

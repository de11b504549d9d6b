// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "designer.h"

#include "commandbutton.h"
#include "picturebox.h"
#include "textbox.h"

namespace forms {

namespace {
void place(Control *control, const std::string &name, const Rect &rect, int tabIndex)
{
    control->setName(name);
    control->setTabIndex(tabIndex);
    if (!rect.isNull())
        control->Move(rect.x(), rect.y(), rect.width(), rect.height());
}
} // namespace

Label *AddLabel(DrawingSurface *container, const std::string &name, const std::string &caption, const Rect &rect,
                Colour background, int tabIndex, Label::Alignment alignment)
{
    auto *label = new Label(container);
    label->setCaption(caption);
    label->setBackColor(background);
    label->setAlignment(alignment);
    place(label, name, rect, tabIndex);
    return label;
}

Label *AddPanel(DrawingSurface *container, const std::string &name, const Rect &place, Colour background,
                int tabIndex, const std::string &text)
{
    return AddLabel(container, name, text, place, background, tabIndex, Label::Alignment::Left);
}

CommandButton *AddButton(DrawingSurface *container, const std::string &name, const std::string &caption,
                         const Rect &rect, int tabIndex)
{
    auto *button = new CommandButton(container);
    button->setCaption(caption);
    place(button, name, rect, tabIndex);
    return button;
}

PictureBox *AddPicture(DrawingSurface *container, const std::string &name, const Rect &rect, int tabIndex)
{
    auto *picture = new PictureBox(container);
    place(picture, name, rect, tabIndex);
    return picture;
}

TextBox *AddTextBox(DrawingSurface *container, const std::string &name, const std::string &text, const Rect &rect,
                    Colour background, int tabIndex)
{
    auto *box = new TextBox(container);
    box->setText(text);
    box->setBackColor(background);
    place(box, name, rect, tabIndex);
    return box;
}

} // namespace forms

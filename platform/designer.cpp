// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "designer.h"

#include "commandbutton.h"
#include "picturebox.h"
#include "textbox.h"

namespace forms {

namespace {
void place(Control *control, const QRect &rect, int tabIndex)
{
    control->setTabIndex(tabIndex);
    if (!rect.isNull())
        control->Move(rect.x(), rect.y(), rect.width(), rect.height());
}
} // namespace

Label *AddLabel(DrawingSurface *container, const QString &name, const QString &caption, const QRect &rect,
                Colour background, int tabIndex, Label::Alignment alignment)
{
    auto *label = new Label(container);
    label->setName(name);
    label->setCaption(caption);
    label->setBackColor(background);
    label->setAlignment(alignment);
    place(label, rect, tabIndex);
    return label;
}

Label *AddPanel(DrawingSurface *container, const QString &name, const QRect &place, Colour background, int tabIndex,
                const QString &text)
{
    return AddLabel(container, name, text, place, background, tabIndex, Label::Alignment::Left);
}

CommandButton *AddButton(DrawingSurface *container, const QString &name, const QString &caption, const QRect &rect,
                         int tabIndex)
{
    auto *button = new CommandButton(container);
    button->setObjectName(name);
    button->setCaption(caption);
    place(button, rect, tabIndex);
    return button;
}

PictureBox *AddPicture(DrawingSurface *container, const QString &name, const QRect &rect, int tabIndex)
{
    auto *picture = new PictureBox(container);
    picture->setObjectName(name);
    place(picture, rect, tabIndex);
    return picture;
}

TextBox *AddTextBox(DrawingSurface *container, const QString &name, const QString &text, const QRect &rect,
                    Colour background, int tabIndex)
{
    auto *box = new TextBox(container);
    box->setObjectName(name);
    box->setText(text);
    box->setBackColor(background);
    place(box, rect, tabIndex);
    return box;
}

} // namespace forms

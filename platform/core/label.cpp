// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label.h"

#include "drawingsurface.h"
#include "frontend.h"
#include "textfit.h"

namespace forms {

Label::Label(DrawingSurface *container) : Control(container), m_font(container->font())
{
    container->addWindowless(this);
}

Label::~Label()
{
    container()->removeWindowless(this);
}

void Label::setCaption(const std::string &caption)
{
    m_caption = caption;
    changed();
}

void Label::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    container()->windowlessChanged(this, pixelRect());
}

void Label::setBackColor(Colour colour)
{
    m_backColor = colour;
    changed();
}

void Label::setForeColor(Colour colour)
{
    m_foreColor = colour;
    changed();
}

void Label::setFont(const Font &font)
{
    m_font = font;
    changed();
}

void Label::setAlignment(Alignment alignment)
{
    m_alignment = alignment;
    changed();
}

Font Label::paintedFont() const
{
    return FittedFont(m_font, m_caption, pixelRect().size(), TextFlow::WordWrap);
}

void Label::paint(PixelBuffer &picture, Point origin, double ratio) const
{
    const LabelLook look{.area = pixelRect(),
                         .caption = m_caption,
                         .font = paintedFont(),
                         .backColor = m_backColor,
                         .foreColor = m_foreColor,
                         .alignment = m_alignment == Alignment::Centre ? LabelLook::Alignment::Centre
                                                                       : LabelLook::Alignment::Left};
    FrontEnd::current().paintLabel(picture, origin, ratio, look);
}

void Label::geometryChanged(const Rect &oldPixels)
{
    container()->windowlessChanged(this, oldPixels);
}

void Label::changed()
{
    container()->windowlessChanged(this, pixelRect());
}

} // namespace forms

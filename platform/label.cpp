#include "label.h"

#include "drawingsurface.h"
#include "fonts.h"

namespace forms {

Label::Label(DrawingSurface *container) : Control(container), m_font(container->font())
{
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    changed();
}

void Label::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    container()->labelChanged(this, pixelRect());
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

void Label::setFont(const QFont &font)
{
    m_font = font;
    changed();
}

void Label::setAlignment(Alignment alignment)
{
    m_alignment = alignment;
    changed();
}

QFont Label::paintedFont() const
{
    return FittedFont(m_font, m_caption, pixelRect().size(), TextFlow::WordWrap);
}

void Label::geometryChanged(const QRect &oldPixels)
{
    container()->labelChanged(this, oldPixels);
}

void Label::changed()
{
    container()->labelChanged(this, pixelRect());
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label.h"

#include "drawingsurface.h"
#include "fonts.h"

#include <QPainter>

namespace forms {

Label::Label(DrawingSurface *container) : Control(container), m_font(container->font())
{
    container->addWindowless(this);
}

Label::~Label()
{
    container()->removeWindowless(this);
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

void Label::paint(QPainter &painter) const
{
    const QRect area = pixelRect();
    painter.fillRect(area, QColor::fromRgb(ToPixel(m_backColor)));
    painter.setFont(paintedFont());
    painter.setPen(QColor::fromRgb(ToPixel(m_foreColor)));
    const int horizontal = m_alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(area, horizontal | Qt::AlignTop | Qt::TextWordWrap, m_caption);
}

void Label::geometryChanged(const QRect &oldPixels)
{
    container()->windowlessChanged(this, oldPixels);
}

void Label::changed()
{
    container()->windowlessChanged(this, pixelRect());
}

} // namespace forms

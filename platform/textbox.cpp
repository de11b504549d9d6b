// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textbox.h"

#include "drawingsurface.h"
#include "fonts.h"

namespace forms {

namespace {
constexpr int FrameAndMargin = 4; // sunken frame and inner margin on each side
}

TextBox::TextBox(DrawingSurface *container) : QLineEdit(container), Control(container), m_font(container->font())
{
    setAlignment(Qt::AlignCenter);
    setFrame(true);
}

void TextBox::setText(const QString &text)
{
    QLineEdit::setText(text);
    fitText();
}

void TextBox::setBackColor(Colour colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(Red(colour), Green(colour), Blue(colour)));
    setPalette(colours);
}

void TextBox::setFont(const QFont &font)
{
    m_font = font;
    fitText();
}

QSize TextBox::textArea() const
{
    return pixelRect().size() - QSize(2 * FrameAndMargin, 2 * FrameAndMargin);
}

void TextBox::geometryChanged(const QRect &)
{
    setGeometry(pixelRect());
    fitText();
}

void TextBox::fitText()
{
    QLineEdit::setFont(FittedFont(m_font, text(), textArea(), TextFlow::SingleLine));
}

} // namespace forms

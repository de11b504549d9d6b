// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textbox.h"

#include "drawingsurface.h"
#include "frontend.h"
#include "textfit.h"

namespace forms {

namespace {
constexpr int FrameAndMargin = 4; // sunken frame and inner margin on each side
}

TextBox::TextBox(DrawingSurface *container)
    : Control(container), m_peer(FrontEnd::current().createTextBox(*this)), m_font(container->font()),
      m_fitted(m_font)
{
    setElementPeer(m_peer.get());
    m_peer->setFont(m_fitted);
}

TextBox::~TextBox()
{
    setElementPeer(nullptr);
}

void TextBox::setText(const std::string &text)
{
    m_text = text;
    m_peer->setText(text);
    fitText();
}

void TextBox::setBackColor(Colour colour)
{
    m_backColor = colour;
    m_peer->setBackColor(colour);
}

void TextBox::setFont(const Font &font)
{
    m_font = font;
    fitText();
}

Size TextBox::textArea() const
{
    return pixelRect().size() - Size(2 * FrameAndMargin, 2 * FrameAndMargin);
}

void TextBox::geometryChanged(const Rect &)
{
    m_peer->setGeometry(pixelRect());
    fitText();
}

void TextBox::fitText()
{
    const Font fitted = FittedFont(m_font, m_text, textArea(), TextFlow::SingleLine);
    if (fitted == m_fitted && m_fittedShown)
        return;
    m_fitted = fitted;
    m_fittedShown = true;
    m_peer->setFont(m_fitted);
}

ControlPeer *TextBox::controlPeer() const
{
    return m_peer.get();
}

} // namespace forms

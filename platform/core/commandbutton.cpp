// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandbutton.h"

#include "announcer.h"
#include "drawingsurface.h"
#include "frontend.h"
#include "handlerscope.h"
#include "textfit.h"

namespace forms {

namespace {
constexpr int ClassicPadding = 3; // frame and focus margin on each side
}

CommandButton::CommandButton(DrawingSurface *container)
    : Control(container), m_peer(FrontEnd::current().createButton(*this)), m_font(container->font()),
      m_fitted(m_font)
{
    setElementPeer(m_peer.get());
    m_peer->setFont(m_fitted);
}

CommandButton::~CommandButton()
{
    setElementPeer(nullptr);
}

void CommandButton::setCaption(const std::string &caption)
{
    const bool changed = caption != m_caption;
    m_caption = caption;
    m_peer->setCaption(caption);
    fitCaption();
    if (changed && container()->isShown())
        Announcer::announce(this, caption);
}

void CommandButton::setFont(const Font &font)
{
    m_font = font;
    fitCaption();
}

Size CommandButton::captionArea() const
{
    return pixelRect().size() - Size(2 * ClassicPadding, 2 * ClassicPadding);
}

void CommandButton::click()
{
    const HandlerScope handler;
    Click.report();
}

void CommandButton::geometryChanged(const Rect &)
{
    m_peer->setGeometry(pixelRect());
    fitCaption();
}

void CommandButton::fitCaption()
{
    const Font fitted = FittedFont(m_font, m_caption, captionArea(), TextFlow::SingleLine);
    if (fitted == m_fitted && m_fittedShown)
        return;
    m_fitted = fitted;
    m_fittedShown = true;
    m_peer->setFont(m_fitted);
}

ControlPeer *CommandButton::controlPeer() const
{
    return m_peer.get();
}

} // namespace forms

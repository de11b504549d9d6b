// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

#include "frontend.h"

namespace forms {

PictureBox::PictureBox(DrawingSurface *container) : Control(container)
{
    std::unique_ptr<PicturePeer> peer = FrontEnd::current().createPicture(*this);
    m_peer = peer.get();
    setSurfacePeer(std::move(peer));
    resizePicture(pixelRect().size());
    setBackColor(FrontEnd::current().defaultBackColor());
}

PictureBox::~PictureBox() = default;

::forms::Point PictureBox::originInRoot() const
{
    return container()->originInRoot() + pixelRect().topLeft();
}

void PictureBox::geometryChanged(const Rect &)
{
    // Applied at once: the new units must hold for the very next drawing call.
    m_peer->setGeometry(pixelRect());
    resizePicture(pixelRect().size());
}

ControlPeer *PictureBox::controlPeer() const
{
    return m_peer;
}

} // namespace forms

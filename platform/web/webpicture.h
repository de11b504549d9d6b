// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "websurface.h"

namespace forms {
class PictureBox;
}

namespace forms::web {

// A picture box: composited into its form's canvas; in the page an element over it,
// for a reader and for the keyboard.
class WebPicture final : public WebSurface, public PicturePeer
{
public:
    WebPicture(PictureBox &picture, WebCanvas *canvas);

    void setName(const std::string &name) override;
    void setGeometry(const Rect &place) override;
    void setVisible(bool visible) override;

private:
    Rect m_place;
};

} // namespace forms::web

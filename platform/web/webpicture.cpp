// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webpicture.h"

#include "picturebox.h"
#include "webcontrol.h"
#include "webpage.h"

namespace forms::web {

namespace {
constexpr int PictureKind = static_cast<int>(ControlKind::Picture);
}

WebPicture::WebPicture(PictureBox &picture, WebCanvas *canvas) : WebSurface(picture, canvas)
{
    forms_control_create(id(), canvas->canvasId(), PictureKind, "");
}

void WebPicture::setName(const std::string &name)
{
    forms_control_create(id(), m_canvas->canvasId(), PictureKind, name.c_str());
}

void WebPicture::setGeometry(const Rect &place)
{
    const Rect before = m_place;
    m_place = place;
    forms_control_place(id(), place.x(), place.y(), place.width(), place.height());
    // What the picture left shows the form again.
    if (!before.isEmpty())
        m_canvas->compositeWindow(before);
}

void WebPicture::setVisible(bool visible)
{
    forms_control_visible(id(), visible ? 1 : 0);
}

} // namespace forms::web

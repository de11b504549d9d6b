// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webpicture.h"

#include "form.h"
#include "picturebox.h"
#include "webpage.h"
#include "webwindow.h"

namespace forms::web {

namespace {
constexpr int PictureKind = 3;
}

WebPicture::WebPicture(PictureBox &picture, WebWindow *window) : WebSurface(picture, window)
{
    forms_control_create(id(), window->id(), PictureKind, "");
}

void WebPicture::setName(const std::string &name)
{
    forms_control_create(id(), m_window->id(), PictureKind, name.c_str());
}

void WebPicture::setGeometry(const Rect &place)
{
    const Rect before = m_place;
    m_place = place;
    forms_control_place(id(), place.x(), place.y(), place.width(), place.height());
    // What the picture left shows the form again.
    if (!before.isEmpty())
        m_window->composite(m_window->surface(), before);
}

void WebPicture::setVisible(bool visible)
{
    forms_control_visible(id(), visible ? 1 : 0);
}

} // namespace forms::web

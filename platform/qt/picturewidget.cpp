// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturewidget.h"

#include "picturebox.h"
#include "qtconvert.h"

namespace forms::qt {

PictureWidget::PictureWidget(PictureBox &picture, QWidget *parent) : SurfaceWidget(picture, parent)
{
}

void PictureWidget::setName(const std::string &name)
{
    setObjectName(toQt(name));
}

void PictureWidget::setGeometry(const Rect &place)
{
    QWidget::setGeometry(toQt(place));
}

} // namespace forms::qt

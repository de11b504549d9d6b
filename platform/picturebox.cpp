// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

#include "surfaceaccessible.h"

#include <QApplication>

namespace forms {

PictureBox::PictureBox(DrawingSurface *container) : DrawingSurface(container), Control(container)
{
    SurfaceAccessible::install();
    const QColor face = QApplication::palette().color(QPalette::Button);
    setBackColor(RGB(face.red(), face.green(), face.blue()));
}

void PictureBox::geometryChanged(const QRect &)
{
    // Applied at once, not when Qt gets round to a resize event: the new units must
    // hold for the very next drawing call.
    setGeometry(pixelRect());
    resizeImage();
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surfacewidget.h"

namespace forms {
class PictureBox;
}

namespace forms::qt {

// A picture box on its form's window.
class PictureWidget final : public SurfaceWidget, public PicturePeer
{
    Q_OBJECT

public:
    PictureWidget(PictureBox &picture, QWidget *parent);

    void setName(const std::string &name) override;
    void setGeometry(const Rect &place) override;
    void setVisible(bool visible) override { QWidget::setVisible(visible); }
};

} // namespace forms::qt

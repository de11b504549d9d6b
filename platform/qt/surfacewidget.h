// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"

#include <QWidget>

namespace forms {
class DrawingSurface;
class Form;
} // namespace forms

namespace forms::qt {

// A widget that shows a drawing surface's picture pixel for pixel (Scribble's pattern:
// the changed area is marked and copied in the paint event), hands the pointer to the
// surface's form as the window's device pixels, its keys to the surface's probe, and
// paints the probe's focus mark and marker over the picture, never into it.
class SurfaceWidget : public QWidget, public virtual SurfacePeer
{
    Q_OBJECT

public:
    SurfaceWidget(DrawingSurface &surface, QWidget *parent);

    DrawingSurface &surface() const { return m_surface; }

    void setAccessibleName(const std::string &name) override;
    void setAccessibleDescription(const std::string &description) override;
    bool hasFocus() const override { return QWidget::hasFocus(); }
    double devicePixelRatio() const override { return devicePixelRatioF(); }
    void present(const Rect &area, Timing timing) override;
    void marksMoved(const Rect &before, const Rect &after) override;
    void takeTabFocus() override { setFocusPolicy(Qt::TabFocus); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The window's device pixel under the pointer, as exactly as the window system
    // gives it.
    Point devicePixel(const QMouseEvent *event) const;
    Form &form() const;
    void paintProbe(QPainter &painter) const;

    DrawingSurface &m_surface;
};

} // namespace forms::qt

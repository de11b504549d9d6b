#pragma once

#include "control.h"

#include <QWidget>

namespace forms {

class DrawingSurface;

// A part of a drawing surface the keyboard can explore, placed like any control in its
// container's units: it takes the focus by Tab once its container has a probe on it,
// hands its keys to that probe and lets the pointer through. It paints nothing; the
// container paints the focus mark and the probe's marker over it.
class ProbeArea final : public QWidget, public Control
{
    Q_OBJECT

public:
    explicit ProbeArea(DrawingSurface *container);

protected:
    void geometryChanged(const QRect &oldPixels) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace forms

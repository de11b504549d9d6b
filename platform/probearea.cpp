#include "probearea.h"

#include "drawingsurface.h"
#include "surfaceaccessible.h"

#include <QKeyEvent>

namespace forms {

ProbeArea::ProbeArea(DrawingSurface *container) : QWidget(container), Control(container)
{
    SurfaceAccessible::install();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
    // Shown once there is something to explore.
    hide();
}

void ProbeArea::geometryChanged(const QRect &)
{
    setGeometry(pixelRect());
    container()->probeFocusChanged();
}

void ProbeArea::keyPressEvent(QKeyEvent *event)
{
    if (!container()->probeKey(event))
        QWidget::keyPressEvent(event);
}

void ProbeArea::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    container()->probeFocusChanged();
}

void ProbeArea::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    container()->probeFocusChanged();
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surfacewidget.h"

#include "devicearea.h"
#include "devicepixels.h"
#include "exactpointer.h"
#include "form.h"
#include "qtconvert.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace forms::qt {

SurfaceWidget::SurfaceWidget(DrawingSurface &surface, QWidget *parent) : QWidget(parent), m_surface(surface)
{
    ExactPointer::watch();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void SurfaceWidget::setAccessibleName(const std::string &name)
{
    QWidget::setAccessibleName(toQt(name));
}

void SurfaceWidget::setAccessibleDescription(const std::string &description)
{
    QWidget::setAccessibleDescription(toQt(description));
}

void SurfaceWidget::present(const Rect &area, Timing timing)
{
    if (timing == Timing::AtOnce)
        repaint(toQt(area));
    else
        update(toQt(area));
}

void SurfaceWidget::marksMoved(const Rect &before, const Rect &after)
{
    update(toQt(before));
    update(toQt(after));
}

Form &SurfaceWidget::form() const
{
    // Every surface lies in a form's window.
    return static_cast<Form &>(m_surface.root());
}

Point SurfaceWidget::devicePixel(const QMouseEvent *event) const
{
    // Qt hands the event to the widget under the rounded position, which within half
    // a logical pixel of a border is the neighbour of the one under the pointer. The
    // window's device pixel decides, and the surface that paints it.
    return fromQt(devicePixelAt(ExactPointer::windowPosition(this, event), window()->devicePixelRatioF()));
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent *event)
{
    form().pointerMoved(m_surface, devicePixel(event), buttonMask(event->buttons()), shiftMask(event->modifiers()));
}

void SurfaceWidget::mousePressEvent(QMouseEvent *event)
{
    form().pointerPressed(m_surface, devicePixel(event), buttonMask(event->button()), buttonMask(event->buttons()),
                          shiftMask(event->modifiers()));
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent *event)
{
    form().pointerReleased(m_surface, devicePixel(event), buttonMask(event->button()));
}

void SurfaceWidget::keyPressEvent(QKeyEvent *event)
{
    if (m_surface.holdsOwnProbe() && m_surface.probeKey(keyPress(event)))
        return;
    QWidget::keyPressEvent(event);
}

void SurfaceWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_surface.hasProbe())
        m_surface.probeFocusChanged();
}

void SurfaceWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (m_surface.hasProbe())
        m_surface.probeFocusChanged();
}

void SurfaceWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const double dpr = m_surface.mapping().devicePixelRatio();
    const PixelBuffer &picture = m_surface.image();
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.m11() != dpr || toDevice.m22() != dpr) {
        // A device of another density (a picture taken at another scale): scaled to it.
        const QRect area = event->rect();
        painter.drawImage(QRectF(area), imageOf(picture, dpr),
                          QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr));
        return;
    }
    // The picture goes on the device pixels pixel for pixel, its first at the one that
    // holds the surface's origin, so that the pointer finds each pixel where it is
    // shown. (Scaled by the painter, a fractional origin or ratio would shift or
    // repeat columns.) The backing store lets the surface paint only its own area, with
    // rounded edges: where the origin lies past a pixel's middle, the picture's first
    // column and row stay under the neighbour.
    const QPoint origin = (toDevice.map(QPointF(0, 0)) / dpr).toPoint();
    const QPoint first = devicePixelAt(QPointF(origin), dpr);
    const QRect dirty = deviceArea(event->rect().translated(origin), dpr) & deviceArea(QRect(origin, size()), dpr);
    const QImage pixels = imageOf(picture, 1);
    painter.setWorldTransform(toDevice.inverted());
    const QRect source = dirty.translated(-first) & pixels.rect();
    painter.drawImage(first + source.topLeft(), pixels, source);
    // The area may reach one device pixel past the picture: its last column and row go
    // on there, as the pointer reads them.
    const QPoint beyond = first + QPoint(pixels.width(), pixels.height());
    if (dirty.right() >= beyond.x())
        painter.drawImage(QPoint(beyond.x(), dirty.top()), pixels,
                          QRect(pixels.width() - 1, dirty.top() - first.y(), 1, dirty.height()) & pixels.rect());
    if (dirty.bottom() >= beyond.y())
        painter.drawImage(QPoint(dirty.left(), beyond.y()), pixels,
                          QRect(dirty.left() - first.x(), pixels.height() - 1, dirty.width(), 1) & pixels.rect());
    if (dirty.right() >= beyond.x() && dirty.bottom() >= beyond.y())
        painter.drawImage(beyond, pixels, QRect(pixels.width() - 1, pixels.height() - 1, 1, 1));
    if (m_surface.hasProbe()) {
        painter.setWorldTransform(QTransform());
        paintProbe(painter);
    }
}

void SurfaceWidget::paintProbe(QPainter &painter) const
{
    if (!m_surface.probeMarked())
        return;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setBrush(Qt::NoBrush);
    const QRect holder = toQt(m_surface.probeHolderArea());
    const QPen dashes(Qt::black, 2, Qt::DashLine);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(holder.adjusted(1, 1, -1, -1));
    painter.setPen(dashes);
    painter.drawRect(holder.adjusted(1, 1, -1, -1));

    const double dpr = m_surface.mapping().devicePixelRatio();
    const QPointF centre = (QPointF(toQt(m_surface.probePixel())) + QPointF(0.5, 0.5)) / dpr;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(centre, ProbeMarkerRadius, ProbeMarkerRadius);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawEllipse(centre, ProbeMarkerRadius, ProbeMarkerRadius);
}

} // namespace forms::qt

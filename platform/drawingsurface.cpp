// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawingsurface.h"

#include "announcer.h"
#include "devicepixels.h"
#include "exactpointer.h"
#include "handlerscope.h"
#include "placedcontrol.h"
#include "rasteriser.h"
#include "windowlesscontrol.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace forms {

namespace {

int buttonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

// The widget of the window, as deep as it goes, that the backing store lets paint the
// window's device pixel, and where the widget lies in the window.
struct PaintedAt
{
    QWidget *widget = nullptr;
    QPoint origin;
};

PaintedAt paintedAt(QWidget *window, QPoint device, double dpr)
{
    if (!deviceArea(window->rect(), dpr).contains(device))
        return {};
    PaintedAt at{window, QPoint()};
    for (bool deeper = true; deeper;) {
        deeper = false;
        const QObjectList &children = at.widget->children();
        // The last child is painted last, on top.
        for (auto it = children.crbegin(); it != children.crend() && !deeper; ++it) {
            auto *child = qobject_cast<QWidget *>(*it);
            if (child && !child->isWindow() && child->isVisible()
                && !child->testAttribute(Qt::WA_TransparentForMouseEvents)
                && deviceArea(child->geometry().translated(at.origin), dpr).contains(device)) {
                at = {child, at.origin + child->pos()};
                deeper = true;
            }
        }
    }
    return at;
}

// The surface and device pixel of the last MouseMove delivered.
struct
{
    QPointer<DrawingSurface> surface;
    QPoint pixel;
} lastMove;

} // namespace

DrawingSurface::DrawingSurface(QWidget *parent) : QWidget(parent)
{
    ExactPointer::watch();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    resizeImage();
}

DrawingSurface::~DrawingSurface()
{
    Presenter::withdraw(this);
    while (!m_controls.empty())
        delete m_controls.back();
}

void DrawingSurface::setDrawWidth(int width)
{
    m_gaps = nullptr;
    m_drawWidth = std::max(width, 1);
    updatePen();
}

void DrawingSurface::updatePen()
{
    const int deviceWidth = static_cast<int>(std::lround(m_drawWidth * m_scale.devicePixelRatio()));
    if (deviceWidth != m_pen.diameter())
        m_pen = DotShape(deviceWidth);
}

template <typename DotFigure>
void DrawingSurface::setSolidFigure(int width, const DotFigure &figure)
{
    setDrawWidth(width);
    const GridGaps &gaps = gapsOf(figure, m_drawWidth);
    if (!gaps.any())
        return;
    m_gaps = &gaps;
    m_fillPen = DotShape(static_cast<int>(std::lround(gaps.fillWidth() * m_scale.devicePixelRatio())));
    m_fillMask = {gaps.holes().data(), gaps.area()};
}

template <typename DotFigure>
const GridGaps &DrawingSurface::gapsOf(const DotFigure &figure, int width)
{
    // A few figures per surface; entries for another mapping are never found again.
    constexpr std::size_t MaxKnown = 16;
    const QPointF origin = m_scale.toDevice(0, 0);
    const QPointF unit = m_scale.toDevice(1, 1);
    const double dpr = m_scale.devicePixelRatio();
    // Exact comparisons: QPointF's own is fuzzy.
    const auto same = [](QPointF a, QPointF b) { return a.x() == b.x() && a.y() == b.y(); };
    const auto sameFigure = [&figure](const KnownGaps &known) {
        const DotFigure *knownFigure = std::get_if<DotFigure>(&known.figure);
        if (!knownFigure)
            return false;
        if constexpr (std::is_same_v<DotFigure, DotRings>) {
            if (known.ringsSource == &figure && known.ringsDots == figure.dots.data()
                && knownFigure->dots.size() == figure.dots.size())
                return true;
        }
        return *knownFigure == figure;
    };
    for (const auto &known : m_knownGaps) {
        if (known->gaps.drawWidth() == width && same(known->origin, origin) && same(known->unit, unit)
            && known->devicePixelRatio == dpr && sameFigure(*known))
            return known->gaps;
    }
    if (m_knownGaps.size() >= MaxKnown) {
        m_gaps = nullptr;
        m_knownGaps.clear();
    }
    auto known = std::make_unique<KnownGaps>(
        KnownGaps{.figure = figure, .origin = origin, .unit = unit, .devicePixelRatio = dpr,
                  .gaps = GridGaps(figure, m_scale, width)});
    if constexpr (std::is_same_v<DotFigure, DotRings>) {
        known->ringsSource = &figure;
        known->ringsDots = figure.dots.data();
    }
    m_knownGaps.push_back(std::move(known));
    return m_knownGaps.back()->gaps;
}

void DrawingSurface::setSolidDrawWidth(int width, const DotGrid &grid)
{
    setSolidFigure(width, grid);
}

void DrawingSurface::setSolidDrawWidth(int width, const DotRings &rings)
{
    setSolidFigure(width, rings);
}

void DrawingSurface::setBackColor(Colour colour)
{
    m_backColor = colour;
    Cls();
}

void DrawingSurface::Line(float x1, float y1, float x2, float y2, Colour colour)
{
    const QPointF from = m_scale.toDevice(x1, y1);
    const QPointF to = m_scale.toDevice(x2, y2);
    m_raster.line(from.x(), from.y(), to.x(), to.y(), m_pen, ToPixel(colour));
    if (!m_presentScheduled)
        schedulePresent();
}

Colour DrawingSurface::Point(float x, float y) const
{
    const QPointF device = m_scale.toDevice(x, y);
    if (!(device.x() >= 0 && device.y() >= 0 && device.x() < m_image.width() && device.y() < m_image.height()))
        return -1;
    const auto *line = reinterpret_cast<const std::uint32_t *>(m_image.constScanLine(floorToInt(device.y())));
    return FromPixel(line[floorToInt(device.x())]);
}

void DrawingSurface::Cls()
{
    m_image.fill(ToPixel(m_backColor));
    paintAllWindowless();
    markDirty(m_image.rect());
}

QRect DrawingSurface::takeDrawnArea()
{
    m_presentScheduled = false;
    m_dirty |= m_raster.takeTouched();
    if (m_dirty.isEmpty())
        return {};
    const double dpr = m_scale.devicePixelRatio();
    const QRect logical = QRectF(m_dirty.x() / dpr, m_dirty.y() / dpr, m_dirty.width() / dpr,
                                 m_dirty.height() / dpr)
                              .toAlignedRect();
    m_dirty = QRect();
    return logical;
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const double dpr = m_scale.devicePixelRatio();
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.m11() != dpr || toDevice.m22() != dpr) {
        // A device of another density (a picture taken at another scale): scaled to it.
        const QRect area = event->rect();
        painter.drawImage(QRectF(area), m_image,
                          QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr));
        return;
    }
    // The image goes on the device pixels pixel for pixel, its first at the one that
    // holds the surface's origin, so that the pointer finds each pixel where it is
    // shown. (Scaled by the painter, a fractional origin or ratio would shift or
    // repeat columns.) The backing store lets the surface paint only its own area, with
    // rounded edges: where the origin lies past a pixel's middle, the image's first
    // column and row stay under the neighbour.
    const QPoint origin = (toDevice.map(QPointF(0, 0)) / dpr).toPoint();
    const QPoint first = devicePixelAt(QPointF(origin), dpr);
    const QRect dirty = deviceArea(event->rect().translated(origin), dpr)
                        & deviceArea(QRect(origin, size()), dpr);
    const QImage pixels(m_image.constBits(), m_image.width(), m_image.height(), m_image.bytesPerLine(),
                        m_image.format());
    painter.setWorldTransform(toDevice.inverted());
    const QRect source = dirty.translated(-first) & pixels.rect();
    painter.drawImage(first + source.topLeft(), pixels, source);
    // The area may reach one device pixel past the image: its last column and row go
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
    if (hasProbe()) {
        painter.setWorldTransform(QTransform());
        paintProbe(painter);
    }
}

void DrawingSurface::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    resizeImage();
}

void DrawingSurface::resizeImage()
{
    const QSize logical = size();
    const double dpr = devicePixelRatioF();
    const QSize device(static_cast<int>(std::lround(logical.width() * dpr)),
                       static_cast<int>(std::lround(logical.height() * dpr)));
    if (device == m_image.size() && dpr == m_scale.devicePixelRatio())
        return;

    m_gaps = nullptr;
    m_knownGaps.clear();
    const QSizeF oldSize = m_scale.innerSize();
    m_scale.setInnerSize(logical, dpr);
    if (m_scale.hasUserScale() && !oldSize.isEmpty()) {
        const double factorX = logical.width() / oldSize.width();
        const double factorY = logical.height() / oldSize.height();
        for (PlacedControl *control : m_controls)
            control->scaleBy(factorX, factorY);
    }

    QImage resized(device.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    resized.fill(ToPixel(m_backColor));
    resized.setDevicePixelRatio(dpr);
    updatePen();
    if (!m_image.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_image);
    }
    m_image = std::move(resized);
    // The image is never shared, so its pixels stay where they are until it is resized.
    m_raster = Rasteriser(reinterpret_cast<std::uint32_t *>(m_image.bits()), m_image.width(), m_image.height(),
                          m_image.bytesPerLine() / 4);
    paintAllWindowless();
    markDirty(m_image.rect());
}

DrawingSurface::PointerTarget DrawingSurface::pointerTarget(const QMouseEvent *event) const
{
    // Qt hands the event to the widget under the rounded position, which within half
    // a logical pixel of a border is the neighbour of the one under the pointer. The
    // window's device pixel decides, and the surface that paints it.
    QWidget *root = window();
    const double dpr = root->devicePixelRatioF();
    const QPoint device = devicePixelAt(ExactPointer::windowPosition(this, event), dpr);
    const PaintedAt at = paintedAt(root, device, dpr);
    auto *surface = qobject_cast<DrawingSurface *>(at.widget);
    if (!surface)
        return {};
    // The image is the logical size rounded to device pixels, so the far edge of the
    // area painted may lie past its last row or column; that row and column go on there.
    const QPoint shown = device - devicePixelAt(QPointF(at.origin), dpr);
    const QPoint pixel(std::min(shown.x(), surface->m_image.width() - 1),
                       std::min(shown.y(), surface->m_image.height() - 1));
    return surface->targetAt(pixel);
}

DrawingSurface::PointerTarget DrawingSurface::targetAt(QPoint pixel) const
{
    const double dpr = m_scale.devicePixelRatio();
    for (const WindowlessControl *control : m_windowless)
        if (control->Visible() && deviceArea(control->hitRect(), dpr).contains(pixel))
            return {};
    return {const_cast<DrawingSurface *>(this), pixel, m_scale.fromDevice(QPointF(pixel) + QPointF(0.5, 0.5))};
}

void DrawingSurface::deliverMove(const PointerTarget &target, Qt::MouseButtons buttons,
                                 Qt::KeyboardModifiers modifiers)
{
    lastMove = {this, target.pixel};
    const HandlerScope handler;
    emit MouseMove(buttonMask(buttons), shiftMask(modifiers), static_cast<float>(target.user.x()),
                   static_cast<float>(target.user.y()));
}

void DrawingSurface::mouseMoveEvent(QMouseEvent *event)
{
    const PointerTarget target = pointerTarget(event);
    // While a button is held the surface that took the press keeps the pointer.
    const DrawingSurface *holder = m_pressedOn ? m_pressedOn.data() : this;
    if (!target.surface || (event->buttons() != Qt::NoButton && target.surface != holder))
        return;
    target.surface->deliverMove(target, event->buttons(), event->modifiers());
}

void DrawingSurface::mousePressEvent(QMouseEvent *event)
{
    const PointerTarget target = pointerTarget(event);
    m_pressedOn = event->button() == Qt::LeftButton ? target.surface : nullptr;
    // A mouse always moves to where it presses; a press made from a touch may come
    // without that move.
    if (target.surface && (lastMove.surface != target.surface || lastMove.pixel != target.pixel))
        target.surface->deliverMove(target, event->buttons() & ~event->button(), event->modifiers());
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent *event)
{
    const PointerTarget target = pointerTarget(event);
    DrawingSurface *pressed = m_pressedOn;
    m_pressedOn = nullptr;
    if (!pressed || event->button() != Qt::LeftButton || target.surface != pressed)
        return;
    const HandlerScope handler;
    emit pressed->Click();
}

std::vector<const WindowlessControl *> DrawingSurface::windowlessControls() const
{
    std::vector<const WindowlessControl *> controls = m_windowless;
    std::stable_sort(controls.begin(), controls.end(), [](const WindowlessControl *a, const WindowlessControl *b) {
        const QRect first = a->hitRect();
        const QRect second = b->hitRect();
        return std::pair(first.left(), first.top()) < std::pair(second.left(), second.top());
    });
    return controls;
}

bool DrawingSurface::showsWindowless(const WindowlessControl *control) const
{
    if (!control->Visible())
        return false;
    const QRect area = deviceArea(control->hitRect(), m_scale.devicePixelRatio()) & m_image.rect();
    if (area.isEmpty())
        return false;
    // The control painted afresh on a copy of its area, against what the surface shows.
    QImage painted = m_image.copy(area);
    {
        QPainter painter(&painted);
        painter.translate(-QPointF(area.topLeft()) / m_image.devicePixelRatio());
        control->paint(painter);
    }
    qsizetype same = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *shown = reinterpret_cast<const std::uint32_t *>(m_image.constScanLine(y));
        const auto *fresh = reinterpret_cast<const std::uint32_t *>(painted.constScanLine(y - area.top()));
        for (int x = area.left(); x <= area.right(); ++x)
            same += shown[x] == fresh[x - area.left()];
    }
    return 2 * same > static_cast<qsizetype>(area.width()) * area.height();
}

void DrawingSurface::addControl(PlacedControl *control)
{
    m_controls.push_back(control);
}

void DrawingSurface::removeControl(PlacedControl *control)
{
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), control), m_controls.end());
}

void DrawingSurface::addWindowless(const WindowlessControl *control)
{
    m_windowless.push_back(control);
}

void DrawingSurface::removeWindowless(const WindowlessControl *control)
{
    m_windowless.erase(std::remove(m_windowless.begin(), m_windowless.end(), control), m_windowless.end());
}

void DrawingSurface::windowlessChanged(const WindowlessControl *control, const QRect &oldArea)
{
    if (oldArea != control->hitRect() || !control->Visible()) {
        fillLogical(oldArea, m_backColor);
        for (const WindowlessControl *other : m_windowless)
            if (other != control && other->Visible() && other->hitRect().intersects(oldArea))
                paintWindowless(other);
    }
    if (control->Visible())
        paintWindowless(control);
}

void DrawingSurface::paintAllWindowless()
{
    for (const WindowlessControl *control : m_windowless)
        if (control->Visible())
            paintWindowless(control);
}

void DrawingSurface::paintWindowless(const WindowlessControl *control)
{
    const QRect area = control->hitRect();
    if (area.isEmpty())
        return;
    {
        QPainter painter(&m_image);
        control->paint(painter);
    }
    const double dpr = m_scale.devicePixelRatio();
    markDirty(QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr).toAlignedRect());
}

void DrawingSurface::fillLogical(const QRect &logical, Colour colour)
{
    if (logical.isEmpty())
        return;
    const double dpr = m_scale.devicePixelRatio();
    const QRect device = QRectF(logical.x() * dpr, logical.y() * dpr, logical.width() * dpr,
                                logical.height() * dpr)
                             .toAlignedRect()
                             .intersected(m_image.rect());
    for (int row = device.top(); row <= device.bottom(); ++row) {
        auto *line = reinterpret_cast<std::uint32_t *>(m_image.scanLine(row));
        std::fill(line + device.left(), line + device.right() + 1, ToPixel(colour));
    }
    markDirty(device);
}

void DrawingSurface::markDirty(const QRect &device)
{
    if (device.isEmpty())
        return;
    m_dirty |= device;
    if (!m_presentScheduled)
        schedulePresent();
}

void DrawingSurface::schedulePresent()
{
    m_presentScheduled = true;
    Presenter::schedule(this);
}

namespace {

// The probe's marker: a ring round the pixel, dark outside and light inside, so it
// shows on any colour and leaves the pixel itself in sight.
constexpr int MarkerRadius = 7;
constexpr int MarkerReach = MarkerRadius + 3;
constexpr int ProbeTenSteps = 10;

} // namespace

void DrawingSurface::setProbe(std::vector<ProbeGrid> grids, QWidget *holder)
{
    const QPoint before = hasProbe() ? probePixel() : QPoint(-1, -1);
    m_probe = ProbeWalk(std::move(grids));
    m_probeHolder = holder ? holder : this;
    Announcer::addCarrier(m_probeHolder);
    if (probePixel() != before)
        probeFocusChanged();
}

void DrawingSurface::openProbe()
{
    if (m_probeOpen || !hasProbe())
        return;
    m_probeOpen = true;
    if (m_probeHolder == this)
        setFocusPolicy(Qt::TabFocus);
    else
        m_probeHolder->show();
}

QPoint DrawingSurface::probePixel() const
{
    const QPointF device = m_scale.toDevice(m_probe.point().x(), m_probe.point().y());
    return {std::clamp(floorToInt(device.x()), 0, m_image.width() - 1),
            std::clamp(floorToInt(device.y()), 0, m_image.height() - 1)};
}

bool DrawingSurface::probeKey(const QKeyEvent *event)
{
    if (!m_probeOpen)
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers & ~Qt::ShiftModifier)
        return false;
    const int stride = modifiers & Qt::ShiftModifier ? ProbeTenSteps : 1;
    bool moved = false;
    switch (event->key()) {
    case Qt::Key_Left:
        moved = m_probe.step(-stride, 0);
        break;
    case Qt::Key_Right:
        moved = m_probe.step(stride, 0);
        break;
    case Qt::Key_Up:
        moved = m_probe.step(0, stride);
        break;
    case Qt::Key_Down:
        moved = m_probe.step(0, -stride);
        break;
    case Qt::Key_PageUp:
        moved = m_probe.step(0, ProbeTenSteps);
        break;
    case Qt::Key_PageDown:
        moved = m_probe.step(0, -ProbeTenSteps);
        break;
    case Qt::Key_Home:
        moved = m_probe.toRowEnd(false);
        break;
    case Qt::Key_End:
        moved = m_probe.toRowEnd(true);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // Held down, the key lays one cut, as a held button clicks once.
        if (!event->isAutoRepeat())
            probeClick();
        return true;
    default:
        return false;
    }
    if (moved)
        probeMoved();
    return true;
}

bool DrawingSurface::childTakes(QPoint pixel) const
{
    // Where the window shows the pixel, as the pointer finds it there.
    QWidget *root = window();
    const double dpr = root->devicePixelRatioF();
    const QPoint device = devicePixelAt(QPointF(mapTo(root, QPoint())), dpr) + pixel;
    return paintedAt(root, device, dpr).widget != this;
}

void DrawingSurface::probeMoved()
{
    probeFocusChanged();
    const QPoint pixel = probePixel();
    if (const PointerTarget target = targetAt(pixel); target.surface && !childTakes(pixel))
        deliverMove(target, Qt::NoButton, Qt::NoModifier);
}

void DrawingSurface::probeClick()
{
    const QPoint pixel = probePixel();
    const PointerTarget target = targetAt(pixel);
    if (!target.surface || childTakes(pixel))
        return;
    // As a press: a mouse always moves to where it presses.
    if (lastMove.surface != this || lastMove.pixel != pixel)
        deliverMove(target, Qt::NoButton, Qt::NoModifier);
    const HandlerScope handler;
    emit Click();
}

QRect DrawingSurface::probeMarks() const
{
    if (!hasProbe() || !m_probeHolder || !m_probeHolder->hasFocus())
        return {};
    const double dpr = m_scale.devicePixelRatio();
    const QPoint centre = ((QPointF(probePixel()) + QPointF(0.5, 0.5)) / dpr).toPoint();
    const QRect marker(centre - QPoint(MarkerReach, MarkerReach), QSize(2 * MarkerReach, 2 * MarkerReach));
    return marker | probeHolderArea();
}

// Where the widget that holds the probe's focus lies on the surface.
QRect DrawingSurface::probeHolderArea() const
{
    return m_probeHolder == this ? rect() : QRect(m_probeHolder->mapTo(this, QPoint()), m_probeHolder->size());
}

void DrawingSurface::probeFocusChanged()
{
    // The whole holder: its focus mark runs round its edge.
    update(m_probeMarks);
    m_probeMarks = probeMarks();
    update(m_probeMarks);
}

void DrawingSurface::paintProbe(QPainter &painter) const
{
    if (!m_probeHolder || !m_probeHolder->hasFocus())
        return;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setBrush(Qt::NoBrush);
    const QRect holder = probeHolderArea();
    QPen dashes(Qt::black, 2, Qt::DashLine);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(holder.adjusted(1, 1, -1, -1));
    painter.setPen(dashes);
    painter.drawRect(holder.adjusted(1, 1, -1, -1));

    const double dpr = m_scale.devicePixelRatio();
    const QPointF centre = (QPointF(probePixel()) + QPointF(0.5, 0.5)) / dpr;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(centre, MarkerRadius, MarkerRadius);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawEllipse(centre, MarkerRadius, MarkerRadius);
}

void DrawingSurface::keyPressEvent(QKeyEvent *event)
{
    if (m_probeHolder == this && probeKey(event))
        return;
    QWidget::keyPressEvent(event);
}

void DrawingSurface::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (hasProbe())
        probeFocusChanged();
}

void DrawingSurface::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (hasProbe())
        probeFocusChanged();
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawingsurface.h"

#include "exactpointer.h"
#include "handlerscope.h"
#include "placedcontrol.h"
#include "rasteriser.h"
#include "windowlesscontrol.h"

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
    const QRect area = event->rect();
    const double dpr = m_scale.devicePixelRatio();
    painter.drawImage(QRectF(area), m_image,
                      QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr));
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
    // a logical pixel of a border is the neighbour of the one under the pointer.
    QWidget *root = window();
    const QPointF exact = mapTo(root, ExactPointer::position(this, event));
    const QPoint logical(floorToInt(exact.x()), floorToInt(exact.y()));
    if (!root->rect().contains(logical))
        return {};
    QWidget *under = root->childAt(logical);
    auto *surface = qobject_cast<DrawingSurface *>(under ? under : root);
    if (!surface)
        return {};
    const QPointF local = surface->mapFrom(root, exact);
    const QPoint inside = surface->mapFrom(root, logical);
    for (const WindowlessControl *control : surface->m_windowless)
        if (control->Visible() && control->hitRect().contains(inside))
            return {};
    // The image is the logical size rounded to device pixels, so the far edge of the
    // widget may lie in its last row or column.
    const double dpr = surface->m_scale.devicePixelRatio();
    const QPoint pixel(std::min(floorToInt(local.x() * dpr), surface->m_image.width() - 1),
                       std::min(floorToInt(local.y() * dpr), surface->m_image.height() - 1));
    return {surface, pixel, surface->m_scale.fromDevice(QPointF(pixel) + QPointF(0.5, 0.5))};
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

} // namespace forms

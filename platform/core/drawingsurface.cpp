// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawingsurface.h"

#include "devicearea.h"
#include "handlerscope.h"
#include "placedcontrol.h"
#include "windowlesscontrol.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace forms {

namespace {

// The surface and device pixel of the last MouseMove delivered.
struct
{
    const DrawingSurface *surface = nullptr;
    forms::Point pixel;
} lastMove;

// The device pixels a rectangle of logical pixels touches.
Rect touchedPixels(const Rect &logical, double dpr)
{
    return RectF(logical.x() * dpr, logical.y() * dpr, logical.width() * dpr, logical.height() * dpr).toAlignedRect();
}

} // namespace

DrawingSurface::DrawingSurface() = default;

DrawingSurface::~DrawingSurface()
{
    if (lastMove.surface == this)
        lastMove = {};
    Presenter::withdraw(this);
    while (!m_controls.empty())
        delete m_controls.back();
}

void DrawingSurface::setSurfacePeer(std::unique_ptr<SurfacePeer> peer)
{
    m_peer = std::move(peer);
    setElementPeer(m_peer.get());
}

void DrawingSurface::setScaleLeft(float value)
{
    m_scale.setScaleLeft(value);
    m_picture.clearFill();
}

void DrawingSurface::setScaleTop(float value)
{
    m_scale.setScaleTop(value);
    m_picture.clearFill();
}

void DrawingSurface::setScaleWidth(float value)
{
    m_scale.setScaleWidth(value);
    m_picture.clearFill();
}

void DrawingSurface::setScaleHeight(float value)
{
    m_scale.setScaleHeight(value);
    m_picture.clearFill();
}

void DrawingSurface::setDrawWidth(int width)
{
    m_picture.clearFill();
    m_drawWidth = std::max(width, 1);
    updatePen();
}

void DrawingSurface::updatePen()
{
    m_picture.setPen(static_cast<int>(std::lround(m_drawWidth * m_scale.devicePixelRatio())));
}

template <typename DotFigure>
void DrawingSurface::setSolidFigure(int width, const DotFigure &figure)
{
    setDrawWidth(width);
    const GridGaps &gaps = m_solid.gapsOf(figure, m_scale, m_drawWidth);
    if (!gaps.any())
        return;
    m_picture.setFill(static_cast<int>(std::lround(gaps.fillWidth() * m_scale.devicePixelRatio())),
                      {gaps.holes().data(), gaps.area()});
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
    const PointF from = m_scale.toDevice(x1, y1);
    const PointF to = m_scale.toDevice(x2, y2);
    m_picture.line(from.x(), from.y(), to.x(), to.y(), ToPixel(colour));
    if (!m_presentScheduled)
        schedulePresent();
}

Colour DrawingSurface::Point(float x, float y) const
{
    const PointF device = m_scale.toDevice(x, y);
    const PixelBuffer &pixels = m_picture.pixels();
    if (!(device.x() >= 0 && device.y() >= 0 && device.x() < pixels.width() && device.y() < pixels.height()))
        return -1;
    return FromPixel(pixels.pixel(floorToInt(device.x()), floorToInt(device.y())));
}

void DrawingSurface::Cls()
{
    m_picture.fill(ToPixel(m_backColor));
    paintAllWindowless();
    markDirty(m_picture.pixels().rect());
}

const Font &DrawingSurface::font() const
{
    static const Font standard;
    if (m_font)
        return *m_font;
    const DrawingSurface *parent = parentSurface();
    return parent ? parent->font() : standard;
}

void DrawingSurface::setFont(const Font &font)
{
    m_font = std::make_unique<Font>(font);
}

Rect DrawingSurface::takeDrawnArea()
{
    m_presentScheduled = false;
    const Rect drawn = m_picture.takeDrawn();
    if (drawn.isEmpty())
        return {};
    const double dpr = m_scale.devicePixelRatio();
    return RectF(drawn.x() / dpr, drawn.y() / dpr, drawn.width() / dpr, drawn.height() / dpr).toAlignedRect();
}

void DrawingSurface::resizePicture(Size logical)
{
    const double dpr = m_peer->devicePixelRatio();
    const Size device(static_cast<int>(std::lround(logical.width() * dpr)),
                      static_cast<int>(std::lround(logical.height() * dpr)));
    m_logicalSize = logical;
    if (device.expandedTo({1, 1}) == m_picture.size() && dpr == m_scale.devicePixelRatio())
        return;

    m_picture.clearFill();
    m_solid.clear();
    const SizeF oldSize = m_scale.innerSize();
    m_scale.setInnerSize(logical, dpr);
    if (m_scale.hasUserScale() && !oldSize.isEmpty()) {
        const double factorX = logical.width() / oldSize.width();
        const double factorY = logical.height() / oldSize.height();
        for (PlacedControl *control : std::vector<PlacedControl *>(m_controls))
            control->scaleBy(factorX, factorY);
    }
    m_picture.resize(device, ToPixel(m_backColor));
    updatePen();
    paintAllWindowless();
    markDirty(m_picture.pixels().rect());
}

DrawingSurface::PaintedAt DrawingSurface::paintedAt(forms::Point device)
{
    const double dpr = m_scale.devicePixelRatio();
    if (!DeviceArea(rect(), dpr).contains(device))
        return {};
    PaintedAt at{this, {}};
    for (bool deeper = true; deeper;) {
        deeper = false;
        const std::vector<PlacedControl *> &children = at.surface->m_controls;
        // The last control placed lies on top.
        for (auto it = children.crbegin(); it != children.crend(); ++it) {
            PlacedControl *child = *it;
            if (!child->takesPointer() || !DeviceArea(child->pixelRect().translated(at.origin), dpr).contains(device))
                continue;
            DrawingSurface *surface = child->placedSurface();
            if (!surface)
                return {};
            at = {surface, at.origin + child->pixelRect().topLeft()};
            deeper = true;
            break;
        }
    }
    return at;
}

DrawingSurface::PointerTarget DrawingSurface::targetAt(forms::Point pixel)
{
    const double dpr = m_scale.devicePixelRatio();
    for (const WindowlessControl *control : m_windowless)
        if (control->Visible() && DeviceArea(control->hitRect(), dpr).contains(pixel))
            return {};
    return {this, pixel, m_scale.fromDevice(PointF(pixel) + PointF(0.5, 0.5))};
}

void DrawingSurface::deliverMove(const PointerTarget &target, int button, int shift)
{
    lastMove = {this, target.pixel};
    const HandlerScope handler;
    MouseMove.report(button, shift, static_cast<float>(target.user.x()), static_cast<float>(target.user.y()));
}

void DrawingSurface::deliverClick()
{
    const HandlerScope handler;
    Click.report();
}

bool DrawingSurface::lastMoveAt(forms::Point pixel) const
{
    return lastMove.surface == this && lastMove.pixel == pixel;
}

std::vector<const WindowlessControl *> DrawingSurface::windowlessControls() const
{
    std::vector<const WindowlessControl *> controls = m_windowless;
    std::stable_sort(controls.begin(), controls.end(), [](const WindowlessControl *a, const WindowlessControl *b) {
        const Rect first = a->hitRect();
        const Rect second = b->hitRect();
        return std::pair(first.left(), first.top()) < std::pair(second.left(), second.top());
    });
    return controls;
}

bool DrawingSurface::showsWindowless(const WindowlessControl *control) const
{
    if (!control->Visible())
        return false;
    const PixelBuffer &pixels = m_picture.pixels();
    const Rect area = DeviceArea(control->hitRect(), m_scale.devicePixelRatio()) & pixels.rect();
    if (area.isEmpty())
        return false;
    // The control painted afresh on a copy of its area, against what the surface shows.
    PixelBuffer painted = pixels.copy(area);
    control->paint(painted, area.topLeft(), m_scale.devicePixelRatio());
    long long same = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const Pixel *shown = pixels.line(y);
        const Pixel *fresh = painted.line(y - area.top());
        for (int x = area.left(); x <= area.right(); ++x)
            same += shown[x] == fresh[x - area.left()];
    }
    return 2 * same > static_cast<long long>(area.width()) * area.height();
}

void DrawingSurface::addControl(PlacedControl *control)
{
    m_controls.push_back(control);
}

void DrawingSurface::removeControl(PlacedControl *control)
{
    std::erase(m_controls, control);
}

void DrawingSurface::addWindowless(const WindowlessControl *control)
{
    m_windowless.push_back(control);
}

void DrawingSurface::removeWindowless(const WindowlessControl *control)
{
    std::erase(m_windowless, control);
}

void DrawingSurface::windowlessChanged(const WindowlessControl *control, const Rect &oldArea)
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
    const Rect area = control->hitRect();
    if (area.isEmpty())
        return;
    control->paint(m_picture.canvas(), {}, m_scale.devicePixelRatio());
    markDirty(touchedPixels(area, m_scale.devicePixelRatio()));
}

void DrawingSurface::fillLogical(const Rect &logical, Colour colour)
{
    if (logical.isEmpty())
        return;
    const Rect device = touchedPixels(logical, m_scale.devicePixelRatio()) & m_picture.pixels().rect();
    m_picture.fillArea(device, ToPixel(colour));
    markDirty(device);
}

void DrawingSurface::markDirty(const Rect &device)
{
    if (device.isEmpty())
        return;
    m_picture.markDrawn(device);
    if (!m_presentScheduled)
        schedulePresent();
}

void DrawingSurface::schedulePresent()
{
    m_presentScheduled = true;
    Presenter::schedule(this);
}

void DrawingSurface::setProbe(std::vector<ProbeGrid> grids, ProbeHolder *holder)
{
    const forms::Point before = hasProbe() ? probePixel() : forms::Point(-1, -1);
    m_probe.set(std::move(grids));
    m_probeSet = true;
    m_probeHolder = holder;
    if (probePixel() != before)
        probeFocusChanged();
}

void DrawingSurface::setProbeDots(std::size_t grid, PaintedDots dots)
{
    m_probe.setDots(grid, dots);
    probeFocusChanged();
}

void DrawingSurface::openProbe()
{
    if (!m_probe.open())
        return;
    if (m_probeHolder)
        m_probeHolder->openHolder();
    else
        m_peer->takeTabFocus();
}

forms::Point DrawingSurface::probePixel() const
{
    const PointF device = m_scale.toDevice(m_probe.walk().point().x(), m_probe.walk().point().y());
    const Size size = m_picture.size();
    forms::Point pixel(std::clamp(floorToInt(device.x()), 0, size.width() - 1),
                       std::clamp(floorToInt(device.y()), 0, size.height() - 1));
    if (m_probe.isEmpty() || m_probe.walk().lattice().dots.drawWidth <= 0)
        return pixel;

    // Where each point of the lattice has a dot of its own, painted over in part by
    // the dots painted after it: the pixel of its dot that no later dot covers, the one
    // nearest the point. A lattice too fine for that keeps the pixel under the point.
    const ProbeWalk &walk = m_probe.walk();
    const ProbeGrid &lattice = walk.lattice();
    const DotShape dot(static_cast<int>(std::lround(lattice.dots.drawWidth * m_scale.devicePixelRatio())));
    const auto box = [&](int column, int row) {
        const PointF point = lattice.first + column * lattice.right + row * lattice.up;
        const PointF at = m_scale.toDevice(static_cast<float>(point.x()), static_cast<float>(point.y()));
        return Rasteriser::dotBox(at.x(), at.y(), dot.diameter());
    };
    const auto covers = [&](forms::Point corner, forms::Point pixel) {
        const int row = pixel.y() - corner.y();
        const int column = pixel.x() - corner.x();
        return row >= 0 && row < dot.diameter() && column >= dot.rows()[row].first
               && column < dot.rows()[row].second;
    };
    const forms::Point own = box(walk.column(), walk.row());
    // The later dots that may reach the dot: those of the same column further up, and
    // those of the columns painted after it, within a dot's width in steps.
    const PointF step = m_scale.toDevice(lattice.right.x(), lattice.right.y()) - m_scale.toDevice(0, 0);
    const PointF rise = m_scale.toDevice(lattice.up.x(), lattice.up.y()) - m_scale.toDevice(0, 0);
    const auto reachIn = [&](PointF stride) {
        const double length = std::max(std::fabs(stride.x()), std::fabs(stride.y()));
        return length > 0 ? static_cast<int>(std::ceil(dot.diameter() / length)) + 1 : 0;
    };
    const int columnsReach = reachIn(step);
    const int rowsReach = reachIn(rise);
    const int later = lattice.dots.columnsBackwards ? -1 : 1;
    std::vector<forms::Point> others;
    for (int row = walk.row() + 1; row <= std::min(walk.row() + rowsReach, lattice.rows - 1); ++row)
        others.push_back(box(walk.column(), row));
    for (int offset = 1; offset <= columnsReach; ++offset) {
        const int column = walk.column() + later * offset;
        if (column < 0 || column >= lattice.columns)
            break;
        for (int row = std::max(0, walk.row() - rowsReach); row <= std::min(walk.row() + rowsReach, lattice.rows - 1);
             ++row)
            others.push_back(box(column, row));
    }
    double nearest = std::numeric_limits<double>::infinity();
    for (int row = 0; row < dot.diameter(); ++row) {
        for (int column = dot.rows()[row].first; column < dot.rows()[row].second; ++column) {
            const forms::Point candidate = own + forms::Point(column, row);
            if (!m_picture.pixels().rect().contains(candidate)
                || std::any_of(others.begin(), others.end(),
                               [&](forms::Point corner) { return covers(corner, candidate); }))
                continue;
            const double dx = candidate.x() + 0.5 - device.x();
            const double dy = candidate.y() + 0.5 - device.y();
            const double distance = dx * dx + dy * dy;
            if (distance < nearest) {
                nearest = distance;
                pixel = candidate;
            }
        }
    }
    return pixel;
}

bool DrawingSurface::probeKey(const KeyPress &press)
{
    switch (m_probe.key(press)) {
    case SurfaceProbe::Action::NotMine:
        return false;
    case SurfaceProbe::Action::Stayed:
        break;
    case SurfaceProbe::Action::Moved:
        probeMoved();
        break;
    case SurfaceProbe::Action::Press:
        probeClick();
        break;
    }
    return true;
}

bool DrawingSurface::childTakes(forms::Point pixel)
{
    // Where the window shows the pixel, as the pointer finds it there.
    DrawingSurface &window = root();
    const forms::Point origin =
        FrontEnd::current().devicePixelAt(PointF(originInRoot()), window.mapping().devicePixelRatio());
    return window.paintedAt(origin + pixel).surface != this;
}

void DrawingSurface::probeMoved()
{
    probeFocusChanged();
    const forms::Point pixel = probePixel();
    if (const PointerTarget target = targetAt(pixel); target.surface && !childTakes(pixel))
        deliverMove(target, 0, 0);
}

void DrawingSurface::probeClick()
{
    const forms::Point pixel = probePixel();
    const PointerTarget target = targetAt(pixel);
    if (!target.surface || childTakes(pixel))
        return;
    // As a press: a mouse always moves to where it presses.
    if (!lastMoveAt(pixel))
        deliverMove(target, 0, 0);
    deliverClick();
}

bool DrawingSurface::probeMarked() const
{
    if (!hasProbe())
        return false;
    return m_probeHolder ? m_probeHolder->holderElement().hasFocus() : hasFocus();
}

Rect DrawingSurface::probeHolderArea() const
{
    return m_probeHolder ? m_probeHolder->holderArea() : rect();
}

void DrawingSurface::probeFocusChanged()
{
    Rect marks;
    if (probeMarked()) {
        const double dpr = m_scale.devicePixelRatio();
        const PointF middle = (PointF(probePixel()) + PointF(0.5, 0.5)) / dpr;
        const forms::Point centre(RoundToPixel(middle.x()), RoundToPixel(middle.y()));
        const Rect marker(centre - forms::Point(ProbeMarkerReach, ProbeMarkerReach),
                          Size(2 * ProbeMarkerReach, 2 * ProbeMarkerReach));
        marks = marker | probeHolderArea();
    }
    // The whole holder: its focus mark runs round its edge.
    const Rect before = m_probeMarks;
    m_probeMarks = marks;
    m_peer->marksMoved(before, marks);
}

} // namespace forms

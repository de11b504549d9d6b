// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colour.h"
#include "dotgrid.h"
#include "probewalk.h"
#include "presenter.h"
#include "rasteriser.h"
#include "scalemapping.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <variant>
#include <vector>

namespace forms {

class PlacedControl;
class WindowlessControl;

// A form's client area or a picture box: an image the widget owns and keeps, so
// whatever is drawn stays until the program clears or paints over it. Dots, lines
// and read-backs go through the surface's user units; windowless controls are
// painted into the image and take the pointer over their own area. What is drawn
// reaches the screen through the presenter.
class DrawingSurface : public QWidget, private Presentable
{
    Q_OBJECT

public:
    explicit DrawingSurface(QWidget *parent = nullptr);
    ~DrawingSurface() override;

    const ScaleMapping &mapping() const { return m_scale; }
    float ScaleLeft() const { return m_scale.scaleLeft(); }
    float ScaleTop() const { return m_scale.scaleTop(); }
    float ScaleWidth() const { return m_scale.scaleWidth(); }
    float ScaleHeight() const { return m_scale.scaleHeight(); }
    // New units leave any holes worked out for the old ones behind.
    void setScaleLeft(float value) { m_scale.setScaleLeft(value); m_gaps = nullptr; }
    void setScaleTop(float value) { m_scale.setScaleTop(value); m_gaps = nullptr; }
    void setScaleWidth(float value) { m_scale.setScaleWidth(value); m_gaps = nullptr; }
    void setScaleHeight(float value) { m_scale.setScaleHeight(value); m_gaps = nullptr; }

    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width);
    // DrawWidth for the dots of a grid, kept solid: where one step of the grid is
    // wider on this surface than its dots, each dot also fills the holes round it
    // with a wider dot, and every pixel the designed dots paint stays as it was.
    // Holds until the next DrawWidth; worked out once per grid and mapping.
    void setSolidDrawWidth(int width, const DotGrid &grid);
    // The same for dots on rings, kept solid within their rim.
    void setSolidDrawWidth(int width, const DotRings &rings);
    Colour BackColor() const { return m_backColor; }
    // Setting the background clears the surface.
    void setBackColor(Colour colour);

    void PSet(float x, float y, Colour colour)
    {
        const QPointF device = m_scale.toDevice(x, y);
        if (m_gaps) [[unlikely]]
            m_raster.dot(device.x(), device.y(), m_fillPen, ToPixel(colour), m_fillMask);
        m_raster.dot(device.x(), device.y(), m_pen, ToPixel(colour));
        if (!m_presentScheduled)
            schedulePresent();
    }
    void Line(float x1, float y1, float x2, float y2, Colour colour);
    // The colour of the pixel at the point; -1 outside the surface.
    Colour Point(float x, float y) const;
    void Cls();

    // A copy of the image as drawn, in device pixels. (The image itself is never
    // shared: the rasteriser writes straight into its pixels.)
    QImage image() const { return m_image.copy(); }

    // The windowless controls on the surface in reading order: column by column, each
    // from the top.
    std::vector<const WindowlessControl *> windowlessControls() const;
    // Whether the control shows: visible, and not painted over for the most part.
    bool showsWindowless(const WindowlessControl *control) const;

    // For the controls themselves: placed on the surface (which deletes them when it
    // goes), or taken off it; windowless ones also announce themselves and their
    // changes, so that the surface paints them and keeps the pointer off them.
    void addControl(PlacedControl *control);
    void removeControl(PlacedControl *control);
    void addWindowless(const WindowlessControl *control);
    void removeWindowless(const WindowlessControl *control);
    // The control changed; it covered the old area before.
    void windowlessChanged(const WindowlessControl *control, const QRect &oldArea);

    // Keyboard exploration: a probe walks the lattices given, in user units, and stands
    // where the pointer would: the device pixel under it gets the pointer's MouseMove
    // at each step, and Return or Space its Click. The surface takes the focus by Tab
    // for it once the probe is opened, or the widget given holds the focus and hands on
    // its keys. A mark shows the focus and a marker the probe, painted over the image on
    // screen, never in it. Set from the start, so that assistive tools know the surface
    // for what it is before it can be explored.
    void setProbe(std::vector<ProbeGrid> grids, QWidget *holder = nullptr);
    void openProbe();
    bool hasProbe() const { return !m_probe.isEmpty(); }
    bool probeOpen() const { return m_probeOpen; }
    QWidget *probeHolder() const { return m_probeHolder; }
    // The device pixel under the probe.
    QPoint probePixel() const;
    // A key for the probe; false if it is not one of the probe's.
    bool probeKey(const QKeyEvent *event);
    // The holder gained or lost the focus, or moved.
    void probeFocusChanged();

signals:
    void MouseMove(int button, int shift, float x, float y);
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    // Takes on the widget's current size at once: new units, a new image, controls
    // kept in place in user units.
    void resizeImage();

private:
    QWidget *presentingWidget() override { return this; }
    QRect takeDrawnArea() override;

    void paintWindowless(const WindowlessControl *control);
    void paintAllWindowless();
    void fillLogical(const QRect &logical, Colour colour);
    void markDirty(const QRect &device);
    void schedulePresent();
    void updatePen();

    // The surface whose own device pixel lies under the pointer, that pixel and the
    // user point at its centre; no surface where a control has the pointer.
    struct PointerTarget
    {
        DrawingSurface *surface = nullptr;
        QPoint pixel;
        QPointF user;
    };
    PointerTarget pointerTarget(const QMouseEvent *event) const;
    // The target at one of this surface's own device pixels; none where a windowless
    // control takes the pointer.
    PointerTarget targetAt(QPoint pixel) const;
    void deliverMove(const PointerTarget &target, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

    void probeMoved();
    void probeClick();
    // Whether a child widget takes the pointer at the device pixel.
    bool childTakes(QPoint pixel) const;
    QRect probeHolderArea() const;
    QRect probeMarks() const;
    void paintProbe(QPainter &painter) const;

    struct KnownGaps
    {
        std::variant<DotGrid, DotRings> figure;
        // Where the rings it was worked out for lie, so that the program's own rings,
        // made once and never changed, are known again without comparing every dot.
        const DotRings *ringsSource = nullptr;
        const DotRings::Centre *ringsDots = nullptr;
        QPointF origin;
        QPointF unit;
        double devicePixelRatio = 1;
        GridGaps gaps;
    };
    template <typename DotFigure>
    void setSolidFigure(int width, const DotFigure &figure);
    template <typename DotFigure>
    const GridGaps &gapsOf(const DotFigure &figure, int width);

    ScaleMapping m_scale;
    QImage m_image;
    int m_drawWidth = 1;
    DotShape m_pen;
    Rasteriser m_raster;
    bool m_presentScheduled = false;
    Colour m_backColor = RGB(255, 255, 255);
    QRect m_dirty;
    // Where the left button went down, as long as it is held.
    QPointer<DrawingSurface> m_pressedOn;
    std::vector<PlacedControl *> m_controls;
    std::vector<const WindowlessControl *> m_windowless;
    std::vector<std::unique_ptr<KnownGaps>> m_knownGaps;
    // The holes of the grid being drawn, and the dot that fills them.
    const GridGaps *m_gaps = nullptr;
    DotShape m_fillPen;
    PixelMask m_fillMask;
    ProbeWalk m_probe;
    QPointer<QWidget> m_probeHolder;
    bool m_probeOpen = false;
    // Where the marks were last painted, in logical pixels.
    QRect m_probeMarks;
};

} // namespace forms

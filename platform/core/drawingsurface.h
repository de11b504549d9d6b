// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colour.h"
#include "dotgrid.h"
#include "element.h"
#include "font.h"
#include "keptpicture.h"
#include "keypress.h"
#include "presenter.h"
#include "scalemapping.h"
#include "signal.h"
#include "soliddots.h"
#include "surfaceprobe.h"

#include <memory>
#include <vector>

namespace forms {

class PlacedControl;
class WindowlessControl;

// A form's client area or a picture box: a picture it keeps, so whatever is drawn
// stays until the program clears or paints over it. Dots, lines and read-backs go
// through the surface's user units; windowless controls are painted into the picture
// and take the pointer over their own area; the controls placed on it are found where
// the pointer is. Its front end shows the picture as it is, pixel for pixel.
class DrawingSurface : public Element, public Receiver, private Presentable
{
public:
    ~DrawingSurface() override;

    const ScaleMapping &mapping() const { return m_scale; }
    float ScaleLeft() const { return m_scale.scaleLeft(); }
    float ScaleTop() const { return m_scale.scaleTop(); }
    float ScaleWidth() const { return m_scale.scaleWidth(); }
    float ScaleHeight() const { return m_scale.scaleHeight(); }
    // New units leave any holes worked out for the old ones behind.
    void setScaleLeft(float value);
    void setScaleTop(float value);
    void setScaleWidth(float value);
    void setScaleHeight(float value);

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
        const PointF device = m_scale.toDevice(x, y);
        m_picture.dot(device.x(), device.y(), ToPixel(colour));
        if (!m_presentScheduled)
            schedulePresent();
    }
    void Line(float x1, float y1, float x2, float y2, Colour colour);
    // The colour of the pixel at the point; -1 outside the surface.
    Colour Point(float x, float y) const;
    void Cls();

    // The picture as drawn, in device pixels.
    const PixelBuffer &image() const { return m_picture.pixels(); }
    // The surface's size in logical pixels.
    Size logicalSize() const { return m_logicalSize; }
    Rect rect() const { return {0, 0, m_logicalSize.width(), m_logicalSize.height()}; }

    // The font controls placed on it take; a picture box has its container's.
    const Font &font() const;
    void setFont(const Font &font);

    // The windowless controls on the surface in reading order: column by column, each
    // from the top.
    std::vector<const WindowlessControl *> windowlessControls() const;
    // Whether the control shows: visible, and not painted over for the most part.
    bool showsWindowless(const WindowlessControl *control) const;
    // The controls placed on it, in the order they were placed.
    const std::vector<PlacedControl *> &controls() const { return m_controls; }

    // For the controls themselves: placed on the surface (which deletes them when it
    // goes), or taken off it; windowless ones also announce themselves and their
    // changes, so that the surface paints them and keeps the pointer off them.
    void addControl(PlacedControl *control);
    void removeControl(PlacedControl *control);
    void addWindowless(const WindowlessControl *control);
    void removeWindowless(const WindowlessControl *control);
    // The control changed; it covered the old area before.
    void windowlessChanged(const WindowlessControl *control, const Rect &oldArea);

    // Keyboard exploration: a probe walks the lattices given, in user units, and stands
    // where the pointer would: the device pixel under it gets the pointer's MouseMove
    // at each step, and Return or Space its Click. The surface takes the focus by Tab
    // for it once the probe is opened, or the holder given holds the focus and hands
    // on its keys. A mark shows the focus and a marker the probe, painted over the
    // picture on screen, never in it. Set from the start, so that assistive tools know
    // the surface for what it is before it can be explored.
    void setProbe(std::vector<ProbeGrid> grids, ProbeHolder *holder = nullptr);
    // How the points of a lattice are painted: the probe then stands on a pixel that
    // still shows the dot of the point it stands on.
    void setProbeDots(std::size_t grid, PaintedDots dots);
    void openProbe();
    bool hasProbe() const { return !m_probe.isEmpty(); }
    bool probeOpen() const { return m_probe.isOpen(); }
    // The surface holds the focus for its own probe.
    bool holdsOwnProbe() const { return m_probeSet && !m_probeHolder; }
    // The device pixel under the probe.
    ::forms::Point probePixel() const;
    // A key for the probe; false if it is not one of the probe's.
    bool probeKey(const KeyPress &press);
    // The holder gained or lost the focus, or moved.
    void probeFocusChanged();
    // Whether the marks show, where the holder lies and where the marks were last
    // painted, in logical pixels of the surface.
    bool probeMarked() const;
    Rect probeHolderArea() const;
    Rect probeMarks() const { return m_probeMarks; }

    // The pointer. The window's surface at a device pixel, as far down as controls go,
    // and where it lies in the window; none where a control without a surface of its own
    // takes the pointer. Then the surface and user point at one of a surface's own
    // device pixels; none where a windowless control takes the pointer.
    struct PaintedAt
    {
        DrawingSurface *surface = nullptr;
        ::forms::Point origin;
    };
    PaintedAt paintedAt(::forms::Point device);
    struct PointerTarget
    {
        DrawingSurface *surface = nullptr;
        ::forms::Point pixel;
        PointF user;
    };
    PointerTarget targetAt(::forms::Point pixel);
    // What the pointer delivers, each inside a handler.
    void deliverMove(const PointerTarget &target, int button, int shift);
    void deliverClick();
    // Whether the last MouseMove went to this surface at this pixel.
    bool lastMoveAt(::forms::Point pixel) const;

    // The window the surface lies in, and where in its client area.
    virtual DrawingSurface &root() { return *this; }
    virtual ::forms::Point originInRoot() const { return {}; }
    // Whether the window is shown.
    virtual bool isShown() const = 0;

    SurfacePeer &surfacePeer() const { return *m_peer; }

    Signal<int, int, float, float> MouseMove;
    Signal<> Click;

protected:
    DrawingSurface();
    // Made by the concrete class; the surface owns it and lets it go last.
    void setSurfacePeer(std::unique_ptr<SurfacePeer> peer);
    // Takes on a new size in logical pixels at once: new units, a new picture, the
    // controls kept in place in user units.
    void resizePicture(Size logical);
    // The surface it lies on, for a font of its own not set.
    virtual const DrawingSurface *parentSurface() const { return nullptr; }

private:
    SurfacePeer &presentingPeer() override { return *m_peer; }
    Rect takeDrawnArea() override;

    void paintWindowless(const WindowlessControl *control);
    void paintAllWindowless();
    void fillLogical(const Rect &logical, Colour colour);
    void markDirty(const Rect &device);
    void schedulePresent();
    void updatePen();
    template <typename DotFigure>
    void setSolidFigure(int width, const DotFigure &figure);

    void probeMoved();
    void probeClick();
    // Whether a control on top takes the pointer at one of the surface's device pixels.
    bool childTakes(::forms::Point pixel);

    std::unique_ptr<SurfacePeer> m_peer;
    ScaleMapping m_scale;
    Size m_logicalSize{1, 1};
    KeptPicture m_picture;
    SolidDots m_solid;
    int m_drawWidth = 1;
    bool m_presentScheduled = false;
    Colour m_backColor = RGB(255, 255, 255);
    std::unique_ptr<Font> m_font;
    std::vector<PlacedControl *> m_controls;
    std::vector<const WindowlessControl *> m_windowless;
    SurfaceProbe m_probe;
    bool m_probeSet = false;
    ProbeHolder *m_probeHolder = nullptr;
    Rect m_probeMarks;
};

} // namespace forms

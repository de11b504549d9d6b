// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "font.h"
#include "pixelbuffer.h"
#include "rect.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// What a window system does for the forms: the one page a new front end's author
// reads. The core keeps every model, picture and rule; a front end shows them with
// its own windows and controls, measures and draws text, and hands the user's input
// back to the core as device pixels, keys and clicks. (The peers share their common
// parts virtually, so that one class of a front end may implement what a window and
// a picture box have in common.) All places are logical pixels of the front end's
// screen unless they say device pixels.
namespace forms {

class CommandButton;
class Control;
class Element;
class Form;
class PictureBox;
class ProbeArea;
class TextBox;

// Whatever a reader is told about: its name and description, and whether it has the
// keyboard focus.
class ElementPeer
{
public:
    virtual ~ElementPeer() = default;
    virtual void setAccessibleName(const std::string &name) = 0;
    virtual void setAccessibleDescription(const std::string &description) = 0;
    virtual bool hasFocus() const = 0;
};

// A control with a place of its own on its container.
class ControlPeer
{
public:
    virtual ~ControlPeer() = default;
    // The name the form's design gives the control.
    virtual void setName(const std::string &name) = 0;
    // Relative to the container's client area.
    virtual void setGeometry(const Rect &place) = 0;
    virtual void setVisible(bool visible) = 0;
};

// A form's client area or a picture box, showing the surface's picture pixel for pixel.
class SurfacePeer : public virtual ElementPeer
{
public:
    enum class Timing { Soon, AtOnce };

    virtual double devicePixelRatio() const = 0;
    // The picture changed within the area: shown when the window system next paints
    // (Soon), or before the call returns (AtOnce).
    virtual void present(const Rect &area, Timing timing) = 0;
    // The focus mark and the probe's marker, painted over the picture on screen only,
    // moved: both areas are to be painted afresh.
    virtual void marksMoved(const Rect &before, const Rect &after) = 0;
    // The keyboard may now explore the surface: it takes the focus by Tab.
    virtual void takeTabFocus() = 0;
};

// A top-level window: a form.
class WindowPeer : public virtual SurfacePeer
{
public:
    virtual void setCaption(const std::string &caption) = 0;
    // The frame the window system puts round the client area; an estimate until the
    // window is shown.
    virtual Margins frame() const = 0;
    // The size of the client area, fixed unless the user may resize the window.
    virtual void setInnerSize(Size inner, bool resizable) = 0;
    // The outer top left corner, frame included, on the screen.
    virtual Point framePosition() const = 0;
    virtual Rect frameGeometry() const = 0;
    virtual void moveFrame(Point topLeft) = 0;
    // Asks the window system to keep the place given, rather than choose one.
    virtual void keepPlace() = 0;
    // The screen's area free for windows, where the window is.
    virtual Rect availableArea() const = 0;
    virtual bool isActive() const = 0;
    // The control with the keyboard focus, on the screen; empty if none.
    virtual Rect focusedControlArea() const = 0;
    // The controls in the order Tab walks them; the first that takes the focus gets it.
    virtual void arrangeTabOrder(const std::vector<Control *> &order) = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    // A vertical scroll bar along the right edge, for content taller than the window;
    // it reports its position through Form::scrolled. Its width is asked first.
    virtual int scrollBarWidth() const = 0;
    virtual void showScrollBar(int range, int pageStep) = 0;
    virtual void hideScrollBar() = 0;
    virtual int scrollPosition() const = 0;
};

class PicturePeer : public virtual SurfacePeer, public ControlPeer
{
};

class ButtonPeer : public virtual ElementPeer, public ControlPeer
{
public:
    virtual void setCaption(const std::string &caption) = 0;
    virtual void setFont(const Font &font) = 0;
};

// A single-line box with centred text.
class TextBoxPeer : public virtual ElementPeer, public ControlPeer
{
public:
    virtual void setText(const std::string &text) = 0;
    virtual void setBackColor(Colour colour) = 0;
    virtual void setFont(const Font &font) = 0;
};

// A part of a surface that the keyboard explores: it paints nothing, lets the
// pointer through and hands its keys to the surface's probe.
class ProbeAreaPeer : public virtual ElementPeer, public ControlPeer
{
};

// How a windowless label looks, to be drawn into a picture.
struct LabelLook
{
    enum class Alignment { Left, Centre };

    Rect area;
    std::string caption;
    Font font;
    Colour backColor = 0;
    Colour foreColor = 0;
    Alignment alignment = Alignment::Left;
};

class FrontEnd
{
public:
    virtual ~FrontEnd() = default;

    // The one front end of the program; set by whoever starts the program on it.
    static FrontEnd &current();
    static bool exists();
    static void install(FrontEnd *frontEnd);

    // The primary screen.
    virtual Size screenSize() const = 0;
    virtual double refreshRate() const = 0;
    // A picture box's background as designed: the system's button-face colour.
    virtual Colour defaultBackColor() const = 0;
    // The device pixel holding a logical position, as this window system counts them.
    virtual Point devicePixelAt(PointF logical, double ratio) const = 0;

    // The window or control that shows a form or control of the core. A control's
    // container is made first, and the control's peer is destroyed before it.
    virtual std::unique_ptr<WindowPeer> createWindow(Form &form) = 0;
    virtual std::unique_ptr<PicturePeer> createPicture(PictureBox &picture) = 0;
    virtual std::unique_ptr<ButtonPeer> createButton(CommandButton &button) = 0;
    virtual std::unique_ptr<TextBoxPeer> createTextBox(TextBox &box) = 0;
    virtual std::unique_ptr<ProbeAreaPeer> createProbeArea(ProbeArea &area) = 0;

    virtual bool textFits(const Font &font, const std::string &text, Size area, TextFlow flow) const = 0;
    // Paints the label, background and text, into a picture of the ratio whose first
    // pixel is the device pixel `origin` of the label's surface.
    virtual void paintLabel(PixelBuffer &picture, Point origin, double ratio, const LabelLook &look) const = 0;

    // Lets the user's input in and has its handlers run before returning, on this stack.
    virtual void yieldForInput() = 0;
    // Shows what has been drawn so far, handling no input.
    virtual void yieldForPainting() = 0;
    // Runs the function at the next turn of the event loop.
    virtual void post(std::function<void()> function) = 0;
    // Runs the function once, after the milliseconds; cancelled by its number.
    virtual int startTimer(int milliseconds, std::function<void()> function) = 0;
    virtual void stopTimer(int timer) = 0;

    // Says a sentence to assistive technology, about the element (or the program).
    virtual void say(const Element *source, const std::string &sentence) = 0;
    // Shows a runtime error's message before the program ends.
    virtual void showRuntimeError(const std::string &message) = 0;
    // Ends the program's event loop with the status.
    virtual void quit(int status) = 0;
};

} // namespace forms

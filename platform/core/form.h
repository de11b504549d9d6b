// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawingsurface.h"
#include "pointerrules.h"

#include <string>
#include <vector>

namespace forms {

class Control;
class WindowPeer;

// A top-level window whose client area is a drawing surface. Width and Height are
// its outer size in twips, frame and title bar included. Unloading hides the form
// and marks it unloaded; it is only destroyed once no handler is running.
class Form : public DrawingSurface
{
public:
    // The name the program's design gives it, and the inner size it was designed
    // with, in twips.
    Form(const std::string &name, int innerWidthTwips, int innerHeightTwips);
    ~Form() override;

    const std::string &Name() const { return m_name; }
    const std::string &Caption() const { return m_caption; }
    void setCaption(const std::string &caption);

    float Width() const;
    float Height() const;
    void setWidth(float twips);
    void setHeight(float twips);
    float Left() const;
    float Top() const;
    // The position of the outer top left corner, frame included; the window system is
    // told it is the program's choice, so it keeps it.
    void Move(float left, float top);

    // Loads the form (its Load event) on first use and shows it without owner and
    // without blocking. Shown for the first time without a Move, it is centred over
    // the form it was opened from, clear of the control that opened it where the
    // screen allows; a resizable form is made no larger than the screen's free area.
    void Show();
    void Unload();
    void Load();
    bool IsLoaded() const { return m_loaded; }
    bool isShown() const override { return m_visible; }

    // Yields to the front end; false once this form has been unloaded meanwhile, so
    // a drawing loop knows to stop.
    bool DoEvents();
    // Shows what has been drawn so far, handling no input.
    void Refresh();

    // Whether the user may resize the window by its frame; by default the window
    // keeps the size its program gives it, since layout and drawing follow that size.
    void setResizable(bool resizable);
    bool isResizable() const { return m_resizable; }
    // Whether Escape closes the window, as it does a dialog. A main window stays:
    // Escape there is how a pupil cancels something else, or stops a screen reader.
    void setClosesOnEscape(bool closes) { m_closesOnEscape = closes; }

    // The frame the window system puts around the client area (an estimate until
    // the window is shown).
    Margins frame() const { return m_frame; }
    // The controls in the order Tab walks them.
    std::vector<Control *> tabOrder() const;

    WindowPeer &windowPeer() const { return *m_window; }

    // From the front end. The user closed the window by its frame; pressed Escape in
    // it where no control took the key; the client area took a size, as the user or
    // the window system gave it; the user scrolled it.
    void closedByUser();
    void escapeKey(bool autoRepeat);
    void clientResized(Size inner);
    void scrolled() { Scrolled.report(); }
    // The window system has put its frame round the window: the client area is what is
    // left of the outer size. Until the window has settled on the screen the frame was
    // only estimated: a form the program never sized takes its designed client area
    // again. True if the window is to go back to the place it was given.
    bool adoptFrame(Margins actual, bool settled);
    // The pointer in the window, at the window's device pixel; the surface that
    // received it from the window system.
    void pointerMoved(DrawingSurface &receiver, ::forms::Point device, int buttons, int shift);
    void pointerPressed(DrawingSurface &receiver, ::forms::Point device, int button, int buttons, int shift);
    void pointerReleased(DrawingSurface &receiver, ::forms::Point device, int button);

    // Escape was pressed in the window and no control took it: whoever showed the
    // window may close it.
    Signal<> escapePressed;
    // The client area took a new size.
    Signal<> Resized;
    Signal<> Scrolled;

protected:
    virtual void Form_Load() {}

private:
    void applyOuterSize();
    void arrangeTabOrder();
    void prepareFirstShow();
    const Form *openedFrom() const;
    Size designedOuter(const Rect &available) const;

    std::string m_name;
    std::string m_caption;
    WindowPeer *m_window = nullptr;
    PointerRules m_pointer{*this};
    Size m_designedInner;
    Size m_outer;
    Margins m_frame;
    bool m_loaded = false;
    bool m_visible = false;
    // The program set the outer size; otherwise the designed client area is kept.
    bool m_outerGiven = false;
    bool m_placed = false;
    bool m_shown = false;
    bool m_tabOrderArranged = false;
    bool m_resizable = false;
    bool m_closesOnEscape = false;
};

} // namespace forms

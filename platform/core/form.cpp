// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "control.h"
#include "doevents.h"
#include "frontend.h"
#include "handlerscope.h"
#include "loadedforms.h"
#include "windowplacement.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

} // namespace

Form::Form(const std::string &name, int innerWidthTwips, int innerHeightTwips) : m_name(name)
{
    std::unique_ptr<WindowPeer> window = FrontEnd::current().createWindow(*this);
    m_window = window.get();
    setSurfacePeer(std::move(window));
    m_frame = m_window->frame();
    m_designedInner = Size(twipsToPixels(innerWidthTwips), twipsToPixels(innerHeightTwips));
    m_outer = m_designedInner.grownBy(m_frame);
    applyOuterSize();
}

Form::~Form()
{
    LoadedForms::instance().forget(this);
}

void Form::setCaption(const std::string &caption)
{
    m_caption = caption;
    m_window->setCaption(caption);
}

float Form::Width() const
{
    return static_cast<float>(m_outer.width() * TwipsPerPixel);
}

float Form::Height() const
{
    return static_cast<float>(m_outer.height() * TwipsPerPixel);
}

void Form::setWidth(float twips)
{
    m_outerGiven = true;
    m_outer.setWidth(twipsToPixels(twips));
    applyOuterSize();
}

void Form::setHeight(float twips)
{
    m_outerGiven = true;
    m_outer.setHeight(twipsToPixels(twips));
    applyOuterSize();
}

float Form::Left() const
{
    return static_cast<float>(m_window->framePosition().x() * TwipsPerPixel);
}

float Form::Top() const
{
    return static_cast<float>(m_window->framePosition().y() * TwipsPerPixel);
}

void Form::Move(float left, float top)
{
    m_placed = true;
    m_window->moveFrame({twipsToPixels(left), twipsToPixels(top)});
}

void Form::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    LoadedForms::instance().add(this);
    const HandlerScope handler;
    Form_Load();
}

void Form::Show()
{
    Load();
    if (!m_loaded)
        return;
    arrangeTabOrder();
    const bool first = !m_shown;
    if (first)
        prepareFirstShow();
    m_visible = true;
    m_window->show();
    // A window takes its size as it is first shown.
    if (first)
        Resized.report();
}

void Form::prepareFirstShow()
{
    m_shown = true;
    const Form *origin = openedFrom();
    const Rect available = (origin ? origin->m_window : m_window)->availableArea();
    if (!m_outerGiven) {
        m_outer = designedOuter(available);
        applyOuterSize();
    }
    if (!m_placed && origin) {
        // The control that opened this form, as a rule the button that closes it again.
        const Rect opener = origin->m_window->focusedControlArea();
        m_window->moveFrame(PlaceOver(m_outer, origin->m_window->frameGeometry(), opener, available).topLeft());
        m_placed = true;
    }
    if (m_placed)
        m_window->keepPlace();
}

const Form *Form::openedFrom() const
{
    const std::vector<Form *> &forms = LoadedForms::instance().forms();
    for (const Form *form : forms)
        if (form != this && form->m_visible && form->m_window->isActive())
            return form;
    for (const Form *form : forms)
        if (form != this && form->m_visible)
            return form;
    return nullptr;
}

Size Form::designedOuter(const Rect &available) const
{
    const Size outer = m_designedInner.grownBy(m_frame);
    // A form whose content copes with any size need not reach past the screen.
    return m_resizable ? outer.boundedTo(available.size()) : outer;
}

void Form::Unload()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    m_visible = false;
    m_window->hide();
    LoadedForms::instance().remove(this);
}

bool Form::DoEvents()
{
    forms::DoEvents();
    return m_loaded;
}

void Form::Refresh()
{
    FrontEnd::current().yieldForPainting();
}

void Form::closedByUser()
{
    const HandlerScope handler;
    Unload();
}

void Form::escapeKey(bool autoRepeat)
{
    // Held down, the key closes once: its repeats would reach the next window.
    if (autoRepeat)
        return;
    const HandlerScope handler;
    // Whoever showed the window may be gone, and its connection with it: the key then
    // closes a window that closes on Escape as its frame's button does.
    if (escapePressed.isConnected())
        escapePressed.report();
    else if (m_closesOnEscape)
        Unload();
}

void Form::clientResized(Size inner)
{
    m_outer = inner.grownBy(m_frame);
    const Size before = logicalSize();
    resizePicture(inner);
    if (logicalSize() != before)
        Resized.report();
}

bool Form::adoptFrame(Margins actual, bool settled)
{
    if (actual == m_frame)
        return false;
    m_frame = actual;
    if (!m_outerGiven && !settled)
        m_outer = designedOuter(m_window->availableArea());
    applyOuterSize();
    return m_placed && !settled;
}

void Form::setResizable(bool resizable)
{
    m_resizable = resizable;
    applyOuterSize();
}

void Form::applyOuterSize()
{
    const Size inner(std::max(1, m_outer.width() - m_frame.left - m_frame.right),
                     std::max(1, m_outer.height() - m_frame.top - m_frame.bottom));
    m_window->setInnerSize(inner, m_resizable);
    const Size before = logicalSize();
    resizePicture(inner);
    if (logicalSize() != before)
        Resized.report();
}

std::vector<Control *> Form::tabOrder() const
{
    // Every control with a window, also those that take the focus only later (a picture
    // once the keyboard can explore it), so that each finds its designed place.
    std::vector<Control *> ordered;
    for (PlacedControl *placed : controls())
        if (placed->hasWindow())
            if (auto *control = dynamic_cast<Control *>(placed))
                ordered.push_back(control);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Control *a, const Control *b) { return a->TabIndex() < b->TabIndex(); });
    return ordered;
}

void Form::arrangeTabOrder()
{
    if (m_tabOrderArranged)
        return;
    m_tabOrderArranged = true;
    m_window->arrangeTabOrder(tabOrder());
}

void Form::pointerMoved(DrawingSurface &receiver, ::forms::Point device, int buttons, int shift)
{
    m_pointer.moved(receiver, device, buttons, shift);
}

void Form::pointerPressed(DrawingSurface &receiver, ::forms::Point device, int button, int buttons, int shift)
{
    m_pointer.pressed(receiver, device, button, buttons, shift);
}

void Form::pointerReleased(DrawingSurface &receiver, ::forms::Point device, int button)
{
    m_pointer.released(receiver, device, button);
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webwindow.h"

#include "control.h"
#include "form.h"
#include "text.h"
#include "webpage.h"
#include "windowlesscontrol.h"
#include "windowpicture.h"

#include <algorithm>
#include <cmath>

namespace forms::web {

namespace {
// The windows drawn on since their labels were last read.
std::vector<WebWindow *> changedWindows;
} // namespace

WebWindow::WebWindow(Form &form, bool main) : WebSurface(form, this)
{
    forms_window_create(id(), form.Name().c_str(), main ? 1 : 0);
    int margins[4] = {};
    forms_window_frame(id(), margins);
    m_frame = {margins[0], margins[1], margins[2], margins[3]};
}

WebWindow::~WebWindow()
{
    std::erase(changedWindows, this);
}

Form &WebWindow::form() const
{
    // Its surface is the form's client area.
    return static_cast<Form &>(surface());
}

void WebWindow::setCaption(const std::string &caption)
{
    forms_window_caption(id(), caption.c_str());
}

void WebWindow::setInnerSize(Size inner, bool)
{
    m_inner = inner;
    const double ratio = devicePixelRatio();
    const Size device(static_cast<int>(std::lround(inner.width() * ratio)),
                      static_cast<int>(std::lround(inner.height() * ratio)));
    if (device != m_screen.size())
        m_screen = PixelBuffer(device.expandedTo({1, 1}), ToPixel(0));
    place();
}

void WebWindow::moveFrame(Point topLeft)
{
    m_position = topLeft;
    place();
}

void WebWindow::place()
{
    forms_window_place(id(), m_position.x(), m_position.y(), m_inner.width(), m_inner.height(), m_screen.width(),
                       m_screen.height());
}

Rect WebWindow::availableArea() const
{
    int width = 0;
    int height = 0;
    forms_page_size(&width, &height);
    return {0, 0, width, height};
}

bool WebWindow::isActive() const
{
    return forms_window_active(id()) != 0;
}

Rect WebWindow::focusedControlArea() const
{
    for (PlacedControl *control : form().controls())
        if (const auto *shown = dynamic_cast<Control *>(control); shown && shown->hasWindow())
            if (const auto *element = dynamic_cast<const Element *>(shown); element && element->hasFocus())
                return control->pixelRect().translated(m_position + Point(m_frame.left, m_frame.top));
    return {};
}

void WebWindow::arrangeTabOrder(const std::vector<Control *> &order)
{
    std::vector<int> ids;
    for (const Control *control : order)
        if (const auto *element = dynamic_cast<const WebElement *>(control->controlPeer()))
            ids.push_back(element->id());
    forms_tab_order(id(), ids.data(), static_cast<int>(ids.size()));
}

void WebWindow::show()
{
    m_shown = true;
    forms_window_show(id(), 1);
    composite(surface(), surface().rect());
}

void WebWindow::hide()
{
    m_shown = false;
    forms_window_show(id(), 0);
}

int WebWindow::scrollBarWidth() const
{
    return forms_window_scroll_width();
}

void WebWindow::showScrollBar(int range, int pageStep)
{
    forms_window_scroll(id(), range, pageStep, 1);
}

void WebWindow::hideScrollBar()
{
    forms_window_scroll(id(), 0, 0, 0);
}

int WebWindow::scrollPosition() const
{
    return forms_window_scroll_position(id());
}

void WebWindow::pointer(PointerKind kind, Point device, int button, int buttons, int shift)
{
    Form &shown = form();
    if (kind == PointerKind::Move)
        shown.pointerMoved(shown, device, buttons, shift);
    else if (kind == PointerKind::Press)
        shown.pointerPressed(shown, device, button, buttons, shift);
    else
        shown.pointerReleased(shown, device, button);
}

bool WebWindow::key(const KeyPress &press)
{
    if (WebSurface::key(press))
        return true;
    if (press.key != KeyPress::Key::Escape)
        return false;
    form().escapeKey(press.autoRepeat);
    return true;
}

void WebWindow::closeRequested()
{
    form().closedByUser();
}

void WebWindow::scrolled()
{
    form().scrolled();
}

void WebWindow::composite(DrawingSurface &changed, const Rect &area)
{
    const Rect dirty = ShownArea(changed, area) & m_screen.rect();
    if (dirty.isEmpty())
        return;
    ComposeWindow(surface(), dirty, m_screen);
    // 0xFFRRGGBB words to the canvas's bytes red, green, blue, alpha: words 0xFFBBGGRR.
    m_canvasBytes.resize(static_cast<std::size_t>(dirty.width()) * static_cast<std::size_t>(dirty.height()));
    std::uint32_t *target = m_canvasBytes.data();
    for (int row = dirty.top(); row <= dirty.bottom(); ++row) {
        const std::uint32_t *source = m_screen.line(row) + dirty.left();
        for (int column = 0; column < dirty.width(); ++column) {
            const std::uint32_t pixel = source[column];
            *target++ = (pixel & 0xFF00FF00u) | ((pixel & 0xFFu) << 16) | ((pixel >> 16) & 0xFFu);
        }
    }
    forms_window_present(id(), m_canvasBytes.data(), dirty.left(), dirty.top(), dirty.width(), dirty.height());
    if (std::find(changedWindows.begin(), changedWindows.end(), this) == changedWindows.end())
        changedWindows.push_back(this);
}

void WebWindow::updateChangedLabelTexts()
{
    const std::vector<WebWindow *> changed = std::move(changedWindows);
    changedWindows.clear();
    for (WebWindow *window : changed)
        window->updateLabelTexts();
}

void WebWindow::updateLabelTexts()
{
    const auto readable = [](const DrawingSurface &shown) {
        std::vector<std::string> texts;
        for (const WindowlessControl *label : shown.windowlessControls())
            if (shown.showsWindowless(label))
                texts.push_back(JoinBrokenWords(label->Caption()));
        return Join(texts, "\n");
    };
    forms_control_label_texts(id(), readable(surface()).c_str());
    for (PlacedControl *control : form().controls())
        if (DrawingSurface *picture = control->placedSurface())
            if (const auto *peer = dynamic_cast<const WebSurface *>(&picture->surfacePeer()))
                forms_control_label_texts(peer->id(), readable(*picture).c_str());
}

} // namespace forms::web

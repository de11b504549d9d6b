// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webfrontend.h"

#include "commandbutton.h"
#include "doevents.h"
#include "form.h"
#include "picturebox.h"
#include "presenter.h"
#include "probearea.h"
#include "textbox.h"
#include "webbutton.h"
#include "webpage.h"
#include "webpicture.h"
#include "webprobearea.h"
#include "webtextbox.h"
#include "webwindow.h"

#include <emscripten.h>


namespace forms::web {

namespace {

WebFrontEnd *installed = nullptr;

// The kinds of input the page queues, as page.js numbers them; the first three are
// the pointer's (PointerKind).
enum Input { PointerMove = 1, PointerPress, PointerRelease, Click, Key, Focus, Close, Timer, Posted, Scroll };

WebWindow &windowOf(const Control &control)
{
    return dynamic_cast<WebWindow &>(control.container()->root().surfacePeer());
}

} // namespace

// Until the page has let the module run again: at the next turn of its event loop, or,
// paced, at its next frame.
EM_ASYNC_JS(void, forms_wait, (int paced), { await FormsPage.nextTurn(paced); });

WebFrontEnd::WebFrontEnd()
{
    installed = this;
}

WebFrontEnd &WebFrontEnd::current()
{
    return *installed;
}

Size WebFrontEnd::screenSize() const
{
    int width = 0;
    int height = 0;
    forms_page_size(&width, &height);
    return {width, height};
}

double WebFrontEnd::refreshRate() const
{
    return forms_refresh_rate();
}

Colour WebFrontEnd::defaultBackColor() const
{
    return FromPixel(static_cast<Pixel>(forms_button_face()));
}

Point WebFrontEnd::devicePixelAt(PointF logical, double ratio) const
{
    return web::devicePixelAt(logical, ratio);
}

std::unique_ptr<WindowPeer> WebFrontEnd::createWindow(Form &form)
{
    // The first form is the program's start-up form: it fills the page.
    static bool mainMade = false;
    const bool main = !mainMade;
    mainMade = true;
    return std::make_unique<WebWindow>(form, main);
}

std::unique_ptr<PicturePeer> WebFrontEnd::createPicture(PictureBox &picture)
{
    return std::make_unique<WebPicture>(picture, &windowOf(picture));
}

std::unique_ptr<ButtonPeer> WebFrontEnd::createButton(CommandButton &button)
{
    return std::make_unique<WebButton>(button, windowOf(button).id());
}

std::unique_ptr<TextBoxPeer> WebFrontEnd::createTextBox(TextBox &box)
{
    return std::make_unique<WebTextBox>(box, windowOf(box).id());
}

std::unique_ptr<ProbeAreaPeer> WebFrontEnd::createProbeArea(ProbeArea &area)
{
    return std::make_unique<WebProbeArea>(area, windowOf(area).id());
}

bool WebFrontEnd::textFits(const Font &font, const std::string &text, Size area, TextFlow flow) const
{
    return forms_text_fits(font.family().c_str(), font.pixelSize(), font.bold() ? 1 : 0, text.c_str(), area.width(),
                           area.height(), flow == TextFlow::WordWrap ? 1 : 0)
           != 0;
}

void WebFrontEnd::paintLabel(PixelBuffer &picture, Point origin, double ratio, const LabelLook &look) const
{
    forms_paint_label(picture.bits(), picture.width(), picture.height(), origin.x(), origin.y(), ratio, look.area.x(),
                      look.area.y(), look.area.width(), look.area.height(), look.caption.c_str(),
                      look.font.family().c_str(), look.font.pixelSize(), look.font.bold() ? 1 : 0,
                      static_cast<int>(ToPixel(look.backColor) & 0xFFFFFF),
                      static_cast<int>(ToPixel(look.foreColor) & 0xFFFFFF),
                      look.alignment == LabelLook::Alignment::Centre ? 1 : 0);
}

void WebFrontEnd::yieldForInput()
{
    forms_wait(Pacing::enabled() ? 1 : 0);
    deliverInput();
}

void WebFrontEnd::yieldForPainting()
{
    Presenter::presentAll(Presenter::Timing::AtOnce);
    // The page paints the canvases only when the module lets it run.
    forms_wait(Pacing::enabled() ? 1 : 0);
}

void WebFrontEnd::post(std::function<void()> function)
{
    m_posted.push_back(std::move(function));
    if (!m_turnRequested) {
        m_turnRequested = true;
        forms_request_turn();
    }
}

void WebFrontEnd::runPosted()
{
    m_turnRequested = false;
    // What is posted meanwhile waits for the next turn, as in any event loop.
    std::size_t waiting = m_posted.size();
    while (waiting-- > 0 && !m_posted.empty()) {
        std::function<void()> next = std::move(m_posted.front());
        m_posted.pop_front();
        next();
    }
    if (!m_posted.empty() && !m_turnRequested) {
        m_turnRequested = true;
        forms_request_turn();
    }
}

int WebFrontEnd::startTimer(int milliseconds, std::function<void()> function)
{
    static int lastTimer = 0;
    m_timers[++lastTimer] = std::move(function);
    forms_timer_start(lastTimer, milliseconds);
    return lastTimer;
}

void WebFrontEnd::stopTimer(int timer)
{
    m_timers.erase(timer);
    forms_timer_stop(timer);
}

void WebFrontEnd::say(const Element *, const std::string &sentence)
{
    forms_say(sentence.c_str());
}

void WebFrontEnd::showRuntimeError(const std::string &message)
{
    forms_runtime_error(message.c_str());
}

void WebFrontEnd::quit(int status)
{
    forms_quit(status);
}

void WebFrontEnd::deliverInput()
{
    int input[8] = {};
    while (forms_take_input(input))
        deliver(input);
}

void WebFrontEnd::deliver(const int (&input)[8])
{
    const int kind = input[0];
    if (kind == Posted) {
        runPosted();
        return;
    }
    if (kind == Timer) {
        const auto timer = m_timers.find(input[1]);
        if (timer == m_timers.end())
            return;
        std::function<void()> function = std::move(timer->second);
        m_timers.erase(timer);
        function();
        return;
    }
    WebElement *element = WebElement::find(input[1]);
    if (!element)
        return;
    switch (kind) {
    case PointerMove:
    case PointerPress:
    case PointerRelease:
        element->pointer(static_cast<PointerKind>(kind), {input[2], input[3]}, input[4], input[5], input[7]);
        break;
    case Click:
        element->click();
        break;
    case Key: {
        const KeyPress press{.key = static_cast<KeyPress::Key>(input[6]),
                             .shift = (input[7] & 1) != 0,
                             .command = (input[7] & 2) != 0,
                             .autoRepeat = (input[7] & 4) != 0};
        if (element->key(press) || press.key != KeyPress::Key::Escape)
            break;
        // Escape that no control takes goes to the window.
        if (WebElement *window = WebElement::find(input[2]))
            window->key(press);
        break;
    }
    case Focus:
        element->focusChanged();
        break;
    case Close:
        element->closeRequested();
        break;
    case Scroll:
        element->scrolled();
        break;
    default:
        break;
    }
}

} // namespace forms::web

// The page calls in here when input waits and the module is idle; a handler that yields
// takes what comes meanwhile itself.
extern "C" EMSCRIPTEN_KEEPALIVE void forms_dispatch()
{
    forms::web::WebFrontEnd::current().deliverInput();
    forms::web::WebWindow::updateChangedLabelTexts();
}

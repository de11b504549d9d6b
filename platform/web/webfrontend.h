// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"
#include "keypress.h"

#include <deque>
#include <functional>
#include <map>

namespace forms::web {

class WebWindow;

// What the page's input is delivered to: a window or a control of the page, known to
// the page by its number.
class WebElement
{
public:
    WebElement();
    virtual ~WebElement();
    WebElement(const WebElement &) = delete;
    WebElement &operator=(const WebElement &) = delete;

    int id() const { return m_id; }

    virtual void pointer(int, Point, int, int, int) {}
    virtual void click() {}
    // A key while it has the focus; false if it does not take it.
    virtual bool key(const KeyPress &) { return false; }
    virtual void focusChanged() {}
    virtual void closeRequested() {}
    virtual void scrolled() {}

private:
    int m_id;
};

// The forms in a web page: a form is a canvas at whole device pixels, the main one
// filling the page and any other a panel over it; picture boxes are composited into
// their form's canvas pixel for pixel, as a window system's backing store would;
// buttons and text boxes are the page's own; text is measured and drawn by the page;
// sentences go to a live region. The page queues the user's input; a yield lets the
// page run, then delivers what it queued, on the yielding handler's stack.
class WebFrontEnd final : public FrontEnd
{
public:
    WebFrontEnd();

    Size screenSize() const override;
    double refreshRate() const override;
    Colour defaultBackColor() const override;
    Point devicePixelAt(PointF logical, double ratio) const override;

    std::unique_ptr<WindowPeer> createWindow(Form &form) override;
    std::unique_ptr<PicturePeer> createPicture(PictureBox &picture) override;
    std::unique_ptr<ButtonPeer> createButton(CommandButton &button) override;
    std::unique_ptr<TextBoxPeer> createTextBox(TextBox &box) override;
    std::unique_ptr<ProbeAreaPeer> createProbeArea(ProbeArea &area) override;

    bool textFits(const Font &font, const std::string &text, Size area, TextFlow flow) const override;
    void paintLabel(PixelBuffer &picture, Point origin, double ratio, const LabelLook &look) const override;

    void yieldForInput() override;
    void yieldForPainting() override;
    void post(std::function<void()> function) override;
    int startTimer(int milliseconds, std::function<void()> function) override;
    void stopTimer(int timer) override;

    void say(const Element *source, const std::string &sentence) override;
    void showRuntimeError(const std::string &message) override;
    void quit(int status) override;

    // The page's elements, by number.
    int enrol(WebElement *element);
    void leave(int id);
    double ratio() const { return m_ratio; }
    static WebFrontEnd &current();

    // Delivers what the page has queued, each on this stack.
    void deliverInput();
    // After a pass of input: the readable texts of the surfaces drawn on.
    void afterInput();
    void surfaceChanged(WebWindow *window) { m_changedWindows[window] = true; }

private:
    void deliver(const int (&input)[8]);
    void runPosted();

    double m_ratio = 1;
    int m_lastId = 0;
    std::map<int, WebElement *> m_elements;
    std::deque<std::function<void()>> m_posted;
    bool m_turnRequested = false;
    std::map<int, std::function<void()>> m_timers;
    std::map<WebWindow *, bool> m_changedWindows;
};

} // namespace forms::web

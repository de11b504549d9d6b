// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"

#include <deque>
#include <functional>
#include <map>

namespace forms::web {

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

    static WebFrontEnd &current();

    // Delivers what the page has queued, each on this stack.
    void deliverInput();

private:
    void deliver(const int (&input)[8]);
    void runPosted();

    std::deque<std::function<void()>> m_posted;
    bool m_turnRequested = false;
    std::map<int, std::function<void()>> m_timers;
};

} // namespace forms::web

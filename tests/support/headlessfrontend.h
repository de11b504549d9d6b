// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawingsurface.h"
#include "frontend.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The core on no window system at all, for tests of the handlers: windows and controls
// that only remember what they are told, text measured by a fixed rule and not drawn,
// a clock that moves only when the test says so, and the user's input given by the
// test, to be delivered by the next yield, on the yielding handler's stack.
namespace headless {

class HeadlessFrontEnd final : public forms::FrontEnd
{
public:
    // Installed as the program's front end for as long as it lives.
    explicit HeadlessFrontEnd(forms::Size screen = {1024, 768}, double ratio = 1);
    ~HeadlessFrontEnd() override;

    // Input the user gives: delivered by the next yield, or by idle().
    void give(std::function<void()> input);
    // A step run once in every yield, not inside itself: input given there reaches the
    // handler that yields exactly between two of its passes.
    void onEveryYield(std::function<void()> step);
    // As an idle event loop: what is posted and the input given, until nothing is left.
    void idle();
    // The clock moved on: the timers then due run.
    void advance(int milliseconds);
    // Told each area of a surface's picture handed over to be shown.
    void onPresent(std::function<void(const forms::DrawingSurface &, const forms::Rect &)> presented)
    {
        m_presented = std::move(presented);
    }
    void presented(const forms::DrawingSurface &surface, const forms::Rect &area) const
    {
        if (m_presented)
            m_presented(surface, area);
    }

    int yields() const { return m_yields; }
    const std::vector<std::string> &said() const { return m_said; }
    bool quitAsked() const { return m_quitAsked; }
    const std::string &runtimeError() const { return m_runtimeError; }
    // The element with the keyboard focus.
    void setFocus(const forms::Element *element) { m_focus = element; }
    const forms::Element *focus() const { return m_focus; }

    forms::Size screenSize() const override { return m_screen; }
    double refreshRate() const override { return 60; }
    forms::Colour defaultBackColor() const override { return m_buttonFace; }
    void setButtonFace(forms::Colour colour) { m_buttonFace = colour; }
    forms::Point devicePixelAt(forms::PointF logical, double ratio) const override;

    std::unique_ptr<forms::WindowPeer> createWindow(forms::Form &form) override;
    std::unique_ptr<forms::PicturePeer> createPicture(forms::PictureBox &picture) override;
    std::unique_ptr<forms::ButtonPeer> createButton(forms::CommandButton &button) override;
    std::unique_ptr<forms::TextBoxPeer> createTextBox(forms::TextBox &box) override;
    std::unique_ptr<forms::ProbeAreaPeer> createProbeArea(forms::ProbeArea &area) override;

    bool textFits(const forms::Font &font, const std::string &text, forms::Size area,
                  forms::TextFlow flow) const override;
    void paintLabel(forms::PixelBuffer &picture, forms::Point origin, double ratio,
                    const forms::LabelLook &look) const override;

    void yieldForInput() override;
    void yieldForPainting() override;
    void post(std::function<void()> function) override { m_queue.push_back(std::move(function)); }
    int startTimer(int milliseconds, std::function<void()> function) override;
    void stopTimer(int timer) override { m_timers.erase(timer); }

    void say(const forms::Element *source, const std::string &sentence) override;
    void showRuntimeError(const std::string &message) override { m_runtimeError = message; }
    void quit(int) override { m_quitAsked = true; }

    double ratio() const { return m_ratio; }

private:
    struct Timer
    {
        long long due = 0;
        std::function<void()> function;
    };
    // Runs what was queued before the call, in order.
    void runQueued();

    forms::Size m_screen;
    double m_ratio;
    std::deque<std::function<void()>> m_queue;
    std::function<void()> m_everyYield;
    std::function<void(const forms::DrawingSurface &, const forms::Rect &)> m_presented;
    bool m_stepping = false;
    std::map<int, Timer> m_timers;
    int m_lastTimer = 0;
    long long m_now = 0;
    int m_yields = 0;
    std::vector<std::string> m_said;
    std::string m_runtimeError;
    bool m_quitAsked = false;
    const forms::Element *m_focus = nullptr;
    forms::Colour m_buttonFace = forms::RGB(240, 240, 240);
};

} // namespace headless

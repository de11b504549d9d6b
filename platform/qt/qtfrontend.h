// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"

#include <map>

class QTimer;
class QWidget;

namespace forms::qt {

// The forms on Qt Widgets: a form is a top-level widget, a picture box a child widget
// that shows its picture pixel for pixel, buttons and text boxes are Qt's own, text is
// measured and drawn by Qt, a yield is a pass of Qt's event loop, and sentences reach
// screen readers through Qt's accessibility. A QApplication must exist first.
class QtFrontEnd final : public FrontEnd
{
public:
    QtFrontEnd();

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

    // The widget that shows a core object.
    static QWidget *widgetOf(const Element *element);

private:
    std::map<int, QTimer *> m_timers;
    int m_lastTimer = 0;
};

} // namespace forms::qt

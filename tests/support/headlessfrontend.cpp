// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "headlessfrontend.h"

#include "commandbutton.h"
#include "form.h"
#include "picturebox.h"
#include "presenter.h"
#include "probearea.h"
#include "textbox.h"

#include <algorithm>
#include <cmath>

namespace headless {

namespace {

HeadlessFrontEnd *installed = nullptr;

// What every peer remembers: whether its element has the focus.
template <typename Base>
class Remembering : public Base
{
public:
    void setAccessibleName(const std::string &) override {}
    void setAccessibleDescription(const std::string &) override {}
    bool hasFocus() const override { return installed && installed->focus() == m_element; }

protected:
    const forms::Element *m_element = nullptr;
};

class Surface : public virtual forms::SurfacePeer
{
public:
    void setAccessibleName(const std::string &) override {}
    void setAccessibleDescription(const std::string &) override {}
    bool hasFocus() const override { return installed && installed->focus() == m_element; }
    double devicePixelRatio() const override { return installed ? installed->ratio() : 1; }
    void present(const forms::Rect &area, Timing) override
    {
        if (installed)
            installed->presented(dynamic_cast<const forms::DrawingSurface &>(*m_element), area);
    }
    void marksMoved(const forms::Rect &, const forms::Rect &) override {}
    void takeTabFocus() override {}

protected:
    const forms::Element *m_element = nullptr;
};

class Window final : public Surface, public forms::WindowPeer
{
public:
    explicit Window(forms::Form &form) { m_element = &form; }
    void setCaption(const std::string &) override {}
    forms::Margins frame() const override { return {}; }
    void setInnerSize(forms::Size inner, bool) override { m_inner = inner; }
    forms::Point framePosition() const override { return m_position; }
    forms::Rect frameGeometry() const override { return {m_position, m_inner}; }
    void moveFrame(forms::Point topLeft) override { m_position = topLeft; }
    void keepPlace() override {}
    forms::Rect availableArea() const override { return {{}, installed->screenSize()}; }
    bool isActive() const override { return m_shown; }
    forms::Rect focusedControlArea() const override { return {}; }
    void arrangeTabOrder(const std::vector<forms::Control *> &) override {}
    void show() override { m_shown = true; }
    void hide() override { m_shown = false; }
    int scrollBarWidth() const override { return 16; }
    void showScrollBar(int, int) override {}
    void hideScrollBar() override {}
    int scrollPosition() const override { return 0; }

private:
    forms::Point m_position;
    forms::Size m_inner;
    bool m_shown = false;
};

class Picture final : public Surface, public forms::PicturePeer
{
public:
    explicit Picture(forms::PictureBox &picture) { m_element = &picture; }
    void setName(const std::string &) override {}
    void setGeometry(const forms::Rect &) override {}
    void setVisible(bool) override {}
};

template <typename Base>
class Control final : public Remembering<Base>
{
public:
    explicit Control(const forms::Element &element) { this->m_element = &element; }
    void setName(const std::string &) override {}
    void setGeometry(const forms::Rect &) override {}
    void setVisible(bool) override {}
};

class Button final : public Remembering<forms::ButtonPeer>
{
public:
    explicit Button(const forms::Element &element) { m_element = &element; }
    void setName(const std::string &) override {}
    void setGeometry(const forms::Rect &) override {}
    void setVisible(bool) override {}
    void setCaption(const std::string &) override {}
    void setFont(const forms::Font &) override {}
};

class TextBox final : public Remembering<forms::TextBoxPeer>
{
public:
    explicit TextBox(const forms::Element &element) { m_element = &element; }
    void setName(const std::string &) override {}
    void setGeometry(const forms::Rect &) override {}
    void setVisible(bool) override {}
    void setText(const std::string &) override {}
    void setBackColor(forms::Colour) override {}
    void setFont(const forms::Font &) override {}
};

} // namespace

HeadlessFrontEnd::HeadlessFrontEnd(forms::Size screen, double ratio) : m_screen(screen), m_ratio(ratio)
{
    installed = this;
    forms::FrontEnd::install(this);
}

HeadlessFrontEnd::~HeadlessFrontEnd()
{
    forms::FrontEnd::install(nullptr);
    installed = nullptr;
}

forms::Point HeadlessFrontEnd::devicePixelAt(forms::PointF logical, double ratio) const
{
    return {static_cast<int>(std::floor(logical.x() * ratio)), static_cast<int>(std::floor(logical.y() * ratio))};
}

std::unique_ptr<forms::WindowPeer> HeadlessFrontEnd::createWindow(forms::Form &form)
{
    return std::make_unique<Window>(form);
}

std::unique_ptr<forms::PicturePeer> HeadlessFrontEnd::createPicture(forms::PictureBox &picture)
{
    return std::make_unique<Picture>(picture);
}

std::unique_ptr<forms::ButtonPeer> HeadlessFrontEnd::createButton(forms::CommandButton &button)
{
    return std::make_unique<Button>(button);
}

std::unique_ptr<forms::TextBoxPeer> HeadlessFrontEnd::createTextBox(forms::TextBox &box)
{
    return std::make_unique<TextBox>(box);
}

std::unique_ptr<forms::ProbeAreaPeer> HeadlessFrontEnd::createProbeArea(forms::ProbeArea &area)
{
    return std::make_unique<Control<forms::ProbeAreaPeer>>(area);
}

bool HeadlessFrontEnd::textFits(const forms::Font &font, const std::string &text, forms::Size area,
                                forms::TextFlow flow) const
{
    // Every character half the font's size wide, every line the font's size high.
    const int width = static_cast<int>(text.size()) * font.pixelSize() / 2;
    const int lines = flow == forms::TextFlow::SingleLine ? 1 : std::max(1, (width + area.width() - 1) / std::max(area.width(), 1));
    return (flow == forms::TextFlow::WordWrap || width <= area.width()) && lines * font.pixelSize() <= area.height();
}

void HeadlessFrontEnd::paintLabel(forms::PixelBuffer &picture, forms::Point origin, double ratio,
                                  const forms::LabelLook &look) const
{
    // The background only: no text is drawn here.
    const forms::Rect area = forms::RectF(look.area.x() * ratio - origin.x(), look.area.y() * ratio - origin.y(),
                                          look.area.width() * ratio, look.area.height() * ratio)
                                 .toAlignedRect();
    picture.fill(area, forms::ToPixel(look.backColor));
}

void HeadlessFrontEnd::give(std::function<void()> input)
{
    m_queue.push_back(std::move(input));
}

void HeadlessFrontEnd::onEveryYield(std::function<void()> step)
{
    m_everyYield = std::move(step);
}

void HeadlessFrontEnd::runQueued()
{
    // What arrives meanwhile waits for the next pass, as in any event loop.
    std::size_t waiting = m_queue.size();
    while (waiting-- > 0 && !m_queue.empty()) {
        std::function<void()> next = std::move(m_queue.front());
        m_queue.pop_front();
        next();
    }
}

void HeadlessFrontEnd::idle()
{
    while (!m_queue.empty())
        runQueued();
}

void HeadlessFrontEnd::advance(int milliseconds)
{
    m_now += milliseconds;
    for (;;) {
        auto due = std::find_if(m_timers.begin(), m_timers.end(), [this](const auto &timer) { return timer.second.due <= m_now; });
        if (due == m_timers.end())
            break;
        std::function<void()> function = std::move(due->second.function);
        m_timers.erase(due);
        function();
        idle();
    }
}

void HeadlessFrontEnd::yieldForInput()
{
    ++m_yields;
    if (m_everyYield && !m_stepping) {
        m_stepping = true;
        m_everyYield();
        m_stepping = false;
    }
    runQueued();
}

void HeadlessFrontEnd::yieldForPainting()
{
    forms::Presenter::presentAll(forms::Presenter::Timing::AtOnce);
}

int HeadlessFrontEnd::startTimer(int milliseconds, std::function<void()> function)
{
    m_timers[++m_lastTimer] = {m_now + milliseconds, std::move(function)};
    return m_lastTimer;
}

void HeadlessFrontEnd::say(const forms::Element *, const std::string &sentence)
{
    m_said.push_back(sentence);
}

} // namespace headless

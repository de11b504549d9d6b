// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

// Runs a step at every pass of the event loop, that is once in every yield of a
// figure: a posted event that posts itself again. Clicks made in a step reach the
// window exactly between two rings. The step does not run inside itself, so the
// yields of a figure that a step starts pass unseen.
class YieldScript : public QObject
{
public:
    explicit YieldScript(std::function<void()> step);

    int passes() const { return m_passes; }
    // No more steps; safe inside a step, which goes on to its end.
    void stop() { m_stopped = true; }

protected:
    bool event(QEvent *event) override;

private:
    void post();

    std::function<void()> m_step;
    bool m_stepping = false;
    bool m_stopped = false;
    int m_passes = 0;
};

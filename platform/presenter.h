// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QWidget;

namespace forms {

// What a retained surface offers for presenting: the widget that shows its image,
// and the logical area drawn since it was last asked.
class Presentable
{
public:
    virtual QWidget *presentingWidget() = 0;
    // Empties what it returns; an empty area when nothing was drawn.
    virtual QRect takeDrawnArea() = 0;

protected:
    ~Presentable() = default;
};

// The one place where drawn pixels reach the window system. A surface that draws asks
// once to be presented at the next turn of the event loop; a yield or a refresh
// presents everything drawn before that. It knows nothing of how the pixels were drawn.
class Presenter
{
public:
    // Soon: the window system paints the area when it next paints. At once: painted
    // before the call returns.
    enum class Timing { Soon, AtOnce };

    // The surface has drawn: it is presented soon, unless everything is presented first.
    static void schedule(Presentable *surface);
    static void present(Presentable *surface, Timing timing);
    static void presentAll(Timing timing);
    // Presents everything at once and, with pacing on, lets the rest of the frame pass
    // without handling input.
    static void presentFrame();
    // The surface is going away.
    static void withdraw(Presentable *surface);
};

} // namespace forms

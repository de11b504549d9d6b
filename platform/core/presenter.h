// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"

namespace forms {

// What a retained surface offers for presenting: what shows its picture, and the
// logical area drawn since it was last asked.
class Presentable
{
public:
    virtual SurfacePeer &presentingPeer() = 0;
    // Empties what it returns; an empty area when nothing was drawn.
    virtual Rect takeDrawnArea() = 0;

protected:
    ~Presentable() = default;
};

// The one place where drawn pixels are handed to the front end. A surface that draws
// asks once to be presented at the next turn of the event loop; a yield or a refresh
// presents everything drawn before that. It knows nothing of how the pixels were drawn.
class Presenter
{
public:
    using Timing = SurfacePeer::Timing;

    // The surface has drawn: it is presented soon, unless everything is presented first.
    static void schedule(Presentable *surface);
    static void present(Presentable *surface, Timing timing);
    static void presentAll(Timing timing);
    // The surface is going away.
    static void withdraw(Presentable *surface);
};

} // namespace forms

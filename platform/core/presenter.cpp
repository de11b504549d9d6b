// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presenter.h"

#include <algorithm>
#include <vector>

namespace forms {

namespace {
std::vector<Presentable *> &scheduled()
{
    static std::vector<Presentable *> surfaces;
    return surfaces;
}

bool isScheduled(Presentable *surface)
{
    const auto &surfaces = scheduled();
    return std::find(surfaces.begin(), surfaces.end(), surface) != surfaces.end();
}
} // namespace

void Presenter::schedule(Presentable *surface)
{
    scheduled().push_back(surface);
    // A surface gone by then has withdrawn.
    FrontEnd::current().post([surface] {
        if (isScheduled(surface))
            present(surface, Timing::Soon);
    });
}

void Presenter::withdraw(Presentable *surface)
{
    auto &surfaces = scheduled();
    surfaces.erase(std::remove(surfaces.begin(), surfaces.end(), surface), surfaces.end());
}

void Presenter::present(Presentable *surface, Timing timing)
{
    withdraw(surface);
    const Rect logical = surface->takeDrawnArea();
    if (!logical.isEmpty())
        surface->presentingPeer().present(logical, timing);
}

void Presenter::presentAll(Timing timing)
{
    const auto surfaces = scheduled();
    for (Presentable *surface : surfaces)
        present(surface, timing);
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presenter.h"

#include "pacing.h"

#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace forms {

namespace {
std::vector<Presentable *> &scheduled()
{
    static std::vector<Presentable *> surfaces;
    return surfaces;
}
} // namespace

void Presenter::schedule(Presentable *surface)
{
    scheduled().push_back(surface);
    QMetaObject::invokeMethod(
        surface->presentingWidget(), [surface] { present(surface, Timing::Soon); }, Qt::QueuedConnection);
}

void Presenter::withdraw(Presentable *surface)
{
    auto &surfaces = scheduled();
    surfaces.erase(std::remove(surfaces.begin(), surfaces.end(), surface), surfaces.end());
}

void Presenter::present(Presentable *surface, Timing timing)
{
    withdraw(surface);
    const QRect logical = surface->takeDrawnArea();
    if (logical.isEmpty())
        return;
    if (timing == Timing::AtOnce)
        surface->presentingWidget()->repaint(logical);
    else
        surface->presentingWidget()->update(logical);
}

void Presenter::presentAll(Timing timing)
{
    const auto surfaces = scheduled();
    for (Presentable *surface : surfaces)
        present(surface, timing);
}

void Presenter::presentFrame()
{
    if (!Pacing::enabled()) {
        presentAll(Timing::Soon);
        return;
    }
    QDeadlineTimer frame(Pacing::frameMilliseconds(), Qt::PreciseTimer);
    presentAll(Timing::AtOnce);
    const qint64 remaining = frame.remainingTime();
    if (remaining > 0)
        QThread::msleep(static_cast<unsigned long>(remaining));
}

} // namespace forms

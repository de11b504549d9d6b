// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "doevents.h"

#include "handlerscope.h"
#include "presenter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace forms {

void DoEvents()
{
    const HandlerScope yielding;
    Presenter::presentAll(Presenter::Timing::Soon);
    if (!Pacing::enabled()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QDeadlineTimer frame(Pacing::frameMilliseconds(), Qt::PreciseTimer);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const qint64 remaining = frame.remainingTime();
    if (remaining > 0) {
        QEventLoop wait;
        QTimer::singleShot(static_cast<int>(remaining), Qt::PreciseTimer, &wait, &QEventLoop::quit);
        wait.exec();
    }
}

} // namespace forms

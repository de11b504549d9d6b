#include "doevents.h"

#include "drawingsurface.h"
#include "handlerscope.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace forms {

int Pacing::frameMilliseconds()
{
    constexpr double FallbackRate = 60.0;
    double rate = FallbackRate;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        rate = screen->refreshRate();
    if (!(rate >= 24.0 && rate <= 480.0))
        rate = FallbackRate;
    return std::max(1, static_cast<int>(std::lround(1000.0 / rate)));
}

void DoEvents()
{
    const HandlerScope yielding;
    DrawingSurface::flushAll();
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

void ShowProgress()
{
    if (!Pacing::enabled()) {
        DrawingSurface::flushAll();
        return;
    }
    QDeadlineTimer frame(Pacing::frameMilliseconds(), Qt::PreciseTimer);
    DrawingSurface::repaintAll();
    const qint64 remaining = frame.remainingTime();
    if (remaining > 0)
        QThread::msleep(static_cast<unsigned long>(remaining));
}

} // namespace forms

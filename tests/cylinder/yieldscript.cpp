// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "yieldscript.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
const QEvent::Type PassEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
}

YieldScript::YieldScript(std::function<void()> step) : m_step(std::move(step))
{
    post();
}

bool YieldScript::event(QEvent *event)
{
    if (event->type() != PassEvent)
        return QObject::event(event);
    if (m_stopped)
        return true;
    // Posted again first: a pass started inside the step must find it waiting.
    post();
    if (m_stepping)
        return true;
    m_stepping = true;
    ++m_passes;
    m_step();
    m_stepping = false;
    return true;
}

void YieldScript::post()
{
    QCoreApplication::postEvent(this, new QEvent(PassEvent));
}

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exactpointer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace forms::qt {

void ExactPointer::watch()
{
    static QPointer<ExactPointer> watcher;
    if (!watcher && qApp) {
        watcher = new ExactPointer(qApp);
        qApp->installEventFilter(watcher);
    }
}

bool ExactPointer::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (watched->isWindowType()) {
            const auto *mouse = static_cast<const QMouseEvent *>(event);
            s_window = static_cast<QWindow *>(watched);
            s_position = mouse->position();
            s_timestamp = mouse->timestamp();
        }
        break;
    default:
        break;
    }
    return false;
}

QPointF ExactPointer::windowPosition(const QWidget *receiver, const QMouseEvent *event)
{
    const QWidget *root = receiver->window();
    // The widget's event is the window's, rounded, if both agree on time and pixel.
    // The window's position is passed on as it is: mapped there and back, it could
    // come back a rounding off and so in the neighbouring device pixel.
    if (s_window && s_window == root->windowHandle() && s_timestamp == event->timestamp()
        && receiver->mapFrom(root, s_position.toPoint()) == event->position().toPoint())
        return s_position;
    return receiver->mapTo(root, event->position());
}

} // namespace forms::qt

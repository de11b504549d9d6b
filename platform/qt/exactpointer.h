// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QWindow>

class QMouseEvent;
class QWidget;

namespace forms::qt {

// Where the pointer is, as exactly as the window system gives it. Qt hands a
// window's pointer events on to its widgets at positions rounded to whole logical
// pixels, which on a screen of two or one and a half device pixels to a logical one
// loses the device pixel under the pointer. This watches the pointer events of the
// windows themselves and keeps the exact position of the last one, so the widget
// that handles the rounded event can have it back. It knows nothing of the widgets.
class ExactPointer final : public QObject
{
public:
    // Starts watching, once per application.
    static void watch();
    // The exact position of a widget's pointer event in its window's coordinates, as
    // the window had it, or the event's own where no window event of the same moment
    // and place is known.
    static QPointF windowPosition(const QWidget *receiver, const QMouseEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;

    static inline QPointer<QWindow> s_window;
    static inline QPointF s_position;
    static inline quint64 s_timestamp = 0;
};

} // namespace forms::qt

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "probeareawidget.h"

#include "probearea.h"
#include "qtconvert.h"

#include <QKeyEvent>

namespace forms::qt {

ProbeAreaWidget::ProbeAreaWidget(ProbeArea &area, QWidget *parent) : QWidget(parent), m_area(area)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
}

void ProbeAreaWidget::setGeometry(const Rect &place)
{
    QWidget::setGeometry(toQt(place));
}

void ProbeAreaWidget::keyPressEvent(QKeyEvent *event)
{
    if (!m_area.key(keyPress(event)))
        QWidget::keyPressEvent(event);
}

void ProbeAreaWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_area.focusChanged();
}

void ProbeAreaWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_area.focusChanged();
}

} // namespace forms::qt

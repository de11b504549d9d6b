// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buttonwidget.h"

#include "commandbutton.h"
#include "qtconvert.h"

#include <QKeyEvent>

namespace forms::qt {

ButtonWidget::ButtonWidget(CommandButton &button, QWidget *parent) : QPushButton(parent), m_button(button)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] { m_button.click(); });
}

void ButtonWidget::setGeometry(const Rect &place)
{
    QPushButton::setGeometry(toQt(place));
}

void ButtonWidget::setFont(const Font &font)
{
    QPushButton::setFont(toQt(font));
}

void ButtonWidget::keyPressEvent(QKeyEvent *event)
{
    // A plain push button leaves Enter to the window's default button; here there is
    // none. Held down, the key presses once, like Space.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace forms::qt

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandbutton.h"

#include "drawingsurface.h"
#include "fonts.h"
#include "handlerscope.h"

#include <QKeyEvent>

namespace forms {

namespace {
constexpr int ClassicPadding = 3; // frame and focus margin on each side
}

CommandButton::CommandButton(DrawingSurface *container)
    : QPushButton(container), Control(container), m_font(container->font())
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] {
        const HandlerScope handler;
        emit Click();
    });
}

void CommandButton::setCaption(const QString &caption)
{
    setText(caption);
    fitCaption();
}

void CommandButton::setFont(const QFont &font)
{
    m_font = font;
    fitCaption();
}

QSize CommandButton::captionArea() const
{
    return pixelRect().size() - QSize(2 * ClassicPadding, 2 * ClassicPadding);
}

void CommandButton::geometryChanged(const QRect &)
{
    setGeometry(pixelRect());
    fitCaption();
}

void CommandButton::keyPressEvent(QKeyEvent *event)
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

void CommandButton::fitCaption()
{
    QPushButton::setFont(FittedFont(m_font, text(), captionArea(), TextFlow::SingleLine));
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

#include <QPushButton>

namespace forms {

class DrawingSurface;

// A push button whose caption always fits: where it would not, even with the small
// padding of a classic button, its font shrinks just enough. No button is a window's
// default, so Enter presses the focused button, as Space does.
class CommandButton final : public QPushButton, public Control
{
    Q_OBJECT

public:
    explicit CommandButton(DrawingSurface *container);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption);
    void setFont(const QFont &font);
    // The area a caption may take: the button less its frame and padding.
    QSize captionArea() const;

signals:
    void Click();

protected:
    void geometryChanged(const QRect &oldPixels) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fitCaption();

    QFont m_font;
};

} // namespace forms

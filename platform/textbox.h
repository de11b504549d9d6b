// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"
#include "colour.h"

#include <QLineEdit>

namespace forms {

class DrawingSurface;

// A single-line text box with centred text.
class TextBox final : public QLineEdit, public Control
{
    Q_OBJECT

public:
    explicit TextBox(DrawingSurface *container);

    QString Text() const { return text(); }
    void setText(const QString &text);
    void setBackColor(Colour colour);
    void setFont(const QFont &font);
    QSize textArea() const;

protected:
    void geometryChanged(const QRect &oldPixels) override;

private:
    void fitText();

    QFont m_font;
};

} // namespace forms

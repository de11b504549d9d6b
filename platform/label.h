// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colour.h"
#include "control.h"
#include "windowlesscontrol.h"

#include <QFont>
#include <QString>

namespace forms {

// A windowless label: painted into its container's picture whenever the container
// is cleared and whenever the label changes, so later drawing covers it; yet it keeps
// the pointer over its area. Text wraps at word boundaries from the top.
class Label final : public Control, public WindowlessControl
{
public:
    enum class Alignment { Left, Centre };

    explicit Label(DrawingSurface *container);
    ~Label() override;

    // The name the form's design gives it; a label has no object of its own to carry one.
    QString Name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    QString Caption() const override { return m_caption; }
    void setCaption(const QString &caption);
    bool Visible() const override { return m_visible; }
    void setVisible(bool visible);
    Colour BackColor() const { return m_backColor; }
    void setBackColor(Colour colour);
    Colour ForeColor() const { return m_foreColor; }
    void setForeColor(Colour colour);
    QFont font() const { return m_font; }
    void setFont(const QFont &font);
    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment);

    // The font the caption is painted in: the label's own, shrunk where the caption
    // would not fit otherwise.
    QFont paintedFont() const;

    QRect hitRect() const override { return pixelRect(); }
    void paint(QPainter &painter) const override;

protected:
    void geometryChanged(const QRect &oldPixels) override;

private:
    void changed();

    QString m_name;
    QString m_caption;
    bool m_visible = true;
    Colour m_backColor = RGB(255, 255, 255);
    Colour m_foreColor = RGB(0, 0, 0);
    QFont m_font;
    Alignment m_alignment = Alignment::Left;
};

} // namespace forms

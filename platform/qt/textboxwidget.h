// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"

#include <QLineEdit>

namespace forms {
class TextBox;
}

namespace forms::qt {

// A text box as a single-line edit with centred text. To a reader it is a box that
// shows a number: its text, and the number as its value.
class TextBoxWidget final : public QLineEdit, public TextBoxPeer
{
    Q_OBJECT

public:
    TextBoxWidget(TextBox &box, QWidget *parent);

    TextBox &box() const { return m_box; }

    void setAccessibleName(const std::string &name) override { QLineEdit::setAccessibleName(QString::fromStdString(name)); }
    void setAccessibleDescription(const std::string &description) override
    {
        QLineEdit::setAccessibleDescription(QString::fromStdString(description));
    }
    bool hasFocus() const override { return QLineEdit::hasFocus(); }
    void setName(const std::string &name) override { setObjectName(QString::fromStdString(name)); }
    void setGeometry(const Rect &place) override;
    void setVisible(bool visible) override { QLineEdit::setVisible(visible); }
    void setText(const std::string &text) override;
    void setBackColor(Colour colour) override;
    void setFont(const Font &font) override;

private:
    TextBox &m_box;
};

} // namespace forms::qt

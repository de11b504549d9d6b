// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"

#include <QPushButton>

namespace forms {
class CommandButton;
}

namespace forms::qt {

// A command button as a push button. No button is a window's default, so Enter
// presses the focused button, as Space does.
class ButtonWidget final : public QPushButton, public ButtonPeer
{
    Q_OBJECT

public:
    ButtonWidget(CommandButton &button, QWidget *parent);

    CommandButton &button() const { return m_button; }

    void setAccessibleName(const std::string &name) override { QPushButton::setAccessibleName(QString::fromStdString(name)); }
    void setAccessibleDescription(const std::string &description) override
    {
        QPushButton::setAccessibleDescription(QString::fromStdString(description));
    }
    bool hasFocus() const override { return QPushButton::hasFocus(); }
    void setName(const std::string &name) override { setObjectName(QString::fromStdString(name)); }
    void setGeometry(const Rect &place) override;
    void setVisible(bool visible) override { QPushButton::setVisible(visible); }
    void setCaption(const std::string &caption) override { setText(QString::fromStdString(caption)); }
    void setFont(const Font &font) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    CommandButton &m_button;
};

} // namespace forms::qt

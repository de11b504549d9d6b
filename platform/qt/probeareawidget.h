// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frontend.h"

#include <QWidget>

namespace forms {
class ProbeArea;
}

namespace forms::qt {

// A probe area: it takes the focus by Tab once shown, hands its keys to the probe and
// lets the pointer through. It paints nothing; its surface paints the marks over it.
class ProbeAreaWidget final : public QWidget, public ProbeAreaPeer
{
    Q_OBJECT

public:
    ProbeAreaWidget(ProbeArea &area, QWidget *parent);

    ProbeArea &area() const { return m_area; }

    void setAccessibleName(const std::string &name) override { QWidget::setAccessibleName(QString::fromStdString(name)); }
    void setAccessibleDescription(const std::string &description) override
    {
        QWidget::setAccessibleDescription(QString::fromStdString(description));
    }
    bool hasFocus() const override { return QWidget::hasFocus(); }
    void setName(const std::string &name) override { setObjectName(QString::fromStdString(name)); }
    void setGeometry(const Rect &place) override;
    void setVisible(bool visible) override { QWidget::setVisible(visible); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    ProbeArea &m_area;
};

} // namespace forms::qt

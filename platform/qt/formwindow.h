// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surfacewidget.h"

#include <QPointer>

class QScrollBar;

namespace forms {
class Form;
}

namespace forms::qt {

// A form's top-level window. It tells the window system that the place the program
// gives it is the program's own, takes on the frame the window system puts round it,
// and reports what the user does to it: closing it by its frame, Escape, resizing,
// scrolling.
class FormWindow final : public SurfaceWidget, public WindowPeer
{
    Q_OBJECT

public:
    explicit FormWindow(Form &form);

    Form &form() const { return m_form; }

    void setCaption(const std::string &caption) override;
    Margins frame() const override { return m_expectedFrame; }
    void setInnerSize(Size inner, bool resizable) override;
    Point framePosition() const override;
    Rect frameGeometry() const override;
    void moveFrame(Point topLeft) override;
    void keepPlace() override;
    Rect availableArea() const override;
    bool isActive() const override;
    Rect focusedControlArea() const override;
    void arrangeTabOrder(const std::vector<Control *> &order) override;
    void show() override;
    void hide() override { QWidget::hide(); }
    int scrollBarWidth() const override;
    void showScrollBar(int range, int pageStep) override;
    void hideScrollBar() override;
    int scrollPosition() const override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool event(QEvent *event) override;

private:
    void adoptFrame();
    QScrollBar *scrollBar() const;

    Form &m_form;
    Margins m_expectedFrame;
    QPoint m_framePosition;
    mutable QScrollBar *m_scrollBar = nullptr;
    bool m_resizable = false;
    bool m_settled = false;
};

} // namespace forms::qt

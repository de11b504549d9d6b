// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawingsurface.h"

#include <QMargins>

namespace forms {

// A top-level window whose client area is a drawing surface. Width and Height are
// its outer size in twips, frame and title bar included. Unloading hides the form
// and marks it unloaded; it is only destroyed once no handler is running.
class Form : public DrawingSurface
{
    Q_OBJECT

public:
    // The inner size the form was designed with, in twips.
    Form(int innerWidthTwips, int innerHeightTwips);
    ~Form() override;

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }

    float Width() const;
    float Height() const;
    void setWidth(float twips);
    void setHeight(float twips);
    float Left() const;
    float Top() const;
    // The position of the outer top left corner, frame included; a window manager is
    // told it is the program's choice, so it keeps it.
    void Move(float left, float top);

    // Loads the form (its Load event) on first use and shows it without owner and
    // without blocking. Shown for the first time without a Move, it is centred over
    // the form it was opened from, clear of the control that opened it where the
    // screen allows; a resizable form is made no larger than the screen's free area.
    void Show();
    void Unload();
    void Load();
    bool IsLoaded() const { return m_loaded; }

    // Yields to the event loop; false once this form has been unloaded meanwhile, so
    // a drawing loop knows to stop.
    bool DoEvents();
    // Shows what has been drawn so far, handling no input.
    void Refresh();

    // Whether the user may resize the window by its frame; by default the window
    // keeps the size its program gives it, since layout and drawing follow that size.
    void setResizable(bool resizable);
    // Whether Escape closes the window, as it does a dialog. A main window stays:
    // Escape there is how a pupil cancels something else, or stops a screen reader.
    void setClosesOnEscape(bool closes) { m_closesOnEscape = closes; }

    // The frame the window system puts around the client area (an estimate until
    // the window is shown).
    QMargins frame() const { return m_frame; }

signals:
    // Escape was pressed in the window and no control took it: whoever showed the
    // window may close it.
    void escapePressed();

protected:
    virtual void Form_Load() {}

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    void applyOuterSize();
    void adoptFrame();
    void arrangeTabOrder();
    void prepareFirstShow();
    const Form *openedFrom() const;
    void hintPosition();
    QSize designedOuter(const QRect &available) const;

    QSize m_designedInner;
    QSize m_outer;
    QPoint m_framePosition;
    QMargins m_frame;
    bool m_loaded = false;
    // The program set the outer size; otherwise the designed client area is kept.
    bool m_outerGiven = false;
    bool m_placed = false;
    bool m_shown = false;
    bool m_settled = false;
    bool m_tabOrderArranged = false;
    bool m_resizable = false;
    bool m_closesOnEscape = false;
};

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "control.h"
#include "doevents.h"
#include "handlerscope.h"
#include "loadedforms.h"
#include "presenter.h"
#include "surfaceaccessible.h"
#include "windowplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

// The frame the window system will put around a new window. Platforms without a
// window manager know it at once; on a desktop it is only known once a window has
// been shown, so take that of a window already shown, or a typical title bar.
QMargins expectedFrame(const QWidget *window)
{
    const QString platform = QGuiApplication::platformName();
    if (window->windowHandle()
        && (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")))
        return window->windowHandle()->frameMargins();
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && other->windowHandle()) {
            const QMargins margins = other->windowHandle()->frameMargins();
            if (!margins.isNull())
                return margins;
        }
    }
    constexpr int TypicalBorder = 4;
    constexpr int TypicalTitleBar = 30;
    return QMargins(TypicalBorder, TypicalTitleBar, TypicalBorder, TypicalBorder);
}

} // namespace

Form::Form(int innerWidthTwips, int innerHeightTwips) : DrawingSurface(nullptr)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    SurfaceAccessible::install();
    create();
    m_frame = expectedFrame(this);
    m_designedInner = QSize(twipsToPixels(innerWidthTwips), twipsToPixels(innerHeightTwips));
    m_outer = m_designedInner.grownBy(m_frame);
    applyOuterSize();
}

Form::~Form()
{
    LoadedForms::instance().forget(this);
}

float Form::Width() const
{
    return static_cast<float>(m_outer.width() * TwipsPerPixel);
}

float Form::Height() const
{
    return static_cast<float>(m_outer.height() * TwipsPerPixel);
}

void Form::setWidth(float twips)
{
    m_outerGiven = true;
    m_outer.setWidth(twipsToPixels(twips));
    applyOuterSize();
}

void Form::setHeight(float twips)
{
    m_outerGiven = true;
    m_outer.setHeight(twipsToPixels(twips));
    applyOuterSize();
}

float Form::Left() const
{
    return static_cast<float>(pos().x() * TwipsPerPixel);
}

float Form::Top() const
{
    return static_cast<float>(pos().y() * TwipsPerPixel);
}

void Form::Move(float left, float top)
{
    m_placed = true;
    move(twipsToPixels(left), twipsToPixels(top));
}

void Form::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    LoadedForms::instance().add(this);
    const HandlerScope handler;
    Form_Load();
}

void Form::Show()
{
    Load();
    if (!m_loaded)
        return;
    arrangeTabOrder();
    if (!m_shown)
        prepareFirstShow();
    show();
    // Where Qt draws the frame itself, as on Wayland, the frame is there once the window
    // is shown, and no move or activation need follow to report it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        adoptFrame();
    raise();
    activateWindow();
}

void Form::prepareFirstShow()
{
    m_shown = true;
    const Form *origin = openedFrom();
    const QRect available = (origin ? origin->screen() : screen())->availableGeometry();
    if (!m_outerGiven) {
        m_outer = designedOuter(available);
        applyOuterSize();
    }
    if (!m_placed && origin) {
        // The control that opened this form, as a rule the button that closes it again.
        QRect opener;
        if (const QWidget *control = origin->focusWidget(); control && control != origin)
            opener = QRect(control->mapToGlobal(QPoint()), control->size());
        move(PlaceOver(m_outer, origin->frameGeometry(), opener, available).topLeft());
        m_placed = true;
    }
    if (m_placed)
        hintPosition();
}

const Form *Form::openedFrom() const
{
    if (const auto *active = qobject_cast<const Form *>(QApplication::activeWindow()); active && active != this)
        return active;
    for (const QWidget *window : QApplication::topLevelWidgets())
        if (const auto *form = qobject_cast<const Form *>(window); form && form != this && form->isVisible())
            return form;
    return nullptr;
}

void Form::hintPosition()
{
    // Told that the position is the program's own and the frame's, a window manager
    // keeps it instead of placing the window by its own rules. The window's size is
    // brought in line first, so that showing it leaves its geometry alone.
    m_framePosition = pos();
    QWindow *window = windowHandle();
    window->resize(size());
    window->setFramePosition(m_framePosition);
}

QSize Form::designedOuter(const QRect &available) const
{
    const QSize outer = m_designedInner.grownBy(m_frame);
    // A form whose content copes with any size need not reach past the screen.
    return m_resizable ? outer.boundedTo(available.size()) : outer;
}

void Form::Unload()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    hide();
    LoadedForms::instance().remove(this);
}

bool Form::DoEvents()
{
    forms::DoEvents();
    return m_loaded;
}

void Form::Refresh()
{
    Presenter::presentFrame();
}

void Form::closeEvent(QCloseEvent *event)
{
    const HandlerScope handler;
    Unload();
    event->accept();
}

void Form::showEvent(QShowEvent *event)
{
    DrawingSurface::showEvent(event);
    adoptFrame();
}

void Form::moveEvent(QMoveEvent *event)
{
    DrawingSurface::moveEvent(event);
    adoptFrame();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        DrawingSurface::keyPressEvent(event);
        return;
    }
    // Held down, the key closes once: its repeats would reach the next window.
    if (event->isAutoRepeat())
        return;
    const HandlerScope handler;
    // Whoever showed the window may be gone, and its connection with it: the key then
    // closes a window that closes on Escape as its frame's button does.
    if (isSignalConnected(QMetaMethod::fromSignal(&Form::escapePressed)))
        emit escapePressed();
    else if (m_closesOnEscape)
        Unload();
}

bool Form::event(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::Expose)
        adoptFrame();
    if (event->type() == QEvent::Expose && isVisible())
        m_settled = true;
    return DrawingSurface::event(event);
}

void Form::adoptFrame()
{
    // Once the window system has put its frame round the window, the client area is
    // what is left of the outer size.
    if (!isVisible() || !windowHandle())
        return;
    const QMargins actual = windowHandle()->frameMargins();
    if (actual == m_frame)
        return;
    m_frame = actual;
    // Until the window has settled on the screen its frame was only estimated: a form
    // the program never sized takes its designed client area again, and the window
    // keeps the position it was given (resizing it makes that the client area's).
    if (!m_outerGiven && !m_settled)
        m_outer = designedOuter(screen()->availableGeometry());
    applyOuterSize();
    if (m_placed && !m_settled)
        windowHandle()->setFramePosition(m_framePosition);
}

void Form::setResizable(bool resizable)
{
    m_resizable = resizable;
    if (resizable) {
        setMinimumSize(1, 1);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowFlag(Qt::WindowMaximizeButtonHint);
    }
    applyOuterSize();
}

void Form::resizeEvent(QResizeEvent *event)
{
    // The user may have resized the window by its frame.
    m_outer = event->size() + QSize(m_frame.left() + m_frame.right(), m_frame.top() + m_frame.bottom());
    DrawingSurface::resizeEvent(event);
}

void Form::applyOuterSize()
{
    const QSize inner(std::max(1, m_outer.width() - m_frame.left() - m_frame.right()),
                      std::max(1, m_outer.height() - m_frame.top() - m_frame.bottom()));
    if (m_resizable)
        resize(inner);
    else
        setFixedSize(inner);
    resizeImage();
}

void Form::arrangeTabOrder()
{
    if (m_tabOrderArranged)
        return;
    m_tabOrderArranged = true;
    // Every control with a window, also those that take the focus only later (a picture
    // once the keyboard can explore it), so that each finds its designed place.
    std::vector<Control *> ordered;
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (auto *control = dynamic_cast<Control *>(child))
            ordered.push_back(control);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Control *a, const Control *b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < ordered.size(); ++i)
        setTabOrder(dynamic_cast<QWidget *>(ordered[i - 1]), dynamic_cast<QWidget *>(ordered[i]));
    for (Control *control : ordered) {
        if (auto *widget = dynamic_cast<QWidget *>(control); widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocus();
            break;
        }
    }
}

} // namespace forms

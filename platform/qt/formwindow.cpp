// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formwindow.h"

#include "control.h"
#include "form.h"
#include "qtconvert.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWindow>

namespace forms::qt {

namespace {

// How far one step of the scroll bar moves the content: about a line of text.
constexpr int ScrollStepPixels = 20;

Margins marginsOf(const QMargins &margins)
{
    return {margins.left(), margins.top(), margins.right(), margins.bottom()};
}

// The frame the window system will put around a new window. Platforms without a
// window manager know it at once; on a desktop it is only known once a window has
// been shown, so take that of a window already shown, or a typical title bar.
Margins expectedFrame(const QWidget *window)
{
    const QString platform = QGuiApplication::platformName();
    if (window->windowHandle() && (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")))
        return marginsOf(window->windowHandle()->frameMargins());
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && other->windowHandle()) {
            const QMargins margins = other->windowHandle()->frameMargins();
            if (!margins.isNull())
                return marginsOf(margins);
        }
    }
    constexpr int TypicalBorder = 4;
    constexpr int TypicalTitleBar = 30;
    return {TypicalBorder, TypicalTitleBar, TypicalBorder, TypicalBorder};
}

} // namespace

FormWindow::FormWindow(Form &form) : SurfaceWidget(form, nullptr), m_form(form)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setObjectName(toQt(form.Name()));
    create();
    m_expectedFrame = expectedFrame(this);
}

void FormWindow::setCaption(const std::string &caption)
{
    setWindowTitle(toQt(caption));
}

void FormWindow::setInnerSize(Size inner, bool resizable)
{
    if (resizable && !m_resizable) {
        setMinimumSize(1, 1);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowFlag(Qt::WindowMaximizeButtonHint);
    }
    m_resizable = resizable;
    if (resizable)
        resize(toQt(inner));
    else
        setFixedSize(toQt(inner));
}

Point FormWindow::framePosition() const
{
    return fromQt(pos());
}

Rect FormWindow::frameGeometry() const
{
    return fromQt(QWidget::frameGeometry());
}

void FormWindow::moveFrame(Point topLeft)
{
    move(toQt(topLeft));
}

void FormWindow::keepPlace()
{
    // Told that the position is the program's own and the frame's, a window manager
    // keeps it instead of placing the window by its own rules. The window's size is
    // brought in line first, so that showing it leaves its geometry alone.
    m_framePosition = pos();
    QWindow *window = windowHandle();
    window->resize(size());
    window->setFramePosition(m_framePosition);
}

Rect FormWindow::availableArea() const
{
    return fromQt(screen()->availableGeometry());
}

bool FormWindow::isActive() const
{
    return QApplication::activeWindow() == this;
}

Rect FormWindow::focusedControlArea() const
{
    if (const QWidget *control = focusWidget(); control && control != this)
        return fromQt(QRect(control->mapToGlobal(QPoint()), control->size()));
    return {};
}

void FormWindow::arrangeTabOrder(const std::vector<Control *> &order)
{
    std::vector<QWidget *> widgets;
    for (const Control *control : order)
        if (auto *widget = dynamic_cast<QWidget *>(control->controlPeer()))
            widgets.push_back(widget);
    for (std::size_t i = 1; i < widgets.size(); ++i)
        setTabOrder(widgets[i - 1], widgets[i]);
    for (QWidget *widget : widgets) {
        if (widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocus();
            break;
        }
    }
}

void FormWindow::show()
{
    QWidget::show();
    // Where Qt draws the frame itself, as on Wayland, the frame is there once the window
    // is shown, and no move or activation need follow to report it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        adoptFrame();
    raise();
    activateWindow();
}

QScrollBar *FormWindow::scrollBar() const
{
    if (!m_scrollBar) {
        auto *self = const_cast<FormWindow *>(this);
        m_scrollBar = new QScrollBar(Qt::Vertical, self);
        m_scrollBar->setFocusPolicy(Qt::NoFocus);
        m_scrollBar->setSingleStep(ScrollStepPixels);
        m_scrollBar->hide();
        connect(m_scrollBar, &QScrollBar::valueChanged, self, [self] { self->m_form.scrolled(); });
    }
    return m_scrollBar;
}

int FormWindow::scrollBarWidth() const
{
    return scrollBar()->sizeHint().width();
}

void FormWindow::showScrollBar(int range, int pageStep)
{
    QScrollBar *bar = scrollBar();
    const QSignalBlocker blocker(bar);
    const int width = bar->sizeHint().width();
    bar->setGeometry(QWidget::width() - width, 0, width, height());
    bar->setRange(0, range);
    bar->setPageStep(pageStep);
    bar->show();
}

void FormWindow::hideScrollBar()
{
    if (m_scrollBar)
        m_scrollBar->hide();
}

int FormWindow::scrollPosition() const
{
    return m_scrollBar && !m_scrollBar->isHidden() ? m_scrollBar->value() : 0;
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    m_form.closedByUser();
    event->accept();
}

void FormWindow::showEvent(QShowEvent *event)
{
    SurfaceWidget::showEvent(event);
    adoptFrame();
}

void FormWindow::moveEvent(QMoveEvent *event)
{
    SurfaceWidget::moveEvent(event);
    adoptFrame();
}

void FormWindow::resizeEvent(QResizeEvent *event)
{
    SurfaceWidget::resizeEvent(event);
    // The user or the window manager may have resized the window.
    m_form.clientResized(fromQt(event->size()));
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        m_form.escapeKey(event->isAutoRepeat());
        return;
    }
    SurfaceWidget::keyPressEvent(event);
}

void FormWindow::wheelEvent(QWheelEvent *event)
{
    if (m_scrollBar && !m_scrollBar->isHidden()) {
        QCoreApplication::sendEvent(m_scrollBar, event);
        return;
    }
    SurfaceWidget::wheelEvent(event);
}

bool FormWindow::event(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::Expose)
        adoptFrame();
    if (event->type() == QEvent::Expose && isVisible())
        m_settled = true;
    return SurfaceWidget::event(event);
}

void FormWindow::adoptFrame()
{
    if (!isVisible() || !windowHandle())
        return;
    if (m_form.adoptFrame(marginsOf(windowHandle()->frameMargins()), m_settled))
        windowHandle()->setFramePosition(m_framePosition);
}

} // namespace forms::qt

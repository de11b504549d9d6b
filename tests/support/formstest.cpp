// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formstest.h"

#include "doevents.h"
#include "fonts.h"
#include "formregistry.h"
#include "label.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace formstest {

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says so whenever a window gets a fixed size or is raised;
// that is not worth a line in every test.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void prepare()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(quietOffscreenNotes);
    forms::Pacing::setEnabled(false);
    throwRuntimeErrors();
}

void reset()
{
    forms::FormRegistry::destroyAll();
    forms::FormRegistry::resetProgramEnded();
    QCoreApplication::processEvents();
}

QPoint pixelOf(const forms::DrawingSurface *surface, float x, float y)
{
    const QPointF device = surface->mapping().toDevice(x, y);
    const double dpr = surface->mapping().devicePixelRatio();
    return QPoint(static_cast<int>(std::floor(device.x() / dpr)), static_cast<int>(std::floor(device.y() / dpr)));
}

QPoint devicePixelOf(const forms::DrawingSurface *surface, float x, float y)
{
    const QPointF device = surface->mapping().toDevice(x, y);
    // The image's size, the logical one rounded to device pixels: image() copies it,
    // too slow for a test that reads every pixel of a figure.
    const double dpr = surface->mapping().devicePixelRatio();
    const QSize size = QSize(static_cast<int>(std::lround(surface->width() * dpr)),
                             static_cast<int>(std::lround(surface->height() * dpr)))
                           .expandedTo(QSize(1, 1));
    return QPoint(std::min(static_cast<int>(std::floor(device.x())), size.width() - 1),
                  std::min(static_cast<int>(std::floor(device.y())), size.height() - 1));
}

QPointF centreOf(const forms::DrawingSurface *surface, QPoint devicePixel)
{
    return surface->mapping().fromDevice(QPointF(devicePixel) + QPointF(0.5, 0.5));
}

namespace {

void send(forms::DrawingSurface *surface, QEvent::Type type, Qt::MouseButtons buttons, float x, float y)
{
    QWidget *window = surface->window();
    // At a fractional ratio the last row and column may jut out of the widget: the
    // middle of the part inside.
    const double dpr = surface->mapping().devicePixelRatio();
    const QPoint pixel = devicePixelOf(surface, x, y);
    const QPointF centre((pixel.x() + std::min(pixel.x() + 1.0, surface->width() * dpr)) / 2,
                         (pixel.y() + std::min(pixel.y() + 1.0, surface->height() * dpr)) / 2);
    const QPointF at = surface->mapTo(window, centre / dpr);
    QMouseEvent event(type, at, at, window->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(window->windowHandle(), &event);
}

} // namespace

void pointTo(forms::DrawingSurface *surface, float x, float y)
{
    send(surface, QEvent::MouseMove, Qt::NoButton, x, y);
}

void clickAt(forms::DrawingSurface *surface, float x, float y)
{
    pointTo(surface, x, y);
    pressAndRelease(surface, x, y);
}

void pressAndRelease(forms::DrawingSurface *surface, float x, float y)
{
    send(surface, QEvent::MouseButtonPress, Qt::LeftButton, x, y);
    send(surface, QEvent::MouseButtonRelease, Qt::NoButton, x, y);
}

QPointingDevice *touchScreen()
{
    static QPointingDevice *const device = QTest::createTouchDevice();
    return device;
}

QPointF touchedPoint(const forms::DrawingSurface *surface, QPoint logical)
{
    const QPointF device = QPointF(logical) * surface->mapping().devicePixelRatio();
    return centreOf(surface,
                    QPoint(static_cast<int>(std::floor(device.x())), static_cast<int>(std::floor(device.y()))));
}

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void pressKey(QAbstractButton *button, Qt::Key key)
{
    QWindow *window = button->window()->windowHandle();
    for (int tabs = 0; tabs < 20 && button->window()->focusWidget() != button; ++tabs)
        QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

const forms::Control *controlNamed(const forms::DrawingSurface *form, const QString &name)
{
    if (const auto *widget = dynamic_cast<const forms::Control *>(form->findChild<QWidget *>(name)))
        return widget;
    return labelNamed(form, name);
}

const forms::Label *labelNamed(const forms::DrawingSurface *form, const QString &name)
{
    QList<const forms::DrawingSurface *> surfaces{form};
    for (const forms::DrawingSurface *picture : form->findChildren<forms::DrawingSurface *>())
        surfaces.append(picture);
    for (const forms::DrawingSurface *surface : surfaces)
        for (const forms::WindowlessControl *control : surface->windowlessControls())
            if (const auto *label = dynamic_cast<const forms::Label *>(control); label && label->Name() == name)
                return label;
    return nullptr;
}

QString accessibleText(QObject *object, QAccessible::Text kind)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(kind) : QStringLiteral("(none)");
}

bool designFits(const QWidget *window, QSize inner)
{
    const QSize outer = inner.grownBy(window->windowHandle()->frameMargins());
    const QSize available = window->screen()->availableGeometry().size();
    return outer.width() <= available.width() && outer.height() <= available.height();
}

bool withinScreen(const QWidget *window)
{
    return window->screen()->availableGeometry().contains(window->frameGeometry());
}

bool placedOver(const QWidget *window, const QWidget *other, const QWidget *opener)
{
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QRect control(opener->mapToGlobal(QPoint()), opener->size());
    if (frame.intersects(control) && available.height() >= 768)
        return false;
    const QPoint offset = frame.center() - other->frameGeometry().center();
    // Off centre only where the screen's edge pushed it, or just clear of the opener.
    constexpr int Clearance = 9;
    const bool clear = !frame.intersects(control);
    return (std::abs(offset.x()) <= 1
            || (offset.x() > 0 ? frame.left() == available.left() : frame.right() == available.right())
            || (clear && std::min(std::abs(frame.left() - control.right()), std::abs(control.left() - frame.right()))
                             <= Clearance))
           && (std::abs(offset.y()) <= 1
               || (offset.y() > 0 ? frame.top() == available.top() : frame.bottom() == available.bottom())
               || (clear && std::min(std::abs(frame.top() - control.bottom()), std::abs(control.top() - frame.bottom()))
                                <= Clearance));
}

bool readable(const forms::Label *label)
{
    const QFont font = label->paintedFont();
    return font.pixelSize() >= forms::ReadablePixelSize
           && forms::TextFits(font, label->Caption(), label->pixelRect().size(), forms::TextFlow::WordWrap)
           && label->container()->rect().contains(label->pixelRect());
}

QString describe(forms::Colour colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(forms::Red(colour)).arg(forms::Green(colour)).arg(forms::Blue(colour));
}

} // namespace formstest

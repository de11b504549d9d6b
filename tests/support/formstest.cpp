// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formstest.h"

#include "announcer.h"
#include "commandbutton.h"
#include "devicearea.h"
#include "devicepixels.h"
#include "doevents.h"
#include "form.h"
#include "formregistry.h"
#include "label.h"
#include "picturebox.h"
#include "qtfrontend.h"
#include "speech.h"
#include "textfit.h"

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
    static forms::qt::QtFrontEnd frontEnd;
    forms::FrontEnd::install(&frontEnd);
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

QWidget *elementWidget(const forms::Element *element)
{
    return forms::qt::QtFrontEnd::widgetOf(element);
}

QWidget *controlWidget(const forms::Control *control)
{
    return control ? dynamic_cast<QWidget *>(control->controlPeer()) : nullptr;
}

QAbstractButton *button(const forms::CommandButton *button)
{
    return qobject_cast<QAbstractButton *>(elementWidget(button));
}

QImage image(const forms::PixelBuffer &picture)
{
    return QImage(reinterpret_cast<const uchar *>(picture.bits()), picture.width(), picture.height(),
                  picture.width() * static_cast<qsizetype>(sizeof(forms::Pixel)), QImage::Format_RGB32)
        .copy();
}

QPoint pixelOf(const forms::DrawingSurface *surface, float x, float y)
{
    const forms::PointF device = surface->mapping().toDevice(x, y);
    const double dpr = surface->mapping().devicePixelRatio();
    return QPoint(static_cast<int>(std::floor(device.x() / dpr)), static_cast<int>(std::floor(device.y() / dpr)));
}

QPoint devicePixelOf(const forms::DrawingSurface *surface, float x, float y)
{
    const forms::PointF device = surface->mapping().toDevice(x, y);
    const QSize size = qt(surface->image().size());
    return QPoint(std::min(static_cast<int>(std::floor(device.x())), size.width() - 1),
                  std::min(static_cast<int>(std::floor(device.y())), size.height() - 1));
}

QPointF centreOf(const forms::DrawingSurface *surface, QPoint devicePixel)
{
    return qt(surface->mapping().fromDevice(forms::PointF(devicePixel.x() + 0.5, devicePixel.y() + 0.5)));
}

namespace {

// Where the window shows a surface's device pixel: the first pixel of its picture at
// the device pixel holding the surface's origin, within the area the backing store
// gives the surface (at a fractional ratio it may hide the first row and column, or
// repeat the last).
QPoint shownAt(const forms::DrawingSurface *surface, QPoint pixel)
{
    const double dpr = surface->mapping().devicePixelRatio();
    const QWidget *shown = widget(surface);
    const QPoint origin = shown->mapTo(shown->window(), QPoint());
    const QRect area = forms::qt::deviceArea(QRect(origin, qt(surface->logicalSize())), dpr);
    const QPoint at = forms::qt::devicePixelAt(QPointF(origin), dpr) + pixel;
    return {std::clamp(at.x(), area.left(), area.right()), std::clamp(at.y(), area.top(), area.bottom())};
}

QPointF windowPosition(QPoint device, QPointF within, Conversion conversion, double dpr)
{
    const QPointF position = QPointF(device) + within;
    return conversion == Conversion::Qt ? position * (1 / dpr) : position / dpr;
}

void send(QWidget *window, QEvent::Type type, Qt::MouseButtons buttons, QPointF at)
{
    QMouseEvent event(type, at, at, window->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(window->windowHandle(), &event);
}

void send(forms::DrawingSurface *surface, QEvent::Type type, Qt::MouseButtons buttons, float x, float y)
{
    const QPoint device = shownAt(surface, devicePixelOf(surface, x, y));
    send(widget(surface)->window(), type, buttons,
         windowPosition(device, QPointF(0.5, 0.5), Conversion::Qt, surface->mapping().devicePixelRatio()));
}

} // namespace

void moveWithin(QWidget *window, QPoint device, QPointF within, Conversion conversion)
{
    send(window, QEvent::MouseMove, Qt::NoButton, windowPosition(device, within, conversion, window->devicePixelRatioF()));
}

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
    const double dpr = surface->mapping().devicePixelRatio();
    const QWidget *shown = widget(surface);
    const QPoint origin = shown->mapTo(shown->window(), QPoint());
    const QPointF corner = QPointF(origin + logical) * dpr;
    const QPoint pixel = QPoint(static_cast<int>(std::floor(corner.x())), static_cast<int>(std::floor(corner.y())))
                         - forms::qt::devicePixelAt(QPointF(origin), dpr);
    const QPoint last = devicePixelOf(surface, surface->ScaleLeft() + surface->ScaleWidth(),
                                      surface->ScaleTop() + surface->ScaleHeight());
    return centreOf(surface, QPoint(std::min(pixel.x(), last.x()), std::min(pixel.y(), last.y())));
}

void click(const forms::CommandButton *commandButton)
{
    QTest::mouseClick(button(commandButton), Qt::LeftButton);
}

void pressKey(const forms::CommandButton *commandButton, Qt::Key key)
{
    QAbstractButton *pressed = button(commandButton);
    QWindow *window = pressed->window()->windowHandle();
    for (int tabs = 0; tabs < 20 && pressed->window()->focusWidget() != pressed; ++tabs)
        QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

bool tabTo(QWidget *widget)
{
    QWindow *window = widget->window()->windowHandle();
    for (int tabs = 0; tabs < 30 && !widget->hasFocus(); ++tabs)
        QTest::keyClick(window, Qt::Key_Tab);
    return widget->hasFocus();
}

bool tabTo(const forms::Element *element)
{
    return tabTo(elementWidget(element));
}

void typeKeys(QWidget *window, const QList<QKeySequence> &keys)
{
    for (const QKeySequence &key : keys)
        QTest::keyClick(window->windowHandle(), key[0].key(), key[0].keyboardModifiers());
}

void typeKeys(const forms::Form *form, const QList<QKeySequence> &keys)
{
    typeKeys(widget(form), keys);
}

QWidget *focusWidget(const forms::Form *form)
{
    return widget(form)->focusWidget();
}

Speech::Speech()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QObject::connect(&forms::qt::Speech::instance(), &forms::qt::Speech::said, &m_context,
                     [this] { m_said.append(QString::fromStdString(forms::Announcer::lastSentence())); });
#else
    QObject::connect(&forms::qt::Speech::instance(), &forms::qt::Speech::said, &m_context, [this](QObject *about) {
        // What a reader reads of the focused carrier once its value changes.
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(about);
        if (face && face->textInterface() && face->valueInterface() && face->state().focused)
            m_said.append(face->textInterface()->text(0, -1));
    });
#endif
}

std::vector<forms::DrawingSurface *> picturesOf(const forms::DrawingSurface *form)
{
    std::vector<forms::DrawingSurface *> pictures;
    for (forms::PlacedControl *control : form->controls())
        if (forms::DrawingSurface *picture = control->placedSurface())
            pictures.push_back(picture);
    return pictures;
}

const forms::Control *controlNamed(const forms::DrawingSurface *form, const QString &name)
{
    std::vector<const forms::DrawingSurface *> surfaces{form};
    for (const forms::DrawingSurface *picture : picturesOf(form))
        surfaces.push_back(picture);
    for (const forms::DrawingSurface *surface : surfaces)
        for (const forms::PlacedControl *placed : surface->controls())
            if (const auto *control = dynamic_cast<const forms::Control *>(placed); control && qs(control->Name()) == name)
                return control;
    return nullptr;
}

const forms::Label *labelNamed(const forms::DrawingSurface *form, const QString &name)
{
    return dynamic_cast<const forms::Label *>(controlNamed(form, name));
}

QString accessibleText(QObject *object, QAccessible::Text kind)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(kind) : QStringLiteral("(none)");
}

QString accessibleText(const forms::Element *element, QAccessible::Text kind)
{
    return accessibleText(elementWidget(element), kind);
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
    const forms::Font font = label->paintedFont();
    return font.pixelSize() >= forms::ReadablePixelSize
           && forms::TextFits(font, label->Caption(), label->pixelRect().size(), forms::TextFlow::WordWrap)
           && label->container()->rect().contains(label->pixelRect());
}

QString describe(forms::Colour colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(forms::Red(colour)).arg(forms::Green(colour)).arg(forms::Blue(colour));
}

} // namespace formstest

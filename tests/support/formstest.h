// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawingsurface.h"
#include "element.h"
#include "runtimeerrorraised.h"
#include "signal.h"

#include <QAccessible>
#include <QImage>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

class QPointingDevice;
class QWidget;
class QAbstractButton;

namespace forms {
class CommandButton;
class Control;
class Element;
class Form;
class Label;
} // namespace forms

namespace formstest {

// For initTestCase: the Qt front end installed, drawing unpaced, runtime errors thrown.
void prepare();
// For cleanup: every form unloaded and destroyed, the program not ended.
void reset();

// The widget that shows a form, a control or a picture, as the window system has it.
QWidget *elementWidget(const forms::Element *element);
QWidget *controlWidget(const forms::Control *control);
template <typename Shown>
QWidget *widget(const Shown *shown)
{
    if constexpr (std::is_base_of_v<forms::Element, Shown>)
        return elementWidget(shown);
    else
        return controlWidget(shown);
}
QAbstractButton *button(const forms::CommandButton *button);

// The core's values as the tests compare them.
inline QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}
inline QPoint qt(forms::Point point)
{
    return {point.x(), point.y()};
}
inline QPointF qt(forms::PointF point)
{
    return {point.x(), point.y()};
}
inline QRect qt(const forms::Rect &rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}
inline QSize qt(forms::Size size)
{
    return {size.width(), size.height()};
}
inline forms::Point core(QPoint point)
{
    return {point.x(), point.y()};
}
inline forms::Rect core(const QRect &rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}
inline forms::Size core(QSize size)
{
    return {size.width(), size.height()};
}
// A copy of a picture's pixels as an image, for the tests that read it with Qt.
QImage image(const forms::PixelBuffer &picture);

// Counts the reports of a core signal and keeps their arguments, as QSignalSpy does
// for Qt's.
template <typename... Args>
class SignalSpy : public forms::Receiver
{
public:
    explicit SignalSpy(forms::Signal<Args...> &signal)
    {
        signal.connect(this, [this](Args... args) { m_reports.emplace_back(args...); });
    }
    int count() const { return static_cast<int>(m_reports.size()); }
    bool isEmpty() const { return m_reports.empty(); }
    const std::tuple<std::decay_t<Args>...> &at(int index) const { return m_reports.at(static_cast<std::size_t>(index)); }
    void clear() { m_reports.clear(); }

private:
    std::vector<std::tuple<std::decay_t<Args>...>> m_reports;
};

// The logical pixel of a surface (in its own coordinates) that holds the user point.
QPoint pixelOf(const forms::DrawingSurface *surface, float x, float y);

// The device pixel that holds a user point (the far edges lie in the last row and
// column), and the user point at a device pixel's centre: what the pointer over it reports.
QPoint devicePixelOf(const forms::DrawingSurface *surface, float x, float y);
QPointF centreOf(const forms::DrawingSurface *surface, QPoint devicePixel);
inline QPointF centreOf(const forms::DrawingSurface *surface, forms::Point devicePixel)
{
    return centreOf(surface, qt(devicePixel));
}

// Pointer input as the window system gives it, to the window at the centre of the
// device pixel where it shows the device pixel holding a user point: a move, a move
// and a left click, or a left click without a move before it. The window must be
// shown and exposed.
void pointTo(forms::DrawingSurface *surface, float x, float y);
void clickAt(forms::DrawingSurface *surface, float x, float y);
void pressAndRelease(forms::DrawingSurface *surface, float x, float y);

// How a window system turns a position in device pixels into logical ones: as Qt
// does, times 1 / ratio, or by the quotient; the two may differ in the last bit.
enum class Conversion { Qt, Quotient };
// A pointer move to a point within one of the window's device pixels ((0, 0) its top
// left corner), in the window's logical coordinates as the window system has it.
void moveWithin(QWidget *window, QPoint device, QPointF within, Conversion conversion = Conversion::Qt);

// A touch screen for QTest::touchEvent, and the user point the pointer reports for a
// touch at a logical pixel: the centre of the pixel the window shows at the logical
// pixel's top left corner.
QPointingDevice *touchScreen();
QPointF touchedPoint(const forms::DrawingSurface *surface, QPoint logical);

// A left click on a button, as the mouse gives it.
void click(const forms::CommandButton *button);
// Real keys, as a keyboard user gives them, through the button's window: Tab until
// the button has the focus, then the key (Enter is the keypad's).
void pressKey(const forms::CommandButton *button, Qt::Key key);

// Real Tab presses through the widget's window until the widget has the focus; false
// if it never gets it. Then keys to the focused widget, as a keyboard gives them.
bool tabTo(QWidget *widget);
bool tabTo(const forms::Element *element);
void typeKeys(QWidget *window, const QList<QKeySequence> &keys);
void typeKeys(const forms::Form *form, const QList<QKeySequence> &keys);
// The widget with the focus in the form's window.
QWidget *focusWidget(const forms::Form *form);

// What a screen reader is told to say from now on: from Qt 6.8 announcements; before,
// the text of the focused carrier whose value changed.
class Speech
{
public:
    Speech();
    QStringList said() const { return m_said; }

private:
    QObject m_context;
    QStringList m_said;
};

// A control of the form by the name its design gives it, on the form or on a picture
// of it; null if none.
const forms::Control *controlNamed(const forms::DrawingSurface *form, const QString &name);
const forms::Label *labelNamed(const forms::DrawingSurface *form, const QString &name);
// The pictures of a form, in the order they were placed.
std::vector<forms::DrawingSurface *> picturesOf(const forms::DrawingSurface *form);

// What assistive tools are told of a widget.
QString accessibleText(QObject *object, QAccessible::Text kind);
QString accessibleText(const forms::Element *element, QAccessible::Text kind);

// Whether a window of this client size fits the screen's free area, frame included.
bool designFits(const QWidget *window, QSize inner);
// Whether the window lies within the screen's free area, frame included.
bool withinScreen(const QWidget *window);
// Whether the window is centred over the other one, as far as the screen's free area
// allows, or moved just clear of the control that opened it; on a screen of 768 pixels
// or more it must not cover that control.
bool placedOver(const QWidget *window, const QWidget *other, const QWidget *opener);
// Whether the label shows all of its text in its container, at no less than the readable size.
bool readable(const forms::Label *label);

// A colour value as "(r, g, b)", for readable failures.
QString describe(forms::Colour colour);

} // namespace formstest

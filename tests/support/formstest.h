// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawingsurface.h"
#include "runtimeerrorraised.h"

#include <QAccessible>
#include <QPoint>
#include <QSize>
#include <QString>

class QPointingDevice;
class QWidget;
class QAbstractButton;

namespace forms {
class Control;
class Label;
}

namespace formstest {

// For initTestCase: drawing unpaced, runtime errors thrown.
void prepare();
// For cleanup: every form unloaded and destroyed, the program not ended.
void reset();

// The logical pixel of a surface (in its own coordinates) that holds the user point.
QPoint pixelOf(const forms::DrawingSurface *surface, float x, float y);

// The device pixel that holds a user point (the far edges lie in the last row and
// column), and the user point at a device pixel's centre: what the pointer over it reports.
QPoint devicePixelOf(const forms::DrawingSurface *surface, float x, float y);
QPointF centreOf(const forms::DrawingSurface *surface, QPoint devicePixel);

// Pointer input as the window system gives it, to the window at the exact (fractional)
// centre of the device pixel holding a user point: a move, a move and a left click,
// or a left click without a move before it. The window must be shown and exposed.
void pointTo(forms::DrawingSurface *surface, float x, float y);
void clickAt(forms::DrawingSurface *surface, float x, float y);
void pressAndRelease(forms::DrawingSurface *surface, float x, float y);

// A touch screen for QTest::touchEvent, and the user point the pointer reports for a
// touch at a logical pixel (the centre of the device pixel at its top left corner).
QPointingDevice *touchScreen();
QPointF touchedPoint(const forms::DrawingSurface *surface, QPoint logical);

// A left click on a button, as the mouse gives it.
void click(QAbstractButton *button);
// Real keys, as a keyboard user gives them, through the button's window: Tab until
// the button has the focus, then the key (Enter is the keypad's).
void pressKey(QAbstractButton *button, Qt::Key key);

// A control of the form by the name its design gives it: a widget by its object name,
// a windowless label by its own, on the form or on a picture of it; null if none.
// (Widgets of one kind alone are found by findChild.)
const forms::Control *controlNamed(const forms::DrawingSurface *form, const QString &name);
const forms::Label *labelNamed(const forms::DrawingSurface *form, const QString &name);

// What assistive tools are told of a widget.
QString accessibleText(QObject *object, QAccessible::Text kind);

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

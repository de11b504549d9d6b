#pragma once

#include "drawingsurface.h"

#include <QAccessible>
#include <QPoint>
#include <QString>

#include <stdexcept>

class QWidget;
class QAbstractButton;

namespace formstest {

// A runtime error inside a test: thrown instead of ending the program.
struct RuntimeErrorRaised : std::runtime_error
{
    explicit RuntimeErrorRaised(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// For initTestCase: drawing unpaced, runtime errors thrown.
void prepare();
// For cleanup: every form unloaded and destroyed, the program not ended.
void reset();

// The logical pixel of a surface (in its own coordinates) that holds the user point.
QPoint pixelOf(const forms::DrawingSurface *surface, float x, float y);

// Real pointer input, as a user gives it: a move, or a move and a left click, at a
// user point of the surface. The window must be shown and exposed.
void pointTo(forms::DrawingSurface *surface, float x, float y);
void clickAt(forms::DrawingSurface *surface, float x, float y);

// Real keys, as a keyboard user gives them, through the button's window: Tab until
// the button has the focus, then the key (Enter is the keypad's).
void pressKey(QAbstractButton *button, Qt::Key key);

// What assistive tools are told of a widget.
QString accessibleText(QObject *object, QAccessible::Text kind);

// A colour value as "(r, g, b)", for readable failures.
QString describe(forms::Colour colour);

} // namespace formstest

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colour.h"
#include "font.h"
#include "keypress.h"
#include "pixelbuffer.h"
#include "rect.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRect>
#include <QString>

#include <string>

class QKeyEvent;

// The core's values as Qt has them, and back.
namespace forms::qt {

inline QRect toQt(const Rect &rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

inline Rect fromQt(const QRect &rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

inline QPoint toQt(Point point)
{
    return {point.x(), point.y()};
}

inline Point fromQt(QPoint point)
{
    return {point.x(), point.y()};
}

inline QSize toQt(Size size)
{
    return {size.width(), size.height()};
}

inline Size fromQt(QSize size)
{
    return {size.width(), size.height()};
}

inline QString toQt(const std::string &text)
{
    return QString::fromStdString(text);
}

inline QColor toQColor(Colour colour)
{
    return QColor::fromRgb(ToPixel(colour));
}

// The same QFont for the same font, made once.
const QFont &toQt(const Font &font);
const QFontMetrics &metricsOf(const Font &font);

// A picture's pixels as an image, not copied: valid while the picture keeps its size.
QImage imageOf(PixelBuffer &picture, double ratio);
QImage imageOf(const PixelBuffer &picture, double ratio);

// A key event as the forms take it.
KeyPress keyPress(const QKeyEvent *event);

// The buttons and modifiers of a pointer event as a form's handlers get them.
int buttonMask(Qt::MouseButtons buttons);
int shiftMask(Qt::KeyboardModifiers modifiers);

} // namespace forms::qt

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace forms {

// The classic "MS Sans Serif" at a point size and weight, drawn with a metric-
// compatible font that Linux has. Sizes are taken at 96 dots per inch, the density
// all the layouts were made for (15 twips to a pixel).
QFont ClassicFont(double points, bool bold);

// How text sits in a control.
enum class TextFlow { SingleLine, WordWrap };

// True when the text, set in this font, fits the given area.
bool TextFits(const QFont &font, const QString &text, QSize area, TextFlow flow);

// The font itself when the text fits; otherwise the same font shrunk just enough
// (in whole pixels) that it does.
QFont FittedFont(const QFont &font, const QString &text, QSize area, TextFlow flow);

// The smallest text a pupil still reads with ease: 9 point at 96 dots per inch.
constexpr int ReadablePixelSize = 12;

// True when the text fits the area without shrinking below the readable size.
bool TextReadable(const QFont &font, const QString &text, QSize area, TextFlow flow);

} // namespace forms

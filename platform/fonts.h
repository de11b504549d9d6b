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

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace forms {

QFont ClassicFont(double points, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

bool TextFits(const QFont &font, const QString &text, QSize area, TextFlow flow)
{
    const QFontMetrics metrics(font);
    if (flow == TextFlow::SingleLine)
        return metrics.horizontalAdvance(text) <= area.width() && metrics.height() <= area.height();
    const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20),
                                              Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

QFont FittedFont(const QFont &font, const QString &text, QSize area, TextFlow flow)
{
    QFont fitted = font;
    constexpr int SmallestPixelSize = 6;
    while (!TextFits(fitted, text, area, flow) && fitted.pixelSize() > SmallestPixelSize)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return fitted;
}

bool TextReadable(const QFont &font, const QString &text, QSize area, TextFlow flow)
{
    const QFont fitted = FittedFont(font, text, area, flow);
    return fitted.pixelSize() >= std::min(font.pixelSize(), ReadablePixelSize) && TextFits(fitted, text, area, flow);
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numericrules.h"

#include "runtimeerror.h"

#include <cmath>
#include <limits>

namespace forms {

namespace {
int hexDigitValue(QChar c)
{
    const char ch = c.toLatin1();
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}
} // namespace

void RaiseOverflow()
{
    RaiseRuntimeError(QStringLiteral("Overflow"));
}

QString Hex(std::int32_t value)
{
    return QString::number(static_cast<std::uint32_t>(value), 16).toUpper();
}

QString Hex(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min()
          && rounded <= std::numeric_limits<std::int32_t>::max()))
        RaiseOverflow();
    return Hex(static_cast<std::int32_t>(rounded));
}

double Val(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        qint64 number = 0;
        for (qsizetype i = 2; i < trimmed.size() && i < 10; ++i) {
            const int digit = hexDigitValue(trimmed.at(i));
            if (digit < 0)
                break;
            number = number * 16 + digit;
        }
        return static_cast<double>(number);
    }
    qsizetype end = 0;
    while (end < trimmed.size()
           && (trimmed.at(end).isDigit() || trimmed.at(end) == QLatin1Char('.')
               || (end == 0 && (trimmed.at(end) == QLatin1Char('-') || trimmed.at(end) == QLatin1Char('+')))))
        ++end;
    bool ok = false;
    const double number = QStringView(trimmed).left(end).toDouble(&ok);
    return ok ? number : 0.0;
}

QString NumberToText(double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

HexSplit SplitHex(const QString &hexDigits)
{
    HexSplit split;
    split.text = hexDigits;
    while (split.text.size() < 6)
        split.text.prepend(QLatin1Char('0'));
    split.redHex = split.text.right(2);
    split.greenHex = split.text.mid(2, 2);
    split.blueHex = split.text.left(2);
    return split;
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numericrules.h"

#include "runtimeerror.h"

#include <cmath>
#include <clocale>
#include <cstdio>
#include <limits>

namespace forms {

namespace {

int hexDigitValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

bool isSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f' || ch == '\v';
}

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// A decimal number: digits, with a point and more digits after it; worked out in
// whole numbers so that the user's language plays no part.
double decimal(const std::string &text, std::size_t at)
{
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    double whole = 0;
    double fraction = 0;
    double scale = 1;
    bool any = false;
    for (; at < text.size() && isDigit(text[at]); ++at, any = true)
        whole = whole * 10 + (text[at] - '0');
    if (at < text.size() && text[at] == '.')
        for (++at; at < text.size() && isDigit(text[at]); ++at, any = true) {
            fraction = fraction * 10 + (text[at] - '0');
            scale *= 10;
        }
    if (!any)
        return 0;
    const double value = whole + fraction / scale;
    return negative ? -value : value;
}

} // namespace

void RaiseOverflow()
{
    RaiseRuntimeError("Overflow");
}

std::string Hex(std::int32_t value)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    auto bits = static_cast<std::uint32_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), Digits[bits & 0xF]);
        bits >>= 4;
    } while (bits);
    return text;
}

std::string Hex(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        RaiseOverflow();
    return Hex(static_cast<std::int32_t>(rounded));
}

double Val(const std::string &text)
{
    std::size_t at = 0;
    while (at < text.size() && isSpace(text[at]))
        ++at;
    if (at + 1 < text.size() && text[at] == '&' && (text[at + 1] == 'H' || text[at + 1] == 'h')) {
        long long number = 0;
        for (std::size_t i = at + 2; i < text.size() && i < at + 10; ++i) {
            const int digit = hexDigitValue(text[i]);
            if (digit < 0)
                break;
            number = number * 16 + digit;
        }
        return static_cast<double>(number);
    }
    return decimal(text, at);
}

std::string NumberToText(double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.15g", value);
    // Whatever decimal separator the user's language gives, the text has a point.
    std::string text = digits;
    const std::string separator = std::localeconv()->decimal_point;
    if (const std::size_t at = text.find(separator); separator != "." && at != std::string::npos)
        return text.substr(0, at) + '.' + text.substr(at + separator.size());
    return text;
}

HexSplit SplitHex(const std::string &hexDigits)
{
    HexSplit split;
    split.text = hexDigits;
    while (split.text.size() < 6)
        split.text.insert(split.text.begin(), '0');
    split.redHex = split.text.substr(split.text.size() - 2);
    split.greenHex = split.text.substr(2, 2);
    split.blueHex = split.text.substr(0, 2);
    return split;
}

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text.h"

#include <cstdint>

namespace forms {

namespace {

// The code point that starts at `at`, and how many bytes it takes; a byte that does
// not start a character counts as one on its own.
struct Decoded
{
    char32_t code = 0;
    std::size_t length = 1;
};

Decoded decode(const std::string &text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t first = byte(at);
    if (first < 0x80)
        return {first, 1};
    const std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
    if (length == 1 || at + length > text.size())
        return {first, 1};
    char32_t code = first & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (byte(at + i) & 0x3F);
    return {code, length};
}

// Letters of the scripts the texts are written in: Latin with its Western European
// accents.
bool isLowerLetter(char32_t code)
{
    return (code >= U'a' && code <= U'z') || (code >= 0xDF && code <= 0xFF && code != 0xF7);
}

bool isLetter(char32_t code)
{
    return isLowerLetter(code) || (code >= U'A' && code <= U'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7);
}

} // namespace

std::string Join(const std::vector<std::string> &parts, const std::string &separator)
{
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i)
            joined += separator;
        joined += parts[i];
    }
    return joined;
}

std::string ToText(long long number)
{
    return std::to_string(number);
}

std::string Arg(const std::string &pattern, const std::vector<std::string> &arguments)
{
    std::string result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto number = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (number < arguments.size()) {
                result += arguments[number];
                ++i;
                continue;
            }
        }
        result += pattern[i];
    }
    return result;
}

std::string JoinBrokenWords(const std::string &text)
{
    std::string joined;
    char32_t previous = 0;
    for (std::size_t at = 0; at < text.size();) {
        const Decoded here = decode(text, at);
        if (here.code == U'-' && isLetter(previous) && at + 2 < text.size() && text[at + 1] == ' ') {
            // The letter after the break is taken with it: it starts no break itself.
            if (const Decoded next = decode(text, at + 2); isLowerLetter(next.code)) {
                joined.append(text, at + 2, next.length);
                at += 2 + next.length;
                previous = 0;
                continue;
            }
        }
        joined.append(text, at, here.length);
        previous = here.code;
        at += here.length;
    }
    return joined;
}

} // namespace forms

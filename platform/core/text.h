// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

// The few things done with texts, which are UTF-8 throughout: joined, numbers put in,
// words broken at a line end mended. Plain functions, no widgets.
namespace forms {

// The parts with the separator between them.
std::string Join(const std::vector<std::string> &parts, const std::string &separator);

// A whole number as its decimal digits.
std::string ToText(long long number);

// The text with "%1", "%2" ... replaced by the arguments, in one pass, so that an
// argument holding "%2" stays as it is.
std::string Arg(const std::string &pattern, const std::vector<std::string> &arguments);

// The text as it reads: a word broken at a line end by a hyphen and a space, as the
// info panels have them ("dar- stellen"), joined again where a lower-case letter
// follows.
std::string JoinBrokenWords(const std::string &text);

} // namespace forms

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <iomanip>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

// The few things a test of the core needs, with nothing but the standard library, so
// that the core's tests build and run wherever the core does: cases registered by
// name, checks that report where and what they found and go on, and rows of a table
// that name themselves in what a check reports.
namespace check {

void registerCase(const char *name, void (*run)());
void fail(const std::string &what, const char *file, int line);
// Runs the cases named, or all; the number that failed.
int runAll(int argc, char **argv);

// A row of a table for as long as it lives: what fails in it names it.
class Row
{
public:
    explicit Row(std::string name);
    ~Row();
    Row(const Row &) = delete;
    Row &operator=(const Row &) = delete;
};

template <typename T>
std::string shown(const T &value)
{
    if constexpr (requires(std::ostream &out) { out << value; }) {
        std::ostringstream out;
        out << std::setprecision(std::numeric_limits<double>::max_digits10) << value;
        return out.str();
    } else {
        return "(a value)";
    }
}

template <typename A, typename B>
void equal(const A &actual, const B &expected, const char *actualText, const char *expectedText, const char *file,
           int line)
{
    if (!(actual == expected))
        fail(std::string(actualText) + " is " + shown(actual) + ", expected " + expectedText + " = " + shown(expected),
             file, line);
}

} // namespace check

#define CHECK_CASE(name)                                                                                              \
    static void name();                                                                                               \
    static const bool name##Registered = (check::registerCase(#name, &name), true);                                   \
    static void name()
#define CHECK(condition) ((condition) ? void() : check::fail("CHECK(" #condition ")", __FILE__, __LINE__))
#define CHECK_EQ(actual, expected) check::equal((actual), (expected), #actual, #expected, __FILE__, __LINE__)

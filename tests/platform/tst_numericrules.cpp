// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numericrules.h"

#include "colour.h"
#include "runtimeerror.h"

#include "check.h"

#include <cmath>
#include <limits>
#include <stdexcept>

using namespace forms;

namespace {

struct RuntimeErrorRaised : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// What a conversion raised, or nothing.
template <typename Work>
std::string raised(Work work)
{
    SetRuntimeErrorHandler([](const std::string &message) { throw RuntimeErrorRaised(message); });
    try {
        work();
    } catch (const RuntimeErrorRaised &error) {
        return error.what();
    }
    return {};
}

} // namespace

CHECK_CASE(integerConversion)
{
    const struct
    {
        const char *name;
        double value;
        int expected;
    } rows[] = {
        {"0.5 to even 0", 0.5, 0},
        {"1.5 to even 2", 1.5, 2},
        {"2.5 to even 2", 2.5, 2},
        {"3.5 to even 4", 3.5, 4},
        {"127.5 to even 128", 127.5, 128},
        {"254.5 to even 254", 254.5, 254},
        {"255.5 to even 256", 255.5, 256},
        {"256.5 to even 256", 256.5, 256},
        {"just under a half", 2.4999999, 2},
        {"just over a half", 2.5000001, 3},
        {"-0.5 to even 0", -0.5, 0},
        {"-1.5 to even -2", -1.5, -2},
        {"top of range", 32767.4, 32767},
        {"bottom of range, half to even", -32768.5, -32768},
    };
    for (const auto &row : rows) {
        const check::Row named(row.name);
        CHECK_EQ(int(CInt(row.value)), row.expected);
    }
}

CHECK_CASE(integerConversionOverflows)
{
    const struct
    {
        const char *name;
        double value;
    } rows[] = {
        {"32767.5 rounds to 32768", 32767.5},
        {"-32769", -32769.0},
        {"huge", 1e300},
        {"not a number", std::numeric_limits<double>::quiet_NaN()},
    };
    for (const auto &row : rows) {
        const check::Row named(row.name);
        CHECK_EQ(raised([&] { CInt(row.value); }), std::string("Overflow"));
    }
}

CHECK_CASE(countedLoops)
{
    const struct
    {
        const char *name;
        float start, limit, step;
        int passes;
        float last, after;
    } rows[] = {
        {"0 to 255 step 0.5", 0.f, 255.f, 0.5f, 511, 255.f, 255.5f},
        {"0 to 255 step 1", 0.f, 255.f, 1.f, 256, 255.f, 256.f},
        {"1000 to 3 step -8", 1000.f, 3.f, -8.f, 125, 8.f, 0.f},
        {"1000 to 3 step -5", 1000.f, 3.f, -5.f, 200, 5.f, 0.f},
        {"1000 to 3 step -10", 1000.f, 3.f, -10.f, 100, 10.f, 0.f},
        {"1 to 0 step -0.1", 1.f, 0.f, -0.1f, 10, 0.09999992698431015f, -7.450580596923828e-8f},
    };
    for (const auto &row : rows) {
        const check::Row named(row.name);
        int count = 0;
        float visited = std::numeric_limits<float>::quiet_NaN();
        float counter = row.start;
        for (; LoopGoesOn(counter, row.limit, row.step); counter += row.step) {
            visited = counter;
            ++count;
        }
        CHECK_EQ(count, row.passes);
        CHECK_EQ(visited, row.last);
        CHECK_EQ(counter, row.after);
    }
}

CHECK_CASE(halfStepLoopVisitsEveryHalf)
{
    float expected = 0;
    for (float counter = 0; LoopGoesOn(counter, 255, 0.5f); counter += 0.5f) {
        CHECK_EQ(counter, expected);
        expected += 0.5f;
    }
    CHECK_EQ(double(expected), 255.5);
}

CHECK_CASE(hex)
{
    const struct
    {
        const char *name;
        long long value;
        const char *expected;
    } rows[] = {
        {"255", 255, "FF"},
        {"65536", 65536, "10000"},
        {"0", 0, "0"},
        {"dark grey", 4210752, "404040"},
        {"white", 16777215, "FFFFFF"},
        {"-1, two's complement", -1, "FFFFFFFF"},
    };
    for (const auto &row : rows) {
        const check::Row named(row.name);
        CHECK_EQ(Hex(static_cast<std::int32_t>(row.value)), std::string(row.expected));
        CHECK_EQ(Hex(static_cast<double>(row.value)), std::string(row.expected));
    }
}

CHECK_CASE(val)
{
    const struct
    {
        const char *text;
        double expected;
    } rows[] = {
        {"&HFF", 255.0},
        {"&H00", 0.0},
        {"&H1f", 31.0},
        {"&H80", 128.0},
        {"64", 64.0},
        {"Text1", 0.0},
    };
    for (const auto &row : rows) {
        const check::Row named(row.text);
        CHECK_EQ(Val(row.text), row.expected);
    }
}

CHECK_CASE(hexSplit)
{
    const struct
    {
        const char *name;
        Colour colour;
        const char *padded;
        int red, green, blue;
    } rows[] = {
        {"pure red pads to six digits", 255, "0000FF", 255, 0, 0},
        {"pure green", 65280, "00FF00", 0, 255, 0},
        {"blue 1", 65536, "010000", 0, 0, 1},
        {"black", 0, "000000", 0, 0, 0},
        {"mixed", RGB(255, 0, 128), "8000FF", 255, 0, 128},
    };
    for (const auto &row : rows) {
        const check::Row named(row.name);
        const HexSplit split = SplitHex(Hex(row.colour));
        CHECK_EQ(split.text, std::string(row.padded));
        CHECK_EQ(Val("&H" + split.redHex), double(row.red));
        CHECK_EQ(Val("&H" + split.greenHex), double(row.green));
        CHECK_EQ(Val("&H" + split.blueHex), double(row.blue));
    }
}

CHECK_CASE(numberToText)
{
    CHECK_EQ(NumberToText(0), std::string("0"));
    CHECK_EQ(NumberToText(64), std::string("64"));
    CHECK_EQ(NumberToText(255), std::string("255"));
    CHECK_EQ(NumberToText(2.5), std::string("2.5"));
}

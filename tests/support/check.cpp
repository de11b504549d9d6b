// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace check {

namespace {

struct Case
{
    const char *name;
    void (*run)();
};

std::vector<Case> &cases()
{
    static std::vector<Case> registered;
    return registered;
}

std::vector<std::string> &rows()
{
    static std::vector<std::string> current;
    return current;
}

int failures = 0;

} // namespace

void registerCase(const char *name, void (*run)())
{
    cases().push_back({name, run});
}

Row::Row(std::string name)
{
    rows().push_back(std::move(name));
}

Row::~Row()
{
    rows().pop_back();
}

void fail(const std::string &what, const char *file, int line)
{
    ++failures;
    std::string where;
    for (const std::string &row : rows())
        where += " [" + row + "]";
    std::printf("  FAIL%s: %s\n    at %s:%d\n", where.c_str(), what.c_str(), file, line);
}

int runAll(int argc, char **argv)
{
    int failed = 0;
    int run = 0;
    for (const Case &test : cases()) {
        bool chosen = argc <= 1;
        for (int i = 1; i < argc; ++i)
            chosen = chosen || std::strcmp(argv[i], test.name) == 0;
        if (!chosen)
            continue;
        ++run;
        const int before = failures;
        try {
            test.run();
        } catch (const std::exception &error) {
            fail(std::string("unexpected exception: ") + error.what(), test.name, 0);
        }
        rows().clear();
        const bool passed = failures == before;
        failed += passed ? 0 : 1;
        std::printf("%s: %s\n", passed ? "PASS" : "FAIL", test.name);
    }
    std::printf("Totals: %d passed, %d failed\n", run - failed, failed);
    return failed;
}

} // namespace check

int main(int argc, char **argv)
{
    return check::runAll(argc, argv) == 0 ? 0 : 1;
}

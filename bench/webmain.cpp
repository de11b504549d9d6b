// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include "application.h"
#include "doevents.h"

#include <cstdio>

// The figures' benchmark in a web page: it prints what it measures to the page's
// console, and a last line once it is done.
int main(int argc, char *argv[])
{
    forms::Pacing::setEnabled(false);
    return forms::RunProgram(argc, argv, {"colourbench", ""}, [] {
        bench::runCubeBenchmarks();
        bench::runCylinderBenchmarks();
        std::printf("benchmark done\n");
    });
}

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include "application.h"
#include "doevents.h"

int main(int argc, char *argv[])
{
    forms::Application app(argc, argv, QStringLiteral("colourbench"));
    forms::Pacing::setEnabled(false);
    bench::runCubeBenchmarks();
    bench::runCylinderBenchmarks();
    return 0;
}

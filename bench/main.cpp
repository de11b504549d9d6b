// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include "doevents.h"
#include "qtfrontend.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    forms::qt::QtFrontEnd frontEnd;
    forms::FrontEnd::install(&frontEnd);
    forms::Pacing::setEnabled(false);
    bench::runCubeBenchmarks(bench::runReaderBenchmark);
    bench::runCylinderBenchmarks();
    forms::FrontEnd::install(nullptr);
    return 0;
}

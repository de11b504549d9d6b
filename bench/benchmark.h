// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pixelbuffer.h"
#include "rasteriser.h"

#include <functional>
#include <string>
#include <vector>

namespace forms {
class DrawingSurface;
}

namespace bench {

// Times `work` over a number of runs, each after an untimed `prepare`; the median in
// nanoseconds.
double medianNanoseconds(int runs, const std::function<void()> &prepare, const std::function<void()> &work);

// Times `work` and prints one line: the name first, the median last with its unit.
// Work too short for a page's coarse clock is done `repeats` times a run, and the
// median is for one of them.
void measure(const std::string &name, int runs, const std::function<void()> &prepare,
             const std::function<void()> &work, int repeats = 1);

// Times `work` and its floor, the least the machine could take for the same result,
// run for run in turn so that both see the machine alike. Prints the name, both
// medians and how many times the floor the work takes.
void measureAgainstFloor(const std::string &name, int runs, const std::function<void()> &prepare,
                         const std::function<void()> &work, const std::function<void()> &floor);

// A drawing's dots and lines written as plainly as the machine allows: the device
// places worked out beforehand, then only the rasteriser filling them into a picture
// of the surface's size in one colour, with no colour rule and no user units.
class DrawingFloor
{
public:
    explicit DrawingFloor(const forms::DrawingSurface &surface);

    // Dots of a width in pixels at user points of the surface, and lines.
    void addDots(int drawWidth, const std::vector<forms::PointF> &points);
    void addLine(int drawWidth, forms::PointF from, forms::PointF to);
    void paint();

private:
    struct Stroke
    {
        forms::DotShape pen;
        std::vector<forms::PointF> places;
        bool line = false;
    };
    const forms::DrawingSurface &m_surface;
    forms::PixelBuffer m_picture;
    forms::Rasteriser m_raster;
    std::vector<Stroke> m_strokes;
};

// The cube's figures; then, on the window as they left it, what `more` measures.
void runCubeBenchmarks(const std::function<void()> &more = {});
void runCylinderBenchmarks();
// What a screen reader costs walking Tessaro's window, on the Qt front end.
void runReaderBenchmark();

} // namespace bench

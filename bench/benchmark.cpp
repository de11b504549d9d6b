// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include "drawingsurface.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace bench {

namespace {

// Milliseconds from a millisecond up, else microseconds.
std::string duration(double nanoseconds)
{
    char text[32];
    if (nanoseconds >= 1e6)
        std::snprintf(text, sizeof text, "%.2f ms", nanoseconds / 1e6);
    else
        std::snprintf(text, sizeof text, "%.2f us", nanoseconds / 1e3);
    return text;
}

double timed(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

} // namespace

double medianNanoseconds(int runs, const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> nanoseconds;
    nanoseconds.reserve(static_cast<std::size_t>(runs));
    for (int run = 0; run < runs; ++run) {
        prepare();
        nanoseconds.push_back(timed(work));
    }
    return median(nanoseconds);
}

void measure(const std::string &name, int runs, const std::function<void()> &prepare,
             const std::function<void()> &work, int repeats)
{
    const double nanoseconds = medianNanoseconds(runs, prepare, [&] {
        for (int repeat = 0; repeat < repeats; ++repeat)
            work();
    });
    std::printf("%-28s  median %s\n", name.c_str(), duration(nanoseconds / repeats).c_str());
    std::fflush(stdout);
}

void measureAgainstFloor(const std::string &name, int runs, const std::function<void()> &prepare,
                         const std::function<void()> &work, const std::function<void()> &floor)
{
    std::vector<double> works;
    std::vector<double> floors;
    for (int run = 0; run < runs; ++run) {
        prepare();
        works.push_back(timed(work));
        floors.push_back(timed(floor));
    }
    const double workMedian = median(works);
    const double floorMedian = median(floors);
    std::printf("%-28s  median %s  floor %s  %.2fx\n", name.c_str(), duration(workMedian).c_str(),
                duration(floorMedian).c_str(), workMedian / floorMedian);
    std::fflush(stdout);
}

DrawingFloor::DrawingFloor(const forms::DrawingSurface &surface)
    : m_surface(surface), m_picture(surface.image().size(), 0xFF000000u),
      m_raster(m_picture.bits(), m_picture.width(), m_picture.height(), m_picture.width())
{
}

void DrawingFloor::addDots(int drawWidth, const std::vector<forms::PointF> &points)
{
    Stroke stroke{forms::DotShape(static_cast<int>(std::lround(drawWidth * m_surface.mapping().devicePixelRatio()))),
                  {}, false};
    stroke.places.reserve(points.size());
    for (const forms::PointF point : points)
        stroke.places.push_back(m_surface.mapping().toDevice(point.x(), point.y()));
    m_strokes.push_back(std::move(stroke));
}

void DrawingFloor::addLine(int drawWidth, forms::PointF from, forms::PointF to)
{
    m_strokes.push_back(
        {forms::DotShape(static_cast<int>(std::lround(drawWidth * m_surface.mapping().devicePixelRatio()))),
         {m_surface.mapping().toDevice(from.x(), from.y()), m_surface.mapping().toDevice(to.x(), to.y())},
         true});
}

void DrawingFloor::paint()
{
    for (const Stroke &stroke : m_strokes) {
        if (stroke.line) {
            m_raster.line(stroke.places[0].x(), stroke.places[0].y(), stroke.places[1].x(), stroke.places[1].y(),
                          stroke.pen, 0xFF808080u);
            continue;
        }
        for (const forms::PointF place : stroke.places)
            m_raster.dot(place.x(), place.y(), stroke.pen, 0xFF808080u);
    }
}

} // namespace bench

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include "cubegeometry.h"
#include "frmtessaro.h"

#include "formregistry.h"
#include "numericrules.h"
#include "picturebox.h"

namespace bench {

namespace {

// The dots of the three faces and the drawn edges, where DrawCube puts them.
DrawingFloor cubeFloor(const frmTessaro &form)
{
    DrawingFloor floor(*form.Picture1);
    std::vector<forms::PointF> faces;
    for (float red = 0; forms::LoopGoesOn(red, 255, 0.5f); red += 0.5f)
        for (float blue = 0; forms::LoopGoesOn(blue, 255, 0.5f); blue += 0.5f) {
            const cubegeometry::Point dot = cubegeometry::FrontFaceDot(red, blue);
            faces.emplace_back(dot.x, dot.y);
        }
    for (float green = 0; forms::LoopGoesOn(green, 255, 1); green += 1)
        for (float blue = 0; forms::LoopGoesOn(blue, 255, 1); blue += 1) {
            const cubegeometry::Point dot = cubegeometry::LeftFaceDot(green, blue);
            faces.emplace_back(dot.x, dot.y);
        }
    for (float green = 0; forms::LoopGoesOn(green, 255, 1); green += 1)
        for (float red = 0; forms::LoopGoesOn(red, 255, 1); red += 1) {
            const cubegeometry::Point dot = cubegeometry::TopFaceDot(red, green);
            faces.emplace_back(dot.x, dot.y);
        }
    floor.addDots(2, faces);
    for (const cubegeometry::Segment &edge : cubegeometry::DrawnEdges)
        floor.addLine(3, {edge.from.x, edge.from.y}, {edge.to.x, edge.to.y});
    return floor;
}

// The dots of a cut in the square (its two thin lines on the cube take next to nothing).
DrawingFloor cutFloor(const frmTessaro &form)
{
    DrawingFloor floor(*form.Picture2);
    std::vector<forms::PointF> square;
    for (int red = 0; red < 256; ++red)
        for (int green = 0; green < 256; ++green)
            square.emplace_back(red, green);
    floor.addDots(4, square);
    return floor;
}

} // namespace

void runCubeBenchmarks(const std::function<void()> &more)
{
    // Laid out for the benchmark's 1920 x 1080 screen, not shown.
    frmTessaro &form = forms::FormRegistry::instance<frmTessaro>();
    DrawingFloor cube = cubeFloor(form);
    measureAgainstFloor("DrawCube", 31, [] {}, [&form] { form.DrawCube(); }, [&cube] { cube.paint(); });

    // As the pointer leaves it on the middle of the front face: a cut at blue 128.
    const auto pointAtFrontFace = [&form] {
        const cubegeometry::Point middle = cubegeometry::Project(128, 0, 128);
        form.pointerX = middle.x;
        form.pointerY = middle.y;
        form.redValue = 128;
        form.greenValue = 0;
        form.blueValue = 128;
    };
    DrawingFloor cut = cutFloor(form);
    measureAgainstFloor("Picture1_Click front cut", 101, pointAtFrontFace, [&form] { form.Picture1_Click(); },
                        [&cut] { cut.paint(); });

    // Two points of the cut in different colours, so every move repaints all four squares.
    const forms::PointF places[] = {{64, 192}, {192, 64}};
    int move = 0;
    measure(
        "Picture2_MouseMove", 101, [] {},
        [&] {
            const forms::PointF place = places[move++ % 2];
            form.Picture2_MouseMove(0, 0, static_cast<float>(place.x()), static_cast<float>(place.y()));
        },
        100);

    if (more)
        more();
    forms::FormRegistry::destroyAll();
}

} // namespace bench

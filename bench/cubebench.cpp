// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include "cubegeometry.h"
#include "frmtessaro.h"

#include "formregistry.h"
#include "picturebox.h"

#include <QAccessible>
#include <QPointF>

#include <functional>

namespace bench {

void runCubeBenchmarks()
{
    // Laid out for the benchmark's 1920 x 1080 screen, not shown.
    frmTessaro &form = forms::FormRegistry::instance<frmTessaro>();
    measure(QStringLiteral("DrawCube"), 31, [] {}, [&form] { form.DrawCube(); });

    // As the pointer leaves it on the middle of the front face: a cut at blue 128.
    const auto pointAtFrontFace = [&form] {
        const cubegeometry::Point middle = cubegeometry::Project(128, 0, 128);
        form.pointerX = middle.x;
        form.pointerY = middle.y;
        form.redValue = 128;
        form.greenValue = 0;
        form.blueValue = 128;
    };
    measure(QStringLiteral("Picture1_Click front cut"), 101, pointAtFrontFace, [&form] { form.Picture1_Click(); });

    // Two points of the cut in different colours, so every move repaints all four squares.
    const QPointF places[] = {{64, 192}, {192, 64}};
    int move = 0;
    QPointF place;
    measure(
        QStringLiteral("Picture2_MouseMove"), 1001, [&] { place = places[move++ % 2]; },
        [&] { form.Picture2_MouseMove(0, 0, static_cast<float>(place.x()), static_cast<float>(place.y())); });

    // A screen reader walks the window's tree, reading each object's state and children.
    int objects = 0;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *object) {
        ++objects;
        static_cast<void>(object->state());
        for (int i = 0; i < object->childCount(); ++i)
            walk(object->child(i));
    };
    measure(QStringLiteral("reader walks the window"), 31, [&] { objects = 0; },
            [&] { walk(QAccessible::queryAccessibleInterface(&form)); });
    std::printf("%-28s  %d objects\n", "", objects);
    forms::FormRegistry::destroyAll();
}

} // namespace bench

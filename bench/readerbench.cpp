// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include "frmtessaro.h"

#include "formregistry.h"
#include "qtfrontend.h"

#include <QAccessible>
#include <QWidget>

#include <cstdio>
#include <functional>

namespace bench {

void runReaderBenchmark()
{
    // A screen reader walks the window's tree, reading each object's state and children.
    frmTessaro &form = forms::FormRegistry::instance<frmTessaro>();
    int objects = 0;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *object) {
        ++objects;
        static_cast<void>(object->state());
        for (int i = 0; i < object->childCount(); ++i)
            walk(object->child(i));
    };
    QWidget *window = forms::qt::QtFrontEnd::widgetOf(&form);
    measure("reader walks the window", 31, [&] { objects = 0; },
            [&] { walk(QAccessible::queryAccessibleInterface(window)); });
    std::printf("%-28s  %d objects\n", "", objects);
}

} // namespace bench

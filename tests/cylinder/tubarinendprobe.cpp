// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs Tubarin as its main() does, ends it from inside a figure's yields the way the
// scenario in the first argument says, and exits with what app.exec() returns.

#include "frminforundali.h"
#include "frmrundali.h"
#include "formstest.h"
#include "yieldscript.h"

#include "application.h"
#include "commandbutton.h"
#include "doevents.h"
#include "formregistry.h"
#include "handlerscope.h"

#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>

using formstest::click;

namespace {

void closeThroughFrame(forms::Form &form)
{
    form.windowHandle()->close();
}

} // namespace

int main(int argc, char *argv[])
{
    forms::Application app(argc, argv, QStringLiteral("Tubarin"));
    forms::Pacing::setEnabled(false);
    const QString scenario = app.arguments().value(1);
    const QStringList scenarios = {"ende-drawing", "ende-halted", "close-drawing", "close-halted", "ende-redraw",
                                   "close-main-then-info"};
    if (!scenarios.contains(scenario)) {
        std::fprintf(stderr, "usage: tubarinendprobe %s\n", qPrintable(scenarios.join(QLatin1Char('|'))));
        return 2;
    }
    const bool halted = scenario.endsWith(QLatin1String("-halted"));
    const bool closeButton = scenario.startsWith(QLatin1String("close"));
    const bool redraw = scenario == QLatin1String("ende-redraw");
    const bool infoLeftOpen = scenario == QLatin1String("close-main-then-info");

    frmRundali &form = forms::FormRegistry::instance<frmRundali>();
    form.Show();

    bool armed = false;
    bool ended = false;
    int yields = 0;
    int yieldsAfterEnd = 0;
    YieldScript script([&] {
        // Passes of the main loop are no yields.
        if (!armed || !forms::HandlerScope::anyRunning())
            return;
        if (ended) {
            ++yieldsAfterEnd;
            return;
        }
        if (++yields < 3)
            return;
        ended = true;
        if (closeButton)
            closeThroughFrame(form);
        else
            click(form.cmdEnde);
        if (infoLeftOpen)
            QTimer::singleShot(0, [] { closeThroughFrame(*forms::FormRegistry::find<frmInfoRundali>()); });
    });

    QTimer::singleShot(0, &form, [&] {
        if (redraw)
            click(form.Start2);
        if (redraw || infoLeftOpen)
            click(form.cmdInfo);
        if (halted)
            click(form.cmdStop);
        armed = true;
        click(redraw ? form.cmdInfo : closeButton ? form.start3 : form.Start2);
    });

    const int status = app.exec();
    std::printf("ended after %d yields, %d more\n", yields, yieldsAfterEnd);
    return status;
}

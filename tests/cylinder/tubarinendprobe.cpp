// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs Tubarin as its main() does, ends it from inside a figure's yields the way the
// scenario in the first argument says, and exits with what the program's run returns.

#include "frminforundali.h"
#include "frmrundali.h"
#include "formstest.h"
#include "yieldscript.h"

#include "application.h"
#include "commandbutton.h"
#include "doevents.h"
#include "formregistry.h"
#include "handlerscope.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <optional>

using formstest::click;

namespace {

void closeThroughFrame(forms::Form &form)
{
    formstest::widget(&form)->windowHandle()->close();
}

} // namespace

int main(int argc, char *argv[])
{
    forms::Pacing::setEnabled(false);
    const QString scenario = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
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

    bool armed = false;
    bool ended = false;
    int yields = 0;
    int yieldsAfterEnd = 0;
    std::optional<YieldScript> script;

    const int status = forms::RunProgram(argc, argv, {"Tubarin", "de.farbenlehre.Tubarin"}, [&] {
        frmRundali &form = forms::FormRegistry::instance<frmRundali>();
        form.Show();

        script.emplace([&] {
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
        // The script stops with the event loop, before the forms go. Qt 6.8 says so
        // inside the step that ends the program, so the step must outlive it.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&script] { script->stop(); });

        QTimer::singleShot(0, formstest::widget(&form), [&] {
            if (redraw)
                click(form.Start2);
            if (redraw || infoLeftOpen)
                click(form.cmdInfo);
            if (halted)
                click(form.cmdStop);
            armed = true;
            click(redraw ? form.cmdInfo : closeButton ? form.start3 : form.Start2);
        });
    });
    std::printf("ended after %d yields, %d more\n", yields, yieldsAfterEnd);
    return status;
}

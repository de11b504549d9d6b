// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmtessaro.h"

#include "commandbutton.h"
#include "formregistry.h"
#include "picturebox.h"
#include "windowpicture.h"

#include "check.h"
#include "headlessfrontend.h"

#include <functional>
#include <string>
#include <utility>

using Key = forms::KeyPress::Key;

// A front end that keeps a window's screen brings it up to date over the shown area of
// each change handed to it, as the page's canvas is. Done so after each step, the
// screen is the window composed afresh, at every ratio, though the picture boxes lie at
// fractional device places (Picture1's top at 33.75 device pixels at 1.25).
CHECK_CASE(screenShowsEveryChange)
{
    const std::pair<const char *, double> ratios[] = {{"1", 1}, {"1.25", 1.25}, {"1.5", 1.5}, {"1.75", 1.75}, {"2", 2}};
    for (const auto &[shown, ratio] : ratios) {
        const check::Row atRatio(std::string("ratio ") + shown);
        headless::HeadlessFrontEnd frontEnd({1024, 768}, ratio);
        frmTessaro &form = forms::FormRegistry::instance<frmTessaro>();
        form.Show();
        frontEnd.idle();
        forms::PixelBuffer kept(form.image().size(), forms::ToPixel(0));
        forms::ComposeWindow(form, kept.rect(), kept);
        frontEnd.onPresent([&](const forms::DrawingSurface &surface, const forms::Rect &area) {
            forms::ComposeWindow(form, forms::ShownArea(surface, area), kept);
        });
        const std::pair<const char *, std::function<void()>> steps[] = {
            {"Start", [&] { form.cmdStart->click(); }},
            {"a cut", [&] { form.Picture1->probeKey({.key = Key::Return}); }},
            {"the probe on the square", [&] {
                 for (int i = 0; i < 3; ++i)
                     form.Picture2->probeKey({.key = Key::PageDown});
             }},
            {"Start again", [&] { form.cmdStart->click(); }},
        };
        for (const auto &[name, step] : steps) {
            const check::Row afterStep(name);
            step();
            frontEnd.idle();
            forms::PixelBuffer afresh(form.image().size(), forms::ToPixel(0));
            forms::ComposeWindow(form, afresh.rect(), afresh);
            CHECK(kept == afresh);
        }
        forms::FormRegistry::destroyAll();
    }
}

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmtessaro.h"

#include "commandbutton.h"
#include "formregistry.h"
#include "picturebox.h"

#include "check.h"
#include "headlessfrontend.h"

#include <string>
#include <vector>

namespace {

using Key = forms::KeyPress::Key;

void press(forms::DrawingSurface &surface, Key key, int times = 1, bool shift = false)
{
    for (int i = 0; i < times; ++i)
        surface.probeKey({.key = key, .shift = shift});
}

struct Screen
{
    const char *name;
    forms::Size size;
    double ratio;
};

// The cuts a keyboard lays, each from the probe amid the front face, and the component
// a step to the right moves in the square: by one up, or by one down where green falls
// to the left.
struct Cut
{
    const char *name;
    std::vector<std::pair<Key, int>> keys;
    int component;
    int stepRight;
};

int component(const frmTessaro &form, int index)
{
    const float values[] = {form.redValue, form.greenValue, form.blueValue};
    return static_cast<int>(values[index]);
}

} // namespace

// On the square a cut's dots overlap, each covering part of the one before. Wherever the
// square is at least as wide in device pixels as a row has colours, the probe stands on
// what is left of its own dot: walked along a row it reads each colour of the row once,
// in order. (The dots of the first columns are centred on the square's edge and wholly
// covered by their neighbours; no pixel shows those colours.)
CHECK_CASE(probeReadsEveryColourOfARow)
{
    const Screen screens[] = {{"1024 x 768", {1024, 768}, 1},      {"800 x 600 at 1.5", {800, 600}, 1.5},
                              {"1366 x 768", {1366, 768}, 1},      {"1024 x 768 at 1.25", {1024, 768}, 1.25},
                              {"1024 x 768 at 1.75", {1024, 768}, 1.75}, {"1920 x 1080", {1920, 1080}, 1}};
    const Cut cuts[] = {{"front face", {{Key::Right, 1}, {Key::PageDown, 1}}, 0, 1},
                        {"left face", {{Key::Home, 1}, {Key::Left, 1}, {Key::Left, 10}}, 0, 1},
                        {"top face", {{Key::PageUp, 14}}, 1, -1}};
    constexpr int Hidden = 2;
    for (const Screen &screen : screens) {
        const check::Row onScreen(screen.name);
        const headless::HeadlessFrontEnd frontEnd(screen.size, screen.ratio);
        frmTessaro &form = forms::FormRegistry::instance<frmTessaro>();
        form.Show();
        CHECK(form.Picture2->image().width() >= 256);
        for (const Cut &cut : cuts) {
            const check::Row ofCut(cut.name);
            form.cmdStart->click();
            for (const auto &[key, times] : cut.keys)
                press(*form.Picture1, key, times);
            press(*form.Picture1, Key::Return);
            // Row 30, clear of the square's foot and of its placeholder text.
            press(*form.Picture2, Key::PageDown, 26);
            press(*form.Picture2, Key::PageUp, 3);
            press(*form.Picture2, Key::Home);
            int misread = 0;
            for (int column = 0; column < 256; ++column) {
                const int expected = cut.stepRight > 0 ? column : 255 - column;
                const bool shown = column >= Hidden && column < 256 - Hidden;
                misread += shown && component(form, cut.component) != expected;
                press(*form.Picture2, Key::Right);
            }
            CHECK_EQ(misread, 0);
        }
        forms::FormRegistry::destroyAll();
    }
}

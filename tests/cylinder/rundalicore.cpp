// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rundalicore.h"

#include "commandbutton.h"
#include "formregistry.h"

#include <algorithm>
#include <ostream>
#include <sstream>

using colourrules::Figure;

namespace rundalitest {

frmRundali &shownWindow()
{
    frmRundali &form = forms::FormRegistry::instance<frmRundali>();
    form.Show();
    return form;
}

} // namespace rundalitest

std::ostream &operator<<(std::ostream &out, const Pass &pass)
{
    return out << "(brightness " << pass.brightness << ", radius " << pass.radius << ')';
}

std::string passesDiffer(const std::vector<Pass> &actual, const std::vector<Pass> &expected)
{
    const auto describe = [](std::ostream &out, const std::vector<Pass> &passes, std::size_t i) -> std::ostream & {
        return i < passes.size() ? out << passes[i] : out << "nothing";
    };
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        if (i < actual.size() && i < expected.size() && actual[i] == expected[i])
            continue;
        std::ostringstream out;
        out << "pass " << i << " of " << actual.size() << ": ";
        describe(out, actual, i) << " instead of ";
        describe(out, expected, i);
        return out.str();
    }
    return {};
}

Pass passOf(const frmRundali &form)
{
    return {form.brightness, form.radius};
}

std::vector<Pass> everyYield(Figure figure)
{
    std::vector<Pass> passes;
    if (figure == Figure::SaturationDisc) {
        for (const float radius : colourrules::RingRadii(figure))
            passes.push_back({0, radius});
        return passes;
    }
    for (const float brightness : colourrules::SliceBrightnesses()) {
        for (const float radius : colourrules::RingRadii(figure))
            passes.push_back({brightness, radius});
        passes.push_back({brightness, 0});
    }
    return passes;
}

void addFigureUpTo(DotReplay &replay, Figure figure, Pass last)
{
    const int dotWidth = colourrules::RowOf(figure).dotWidth;
    if (figure == Figure::SaturationDisc) {
        replay.add(saturationDiscDots(last.radius), dotWidth);
        return;
    }
    for (const float brightness : colourrules::SliceBrightnesses()) {
        if (brightness == last.brightness) {
            replay.add(cylinderSliceDots(brightness, last.radius), dotWidth);
            return;
        }
        replay.add(cylinderSliceDots(brightness), dotWidth);
    }
}

forms::PixelBuffer wholeFigure(const frmRundali &form, Figure figure)
{
    DotReplay replay(form);
    if (figure == Figure::SaturationDisc)
        replay.add(saturationDiscDots(), colourrules::RowOf(figure).dotWidth);
    else
        replay.add(cylinderSliceDots(colourrules::SliceBrightnesses().back()), colourrules::RowOf(figure).dotWidth);
    return replay.paintedOver(clearedImage(form, rundalitest::Background));
}

forms::CommandButton *startButton(frmRundali &form, Figure figure)
{
    return figure == Figure::SaturationDisc ? form.Start2 : form.start3;
}

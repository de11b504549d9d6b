// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

// The figures' handlers and their yields, on the headless front end: input given in a
// yield reaches the figure exactly between two rings.

#include "dotreplay.h"
#include "frminforundali.h"
#include "frmrundali.h"
#include "rundalicore.h"

#include "commandbutton.h"
#include "formregistry.h"
#include "pacing.h"
#include "textbox.h"

#include "check.h"
#include "headlessfrontend.h"
#include "runtimeerrorraised.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

using colourrules::Figure;
using rundalitest::Background;
using rundalitest::shownWindow;

namespace {

// Every case runs at scale 1 and on a dense screen, where the figures draw in device pixels.
struct Screen
{
    const char *name;
    double ratio;
};
constexpr Screen Screens[] = {{"1024 x 768", 1}, {"1024 x 768 at 1.5", 1.5}};

// The program on a screen for as long as it lives, the screen named in what fails:
// drawing unpaced and runtime errors thrown; every form gone after it.
struct OnScreen
{
    explicit OnScreen(const Screen &screen) : row(screen.name), frontEnd({1024, 768}, screen.ratio)
    {
        forms::Pacing::setEnabled(false);
        formstest::throwRuntimeErrors();
    }
    ~OnScreen()
    {
        frontEnd.onEveryYield({});
        forms::FormRegistry::destroyAll();
        forms::FormRegistry::resetProgramEnded();
    }

    check::Row row;
    headless::HeadlessFrontEnd frontEnd;
};

} // namespace

CHECK_CASE(everyRingYieldsOnce)
{
    const std::pair<const char *, Figure> figures[] = {{"disc", Figure::SaturationDisc},
                                                        {"cylinder", Figure::ColourCylinder}};
    for (const auto &[name, figure] : figures) {
        const check::Row row(name);
        for (const Screen &screen : Screens) {
            OnScreen on(screen);
            frmRundali &form = shownWindow();
            std::vector<Pass> seen;
            on.frontEnd.onEveryYield([&] { seen.push_back(passOf(form)); });
            startButton(form, figure)->click();
            CHECK_EQ(passesDiffer(seen, everyYield(figure)), std::string());
        }
    }
}

// Halted right after the ring, resumed with the next: the halt's pass repeated,
// nothing else. While the figure waits the window shows it drawn up to that ring and
// the readout answers the pointer.
CHECK_CASE(haltAndResume)
{
    struct Row
    {
        const char *name;
        Figure figure;
        bool flagAlreadySet;
        Pass clickAt;
        Pass haltAt;
    };
    const std::vector<float> slices = colourrules::SliceBrightnesses();
    const Row rows[] = {
        {"disc, halted after ring 900", Figure::SaturationDisc, false, {0, 900}, {0, 900}},
        {"disc, flag already set", Figure::SaturationDisc, true, {}, {0, 1000}},
        {"cylinder, halted in slice 2", Figure::ColourCylinder, false, {slices[1], 500}, {slices[1], 500}},
        {"cylinder, flag already set", Figure::ColourCylinder, true, {}, {slices[0], 1000}},
        // The yield between slices does not look at the flag.
        {"cylinder, halt between slices", Figure::ColourCylinder, false, {slices[0], 0}, {slices[1], 1000}},
    };
    for (const Row &row : rows) {
        const check::Row named(row.name);
        for (const Screen &screen : Screens) {
            OnScreen on(screen);
            frmRundali &form = shownWindow();
            if (row.flagAlreadySet)
                form.cmdStop->click();

            bool clicked = row.flagAlreadySet;
            int passesAtHalt = 0;
            std::vector<Pass> seen;
            std::string captionWhileHalted;
            forms::PixelBuffer whileHalted;
            forms::Colour pointed = -1;
            std::string readout;
            std::string described;
            const forms::PointF rimBlue = ringPoint(colourrules::Rim, 125);
            on.frontEnd.onEveryYield([&] {
                seen.push_back(passOf(form));
                if (!clicked && passOf(form) == row.clickAt) {
                    form.cmdStop->click();
                    clicked = true;
                }
                if (!clicked || passOf(form) != row.haltAt || form.haltFlag != 1)
                    return;
                ++passesAtHalt;
                if (passesAtHalt == 2) {
                    pointed = form.Point(rimBlue.x(), rimBlue.y());
                    // The pointer onto the device pixel that holds the point.
                    const forms::PointF device = form.mapping().toDevice(rimBlue.x(), rimBlue.y());
                    form.pointerMoved(form, {int(std::floor(device.x())), int(std::floor(device.y()))}, 0, 0);
                } else if (passesAtHalt == 3) {
                    readout = form.Text1->Text() + ", " + form.Text2->Text() + ", " + form.Text3->Text();
                    described = form.accessibleDescription();
                } else if (passesAtHalt == 1 + HaltedPasses) {
                    captionWhileHalted = form.cmdStop->Caption();
                    whileHalted = form.image().copy();
                    form.cmdStop->click();
                }
            });
            startButton(form, row.figure)->click();

            std::vector<Pass> expected = everyYield(row.figure);
            const auto halt = std::find(expected.begin(), expected.end(), row.haltAt);
            CHECK(halt != expected.end());
            expected.insert(halt, HaltedPasses, row.haltAt);
            CHECK_EQ(passesDiffer(seen, expected), std::string());
            CHECK_EQ(captionWhileHalted, "Weiter");
            // Told to a screen reader as soon as the figure starts.
            const std::string figureText = row.figure == Figure::SaturationDisc ? "Sättigungsscheibe" : "Farbzylinder";
            CHECK_EQ(described.substr(0, figureText.size()), figureText);

            DotReplay partial(form);
            addFigureUpTo(partial, row.figure, row.haltAt);
            CHECK_EQ(imageDifference(whileHalted, partial.paintedOver(clearedImage(form, Background))), std::string());

            CHECK(pointed != Background && pointed != -1);
            CHECK_EQ(readout, std::to_string(forms::Red(pointed)) + ", " + std::to_string(forms::Green(pointed)) + ", "
                                  + std::to_string(forms::Blue(pointed)));

            CHECK_EQ(imageDifference(form.image(), wholeFigure(form, row.figure)), std::string());
            CHECK_EQ(form.haltFlag, 0);
            CHECK_EQ(form.cmdStop->Caption(), "Halt");
        }
    }
}

CHECK_CASE(start1WhileDiscHalted)
{
    for (const Screen &screen : Screens) {
        OnScreen on(screen);
        frmRundali &form = shownWindow();
        int passesAtHalt = 0;
        std::vector<Pass> seen;
        forms::PixelBuffer afterCircle;
        std::tuple<Figure, float, int, int, int, std::string> stateAfterCircle;
        on.frontEnd.onEveryYield([&] {
            seen.push_back(passOf(form));
            if (form.radius == 900 && form.haltFlag == 0 && passesAtHalt == 0)
                form.cmdStop->click();
            if (form.haltFlag != 1)
                return;
            ++passesAtHalt;
            if (passesAtHalt == 2) {
                form.Start1->click();
                afterCircle = form.image().copy();
                stateAfterCircle = {form.currentFigure, form.radius,  form.pointIndex,
                                    form.DrawWidth(),   form.haltFlag, form.cmdStop->Caption()};
            } else if (passesAtHalt == 4) {
                form.cmdStop->click();
            }
        });
        form.Start2->click();

        // The circle is drawn whole at once; the flag and caption stay as they were.
        CHECK(stateAfterCircle == std::make_tuple(Figure::HueCircle, 0.0f, 500, 10, 1, std::string("Weiter")));
        DotReplay replay(form);
        replay.add(saturationDiscDots(900), 10);
        replay.add(hueCircleDots(), 10);
        CHECK_EQ(imageDifference(afterCircle, replay.paintedOver(clearedImage(form, Background))), std::string());

        // Resumed, the disc finds its radius at 0 and ends without another ring.
        CHECK(form.image() == afterCircle);
        CHECK_EQ(seen.back().radius, 0.0f);
        CHECK_EQ(std::count_if(seen.begin(), seen.end(), [](const Pass &pass) { return pass.radius < 900; }), 2);
        CHECK_EQ(form.radius, -5.0f);
        CHECK_EQ(form.cmdStop->Caption(), "Halt");
        CHECK(form.currentFigure == Figure::HueCircle);
    }
}

CHECK_CASE(start2InsideCylinder)
{
    const std::vector<float> slices = colourrules::SliceBrightnesses();
    for (const Screen &screen : Screens) {
        OnScreen on(screen);
        frmRundali &form = shownWindow();
        std::vector<Pass> seen;
        std::tuple<Figure, int, float> stateAfterDisc;
        on.frontEnd.onEveryYield([&] {
            seen.push_back(passOf(form));
            if (passOf(form) == Pass{slices[1], 500}) {
                form.Start2->click();
                stateAfterDisc = {form.currentFigure, form.DrawWidth(), form.radius};
            }
        });
        form.start3->click();
        CHECK(stateAfterDisc == std::make_tuple(Figure::SaturationDisc, 10, 0.0f));

        // The slice ends at once; the slices left start from the rim with the disc's dots.
        const auto resumed =
            static_cast<std::size_t>(std::find(seen.begin(), seen.end(), Pass{slices[1], 500}) - seen.begin()) + 1;
        CHECK_EQ(seen.at(resumed), (Pass{slices[1], -10}));
        CHECK_EQ(seen.at(resumed + 1), (Pass{slices[2], 1000}));
        CHECK_EQ(seen.size(), std::size_t(101 + 51 + 1 + 8 * 101));

        DotReplay replay(form);
        replay.add(cylinderSliceDots(slices[0]), 20);
        replay.add(cylinderSliceDots(slices[1], 500), 20);
        replay.add(saturationDiscDots(), 10);
        for (std::size_t slice = 2; slice < slices.size(); ++slice)
            replay.add(cylinderSliceDots(slices[slice]), 10);
        CHECK_EQ(imageDifference(form.image(), replay.paintedOver(clearedImage(form, Background))), std::string());
        CHECK_EQ(form.DrawWidth(), 10);
        CHECK(form.currentFigure == Figure::SaturationDisc);
        CHECK_EQ(static_cast<double>(form.brightness), -7.450580596923828e-8);
    }
}

CHECK_CASE(cylinderInsideDiscEndsIt)
{
    for (const Screen &screen : Screens) {
        OnScreen on(screen);
        frmRundali &form = shownWindow();
        std::vector<Pass> seen;
        on.frontEnd.onEveryYield([&] {
            seen.push_back(passOf(form));
            if (form.radius == 900 && form.currentFigure == Figure::SaturationDisc)
                form.start3->click();
        });
        form.Start2->click();

        CHECK_EQ(seen.size(), std::size_t(21));
        CHECK_EQ(imageDifference(form.image(), wholeFigure(form, Figure::ColourCylinder)), std::string());
        CHECK_EQ(form.cmdStop->Caption(), "Halt");
        CHECK(form.currentFigure == Figure::ColourCylinder);
        CHECK_EQ(form.DrawWidth(), 20);
        CHECK_EQ(form.radius, -5.0f);
    }
}

CHECK_CASE(redrawReadsFigureAfresh)
{
    for (const Screen &screen : Screens) {
        OnScreen on(screen);
        frmRundali &form = shownWindow();
        form.Start2->click();
        form.cmdInfo->click();

        // A cylinder started inside the disc's redraw ends that redraw; the redraw's next
        // test then finds the cylinder and draws it once more, over it and unclear.
        std::vector<Pass> seen;
        on.frontEnd.onEveryYield([&] {
            seen.push_back(passOf(form));
            if (form.radius == 900 && form.currentFigure == Figure::SaturationDisc)
                form.start3->click();
        });
        form.cmdInfo->click();

        std::vector<Pass> expected = everyYield(Figure::SaturationDisc);
        expected.resize(21);
        const std::vector<Pass> cylinder = everyYield(Figure::ColourCylinder);
        expected.insert(expected.end(), cylinder.begin(), cylinder.end());
        CHECK_EQ(passesDiffer(seen, expected), std::string());
        CHECK(form.currentFigure == Figure::ColourCylinder);
        CHECK_EQ(imageDifference(form.image(), wholeFigure(form, Figure::ColourCylinder)), std::string());
    }
}

// Every loop stops at the yield where the window went; nothing is drawn after.
CHECK_CASE(endWhileDrawing)
{
    struct Row
    {
        const char *name;
        Figure figure;
        bool redraw;
        bool halted;
        bool closeButton;
        int endAtPass;
    };
    const Row rows[] = {
        {"Ende while the disc draws", Figure::SaturationDisc, false, false, false, 3},
        {"Ende while the disc is halted", Figure::SaturationDisc, false, true, false, 3},
        {"close button while the cylinder draws", Figure::ColourCylinder, false, false, true, 3},
        {"close button while the cylinder is halted", Figure::ColourCylinder, false, true, true, 3},
        {"Ende between two slices", Figure::ColourCylinder, false, false, false, 101},
        {"Ende while the disc is redrawn", Figure::SaturationDisc, true, false, false, 3},
        {"close button while the cylinder is redrawn, halted", Figure::ColourCylinder, true, true, true, 3},
    };
    for (const Row &row : rows) {
        const check::Row named(row.name);
        for (const Screen &screen : Screens) {
            OnScreen on(screen);
            frmRundali &form = shownWindow();
            if (row.redraw) {
                startButton(form, row.figure)->click();
                form.cmdInfo->click();
            }
            if (row.halted)
                form.cmdStop->click();

            std::vector<Pass> seen;
            forms::PixelBuffer atEnd;
            bool ended = false;
            on.frontEnd.onEveryYield([&] {
                seen.push_back(passOf(form));
                if (ended || static_cast<int>(seen.size()) < row.endAtPass)
                    return;
                ended = true;
                atEnd = form.image().copy();
                if (row.closeButton)
                    form.closedByUser();
                else
                    form.cmdEnde->click();
            });
            (row.redraw ? form.cmdInfo : startButton(form, row.figure))->click();

            CHECK(forms::FormRegistry::programEnded());
            CHECK(!form.IsLoaded());
            CHECK_EQ(static_cast<int>(seen.size()), row.endAtPass);
            CHECK_EQ(form.radius, seen.back().radius);
            CHECK_EQ(form.brightness, seen.back().brightness);
            CHECK(form.image() == atEnd);
            CHECK_EQ(form.cmdStop->Caption(), row.halted ? "Weiter" : "Halt");
        }
    }
}

CHECK_CASE(programEndsWhenInfoWindowGoesToo)
{
    for (const Screen &screen : Screens) {
        OnScreen on(screen);
        frmRundali &form = shownWindow();
        form.cmdInfo->click();
        frmInfoRundali *info = forms::FormRegistry::find<frmInfoRundali>();
        CHECK(info);
        if (!info)
            continue;

        std::vector<Pass> seen;
        on.frontEnd.onEveryYield([&] {
            seen.push_back(passOf(form));
            if (seen.size() == 3)
                form.closedByUser();
        });
        form.Start2->click();

        CHECK_EQ(seen.size(), std::size_t(3));
        CHECK(!form.IsLoaded());
        CHECK(info->IsLoaded());
        CHECK(!forms::FormRegistry::programEnded());
        info->closedByUser();
        CHECK(forms::FormRegistry::programEnded());
    }
}

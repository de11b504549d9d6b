// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser must show: a program run on the core alone, on a screen of the page's
// size and ratio, given the same input, and its main window composed as a screen
// shows it. Writes the window's device pixels as a PPM file, and prints the device
// areas where text is drawn (labels), which each front end draws its own way.
//
// webreference tessaro|tubarin WIDTH HEIGHT RATIO FACE OUT.ppm [ACTION...]
//   FACE     the page's button-face colour as RRGGBB
//   ACTION   click:NAME (a button) or press:X,Y (the left button at a device pixel)

#include "frmrundali.h"
#include "frmtessaro.h"

#include "commandbutton.h"
#include "devicearea.h"
#include "formregistry.h"
#include "headlessfrontend.h"
#include "pacing.h"
#include "label.h"
#include "windowpicture.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

forms::CommandButton *buttonNamed(forms::Form &form, const std::string &name)
{
    for (forms::PlacedControl *placed : form.controls())
        if (auto *button = dynamic_cast<forms::CommandButton *>(placed); button && button->Name() == name)
            return button;
    return nullptr;
}

void printTextAreas(forms::DrawingSurface &surface)
{
    const double ratio = surface.mapping().devicePixelRatio();
    for (const forms::WindowlessControl *label : surface.windowlessControls()) {
        if (!label->Visible())
            continue;
        const forms::Rect area = forms::DeviceArea(label->hitRect().translated(surface.originInRoot()), ratio);
        std::printf("text %d %d %d %d\n", area.x(), area.y(), area.width(), area.height());
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 7) {
        std::fprintf(stderr, "usage: webreference tessaro|tubarin WIDTH HEIGHT RATIO FACE OUT.ppm [ACTION...]\n");
        return 2;
    }
    const std::string program = argv[1];
    headless::HeadlessFrontEnd frontEnd({std::atoi(argv[2]), std::atoi(argv[3])}, std::atof(argv[4]));
    frontEnd.setButtonFace(static_cast<forms::Colour>(std::strtol(argv[5], nullptr, 16)));
    forms::Pacing::setEnabled(false);
    forms::Form &form = program == "tessaro" ? static_cast<forms::Form &>(forms::FormRegistry::instance<frmTessaro>())
                                             : forms::FormRegistry::instance<frmRundali>();
    form.Show();
    for (int i = 7; i < argc; ++i) {
        const std::string action = argv[i];
        if (action.rfind("click:", 0) == 0) {
            if (forms::CommandButton *button = buttonNamed(form, action.substr(6)))
                button->click();
        } else if (action.rfind("press:", 0) == 0) {
            const forms::Point at(std::atoi(action.c_str() + 6), std::atoi(action.c_str() + action.find(',') + 1));
            form.pointerMoved(form, at, 0, 0);
            form.pointerPressed(form, at, 1, 1, 0);
            form.pointerReleased(form, at, 1);
        }
        frontEnd.idle();
    }
    forms::PixelBuffer screen(form.image().size(), forms::ToPixel(0));
    forms::ComposeWindow(form, screen.rect(), screen);
    std::FILE *out = std::fopen(argv[6], "wb");
    if (!out)
        return 1;
    std::fprintf(out, "P6\n%d %d\n255\n", screen.width(), screen.height());
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const forms::Pixel pixel = screen.pixel(x, y);
            const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16), static_cast<unsigned char>(pixel >> 8),
                                          static_cast<unsigned char>(pixel)};
            std::fwrite(rgb, 1, 3, out);
        }
    std::fclose(out);
    printTextAreas(form);
    for (forms::PlacedControl *placed : form.controls())
        if (forms::DrawingSurface *picture = placed->placedSurface())
            printTextAreas(*picture);
    forms::FormRegistry::destroyAll();
    return 0;
}

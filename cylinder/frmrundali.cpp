// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmrundali.h"

#include "colourrules.h"
#include "frminforundali.h"
#include "rundaliaccessibility.h"

#include "commandbutton.h"
#include "designer.h"
#include "font.h"
#include "formregistry.h"
#include "numericrules.h"
#include "screen.h"
#include "textbox.h"

#include <array>

using colourrules::Figure;
using forms::LoopGoesOn;
using forms::RGB;

namespace {

constexpr forms::Colour DarkGrey = RGB(64, 64, 64);

// Every dot a figure's rings place, round the centre within the rim; worked out once.
const forms::DotRings &ringsOf(Figure figure)
{
    static std::array<forms::DotRings, colourrules::Figures.size()> rings;
    forms::DotRings &figureRings = rings[static_cast<std::size_t>(figure) - 1];
    if (figureRings.dots.empty()) {
        const float piValue = colourrules::SinglePi();
        const float angleStep = colourrules::AngleStep(piValue);
        figureRings.rim = colourrules::Rim;
        for (const float radius : colourrules::RingRadii(figure)) {
            for (std::int16_t pointIndex = 0; pointIndex <= colourrules::LastPoint; ++pointIndex) {
                const colourrules::RingPlace place = colourrules::PlaceOnRing(radius, pointIndex * angleStep, piValue);
                figureRings.dots.push_back({place.x, place.y});
            }
        }
    }
    return figureRings;
}

} // namespace

// Form_Load sizes the window to the screen before it is first shown.
frmRundali::frmRundali() : Form("frmRundali", 14400, 10800)
{
    setCaption("Rundali und Tubarin" + std::string(7, ' ') + MakersCredit());
    setFont(forms::ClassicFont(13.5, true));
    setBackColor(DarkGrey);

    // Form_Load places the controls.
    using forms::AddButton;
    const forms::Rect placedLater;
    Start1 = AddButton(this, "Start1", "Start1", placedLater, 0);
    Start2 = AddButton(this, "Start2", "Start2", placedLater, 1);
    start3 = AddButton(this, "start3", "Start3", placedLater, 2);
    cmdStop = AddButton(this, "cmdStop", "Halt", placedLater, 3);
    cmdStop->setFont(forms::ClassicFont(13.5, false));
    Text1 = forms::AddTextBox(this, "Text1", "Text1", placedLater, RGB(255, 128, 128), 4);
    Text2 = forms::AddTextBox(this, "Text2", "Text2", placedLater, RGB(0, 255, 0), 5);
    Text3 = forms::AddTextBox(this, "Text3", "Text3", placedLater, RGB(128, 128, 255), 6);
    for (forms::TextBox *box : {Text1, Text2, Text3})
        box->setFont(forms::ClassicFont(24, false));
    cmdEnde = AddButton(this, "cmdEnde", "Ende", placedLater, 7);
    cmdInfo = AddButton(this, "cmdInfo", "Info On", placedLater, 8);

    // Connected before the handlers, so that a figure is described as it starts.
    m_accessibility = std::make_unique<RundaliAccessibility>(RundaliView{.window = *this,
                                                                         .start1 = *Start1,
                                                                         .start2 = *Start2,
                                                                         .start3 = *start3,
                                                                         .red = *Text1,
                                                                         .green = *Text2,
                                                                         .blue = *Text3,
                                                                         .currentFigure = currentFigure});
    Start1->Click.connect(this, &frmRundali::Start1_Click);
    Start2->Click.connect(this, &frmRundali::Start2_Click);
    start3->Click.connect(this, &frmRundali::start3_Click);
    cmdStop->Click.connect(this, &frmRundali::cmdStop_Click);
    cmdEnde->Click.connect(this, &frmRundali::cmdEnde_Click);
    cmdInfo->Click.connect(this, &frmRundali::cmdInfo_Click);
    MouseMove.connect(this, &frmRundali::Form_MouseMove);
    m_accessibility->followHandlers();
}

frmRundali::~frmRundali() = default;

void frmRundali::Form_Load()
{
    setHeight(static_cast<float>(forms::Screen::Height() * 0.98));
    setWidth(Height() * 1.25f);
    Move(1, 1);

    // The outer size includes frame and title bar, so a unit is only nearly square;
    // the origin sits as far from the left edge as from the top.
    setScaleWidth(3000);
    setScaleHeight(Height() * 3000 / Width());
    setScaleTop(-ScaleHeight() / 2);
    setScaleLeft(ScaleTop());

    Start1->Move(1200, -900, 200, 100);
    Start2->Move(1500, -900, 200, 100);
    start3->Move(1200, -700, 200, 100);
    cmdStop->Move(1500, -700, 200, 100);
    cmdEnde->Move(1200, -500, 200, 100);
    cmdInfo->Move(1500, -500, 200, 100);
    Text1->Move(1200, -300, 500, 200);
    Text2->Move(1200, 0, 500, 200);
    Text3->Move(1200, 300, 500, 200);

    piValue = colourrules::SinglePi();
    angleStep = colourrules::AngleStep(piValue);
}

float frmRundali::placePoint()
{
    const float theta = pointIndex * angleStep;
    const colourrules::RingPlace place = colourrules::PlaceOnRing(radius, theta, piValue);
    pointX = place.x;
    pointY = place.y;
    return theta;
}

void frmRundali::mixWithWhite(float theta)
{
    whiteShare = colourrules::WhiteShare(radius);
    const colourrules::HueComponents hue = colourrules::HueColour(theta, piValue);
    redValue = colourrules::MixWithWhite(hue.red, whiteShare);
    greenValue = colourrules::MixWithWhite(hue.green, whiteShare);
    blueValue = colourrules::MixWithWhite(hue.blue, whiteShare);
}

template <typename PaintPoint>
bool frmRundali::paintRings(const colourrules::FigureRow &figure, PaintPoint paintPoint)
{
    using colourrules::InnermostRadius;
    for (radius = colourrules::Rim; LoopGoesOn(radius, InnermostRadius, figure.ringStep); radius += figure.ringStep) {
        for (pointIndex = 0; pointIndex <= colourrules::LastPoint; ++pointIndex)
            paintPoint(placePoint());
        if (figure.yields) {
            if (!yieldAfterRing())
                return false;
        } else {
            Refresh();
        }
    }
    return true;
}

bool frmRundali::paintHueCircle()
{
    return paintRings(colourrules::RowOf(Figure::HueCircle), [this](float theta) {
        const colourrules::HueComponents hue = colourrules::HueColour(theta, piValue);
        redValue = forms::CInt(hue.red);
        greenValue = forms::CInt(hue.green);
        blueValue = forms::CInt(hue.blue);
        PSet(pointX, pointY, RGB(redValue, greenValue, blueValue));
    });
}

bool frmRundali::paintSaturationDisc()
{
    return paintRings(colourrules::RowOf(Figure::SaturationDisc), [this](float theta) {
        mixWithWhite(theta);
        PSet(pointX, pointY, RGB(redValue, greenValue, blueValue));
    });
}

bool frmRundali::paintColourCylinder()
{
    using colourrules::SliceBrightnessLimit;
    using colourrules::SliceStep;
    for (brightness = colourrules::BrightestSlice; LoopGoesOn(brightness, SliceBrightnessLimit, SliceStep);
         brightness += SliceStep) {
        const bool sliceDone = paintRings(colourrules::RowOf(Figure::ColourCylinder), [this](float theta) {
            mixWithWhite(theta);
            PSet(pointX, pointY,
                 RGB(colourrules::Darken(redValue, brightness), colourrules::Darken(greenValue, brightness),
                     colourrules::Darken(blueValue, brightness)));
        });
        if (!sliceDone)
            return false;
        // Between slices the halt flag is not looked at: a halt asked for here takes
        // effect after the next slice's first ring.
        if (!DoEvents())
            return false;
    }
    return true;
}

bool frmRundali::paintFigure(Figure figure)
{
    switch (figure) {
    case Figure::HueCircle:
        return paintHueCircle();
    case Figure::SaturationDisc:
        return paintSaturationDisc();
    case Figure::ColourCylinder:
        return paintColourCylinder();
    case Figure::None:
        break;
    }
    return true;
}

bool frmRundali::startFigure(Figure figure)
{
    const colourrules::FigureRow &row = colourrules::RowOf(figure);
    currentFigure = figure;
    // Where one ring's points lie further apart on screen than the dots are wide, the
    // gaps between them are filled; elsewhere the dots are exactly as wide as set.
    setSolidDrawWidth(row.dotWidth, ringsOf(figure));
    if (row.clears)
        Cls();
    return paintFigure(figure);
}

bool frmRundali::yieldAfterRing()
{
    if (!DoEvents())
        return false;
    while (haltFlag == 1) {
        if (!DoEvents())
            return false;
    }
    return true;
}

void frmRundali::Start1_Click()
{
    startFigure(Figure::HueCircle);
}

void frmRundali::Start2_Click()
{
    if (!startFigure(Figure::SaturationDisc))
        return;
    cmdStop->setCaption("Halt");
}

void frmRundali::start3_Click()
{
    startFigure(Figure::ColourCylinder);
}

void frmRundali::cmdStop_Click()
{
    haltFlag = 1 - haltFlag;
    cmdStop->setCaption(haltFlag == 1 ? "Weiter" : "Halt");
}

void frmRundali::cmdInfo_Click()
{
    if (cmdInfo->Caption() == "Info On") {
        frmInfoRundali &info = forms::FormRegistry::instance<frmInfoRundali>();
        // Escape in the info window closes it just as this button does.
        info.escapePressed.connect(this, &frmRundali::cmdInfo_Click);
        info.Show();
        cmdInfo->setCaption("Info Off");
        return;
    }

    forms::FormRegistry::unload<frmInfoRundali>();
    cmdInfo->setCaption("Info On");
    // The redraw keeps the window's dot width and clears nothing. Each row's test reads
    // the figure afresh, since a figure started inside the redraw's yields changes it.
    for (const colourrules::FigureRow &row : colourrules::Figures)
        if (currentFigure == row.figure && !paintFigure(row.figure))
            return;
}

void frmRundali::cmdEnde_Click()
{
    Unload();
    forms::FormRegistry::unload<frmInfoRundali>();
}

void frmRundali::Form_MouseMove(int, int, float x, float y)
{
    const forms::Colour colour = Point(x, y);
    const forms::HexSplit split = forms::SplitHex(forms::Hex(static_cast<double>(colour)));
    Text1->setText(forms::NumberToText(forms::Val("&H" + split.redHex)));
    Text2->setText(forms::NumberToText(forms::Val("&H" + split.greenHex)));
    Text3->setText(forms::NumberToText(forms::Val("&H" + split.blueHex)));
}

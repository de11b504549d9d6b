// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmtessaro.h"

#include "cubegeometry.h"
#include "frminfotessaro.h"
#include "tessaroaccessibility.h"

#include "commandbutton.h"
#include "designer.h"
#include "font.h"
#include "formregistry.h"
#include "label.h"
#include "numericrules.h"
#include "picturebox.h"
#include "screen.h"

using forms::CInt;
using forms::LoopGoesOn;
using forms::RGB;

namespace {

constexpr forms::Colour Black = RGB(0, 0, 0);
constexpr forms::Colour Grey = RGB(128, 128, 128);
constexpr int FaceDotWidth = 2;
constexpr int SectionDotWidth = 4;

// Every cut paints a dot at each whole point of the square, in whatever order.
constexpr forms::DotGrid SectionSquare{.firstX = 0, .firstY = 0, .outerX = 1, .outerY = 0, .outerCount = 256,
                                       .innerX = 0, .innerY = 1, .innerCount = 256};

void drawBlack(forms::PictureBox &picture, const cubegeometry::Segment &line)
{
    picture.Line(line.from.x, line.from.y, line.to.x, line.to.y, Black);
}

void drawBlack(forms::PictureBox &picture, const cubegeometry::Cut &cut)
{
    drawBlack(picture, cut[0]);
    drawBlack(picture, cut[1]);
}

} // namespace

frmTessaro::frmTessaro() : Form("frmTessaro", 11370, 7920)
{
    setCaption("Tessaro" + std::string(24, ' ') + "Ein Lehrprogramm zur additiven Farbmischung");
    setFont(forms::ClassicFont(13.5, true));
    setBackColor(Grey);

    using forms::AddButton;
    using forms::AddLabel;
    using forms::AddPicture;
    using Place = forms::Rect;
    cmdStart = AddButton(this, "cmdStart", "Start", Place(7440, 6960, 1335, 375), 0);
    Picture1 = AddPicture(this, "Picture1", Place(120, 120, 6375, 6135), 1);
    Picture1->setBackColor(RGB(192, 192, 192));
    Label1 = AddLabel(Picture1, "Label1", "r", Place(5640, 5640, 495, 375), RGB(255, 0, 0), 2);
    Label3 = AddLabel(Picture1, "Label3", "g", Place(360, 5400, 735, 375), RGB(0, 255, 0), 3);
    Label2 = AddLabel(Picture1, "Label2", "b", Place(360, 240, 735, 615), RGB(128, 128, 255), 4);
    Picture2 = AddPicture(this, "Picture2", Place(6840, 360, 4335, 3255), 5);
    Picture2->setBackColor(Black);
    Picture3 = AddPicture(this, "Picture3", Place(10440, 4680, 735, 615), 6);
    Picture4 = AddPicture(this, "Picture4", Place(6960, 4680, 615, 615), 7);
    Picture5 = AddPicture(this, "Picture5", Place(8160, 4680, 615, 615), 8);
    Picture6 = AddPicture(this, "Picture6", Place(9480, 4680, 615, 615), 9);
    Label4 = AddLabel(this, "Label4", "+", Place(7560, 4920, 615, 255), Grey, 10);
    Label5 = AddLabel(this, "Label5", "+", Place(8760, 4920, 495, 255), Grey, 11);
    Label6 = AddLabel(this, "Label6", "=", Place(10080, 4800, 375, 255), Grey, 12);
    Label7 = AddLabel(this, "Label7", "Auf die Würfelflächen klicken!", Place(1440, 6480, 4575, 615),
                      Grey, 13, forms::Label::Alignment::Left);
    Label7->setVisible(false);
    Label8 = AddLabel(this, "Label8", "Maus über Schnittfläche bewegen!",
                      Place(7200, 3720, 3495, 375), Grey, 14);
    Label9 = AddLabel(Picture2, "Label9", "Hier erscheint die markierte Schnittfläche in Farbe",
                      Place(840, 960, 3135, 1095), Black, 15);
    Label9->setForeColor(RGB(255, 255, 255));
    Label10 = AddLabel(Picture1, "Label10", "O", Place(1440, 5640, 615, 375), RGB(255, 255, 255), 16);
    Label10->setFont(forms::ClassicFont(18, true));
    cmdInfo = AddButton(this, "cmdInfo", "Info ON", Place(9240, 6840, 1335, 495), 17);
    cmdEnde = AddButton(this, "cmdEnde", "Ende", Place(7320, 6120, 1455, 495), 18);

    cmdStart->Click.connect(this, &frmTessaro::cmdStart_Click);
    cmdInfo->Click.connect(this, &frmTessaro::cmdInfo_Click);
    cmdEnde->Click.connect(this, &frmTessaro::cmdEnde_Click);
    Picture1->MouseMove.connect(this, &frmTessaro::Picture1_MouseMove);
    Picture1->Click.connect(this, &frmTessaro::Picture1_Click);
    Picture2->MouseMove.connect(this, &frmTessaro::Picture2_MouseMove);
    // Connected after the handlers, it reads what they have shown.
    m_accessibility = std::make_unique<TessaroAccessibility>(TessaroView{
        .cube = *Picture1, .section = *Picture2, .mixed = *Picture3, .redPart = *Picture4, .greenPart = *Picture5,
        .bluePart = *Picture6, .start = *cmdStart, .info = *cmdInfo, .redValue = redValue, .greenValue = greenValue,
        .blueValue = blueValue});
}

frmTessaro::~frmTessaro() = default;

void frmTessaro::Form_Load()
{
    setWidth(static_cast<float>(0.98 * forms::Screen::Width()));
    setHeight(static_cast<float>(0.98 * forms::Screen::Height()));
    Move(1, 1);

    setScaleWidth(3000);
    setScaleHeight(2250);
    setScaleTop(-1000);
    setScaleLeft(0);

    Picture1->Move(50, -900, 1600, 1600);
    Picture1->setScaleWidth(630);
    Picture1->setScaleHeight(-630);
    Picture1->setScaleLeft(10);
    Picture1->setScaleTop(570);

    Label1->Move(570, -10, 40, 40);
    Label2->Move(180, 560, 40, 40);
    Label3->Move(20, 120, 40, 40);
    Label10->Move(180, -10, 40, 40);

    Picture2->Move(1800, Picture1->Top(), 1000, 1000);
    Picture2->setScaleWidth(255);
    Picture2->setScaleHeight(-255);
    Picture2->setScaleTop(255);
    Picture2->setScaleLeft(0);

    Label8->Move(Picture2->Left(), Picture2->Top() + Picture2->Height() + 50, 1000, 100);

    Picture4->Move(Picture2->Left(), Label8->Top() + Label8->Height() + 100, 200, 200);
    Picture5->Move(Picture4->Left() + Picture4->Width() + 100, Picture4->Top(), 200, 200);
    Picture6->Move(Picture5->Left() + Picture5->Width() + 100, Picture4->Top(), 200, 200);
    Picture3->Move(Picture6->Left() + Picture6->Width() + 100, Picture4->Top(), 200, 200);

    Label4->Move(Picture4->Left() + Picture4->Width(), Picture4->Top() + 30, 100, 100);
    Label5->Move(Picture5->Left() + Picture5->Width(), Label4->Top(), 100, 100);
    Label6->Move(Picture6->Left() + Picture6->Width(), Picture4->Top() + 30, 100, 100);

    cmdStart->Move(Picture2->Left(), Picture3->Top() + Picture3->Height() + 100, 300, 200);
    cmdInfo->Move(cmdStart->Left() + cmdStart->Width() + 50, cmdStart->Top(), 300, 200);
    cmdEnde->Move(cmdInfo->Left() + cmdInfo->Width() + 50, cmdStart->Top(), 300, 200);

    Label7->setTop(Picture1->Top() + Picture1->Height() + 100);
}

void frmTessaro::DrawCube()
{
    forms::PictureBox &cube = *Picture1;

    // Each face names its grid: where one step is wider on screen than the dots, as on
    // large screens, the holes between them are filled.
    // Front face, green 0. Half steps: even components cover most of the face.
    cube.setSolidDrawWidth(FaceDotWidth, cubegeometry::FrontFaceGrid);
    for (redValue = 0; LoopGoesOn(redValue, 255, 0.5f); redValue += 0.5f)
        for (blueValue = 0; LoopGoesOn(blueValue, 255, 0.5f); blueValue += 0.5f) {
            const cubegeometry::Point dot = cubegeometry::FrontFaceDot(redValue, blueValue);
            cube.PSet(dot.x, dot.y, RGB(CInt(redValue), 0, CInt(blueValue)));
        }

    // Left face, red 0.
    cube.setSolidDrawWidth(FaceDotWidth, cubegeometry::LeftFaceGrid);
    for (greenValue = 0; LoopGoesOn(greenValue, 255, 1); greenValue += 1)
        for (blueValue = 0; LoopGoesOn(blueValue, 255, 1); blueValue += 1) {
            const cubegeometry::Point dot = cubegeometry::LeftFaceDot(greenValue, blueValue);
            cube.PSet(dot.x, dot.y, RGB(0, CInt(greenValue), CInt(blueValue)));
        }

    // Top face, blue 255.
    cube.setSolidDrawWidth(FaceDotWidth, cubegeometry::TopFaceGrid);
    for (greenValue = 0; LoopGoesOn(greenValue, 255, 1); greenValue += 1)
        for (redValue = 0; LoopGoesOn(redValue, 255, 1); redValue += 1) {
            const cubegeometry::Point dot = cubegeometry::TopFaceDot(redValue, greenValue);
            cube.PSet(dot.x, dot.y, RGB(CInt(redValue), CInt(greenValue), 255));
        }

    cube.setDrawWidth(3);
    for (const cubegeometry::Segment &edge : cubegeometry::DrawnEdges)
        drawBlack(cube, edge);
    cube.setDrawWidth(1);
}

void frmTessaro::cmdStart_Click()
{
    DrawCube();
    Picture2->setBackColor(Black);
    Picture3->setBackColor(Black);
    Picture4->setBackColor(Black);
    Picture5->setBackColor(Black);
    Picture6->setBackColor(Black);
    Label7->setVisible(true);
}

void frmTessaro::cmdInfo_Click()
{
    if (cmdInfo->Caption() == "Info ON") {
        frmInfoTessaro &info = forms::FormRegistry::instance<frmInfoTessaro>();
        // Escape in the info window closes it just as this button does.
        info.escapePressed.connect(this, &frmTessaro::cmdInfo_Click);
        info.Show();
        cmdInfo->setCaption("Info OFF");
    } else {
        forms::FormRegistry::unload<frmInfoTessaro>();
        cmdInfo->setCaption("Info ON");
        cmdStart->setCaption("Löschen");
        DrawCube();
    }
}

void frmTessaro::cmdEnde_Click()
{
    Unload();
    forms::FormRegistry::unload<frmInfoTessaro>();
}

void frmTessaro::splitPointerColour()
{
    const forms::HexSplit split = forms::SplitHex(hexText);
    hexText = split.text;
    redHex = split.redHex;
    greenHex = split.greenHex;
    blueHex = split.blueHex;
    redValue = static_cast<float>(forms::Val("&H" + redHex));
    greenValue = static_cast<float>(forms::Val("&H" + greenHex));
    blueValue = static_cast<float>(forms::Val("&H" + blueHex));
}

void frmTessaro::Picture1_MouseMove(int, int, float x, float y)
{
    pointerColour = Picture1->Point(x, y);
    hexText = forms::Hex(pointerColour);
    pointerY = y;
    pointerX = x;
    splitPointerColour();
}

void frmTessaro::Picture1_Click()
{
    // The top-face cut paints the pointed red even when the front-face cut has
    // already counted redValue past it.
    const float pointedRed = redValue;

    if (greenValue == 0) {
        drawBlack(*Picture1, cubegeometry::FrontFaceCut(pointerY));
        Picture2->setSolidDrawWidth(SectionDotWidth, SectionSquare);
        for (redValue = 0; LoopGoesOn(redValue, 255, 1); redValue += 1)
            for (greenValue = 0; LoopGoesOn(greenValue, 255, 1); greenValue += 1)
                Picture2->PSet(redValue, greenValue, RGB(CInt(redValue), CInt(greenValue), CInt(blueValue)));
    }

    if (redValue == 0) {
        drawBlack(*Picture1, cubegeometry::LeftFaceCut(pointerX));
        Picture2->setSolidDrawWidth(SectionDotWidth, SectionSquare);
        for (redValue = 0; LoopGoesOn(redValue, 255, 1); redValue += 1)
            for (blueValue = 0; LoopGoesOn(blueValue, 255, 1); blueValue += 1)
                Picture2->PSet(redValue, blueValue, RGB(CInt(redValue), CInt(greenValue), CInt(blueValue)));
    }

    if (blueValue == 255) {
        drawBlack(*Picture1, cubegeometry::TopFaceCut(pointerX, pointerY));
        Picture2->setSolidDrawWidth(SectionDotWidth, SectionSquare);
        for (greenValue = 0; LoopGoesOn(greenValue, 255, 1); greenValue += 1)
            for (blueValue = 0; LoopGoesOn(blueValue, 255, 1); blueValue += 1)
                Picture2->PSet(255 - greenValue, blueValue,
                               RGB(CInt(pointedRed), CInt(greenValue), CInt(blueValue)));
    }

    cmdStart->setCaption("Löschen");
}

void frmTessaro::Picture2_MouseMove(int, int, float x, float y)
{
    pointerColour = Picture2->Point(x, y);
    hexText = forms::Hex(pointerColour);
    splitPointerColour();

    Picture3->setBackColor(RGB(CInt(redValue), CInt(greenValue), CInt(blueValue)));
    Picture4->setBackColor(RGB(CInt(redValue), 0, 0));
    Picture5->setBackColor(RGB(0, CInt(greenValue), 0));
    Picture6->setBackColor(RGB(0, 0, CInt(blueValue)));
}

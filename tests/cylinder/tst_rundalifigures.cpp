// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dotreplay.h"
#include "yieldscript.h"
#include "frminforundali.h"
#include "frmrundali.h"
#include "formstest.h"
#include "rundalitest.h"

#include "commandbutton.h"
#include "formregistry.h"
#include "probearea.h"
#include "textbox.h"

#include <QAccessibleValueInterface>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <array>
#include <map>
#include <cmath>
#include <memory>

using colourrules::Figure;
using formstest::click;
using formstest::qs;
using forms::RGB;
using rundalitest::Background;
using rundalitest::shownWindow;

namespace {


// Where each dot of a figure drawn once on a cleared window ends up, in dots as wide
// as its button sets them or a single pixel; replayed once per test run, the window's
// size and units being the same every time.
const DotReplay &replayOf(const frmRundali &form, Figure figure, bool singlePixelDots = false)
{
    static std::map<std::pair<Figure, bool>, std::unique_ptr<DotReplay>> replays;
    std::unique_ptr<DotReplay> &replay = replays[{figure, singlePixelDots}];
    if (!replay) {
        replay = std::make_unique<DotReplay>(form);
        const int dotWidth = singlePixelDots ? 1 : colourrules::RowOf(figure).dotWidth;
        const bool solid = !singlePixelDots;
        if (figure == Figure::HueCircle)
            replay->add(hueCircleDots(), dotWidth, solid);
        else if (figure == Figure::SaturationDisc)
            replay->add(saturationDiscDots(), dotWidth, solid);
        else
            replay->add(cylinderSliceDots(colourrules::SliceBrightnesses().back()), dotWidth, solid);
    }
    return *replay;
}

// Draws a figure with its button; where its own dots hide the dot to be read, the
// window is cleared and the figure drawn again with dots of a single pixel through
// the redraw, which keeps the window's dot width.
void drawFigure(frmRundali &form, forms::CommandButton *button, bool singlePixelDots)
{
    click(button);
    if (!singlePixelDots)
        return;
    form.Cls();
    form.setDrawWidth(1);
    click(form.cmdInfo);
    click(form.cmdInfo);
}

void compareDot(const frmRundali &form, const DotReplay &replay, int dot, forms::Colour colour)
{
    const std::vector<forms::Point> pixels = replay.pixelsOf(dot);
    QVERIFY(!pixels.empty());
    for (const forms::Point &pixel : pixels)
        QCOMPARE(formstest::describe(pointAt(form, pixel)), formstest::describe(colour));
}

// The form-level variables that the pointer readout must leave alone.
auto figureState(const frmRundali &f)
{
    return std::make_tuple(f.piValue, f.angleStep, f.haltFlag, f.currentFigure, f.radius, f.pointIndex, f.pointX,
                           f.pointY, f.redValue, f.greenValue, f.blueValue, f.whiteShare, f.brightness);
}

// The area after the designed controls through which the keyboard explores the figures.
forms::ProbeArea *probeAreaOf(const frmRundali &form)
{
    for (forms::PlacedControl *control : form.controls())
        if (auto *area = dynamic_cast<forms::ProbeArea *>(control))
            return area;
    return nullptr;
}

} // namespace

class tst_RundaliFigures : public rundalitest::RundaliTest
{
    Q_OBJECT

private slots:
    void hueCircleIsPaintedExactly();
    void hueCircleFirstAndLastDot();
    void hueCircleClockFace_data();
    void hueCircleClockFace();
    void hueCircleIgnoresHaltAndRepeats();
    void hueCircleTakesNoInput();

    void saturationDiscIsPaintedExactly();
    void saturationDisc_data();
    void saturationDisc();
    void saturationDiscInnermostRing();

    void figuresAreSolidWithinTheRim_data();
    void figuresAreSolidWithinTheRim();

    void cylinderClearsAndPaintsTenSlices();
    void cylinderLastSlice_data();
    void cylinderLastSlice();
    void cylinderInnermostRing();

    void readout_data();
    void readout();
    void readoutFollowsThePointer_data();
    void readoutFollowsThePointer();
    void keysReadEachFigure_data();
    void keysReadEachFigure();
    void haltToggle();
    void infoToggle();
    void escapeKeepsTheMainWindow_data();
    void escapeKeepsTheMainWindow();
    void redrawWithoutFigure();
    void redrawHueCircle();
    void redrawSaturationDisc();
    void redrawColourCylinder();
};

void tst_RundaliFigures::hueCircleIsPaintedExactly()
{
    frmRundali &form = shownWindow();
    click(form.Start1);

    const forms::PixelBuffer expected = replayOf(form, Figure::HueCircle).paintedOver(clearedImage(form, Background));
    QCOMPARE(qs(imageDifference(form.image(), expected)), QString());
    QCOMPARE(form.currentFigure, Figure::HueCircle);
    QCOMPARE(form.radius, 0.0f);
    QCOMPARE(form.pointIndex, 500);
    QCOMPARE(form.DrawWidth(), 10);

    // Saturated hues only: nothing anywhere reaches 255.
    const forms::PixelBuffer &image = form.image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(forms::Red(forms::FromPixel(image.pixel(x, y))) < 255
                         && forms::Green(forms::FromPixel(image.pixel(x, y))) < 255
                         && forms::Blue(forms::FromPixel(image.pixel(x, y))) < 255,
                     qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
}

void tst_RundaliFigures::hueCircleFirstAndLastDot()
{
    const QPointF first = formstest::qt(ringPoint(colourrules::Rim, 0));
    QCOMPARE(qRound(first.x()), -500);
    QCOMPARE(qRound(first.y()), -866);

    frmRundali &form = shownWindow();
    click(form.Start1);
    const DotReplay &replay = replayOf(form, Figure::HueCircle);

    // What is left of the first dot lies within its 10 pixels round (-500, -866);
    // the replay counts device pixels.
    const double dpr = form.mapping().devicePixelRatio();
    const double reach = 5 * dpr + 1;
    const std::vector<forms::Point> firstPixels = replay.pixelsOf(0);
    QVERIFY(!firstPixels.empty());
    const QPointF centre = formstest::qt(form.mapping().toDevice(-500, -866));
    for (const forms::Point &pixel : firstPixels) {
        QVERIFY(std::hypot(pixel.x() + 0.5 - centre.x(), pixel.y() + 0.5 - centre.y()) < reach);
        QCOMPARE(formstest::describe(pointAt(form, pixel)), formstest::describe(RGB(254, 0, 127)));
    }

    // The last dot, the last point of the innermost ring (radius 8), lies whole on top.
    const std::vector<forms::Point> lastPixels = replay.pixelsOf(replay.size() - 1);
    QVERIFY(lastPixels.size() >= 70 * dpr * dpr);
    const QPointF lastPlace =
        formstest::qt(ringPoint(colourrules::RingRadii(Figure::HueCircle).back(), colourrules::LastPoint));
    const QPointF last = formstest::qt(form.mapping().toDevice(lastPlace.x(), lastPlace.y()));
    for (const forms::Point &pixel : lastPixels)
        QVERIFY(std::hypot(pixel.x() + 0.5 - last.x(), pixel.y() + 0.5 - last.y()) < reach);
    QCOMPARE(form.pointX, static_cast<float>(lastPlace.x()));
    QCOMPARE(form.pointY, static_cast<float>(lastPlace.y()));
}

void tst_RundaliFigures::hueCircleClockFace_data()
{
    QTest::addColumn<float>("radius");
    QTest::addColumn<int>("pointIndex");
    QTest::addColumn<forms::Colour>("colour");

    struct Hour
    {
        int point;
        int clock;
        forms::Colour colour;
    };
    const Hour hours[] = {{0, 11, RGB(254, 0, 127)},   {42, 12, RGB(253, 0, 254)},  {83, 1, RGB(128, 0, 254)},
                          {125, 2, RGB(0, 0, 254)},    {167, 3, RGB(0, 128, 254)},  {208, 4, RGB(0, 253, 254)},
                          {250, 5, RGB(0, 254, 127)},  {292, 6, RGB(1, 254, 0)},    {333, 7, RGB(126, 254, 0)},
                          {375, 8, RGB(254, 254, 0)},  {417, 9, RGB(254, 126, 0)},  {458, 10, RGB(254, 1, 0)}};
    for (const float radius : {1000.0f, 904.0f, 800.0f})
        for (const Hour &hour : hours)
            QTest::addRow("ring %g, %d o'clock", radius, hour.clock) << radius << hour.point << hour.colour;
}

void tst_RundaliFigures::hueCircleClockFace()
{
    QFETCH(float, radius);
    QFETCH(int, pointIndex);
    QFETCH(forms::Colour, colour);

    frmRundali &form = shownWindow();
    click(form.Start1);
    compareDot(form, replayOf(form, Figure::HueCircle), dotIndex(Figure::HueCircle, radius, pointIndex), colour);
}

void tst_RundaliFigures::hueCircleIgnoresHaltAndRepeats()
{
    frmRundali &form = shownWindow();
    click(form.cmdStop);
    click(form.Start1);
    const forms::PixelBuffer once = form.image().copy();
    click(form.Start1);
    QVERIFY(form.image() == once);
    QCOMPARE(form.haltFlag, 1);
    QCOMPARE(qs(form.cmdStop->Caption()), QStringLiteral("Weiter"));

    const forms::PixelBuffer expected = replayOf(form, Figure::HueCircle).paintedOver(clearedImage(form, Background));
    QCOMPARE(qs(imageDifference(once, expected)), QString());
}

void tst_RundaliFigures::hueCircleTakesNoInput()
{
    frmRundali &form = shownWindow();
    YieldScript script([] {});
    // A halt clicked while the circle is drawn only counts once it is complete.
    QTimer::singleShot(0, formstest::widget(form.cmdStop), [&form] { click(form.cmdStop); });
    click(form.Start1);
    QCOMPARE(script.passes(), 0);
    QCOMPARE(form.haltFlag, 0);
    QTRY_COMPARE(form.haltFlag, 1);
}

void tst_RundaliFigures::saturationDiscIsPaintedExactly()
{
    frmRundali &form = shownWindow();
    click(form.Start2);

    const forms::PixelBuffer expected =
        replayOf(form, Figure::SaturationDisc).paintedOver(clearedImage(form, Background));
    QCOMPARE(qs(imageDifference(form.image(), expected)), QString());

    QCOMPARE(form.currentFigure, Figure::SaturationDisc);
    QCOMPARE(form.radius, 0.0f);
    QCOMPARE(form.pointIndex, 500);
    QCOMPARE(form.whiteShare, 0.995f);
    QCOMPARE(form.DrawWidth(), 10);
    QCOMPARE(qs(form.cmdStop->Caption()), QStringLiteral("Halt"));
}

void tst_RundaliFigures::saturationDisc_data()
{
    QTest::addColumn<float>("radius");
    QTest::addColumn<int>("pointIndex");
    QTest::addColumn<forms::Colour>("colour");
    QTest::addColumn<bool>("singlePixelDots");

    struct Row
    {
        float radius;
        std::array<forms::Colour, 4> colours;
    };
    const Row rows[] = {
        {1000, {RGB(254, 0, 127), RGB(0, 0, 254), RGB(0, 254, 127), RGB(254, 254, 0)}},
        {995, {RGB(254, 1, 128), RGB(1, 1, 254), RGB(1, 254, 128), RGB(254, 254, 1)}},
        {750, {RGB(254, 64, 159), RGB(64, 64, 254), RGB(64, 254, 159), RGB(254, 254, 64)}},
        // White share 0.5: 254.5 rounds to the even 254, 127.5 to 128.
        {500, {RGB(254, 128, 191), RGB(128, 128, 254), RGB(128, 254, 191), RGB(254, 254, 128)}},
        {250, {RGB(255, 191, 223), RGB(191, 191, 255), RGB(191, 255, 223), RGB(255, 255, 191)}},
    };
    const int points[] = {0, 125, 250, 375};
    for (const Row &row : rows) {
        for (int i = 0; i < 4; ++i) {
            // Further in, point 0 lies under the last dots of its own ring.
            const bool hidden = row.radius < 995 && (points[i] == 0 || row.radius < 500);
            QTest::addRow("radius %g, point %d", row.radius, points[i])
                << row.radius << points[i] << row.colours[i] << hidden;
        }
    }
}

void tst_RundaliFigures::saturationDisc()
{
    QFETCH(float, radius);
    QFETCH(int, pointIndex);
    QFETCH(forms::Colour, colour);
    QFETCH(bool, singlePixelDots);

    frmRundali &form = shownWindow();
    drawFigure(form, form.Start2, singlePixelDots);
    compareDot(form, replayOf(form, Figure::SaturationDisc, singlePixelDots),
               dotIndex(Figure::SaturationDisc, radius, pointIndex), colour);
}

void tst_RundaliFigures::saturationDiscInnermostRing()
{
    frmRundali &form = shownWindow();
    click(form.Start2);
    const DotReplay &replay = replayOf(form, Figure::SaturationDisc);
    int pixelsRead = 0;
    for (int dot = replay.size() - colourrules::PointsPerRing; dot < replay.size(); ++dot) {
        for (const forms::Point &pixel : replay.pixelsOf(dot)) {
            const forms::Colour colour = pointAt(form, pixel);
            for (const int component : {forms::Red(colour), forms::Green(colour), forms::Blue(colour)})
                QVERIFY2(component == 254 || component == 255, qPrintable(formstest::describe(colour)));
            ++pixelsRead;
        }
    }
    QVERIFY(pixelsRead >= 70);
}

void tst_RundaliFigures::figuresAreSolidWithinTheRim_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("hue circle") << 0;
    QTest::newRow("saturation disc") << 1;
}

void tst_RundaliFigures::figuresAreSolidWithinTheRim()
{
    QFETCH(int, button);
    frmRundali &form = shownWindow();
    click(button == 0 ? form.Start1 : form.Start2);
    const forms::PixelBuffer image = form.image();
    int holes = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const forms::PointF user = form.mapping().fromDevice(forms::PointF(x + 0.5, y + 0.5));
            const bool withinRim = std::hypot(user.x(), user.y()) <= colourrules::Rim;
            holes += withinRim && forms::FromPixel(image.pixel(x, y)) == Background;
        }
    }
    QCOMPARE(holes, 0);
}

void tst_RundaliFigures::cylinderClearsAndPaintsTenSlices()
{
    frmRundali &form = shownWindow();
    click(form.Start1);
    form.PSet(-1150, 1150, RGB(255, 255, 255));
    click(form.start3);

    // Cleared first; ten slices at the same place leave the last one, of brightness
    // 0.09999992698431015, on top.
    const forms::PixelBuffer expected =
        replayOf(form, Figure::ColourCylinder).paintedOver(clearedImage(form, Background));
    QCOMPARE(qs(imageDifference(form.image(), expected)), QString());

    QCOMPARE(static_cast<double>(form.brightness), -7.450580596923828e-8);
    QCOMPARE(form.radius, 0.0f);
    QCOMPARE(form.pointIndex, 500);
    QCOMPARE(form.whiteShare, 0.99f);
    QCOMPARE(form.currentFigure, Figure::ColourCylinder);
    QCOMPARE(form.DrawWidth(), 20);
}

void tst_RundaliFigures::cylinderLastSlice_data()
{
    QTest::addColumn<float>("radius");
    QTest::addColumn<int>("pointIndex");
    QTest::addColumn<forms::Colour>("colour");
    QTest::addColumn<bool>("singlePixelDots");

    // 255 darkens to 25, not 26.
    QTest::newRow("rim, point 0") << 1000.0f << 0 << RGB(25, 0, 13) << true;
    QTest::newRow("rim, point 125") << 1000.0f << 125 << RGB(0, 0, 25) << false;
    QTest::newRow("radius 500, point 125") << 500.0f << 125 << RGB(13, 13, 25) << false;
    QTest::newRow("radius 500, point 375") << 500.0f << 375 << RGB(25, 25, 13) << false;
}

void tst_RundaliFigures::cylinderLastSlice()
{
    QFETCH(float, radius);
    QFETCH(int, pointIndex);
    QFETCH(forms::Colour, colour);
    QFETCH(bool, singlePixelDots);

    frmRundali &form = shownWindow();
    drawFigure(form, form.start3, singlePixelDots);
    compareDot(form, replayOf(form, Figure::ColourCylinder, singlePixelDots),
               dotIndex(Figure::ColourCylinder, radius, pointIndex), colour);
}

void tst_RundaliFigures::cylinderInnermostRing()
{
    // Every dot of the last slice's innermost ring, radius 10, is the same grey.
    frmRundali &form = shownWindow();
    click(form.start3);
    const DotReplay &replay = replayOf(form, Figure::ColourCylinder);
    int pixelsRead = 0;
    for (int dot = replay.size() - colourrules::PointsPerRing; dot < replay.size(); ++dot) {
        for (const forms::Point &pixel : replay.pixelsOf(dot)) {
            QCOMPARE(formstest::describe(pointAt(form, pixel)), formstest::describe(RGB(25, 25, 25)));
            ++pixelsRead;
        }
    }
    QVERIFY(pixelsRead >= 300);
}

void tst_RundaliFigures::readout_data()
{
    QTest::addColumn<bool>("dotted");
    QTest::addColumn<forms::Colour>("colour");
    QTest::addColumn<QPointF>("place");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("empty background") << false << 0 << QPointF(-700, 300) << QStringList{"64", "64", "64"};
    QTest::newRow("pure red") << true << RGB(255, 0, 0) << QPointF(-600, 200) << QStringList{"255", "0", "0"};
    QTest::newRow("green 255 pads to six digits")
        << true << 65280 << QPointF(-500, 100) << QStringList{"0", "255", "0"};
    QTest::newRow("blue 1") << true << 65536 << QPointF(-400, 0) << QStringList{"0", "0", "1"};
    QTest::newRow("white") << true << RGB(255, 255, 255) << QPointF(-300, -100) << QStringList{"255", "255", "255"};
    QTest::newRow("mixed") << true << RGB(1, 162, 10) << QPointF(-200, -200) << QStringList{"1", "162", "10"};
}

void tst_RundaliFigures::readout()
{
    QFETCH(bool, dotted);
    QFETCH(forms::Colour, colour);
    QFETCH(QPointF, place);
    QFETCH(QStringList, texts);

    frmRundali &form = shownWindow();
    QVERIFY(QTest::qWaitForWindowExposed(formstest::widget(&form)));
    QCOMPARE(qs(form.Text1->Text()), QStringLiteral("Text1"));
    QCOMPARE(qs(form.Text2->Text()), QStringLiteral("Text2"));
    QCOMPARE(qs(form.Text3->Text()), QStringLiteral("Text3"));

    const auto x = static_cast<float>(place.x());
    const auto y = static_cast<float>(place.y());
    if (dotted) {
        form.setDrawWidth(10);
        form.PSet(x, y, colour);
    }
    const auto before = figureState(form);
    formstest::pointTo(&form, x, y);
    QTRY_COMPARE(qs(form.Text1->Text()), texts.at(0));
    QCOMPARE(qs(form.Text2->Text()), texts.at(1));
    QCOMPARE(qs(form.Text3->Text()), texts.at(2));
    QVERIFY(figureState(form) == before);
    // A screen reader hears each box by its colour, with its number.
    const QStringList names{"Rot", "Grün", "Blau"};
    for (int i = 0; i < 3; ++i) {
        forms::TextBox *box = std::array{form.Text1, form.Text2, form.Text3}[i];
        QCOMPARE(formstest::accessibleText(box, QAccessible::Name), names.at(i));
        QCOMPARE(formstest::accessibleText(box, QAccessible::Value), texts.at(i));
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(formstest::widget(box));
        QCOMPARE(face->valueInterface()->currentValue().toInt(), texts.at(i).toInt());
    }
}

void tst_RundaliFigures::readoutFollowsThePointer_data()
{
    QTest::addColumn<bool>("finger");
    QTest::newRow("mouse, device pixel by device pixel") << false;
    QTest::newRow("finger dragged, then a tap on Halt") << true;
}

// Across the rim of the hue circle, where neighbouring pixels differ, and on the
// window's last row and column, the readout shows the pixel under the pointer.
void tst_RundaliFigures::readoutFollowsThePointer()
{
    QFETCH(bool, finger);
    frmRundali &form = shownWindow();
    QWidget *window = formstest::widget(&form);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    click(form.Start1);
    const QPointF corner(form.ScaleLeft() + form.ScaleWidth(), form.ScaleTop() + form.ScaleHeight());
    form.PSet(corner.x(), corner.y(), RGB(1, 2, 3));
    const auto shows = [&form](QPointF at) {
        const forms::Colour c = form.Point(at.x(), at.y());
        return QStringList{qs(form.Text1->Text()), qs(form.Text2->Text()), qs(form.Text3->Text())}
               == QStringList{QString::number(forms::Red(c)), QString::number(forms::Green(c)),
                              QString::number(forms::Blue(c))};
    };
    auto touch = QTest::touchEvent(window, formstest::touchScreen(), false);
    for (int step = -6; step <= 7; ++step) {
        const QPoint logical = formstest::pixelOf(&form, 1000, -20) + QPoint(step, step % 2);
        const QPoint device = formstest::devicePixelOf(&form, 1000, -20) + QPoint(step, step % 2);
        const QPoint last = formstest::devicePixelOf(&form, corner.x(), corner.y());
        const QPointF at = finger ? formstest::touchedPoint(&form, logical)
                                  : formstest::centreOf(&form, step < 7 ? device : last);
        if (finger)
            (step == -6 ? touch.press(0, logical, window) : touch.move(0, logical, window)).commit();
        else
            formstest::pointTo(&form, at.x(), at.y());
        QTRY_VERIFY2(shows(at), qPrintable(QStringLiteral("at %1, %2").arg(at.x()).arg(at.y())));
    }
    if (!finger)
        return;
    touch.release(0, QPoint(), window).commit();
    touch.press(0, QPoint(5, 5), formstest::widget(form.cmdStop)).commit();
    touch.release(0, QPoint(5, 5), formstest::widget(form.cmdStop)).commit();
    QTRY_COMPARE(qs(form.cmdStop->Caption()), QStringLiteral("Weiter"));
}

void tst_RundaliFigures::keysReadEachFigure_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<bool>("whileDrawing");
    QTest::newRow("hue circle") << 0 << false;
    QTest::newRow("saturation disc") << 1 << false;
    QTest::newRow("saturation disc, while it is drawn") << 1 << true;
    QTest::newRow("colour cylinder") << 2 << false;
}

// Keyboard only: a figure started, then Tab onto the figure after the designed controls
// and the arrow keys: each step shows the readout the pointer shows at the probe's
// pixel, also between two rings of a figure being drawn; at rest a reader is told it.
void tst_RundaliFigures::keysReadEachFigure()
{
    QFETCH(int, figure);
    QFETCH(bool, whileDrawing);
    frmRundali &form = shownWindow();
    QVERIFY(QTest::qWaitForWindowExposed(formstest::widget(&form)));
    forms::ProbeArea *area = probeAreaOf(form);
    QVERIFY(area && !formstest::widget(area)->isVisible());
    QCOMPARE(formstest::widget(form.cmdInfo)->nextInFocusChain(), formstest::widget(area));
    const formstest::Speech speech;
    // Along the right rim and back inside it, from the middle.
    const QList<QKeySequence> keys{Qt::Key_End,   Qt::SHIFT | Qt::Key_Left,  Qt::SHIFT | Qt::Key_Left,
                                   Qt::SHIFT | Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Right,
                                   Qt::SHIFT | Qt::Key_Right, Qt::Key_Down};
    const auto readout = [&form] {
        return QStringList{qs(form.Text1->Text()), qs(form.Text2->Text()), qs(form.Text3->Text())};
    };
    const auto pointed = [&form] {
        const QPointF at = formstest::centreOf(&form, form.probePixel());
        const forms::Colour c = form.Point(at.x(), at.y());
        return QStringList{QString::number(forms::Red(c)), QString::number(forms::Green(c)),
                           QString::number(forms::Blue(c))};
    };
    QStringList shown;
    qsizetype stepped = 0;
    const auto stepOnce = [&] {
        formstest::typeKeys(&form, {keys.at(stepped++)});
        shown = readout();
        QCOMPARE(shown, pointed());
    };
    forms::CommandButton *start = std::array{form.Start1, form.Start2, form.start3}[figure];
    if (whileDrawing) {
        // Two rings into the disc, the keyboard user goes on to the figure and explores it.
        int rings = 0;
        YieldScript script([&] {
            if (form.currentFigure != Figure::SaturationDisc || ++rings < 2)
                return;
            if (rings == 2)
                QVERIFY(formstest::tabTo(area));
            else if (stepped < keys.size())
                stepOnce();
        });
        formstest::pressKey(start, Qt::Key_Space);
        QCOMPARE(stepped, keys.size());
        QVERIFY(form.pointIndex == colourrules::LastPoint + 1);
        QTRY_VERIFY(speech.said().contains(QStringLiteral("Sättigungsscheibe fertig gezeichnet")));
    } else {
        formstest::pressKey(start, Qt::Key_Space);
        QVERIFY(formstest::tabTo(area));
        QCOMPARE(formstest::focusWidget(&form), formstest::widget(area));
        while (stepped < keys.size()) {
            stepOnce();
            const QPointF at = formstest::centreOf(&form, form.probePixel());
            form.Text1->setText(std::string());
            formstest::pointTo(&form, at.x(), at.y());
            QTRY_COMPARE(readout(), shown);
        }
    }
    const QString sentence = QStringLiteral("Rot %1, Grün %2, Blau %3").arg(shown.at(0), shown.at(1), shown.at(2));
    QTRY_VERIFY2(speech.said().contains(sentence), qPrintable(speech.said().join(QLatin1Char('|'))));
}

void tst_RundaliFigures::haltToggle()
{
    frmRundali &form = shownWindow();
    QCOMPARE(qs(form.cmdStop->Caption()), QStringLiteral("Halt"));
    const QStringList captions = {"Weiter", "Halt", "Weiter"};
    for (int i = 0; i < 3; ++i) {
        click(form.cmdStop);
        QCOMPARE(form.haltFlag, i % 2 == 0 ? 1 : 0);
        QCOMPARE(qs(form.cmdStop->Caption()), captions.at(i));
        QCOMPARE(formstest::accessibleText(form.cmdStop, QAccessible::Name), captions.at(i));
    }
}

void tst_RundaliFigures::infoToggle()
{
    frmRundali &form = shownWindow();
    click(form.Start1);
    const forms::PixelBuffer circle = form.image().copy();

    click(form.cmdInfo);
    auto *info = forms::FormRegistry::find<frmInfoRundali>();
    QVERIFY(info);
    QVERIFY(info->IsLoaded());
    QVERIFY(formstest::widget(info)->isVisible());
    QCOMPARE(qs(form.cmdInfo->Caption()), QStringLiteral("Info Off"));
    QVERIFY(form.image() == circle);

    click(form.cmdInfo);
    QVERIFY(!forms::FormRegistry::find<frmInfoRundali>());
    QCOMPARE(qs(form.cmdInfo->Caption()), QStringLiteral("Info On"));
    QVERIFY(form.IsLoaded());
    QVERIFY(!forms::FormRegistry::programEnded());

    // Closed through its own frame: the caption stays until the next click.
    click(form.cmdInfo);
    formstest::widget(forms::FormRegistry::find<frmInfoRundali>())->close();
    QCOMPARE(qs(form.cmdInfo->Caption()), QStringLiteral("Info Off"));
    click(form.cmdInfo);
    QCOMPARE(qs(form.cmdInfo->Caption()), QStringLiteral("Info On"));

    // Escape in the info window closes it as the button does, redraw included.
    click(form.cmdInfo);
    form.Cls();
    QTest::keyClick(formstest::widget(forms::FormRegistry::find<frmInfoRundali>())->windowHandle(), Qt::Key_Escape);
    QVERIFY(!forms::FormRegistry::find<frmInfoRundali>());
    QCOMPARE(qs(form.cmdInfo->Caption()), QStringLiteral("Info On"));
    QVERIFY(form.image() == circle);
}

void tst_RundaliFigures::escapeKeepsTheMainWindow_data()
{
    QTest::addColumn<bool>("drawn");
    QTest::newRow("before a figure") << false;
    QTest::newRow("after the hue circle") << true;
}

void tst_RundaliFigures::escapeKeepsTheMainWindow()
{
    QFETCH(bool, drawn);
    frmRundali &form = shownWindow();
    QVERIFY(QTest::qWaitForWindowExposed(formstest::widget(&form)));
    if (drawn)
        click(form.Start1);
    // The window goes exactly when the form does.
    const QPointer<QWidget> main = formstest::widget(&form);
    const forms::PixelBuffer shown = form.image();

    QTest::keyClick(main->windowHandle(), Qt::Key_Escape);
    QCoreApplication::processEvents();

    QVERIFY(main && form.IsLoaded() && main->isVisible());
    QVERIFY(!forms::FormRegistry::programEnded());
    QVERIFY(form.image() == shown);
}

void tst_RundaliFigures::redrawWithoutFigure()
{
    frmRundali &form = shownWindow();
    click(form.cmdInfo);
    click(form.cmdInfo);
    QCOMPARE(form.currentFigure, Figure::None);
    QVERIFY(form.image() == clearedImage(form, Background));
}

void tst_RundaliFigures::redrawHueCircle()
{
    frmRundali &form = shownWindow();
    click(form.Start1);
    form.Cls();
    form.setDrawWidth(30);
    form.Line(-1100, -1100, 1100, 1100, RGB(255, 255, 255));
    const forms::PixelBuffer covered = form.image().copy();

    // The redraw paints over what the window shows with the dots as wide as they are now.
    form.setDrawWidth(3);
    click(form.cmdInfo);
    click(form.cmdInfo);

    DotReplay replay(form);
    replay.add(hueCircleDots(), 3);
    QCOMPARE(qs(imageDifference(form.image(), replay.paintedOver(covered))), QString());
    QCOMPARE(form.DrawWidth(), 3);
    QCOMPARE(form.currentFigure, Figure::HueCircle);
}

void tst_RundaliFigures::redrawSaturationDisc()
{
    frmRundali &form = shownWindow();
    click(form.Start2);
    form.Cls();
    // The redraw leaves the halt button's caption as it finds it.
    form.cmdStop->setCaption("Weiter");
    form.setDrawWidth(4);
    click(form.cmdInfo);
    click(form.cmdInfo);

    DotReplay replay(form);
    replay.add(saturationDiscDots(), 4);
    QCOMPARE(qs(imageDifference(form.image(), replay.paintedOver(clearedImage(form, Background)))), QString());
    QCOMPARE(qs(form.cmdStop->Caption()), QStringLiteral("Weiter"));
    QCOMPARE(form.DrawWidth(), 4);
    QCOMPARE(form.currentFigure, Figure::SaturationDisc);
    QCOMPARE(form.radius, 0.0f);
}

void tst_RundaliFigures::redrawColourCylinder()
{
    frmRundali &form = shownWindow();
    click(form.start3);
    form.Cls();
    form.PSet(-1150, 1150, RGB(255, 255, 255));
    const forms::PixelBuffer marked = form.image().copy();
    form.setDrawWidth(4);
    click(form.cmdInfo);
    click(form.cmdInfo);

    // Not cleared first, and the dots keep the window's width.
    DotReplay replay(form);
    replay.add(cylinderSliceDots(colourrules::SliceBrightnesses().back()), 4);
    QCOMPARE(qs(imageDifference(form.image(), replay.paintedOver(marked))), QString());
    QCOMPARE(form.DrawWidth(), 4);
    QCOMPARE(form.currentFigure, Figure::ColourCylinder);
    QCOMPARE(static_cast<double>(form.brightness), -7.450580596923828e-8);
}

QTEST_MAIN(tst_RundaliFigures)
#include "tst_rundalifigures.moc"

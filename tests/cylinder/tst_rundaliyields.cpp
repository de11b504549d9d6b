// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dotreplay.h"
#include "frminforundali.h"
#include "frmrundali.h"
#include "formstest.h"
#include "rundalitest.h"
#include "yieldscript.h"

#include "commandbutton.h"
#include "formregistry.h"
#include "handlerscope.h"
#include "textbox.h"

#include <QProcess>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <cmath>

using colourrules::Figure;
using formstest::click;
using formstest::qs;
using forms::RGB;
using rundalitest::Background;
using rundalitest::shownWindow;

namespace {

// Passes a halted figure waits before the test resumes it.
constexpr int HaltedPasses = 5;

// Where a figure stands when it yields: the slice's brightness (0 for the disc, which
// leaves it alone) and the radius of the ring just drawn, or 0 after a slice.
struct Pass
{
    float brightness = 0;
    float radius = 0;
    friend bool operator==(const Pass &, const Pass &) = default;
};

char *toString(const Pass &pass)
{
    return QTest::toString(QStringLiteral("(brightness %1, radius %2)").arg(pass.brightness).arg(pass.radius));
}

// Empty when the passes are the same, else where they part.
QString passesDiffer(const std::vector<Pass> &actual, const std::vector<Pass> &expected)
{
    const auto describe = [](const std::vector<Pass> &passes, std::size_t i) {
        return i < passes.size() ? QString::fromLatin1(toString(passes[i])) : QStringLiteral("nothing");
    };
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i)
        if (i >= actual.size() || i >= expected.size() || !(actual[i] == expected[i]))
            return QStringLiteral("pass %1 of %2: %3 instead of %4")
                .arg(i)
                .arg(actual.size())
                .arg(describe(actual, i), describe(expected, i));
    return {};
}

Pass passOf(const frmRundali &form)
{
    return {form.brightness, form.radius};
}

// The yields of a figure left alone, one per ring and, for the cylinder, one after
// each slice.
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

// The dots of a figure up to and including the ring of a pass.
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
    return replay.paintedOver(clearedImage(form, Background));
}

forms::CommandButton *startButton(frmRundali &form, Figure figure)
{
    return figure == Figure::SaturationDisc ? form.Start2 : form.start3;
}

} // namespace

Q_DECLARE_METATYPE(Figure)
Q_DECLARE_METATYPE(Pass)

class tst_RundaliYields : public rundalitest::RundaliTest
{
    Q_OBJECT

private slots:
    void everyRingYieldsOnce_data();
    void everyRingYieldsOnce();
    void haltAndResume_data();
    void haltAndResume();
    void start1WhileDiscHalted();
    void start2InsideCylinder();
    void cylinderInsideDiscEndsIt();
    void redrawReadsFigureAfresh();
    void endWhileDrawing_data();
    void endWhileDrawing();
    void programEndsWhenInfoWindowGoesToo();
    void programExitsWithStatusZero_data();
    void programExitsWithStatusZero();
};

void tst_RundaliYields::everyRingYieldsOnce_data()
{
    QTest::addColumn<Figure>("figure");
    QTest::newRow("disc") << Figure::SaturationDisc;
    QTest::newRow("cylinder") << Figure::ColourCylinder;
}

void tst_RundaliYields::everyRingYieldsOnce()
{
    QFETCH(Figure, figure);
    frmRundali &form = shownWindow();
    std::vector<Pass> seen;
    YieldScript script([&] { seen.push_back(passOf(form)); });
    click(startButton(form, figure));
    QCOMPARE(passesDiffer(seen, everyYield(figure)), QString());
}

void tst_RundaliYields::haltAndResume_data()
{
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<bool>("flagAlreadySet");
    QTest::addColumn<Pass>("clickAt");
    QTest::addColumn<Pass>("haltAt");
    QTest::addColumn<int>("key"); // 0: the buttons are clicked

    const std::vector<float> slices = colourrules::SliceBrightnesses();
    QTest::newRow("disc, halted after ring 900") << Figure::SaturationDisc << false << Pass{0, 900} << Pass{0, 900} << 0;
    QTest::newRow("disc, flag already set") << Figure::SaturationDisc << true << Pass{} << Pass{0, 1000} << 0;
    QTest::newRow("cylinder, halted in slice 2") << Figure::ColourCylinder << false << Pass{slices[1], 500}
                                                 << Pass{slices[1], 500} << 0;
    QTest::newRow("cylinder, flag already set") << Figure::ColourCylinder << true << Pass{} << Pass{slices[0], 1000} << 0;
    // The yield between slices does not look at the flag.
    QTest::newRow("cylinder, halt between slices") << Figure::ColourCylinder << false << Pass{slices[0], 0}
                                                   << Pass{slices[1], 1000} << 0;
    QTest::newRow("disc, by Space") << Figure::SaturationDisc << false << Pass{0, 900} << Pass{0, 900} << int(Qt::Key_Space);
    QTest::newRow("cylinder, by Return") << Figure::ColourCylinder << false << Pass{slices[1], 500}
                                         << Pass{slices[1], 500} << int(Qt::Key_Return);
}

void tst_RundaliYields::haltAndResume()
{
    QFETCH(Figure, figure);
    QFETCH(bool, flagAlreadySet);
    QFETCH(Pass, clickAt);
    QFETCH(Pass, haltAt);
    QFETCH(int, key);
    const auto press = [key](forms::CommandButton *button) {
        key ? formstest::pressKey(button, Qt::Key(key)) : click(button);
    };

    frmRundali &form = shownWindow();
    QVERIFY(QTest::qWaitForWindowExposed(formstest::widget(&form)));
    if (flagAlreadySet)
        press(form.cmdStop);

    bool clicked = flagAlreadySet;
    int passesAtHalt = 0;
    std::vector<Pass> seen;
    QString captionWhileHalted;
    forms::PixelBuffer whileHalted;
    forms::Colour pointed = -1;
    QStringList readout;
    QString described;
    const QPointF rimBlue = ringPoint(colourrules::Rim, 125);
    YieldScript script([&] {
        // Keys pressed outside the figure let the event loop pass too.
        if (!forms::HandlerScope::anyRunning())
            return;
        seen.push_back(passOf(form));
        if (!clicked && passOf(form) == clickAt) {
            press(form.cmdStop);
            clicked = true;
        }
        if (!clicked || passOf(form) != haltAt || form.haltFlag != 1)
            return;
        ++passesAtHalt;
        if (passesAtHalt == 2) {
            pointed = form.Point(rimBlue.x(), rimBlue.y());
            formstest::pointTo(&form, rimBlue.x(), rimBlue.y());
        } else if (passesAtHalt == 3) {
            readout = {qs(form.Text1->Text()), qs(form.Text2->Text()), qs(form.Text3->Text())};
            described = formstest::accessibleText(&form, QAccessible::Description);
        } else if (passesAtHalt == 1 + HaltedPasses) {
            captionWhileHalted = qs(form.cmdStop->Caption());
            whileHalted = form.image().copy();
            press(form.cmdStop);
        }
    });
    press(startButton(form, figure));

    // Halted right after the ring, resumed with the next: the halt's pass repeated,
    // nothing else.
    std::vector<Pass> expected = everyYield(figure);
    const auto halt = std::find(expected.begin(), expected.end(), haltAt);
    QVERIFY(halt != expected.end());
    expected.insert(halt, HaltedPasses, haltAt);
    QCOMPARE(passesDiffer(seen, expected), QString());
    QCOMPARE(captionWhileHalted, QStringLiteral("Weiter"));
    // Told to a screen reader as soon as the figure starts.
    QVERIFY2(described.startsWith(figure == Figure::SaturationDisc ? "Sättigungsscheibe" : "Farbzylinder"), qPrintable(described));

    DotReplay partial(form);
    addFigureUpTo(partial, figure, haltAt);
    QCOMPARE(imageDifference(whileHalted, partial.paintedOver(clearedImage(form, Background))), QString());

    // The readout answers the pointer while the figure waits.
    QVERIFY(pointed != Background && pointed != -1);
    QCOMPARE(readout, (QStringList{QString::number(forms::Red(pointed)), QString::number(forms::Green(pointed)),
                                   QString::number(forms::Blue(pointed))}));

    QCOMPARE(imageDifference(form.image(), wholeFigure(form, figure)), QString());
    QCOMPARE(form.haltFlag, 0);
    QCOMPARE(qs(form.cmdStop->Caption()), QStringLiteral("Halt"));
}

void tst_RundaliYields::start1WhileDiscHalted()
{
    frmRundali &form = shownWindow();
    int passesAtHalt = 0;
    std::vector<Pass> seen;
    forms::PixelBuffer afterCircle;
    std::tuple<Figure, float, int, int, int, QString> stateAfterCircle;
    YieldScript script([&] {
        seen.push_back(passOf(form));
        if (form.radius == 900 && form.haltFlag == 0 && passesAtHalt == 0)
            click(form.cmdStop);
        if (form.haltFlag != 1)
            return;
        ++passesAtHalt;
        if (passesAtHalt == 2) {
            click(form.Start1);
            afterCircle = form.image().copy();
            stateAfterCircle = {form.currentFigure, form.radius,  form.pointIndex,
                                form.DrawWidth(),   form.haltFlag, qs(form.cmdStop->Caption())};
        } else if (passesAtHalt == 4) {
            click(form.cmdStop);
        }
    });
    click(form.Start2);

    // The circle is drawn whole at once; the flag and caption stay as they were.
    QCOMPARE(stateAfterCircle, std::make_tuple(Figure::HueCircle, 0.0f, 500, 10, 1, QStringLiteral("Weiter")));
    DotReplay replay(form);
    replay.add(saturationDiscDots(900), 10);
    replay.add(hueCircleDots(), 10);
    QCOMPARE(imageDifference(afterCircle, replay.paintedOver(clearedImage(form, Background))), QString());

    // Resumed, the disc finds its radius at 0 and ends without another ring.
    QVERIFY(form.image() == afterCircle);
    QCOMPARE(seen.back().radius, 0.0f);
    QCOMPARE(std::count_if(seen.begin(), seen.end(), [](const Pass &pass) { return pass.radius < 900; }), 2);
    QCOMPARE(form.radius, -5.0f);
    QCOMPARE(qs(form.cmdStop->Caption()), QStringLiteral("Halt"));
    QCOMPARE(form.currentFigure, Figure::HueCircle);
}

void tst_RundaliYields::start2InsideCylinder()
{
    const std::vector<float> slices = colourrules::SliceBrightnesses();
    frmRundali &form = shownWindow();
    std::vector<Pass> seen;
    std::tuple<Figure, int, float> stateAfterDisc;
    YieldScript script([&] {
        seen.push_back(passOf(form));
        if (passOf(form) == Pass{slices[1], 500}) {
            click(form.Start2);
            stateAfterDisc = {form.currentFigure, form.DrawWidth(), form.radius};
        }
    });
    click(form.start3);
    QCOMPARE(stateAfterDisc, std::make_tuple(Figure::SaturationDisc, 10, 0.0f));

    // The slice ends at once; the slices left start from the rim with the disc's dots.
    const auto resumed = std::find(seen.begin(), seen.end(), Pass{slices[1], 500}) + 1;
    QCOMPARE(*resumed, (Pass{slices[1], -10}));
    QCOMPARE(*(resumed + 1), (Pass{slices[2], 1000}));
    QCOMPARE(seen.size(), std::size_t(101 + 51 + 1 + 8 * 101));

    DotReplay replay(form);
    replay.add(cylinderSliceDots(slices[0]), 20);
    replay.add(cylinderSliceDots(slices[1], 500), 20);
    replay.add(saturationDiscDots(), 10);
    for (std::size_t slice = 2; slice < slices.size(); ++slice)
        replay.add(cylinderSliceDots(slices[slice]), 10);
    QCOMPARE(imageDifference(form.image(), replay.paintedOver(clearedImage(form, Background))), QString());
    QCOMPARE(form.DrawWidth(), 10);
    QCOMPARE(form.currentFigure, Figure::SaturationDisc);
    QCOMPARE(static_cast<double>(form.brightness), -7.450580596923828e-8);
}

void tst_RundaliYields::cylinderInsideDiscEndsIt()
{
    frmRundali &form = shownWindow();
    std::vector<Pass> seen;
    YieldScript script([&] {
        seen.push_back(passOf(form));
        if (form.radius == 900 && form.currentFigure == Figure::SaturationDisc)
            click(form.start3);
    });
    click(form.Start2);

    QCOMPARE(seen.size(), std::size_t(21));
    QCOMPARE(imageDifference(form.image(), wholeFigure(form, Figure::ColourCylinder)), QString());
    QCOMPARE(qs(form.cmdStop->Caption()), QStringLiteral("Halt"));
    QCOMPARE(form.currentFigure, Figure::ColourCylinder);
    QCOMPARE(form.DrawWidth(), 20);
    QCOMPARE(form.radius, -5.0f);
}

void tst_RundaliYields::redrawReadsFigureAfresh()
{
    frmRundali &form = shownWindow();
    click(form.Start2);
    click(form.cmdInfo);

    // A cylinder started inside the disc's redraw ends that redraw; the redraw's next
    // test then finds the cylinder and draws it once more, over it and unclear.
    std::vector<Pass> seen;
    YieldScript script([&] {
        seen.push_back(passOf(form));
        if (form.radius == 900 && form.currentFigure == Figure::SaturationDisc)
            click(form.start3);
    });
    click(form.cmdInfo);

    std::vector<Pass> expected = everyYield(Figure::SaturationDisc);
    expected.resize(21);
    const std::vector<Pass> cylinder = everyYield(Figure::ColourCylinder);
    expected.insert(expected.end(), cylinder.begin(), cylinder.end());
    QCOMPARE(passesDiffer(seen, expected), QString());
    QCOMPARE(form.currentFigure, Figure::ColourCylinder);
    QCOMPARE(imageDifference(form.image(), wholeFigure(form, Figure::ColourCylinder)), QString());
}

void tst_RundaliYields::endWhileDrawing_data()
{
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<bool>("redraw");
    QTest::addColumn<bool>("halted");
    QTest::addColumn<bool>("closeButton");
    QTest::addColumn<int>("endAtPass");
    QTest::addColumn<int>("key"); // 0: Ende is clicked

    QTest::newRow("Ende while the disc draws") << Figure::SaturationDisc << false << false << false << 3 << 0;
    QTest::newRow("Ende while the disc is halted") << Figure::SaturationDisc << false << true << false << 3 << 0;
    QTest::newRow("close button while the cylinder draws") << Figure::ColourCylinder << false << false << true << 3 << 0;
    QTest::newRow("close button while the cylinder is halted") << Figure::ColourCylinder << false << true << true << 3 << 0;
    QTest::newRow("Ende between two slices") << Figure::ColourCylinder << false << false << false << 101 << 0;
    QTest::newRow("Ende while the disc is redrawn") << Figure::SaturationDisc << true << false << false << 3 << 0;
    QTest::newRow("close button while the cylinder is redrawn, halted")
        << Figure::ColourCylinder << true << true << true << 3 << 0;
    QTest::newRow("Ende by keypad Enter while the disc is halted") << Figure::SaturationDisc << false << true << false << 3
                                                                   << int(Qt::Key_Enter);
    QTest::newRow("Ende by Space while the cylinder draws") << Figure::ColourCylinder << false << false << false << 3
                                                            << int(Qt::Key_Space);
}

void tst_RundaliYields::endWhileDrawing()
{
    QFETCH(Figure, figure);
    QFETCH(bool, redraw);
    QFETCH(bool, halted);
    QFETCH(bool, closeButton);
    QFETCH(int, endAtPass);
    QFETCH(int, key);

    frmRundali &form = shownWindow();
    if (redraw) {
        click(startButton(form, figure));
        click(form.cmdInfo);
    }
    if (halted)
        click(form.cmdStop);

    std::vector<Pass> seen;
    forms::PixelBuffer atEnd;
    bool ended = false;
    YieldScript script([&] {
        seen.push_back(passOf(form));
        if (ended || static_cast<int>(seen.size()) < endAtPass)
            return;
        ended = true;
        atEnd = form.image().copy();
        if (closeButton)
            formstest::widget(&form)->windowHandle()->close();
        else if (key)
            formstest::pressKey(form.cmdEnde, Qt::Key(key));
        else
            click(form.cmdEnde);
    });
    click(redraw ? form.cmdInfo : startButton(form, figure));

    // Every loop stopped at the yield where the window went; nothing drawn after.
    QVERIFY(forms::FormRegistry::programEnded());
    QVERIFY(!form.IsLoaded());
    QCOMPARE(static_cast<int>(seen.size()), endAtPass);
    QCOMPARE(form.radius, seen.back().radius);
    QCOMPARE(form.brightness, seen.back().brightness);
    QVERIFY(form.image() == atEnd);
    QCOMPARE(qs(form.cmdStop->Caption()), halted ? QStringLiteral("Weiter") : QStringLiteral("Halt"));
}

void tst_RundaliYields::programEndsWhenInfoWindowGoesToo()
{
    frmRundali &form = shownWindow();
    click(form.cmdInfo);
    frmInfoRundali *info = forms::FormRegistry::find<frmInfoRundali>();
    QVERIFY(info);

    std::vector<Pass> seen;
    YieldScript script([&] {
        seen.push_back(passOf(form));
        if (seen.size() == 3)
            formstest::widget(&form)->windowHandle()->close();
    });
    click(form.Start2);

    QCOMPARE(seen.size(), std::size_t(3));
    QVERIFY(!form.IsLoaded());
    QVERIFY(info->IsLoaded());
    QVERIFY(!forms::FormRegistry::programEnded());
    formstest::widget(info)->windowHandle()->close();
    QVERIFY(forms::FormRegistry::programEnded());
}

void tst_RundaliYields::programExitsWithStatusZero_data()
{
    QTest::addColumn<QString>("scenario");
    for (const char *scenario :
         {"ende-drawing", "ende-halted", "close-drawing", "close-halted", "ende-redraw", "close-main-then-info"})
        QTest::newRow(scenario) << QString::fromLatin1(scenario);
}

void tst_RundaliYields::programExitsWithStatusZero()
{
    QFETCH(QString, scenario);
    QProcess program;
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tubarinendprobe"), {scenario});
    QVERIFY(program.waitForFinished(120000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.readAllStandardOutput().trimmed(), QByteArray("ended after 3 yields, 0 more"));
    QCOMPARE(program.exitCode(), 0);
}

QTEST_MAIN(tst_RundaliYields)
#include "tst_rundaliyields.moc"

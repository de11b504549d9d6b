// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

// The figures' yields as far as Qt has a part in them: buttons pressed by keys between
// two rings, and the exit status of the real program ended under a running figure. The
// same scenarios with clicks, and the rest of the handlers' yields, are tested on the
// core alone (tst_rundalihandlers).

#include "dotreplay.h"
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

using colourrules::Figure;
using formstest::click;
using formstest::qs;
using rundalitest::Background;
using rundalitest::shownWindow;

Q_DECLARE_METATYPE(Figure)
Q_DECLARE_METATYPE(Pass)

class tst_RundaliYields : public rundalitest::RundaliTest
{
    Q_OBJECT

private slots:
    void haltAndResume_data();
    void haltAndResume();
    void endWhileDrawing_data();
    void endWhileDrawing();
    void programExitsWithStatusZero_data();
    void programExitsWithStatusZero();
};

void tst_RundaliYields::haltAndResume_data()
{
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<bool>("flagAlreadySet");
    QTest::addColumn<Pass>("clickAt");
    QTest::addColumn<Pass>("haltAt");
    QTest::addColumn<int>("key"); // 0: the buttons are clicked

    const std::vector<float> slices = colourrules::SliceBrightnesses();
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
    const QPointF rimBlue = formstest::qt(ringPoint(colourrules::Rim, 125));
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
    QCOMPARE(qs(passesDiffer(seen, expected)), QString());
    QCOMPARE(captionWhileHalted, QStringLiteral("Weiter"));
    // Told to a screen reader as soon as the figure starts.
    QVERIFY2(described.startsWith(figure == Figure::SaturationDisc ? "Sättigungsscheibe" : "Farbzylinder"), qPrintable(described));

    DotReplay partial(form);
    addFigureUpTo(partial, figure, haltAt);
    QCOMPARE(qs(imageDifference(whileHalted, partial.paintedOver(clearedImage(form, Background)))), QString());

    // The readout answers the pointer while the figure waits.
    QVERIFY(pointed != Background && pointed != -1);
    QCOMPARE(readout, (QStringList{QString::number(forms::Red(pointed)), QString::number(forms::Green(pointed)),
                                   QString::number(forms::Blue(pointed))}));

    QCOMPARE(qs(imageDifference(form.image(), wholeFigure(form, figure))), QString());
    QCOMPARE(form.haltFlag, 0);
    QCOMPARE(qs(form.cmdStop->Caption()), QStringLiteral("Halt"));
}

void tst_RundaliYields::endWhileDrawing_data()
{
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<bool>("redraw");
    QTest::addColumn<bool>("halted");
    QTest::addColumn<bool>("closeButton");
    QTest::addColumn<int>("endAtPass");
    QTest::addColumn<int>("key"); // 0: Ende is clicked

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

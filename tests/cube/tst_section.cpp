// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmtessaro.h"

#include "commandbutton.h"
#include "cubetest.h"
#include "label.h"
#include "picturebox.h"

#include <QWidget>

#include <array>

using cubetest::Rgb;
using forms::Colour;
using forms::RGB;
using formstest::qs;
using formstest::qt;
using formstest::widget;

namespace {

enum Face { Front, Left, Top };

// Four-pixel dots 1.3 pixels apart: a point reads a colour up to two steps on.
constexpr int SquareSlack = 2;
// Inside the section square, right of the placeholder text.
const QPointF Clear(230, 128);

std::function<bool(Rgb)> onFace(Face face)
{
    switch (face) {
    case Front:
        return [](Rgb c) { return c.green == 0 && c.red + c.blue > 0; };
    case Left:
        return [](Rgb c) { return c.red == 0 && c.green + c.blue > 0; };
    case Top:
        return [](Rgb c) { return c.blue == 255 && c.red + c.green < 510; };
    }
    return {};
}

} // namespace

// The section square, driven with real pointer input: a click on a cube face cuts the
// cube, and the pointer over the square shows the colour equation.
class TestSection : public cubetest::TessaroTest
{
    Q_OBJECT

private slots:
    void clickCutsCube_data()
    {
        QTest::addColumn<QPointF>("aim");
        QTest::addColumn<int>("face");
        using cubetest::pictured;
        QTest::newRow("front face, blue 64") << pictured(96, 0, 64) << int(Front);
        QTest::newRow("front face, blue 192") << pictured(200, 0, 192) << int(Front);
        QTest::newRow("left face, green 64") << pictured(0, 64, 96) << int(Left);
        QTest::newRow("left face, green 192") << pictured(0, 192, 200) << int(Left);
        QTest::newRow("top face, red 64") << pictured(64, 96, 255) << int(Top);
        QTest::newRow("top face, red 192") << pictured(192, 200, 255) << int(Top);
    }
    void clickCutsCube()
    {
        QFETCH(QPointF, aim);
        QFETCH(int, face);
        formstest::click(form->cmdStart);
        const QPoint pixel = cubetest::solidPixel(form->Picture1, aim, onFace(Face(face)));
        QVERIFY(pixel.x() >= 0);
        const Rgb pointed = cubetest::Components(cubetest::colourAt(form->Picture1, pixel));
        const QPointF at = cubetest::centreOf(form->Picture1, pixel);

        QVERIFY(cubetest::clickAt(form->Picture1, at));

        const auto x = static_cast<float>(at.x());
        const auto y = static_cast<float>(at.y());
        QCOMPARE(form->pointerX, x);
        QCOMPARE(form->pointerY, y);
        QCOMPARE(qs(form->cmdStart->Caption()), QStringLiteral("Löschen"));
        // The cut runs through the pointed colour.
        QVERIFY(cubetest::blackAtOrBeside(form->Picture1, x, y));
        if (face == Front) {
            checkCut(cubegeometry::FrontFaceCut(y));
            checkSection(Front, pointed.blue);
        } else if (face == Left) {
            checkCut(cubegeometry::LeftFaceCut(x));
            checkSection(Left, pointed.green);
        } else {
            checkCut(cubegeometry::TopFaceCut(x, y));
            checkSection(Top, pointed.red);
        }
    }

    void keysCutEachFace_data()
    {
        QTest::addColumn<QList<QKeySequence>>("keys");
        QTest::addColumn<QString>("held");
        // The probe starts amid the front face; past a face's edge it steps onto the next.
        QTest::newRow("front face") << QList<QKeySequence>{Qt::Key_Right, Qt::Key_PageDown} << "Blau";
        QTest::newRow("left face") << QList<QKeySequence>{Qt::Key_Home, Qt::Key_Left, Qt::SHIFT | Qt::Key_Left}
                                   << "Grün";
        QTest::newRow("top face") << QList<QKeySequence>(14, QKeySequence(Qt::Key_PageUp)) << "Rot";
        // Over the edge from another face, the probe lands clear of the edge line.
        QTest::newRow("top face from the left face")
            << QList<QKeySequence>{Qt::Key_Home, Qt::Key_Left} + QList<QKeySequence>(14, Qt::Key_PageUp) << "Rot";
    }
    // Keyboard only: Start, the probe walked onto a face and Return give the cut a click
    // at the probe's pixel gives, in every pixel, variable and caption.
    void keysCutEachFace()
    {
        QFETCH(QList<QKeySequence>, keys);
        QFETCH(QString, held);
        const formstest::Speech speech;
        QVERIFY(readsPlaceholder());
        formstest::pressKey(form->cmdStart, Qt::Key_Space);
        QVERIFY(formstest::tabTo(form->Picture1));
        formstest::typeKeys(form, keys);
        const QPointF at = formstest::centreOf(form->Picture1, form->Picture1->probePixel());
        formstest::typeKeys(form, {Qt::Key_Return});
        QCOMPARE(formstest::focusWidget(form), widget(form->Picture1));
        const QString cut = formstest::accessibleText(form->Picture2, QAccessible::Description);
        QVERIFY(cut.startsWith(QStringLiteral("Schnitt bei ") + held));
        // Said with the new caption; the placeholder painted over is no longer read.
        QTRY_VERIFY(speech.said().contains(QStringLiteral("Löschen. ") + cut));
        QVERIFY(!readsPlaceholder());
        const auto state = [](const frmTessaro &f) {
            return std::make_tuple(f.redValue, f.greenValue, f.blueValue, f.pointerX, f.pointerY, f.pointerColour,
                                   f.hexText, f.cmdStart->Caption());
        };
        const auto byKeys = state(*form);
        const forms::PixelBuffer cube = form->Picture1->image();
        const forms::PixelBuffer section = form->Picture2->image();

        cleanup();
        init();
        formstest::click(form->cmdStart);
        QVERIFY(cubetest::clickAt(form->Picture1, at));
        QVERIFY(state(*form) == byKeys);
        QVERIFY(form->Picture1->image() == cube);
        QVERIFY(form->Picture2->image() == section);
    }

    // Each step of the probe over the square shows the equation the pointer shows there,
    // and a screen reader is told it once the probe rests.
    void keysReadTheSquare()
    {
        cutFrontFaceAtBlue128();
        if (QTest::currentTestFailed())
            return;
        const formstest::Speech speech;
        QVERIFY(formstest::tabTo(form->Picture2));
        const QList<QKeySequence> keys{Qt::Key_Right, Qt::Key_Up, Qt::Key_PageUp, Qt::SHIFT | Qt::Key_Left,
                                       Qt::Key_End, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_Down};
        Rgb shown;
        for (const QKeySequence &key : keys) {
            const forms::Point before = form->Picture2->probePixel();
            formstest::typeKeys(form, {key});
            QVERIFY(form->Picture2->probePixel() != before);
            const QPointF at = formstest::centreOf(form->Picture2, form->Picture2->probePixel());
            const Colour colour = form->Picture2->Point(at.x(), at.y());
            shown = cubetest::Components(colour);
            compareSquares({RGB(shown.red, 0, 0), RGB(0, shown.green, 0), RGB(0, 0, shown.blue), colour});
            form->Picture3->setBackColor(RGB(1, 2, 3));
            QVERIFY(cubetest::pointAt(form->Picture2, at));
            compareSquares({RGB(shown.red, 0, 0), RGB(0, shown.green, 0), RGB(0, 0, shown.blue), colour});
        }
        const QString sentence = QStringLiteral("Rotanteil %1, Grünanteil %2, Blauanteil %3, Mischfarbe %1, %2, %3")
                                     .arg(shown.red).arg(shown.green).arg(shown.blue);
        QTRY_VERIFY2(speech.said().contains(sentence), qPrintable(speech.said().join(QLatin1Char('|'))));
        QCOMPARE(speech.said().count(sentence), 1);
    }

    void blackClickCutsAtBlueZero()
    {
        formstest::click(form->cmdStart);
        // On the red axis.
        const QPointF axis = cubetest::halfway(cubegeometry::RedAxis.from, cubegeometry::RedAxis.to);
        const QPoint pixel =
            cubetest::solidPixel(form->Picture1, axis, [](Rgb c) { return c.red + c.green + c.blue == 0; });
        QVERIFY(pixel.x() >= 0);
        QVERIFY(cubetest::clickAt(form->Picture1, cubetest::centreOf(form->Picture1, pixel)));
        checkCut(cubegeometry::FrontFaceCut(form->pointerY));
        checkSection(Front, 0);
    }

    void backgroundClickOnlySetsCaption()
    {
        formstest::click(form->cmdStart);
        const forms::PixelBuffer cube = form->Picture1->image();
        const forms::PixelBuffer section = form->Picture2->image();
        QCOMPARE(form->Picture1->Point(620, 500), RGB(192, 192, 192));

        QVERIFY(cubetest::clickAt(form->Picture1, QPointF(620, 500)));

        QCOMPARE(qs(form->cmdStart->Caption()), QStringLiteral("Löschen"));
        QVERIFY(form->Picture1->image() == cube);
        QVERIFY(form->Picture2->image() == section);
    }

    void greenZeroAndBlueFullCutTwice()
    {
        formstest::click(form->cmdStart);
        // The front upper edge covers the only row of such colours on the cube, so a
        // patch is painted on the front face.
        form->Picture1->setDrawWidth(5);
        const QPointF patch = cubetest::pictured(64, 0, 200);
        form->Picture1->PSet(patch.x(), patch.y(), RGB(96, 0, 255));
        form->Picture1->setDrawWidth(1);
        const QPointF at = cubetest::centreOf(form->Picture1, formstest::pixelOf(form->Picture1, patch.x(), patch.y()));

        QVERIFY(cubetest::clickAt(form->Picture1, at));

        const auto x = static_cast<float>(at.x());
        const auto y = static_cast<float>(at.y());
        checkCut(cubegeometry::FrontFaceCut(y));
        checkCut(cubegeometry::TopFaceCut(x, y));
        checkSection(Top, 96);
    }

    void secondClickWithoutMovementCutsNothing()
    {
        formstest::click(form->cmdStart);
        const QPoint pixel = cubetest::solidPixel(form->Picture1, cubetest::pictured(96, 0, 64), onFace(Front));
        QVERIFY(pixel.x() >= 0);
        QVERIFY(cubetest::clickAt(form->Picture1, cubetest::centreOf(form->Picture1, pixel)));
        const forms::PixelBuffer cube = form->Picture1->image();
        // Blackened, so that a second cut of the same plane would show.
        form->Picture2->setBackColor(0);
        const formstest::SignalSpy moves(form->Picture1->MouseMove);
        const formstest::SignalSpy clicks(form->Picture1->Click);

        const QPointF at = cubetest::centreOf(form->Picture1, pixel);
        formstest::pressAndRelease(form->Picture1, at.x(), at.y());

        QTRY_COMPARE(clicks.count(), 1);
        QCOMPARE(moves.count(), 0);
        QVERIFY(form->Picture1->image() == cube);
        QVERIFY(!cubetest::anyPixelOtherThan(form->Picture2, QRect(0, 0, 40, 40), 0));
    }

    void tapCutsWhereTapped_data()
    {
        QTest::addColumn<bool>("touch");
        QTest::newRow("finger") << true;
        QTest::newRow("press without a move") << false;
    }
    // While the pointer rests on the left face: the cut follows the tap, and a finger
    // dragged over the square shows the equation of the pixel under it.
    void tapCutsWhereTapped()
    {
        QFETCH(bool, touch);
        formstest::click(form->cmdStart);
        QVERIFY(cubetest::pointAt(form->Picture1, QPointF(168, 176)));
        const QPoint tapped = cubetest::solidPixel(form->Picture1, QPointF(344, 96), onFace(Front));
        QVERIFY(tapped.x() >= 0);
        const QPointF at = formstest::touchedPoint(form->Picture1, tapped);
        const int plane = cubetest::Components(form->Picture1->Point(at.x(), at.y())).blue;
        auto finger = QTest::touchEvent(widget(form), formstest::touchScreen(), false);
        if (touch) {
            finger.press(0, tapped, widget(form->Picture1)).commit();
            finger.release(0, tapped, widget(form->Picture1)).commit();
        } else
            formstest::pressAndRelease(form->Picture1, at.x(), at.y());
        QTRY_COMPARE(form->pointerY, static_cast<float>(at.y()));
        checkSection(Front, plane);

        for (const QPointF user : {Clear, QPointF(200, 40), QPointF(240, 160)}) {
            const QPoint logical = formstest::pixelOf(form->Picture2, user.x(), user.y());
            const QPointF under = formstest::touchedPoint(form->Picture2, logical);
            const Rgb shown = cubetest::Components(form->Picture2->Point(under.x(), under.y()));
            (user == Clear ? finger.press(0, logical, widget(form->Picture2))
                           : finger.move(0, logical, widget(form->Picture2)))
                .commit();
            QTRY_COMPARE(form->Picture5->BackColor(), RGB(0, shown.green, 0));
            compareSquares({RGB(shown.red, 0, 0), RGB(0, shown.green, 0), RGB(0, 0, shown.blue),
                            RGB(shown.red, shown.green, shown.blue)});
        }
        finger.release(0, QPoint(), widget(form->Picture2)).commit();
    }

    void labelsKeepPointer_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("Label1 r") << 0;
        QTest::newRow("Label2 b") << 1;
        QTest::newRow("Label3 g") << 2;
        QTest::newRow("Label10 O") << 3;
        QTest::newRow("Label9 placeholder") << 4;
        QTest::newRow("Label9 painted over") << 5;
    }
    void labelsKeepPointer()
    {
        QFETCH(int, index);
        if (index == 5)
            cutFrontFaceAtBlue128();
        if (QTest::currentTestFailed())
            return;
        const std::array<forms::Label *, 6> labels{form->Label1, form->Label2, form->Label3,
                                                   form->Label10, form->Label9, form->Label9};
        forms::DrawingSurface *surface = index < 4 ? form->Picture1 : form->Picture2;
        const QRect box = qt(labels[index]->pixelRect());
        const formstest::SignalSpy moves(surface->MouseMove);
        const formstest::SignalSpy clicks(surface->Click);

        for (const QPoint pixel : {box.center(), box.topLeft(), box.bottomRight()}) {
            const QPointF at = cubetest::centreOf(surface, pixel);
            formstest::clickAt(surface, at.x(), at.y());
        }
        // Beside the label the surface has the pointer again; this move comes last.
        const QPoint beside = box.bottomRight() + QPoint(2, 2);
        formstest::pointTo(surface, cubetest::centreOf(surface, beside).x(), cubetest::centreOf(surface, beside).y());
        QTRY_COMPARE(moves.count(), 1);
        QCOMPARE(clicks.count(), 0);
        if (index < 4)
            QCOMPARE(qs(form->cmdStart->Caption()), QStringLiteral("Start"));
        else
            QCOMPARE(form->Picture3->BackColor(), cubetest::colourAt(form->Picture2, beside));
    }

    void pointedColourSplitsPadded_data()
    {
        QTest::addColumn<Colour>("colour");
        QTest::addColumn<QString>("hexText");
        QTest::addColumn<QPointF>("place");
        const QPointF grey(620, 500);
        QTest::newRow("pure red") << RGB(255, 0, 0) << QStringLiteral("0000FF") << grey;
        QTest::newRow("pure green") << RGB(0, 255, 0) << QStringLiteral("00FF00") << grey;
        QTest::newRow("blue 1") << RGB(0, 0, 1) << QStringLiteral("010000") << grey;
        QTest::newRow("black") << RGB(0, 0, 0) << QStringLiteral("000000") << grey;
        QTest::newRow("mixed") << RGB(0x12, 0x34, 0x56) << QStringLiteral("563412") << grey;
        QTest::newRow("last row and column") << RGB(0x12, 0x34, 0x56) << QStringLiteral("563412") << QPointF(640, -60);
    }
    void pointedColourSplitsPadded()
    {
        QFETCH(Colour, colour);
        QFETCH(QString, hexText);
        QFETCH(QPointF, place);
        // A patch on the grey round the cube.
        form->Picture1->setDrawWidth(5);
        form->Picture1->PSet(place.x(), place.y(), colour);

        QVERIFY(cubetest::pointAt(form->Picture1, place));

        const Rgb expected = cubetest::Components(colour);
        QCOMPARE(form->pointerColour, colour);
        QCOMPARE(qs(form->hexText), hexText);
        QCOMPARE(qs(form->blueHex + form->greenHex + form->redHex), hexText);
        QCOMPARE(form->redValue, float(expected.red));
        QCOMPARE(form->greenValue, float(expected.green));
        QCOMPARE(form->blueValue, float(expected.blue));
    }

    void squaresShowParts_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<Colour>("painted");
        QTest::newRow("last row and column") << QPointF(255, 0) << -1;
        // A pixel under the corner: QTest would take the corner, 0, 0, for the centre.
        QTest::newRow("top left, under the corner") << QPointF(0.4, 254.2) << -1;
        QTest::newRow("bottom left") << QPointF(20, 40) << -1;
        QTest::newRow("right middle") << Clear << -1;
        // The green 1 dots cover the green 0 row at this size; these are painted on.
        QTest::newRow("painted (255, 0, 128)") << QPointF(240, 20) << RGB(255, 0, 128);
        QTest::newRow("painted pure red, padded") << QPointF(240, 20) << RGB(255, 0, 0);
    }
    void squaresShowParts()
    {
        QFETCH(QPointF, at);
        QFETCH(Colour, painted);
        cutFrontFaceAtBlue128();
        if (QTest::currentTestFailed())
            return;
        if (painted >= 0) {
            form->Picture2->setDrawWidth(5);
            form->Picture2->PSet(at.x(), at.y(), painted);
        }
        const QPointF centre =
            formstest::centreOf(form->Picture2, formstest::devicePixelOf(form->Picture2, at.x(), at.y()));
        const Colour colour = form->Picture2->Point(centre.x(), centre.y());
        const Rgb shown = cubetest::Components(colour);
        const Colour plane = RGB(shown.red, shown.green, 128);
        QCOMPARE(formstest::describe(colour), formstest::describe(painted >= 0 ? painted : plane));

        QVERIFY(cubetest::pointAt(form->Picture2, centre));

        QCOMPARE(form->pointerColour, colour);
        QCOMPARE(qs(form->hexText).size(), 6);
        compareSquares({RGB(shown.red, 0, 0), RGB(0, shown.green, 0), RGB(0, 0, shown.blue), colour});
    }

    void squaresBlackBeforeAnyCut_data()
    {
        QTest::addColumn<bool>("drawn");
        QTest::newRow("before the cube is drawn") << false;
        QTest::newRow("after the cube is drawn") << true;
    }
    void squaresBlackBeforeAnyCut()
    {
        QFETCH(bool, drawn);
        if (drawn)
            formstest::click(form->cmdStart);
        QVERIFY(cubetest::pointAt(form->Picture2, Clear));
        compareSquares({0, 0, 0, 0});
        QCOMPARE(formstest::accessibleText(form->Picture2, QAccessible::Description),
                 QStringLiteral("Noch kein Schnitt"));
    }

    void pointerPositionOverCubeSurvives()
    {
        formstest::click(form->cmdStart);
        QVERIFY(cubetest::pointAt(form->Picture1, cubetest::pictured(127.5f, 0, 127.5f)));
        const float x = form->pointerX;
        const float y = form->pointerY;
        form->Picture2->setBackColor(RGB(1, 2, 3));

        QVERIFY(cubetest::pointAt(form->Picture2, Clear));

        QCOMPARE(form->pointerColour, RGB(1, 2, 3));
        QCOMPARE(form->pointerX, x);
        QCOMPARE(form->pointerY, y);
    }

private:
    void cutFrontFaceAtBlue128()
    {
        formstest::click(form->cmdStart);
        const QPoint pixel = cubetest::solidPixel(
            form->Picture1, cubetest::pictured(128, 0, 128), [](Rgb c) { return c.green == 0 && c.red > 0; },
            [](Rgb c) { return c.blue == 128; });
        QVERIFY(pixel.x() >= 0);
        QVERIFY(cubetest::clickAt(form->Picture1, cubetest::centreOf(form->Picture1, pixel)));
        QCOMPARE(form->blueValue, 128.f);
    }

    bool readsPlaceholder() const
    {
        const QAccessibleInterface *square = QAccessible::queryAccessibleInterface(widget(form->Picture2));
        for (int i = 0; i < square->childCount(); ++i)
            if (square->child(i)->text(QAccessible::Name) == qs(form->Label9->Caption()))
                return true;
        return false;
    }

    // Both lines of a cut, near their ends and between: one along the pixel grid is
    // black where it runs, one across the grid at or beside each point.
    void checkCut(const cubegeometry::Cut &cut)
    {
        for (const cubegeometry::Segment &line : cut) {
            const float dx = line.to.x - line.from.x;
            const float dy = line.to.y - line.from.y;
            for (const float t : {0.025f, 0.25f, 0.5f, 0.75f, 0.975f}) {
                const float x = line.from.x + dx * t;
                const float y = line.from.y + dy * t;
                if (dx == 0 || dy == 0)
                    QCOMPARE(form->Picture1->Point(x, y), 0);
                else
                    QVERIFY(cubetest::blackAtOrBeside(form->Picture1, x, y));
            }
        }
    }

    // The square's corner pixels and points inside it, one on the placeholder text,
    // which the cut paints over.
    void checkSection(Face face, int plane)
    {
        const forms::PictureBox *section = form->Picture2;
        const int right = section->logicalSize().width() - 1;
        const int bottom = section->logicalSize().height() - 1;
        QList<QPointF> points{QPointF(64, 192), QPointF(192, 64), QPointF(128, 128), QPointF(230, 230)};
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            points << cubetest::centreOf(section, corner);
        points << cubetest::centreOf(section, qt(form->Label9->pixelRect().center()));

        for (const QPointF at : points) {
            const Rgb read = cubetest::Components(section->Point(at.x(), at.y()));
            const int x = qRound(at.x());
            const int y = qRound(at.y());
            const Rgb expected = face == Front  ? Rgb{x, y, plane}
                                 : face == Left ? Rgb{x, plane, y}
                                                : Rgb{plane, 255 - x, y};
            QCOMPARE(face == Front ? read.blue : face == Left ? read.green : read.red, plane);
            QVERIFY2(cubetest::within(read, expected, SquareSlack),
                     qPrintable(QStringLiteral("%1 at %2, %3").arg(cubetest::describe(read)).arg(at.x()).arg(at.y())));
        }
        const QString held = face == Front ? QStringLiteral("Blau") : face == Left ? QStringLiteral("Grün") : "Rot";
        QVERIFY2(formstest::accessibleText(form->Picture2, QAccessible::Description)
                     .startsWith(QStringLiteral("Schnitt bei %1 %2:").arg(held).arg(plane)),
                 qPrintable(formstest::accessibleText(form->Picture2, QAccessible::Description)));

        // No gap between the dots, however large the square: every pixel is in the plane.
        const forms::PixelBuffer &shown = section->image();
        int holes = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const forms::Colour pixel = forms::FromPixel(shown.pixel(x, y));
                holes += (face == Front   ? forms::Blue(pixel)
                          : face == Left ? forms::Green(pixel)
                                         : forms::Red(pixel))
                         != plane;
            }
        }
        QCOMPARE(holes, 0);
    }

    // Red part, green part, blue part and mixed colour, as set and as shown.
    void compareSquares(const std::array<Colour, 4> &expected)
    {
        const std::array<forms::PictureBox *, 4> squares{form->Picture4, form->Picture5, form->Picture6,
                                                         form->Picture3};
        const Rgb mixed = cubetest::Components(expected[3]);
        const QStringList names{QStringLiteral("Rotanteil %1").arg(mixed.red),
                                QStringLiteral("Grünanteil %1").arg(mixed.green),
                                QStringLiteral("Blauanteil %1").arg(mixed.blue),
                                QStringLiteral("Mischfarbe %1, %2, %3").arg(mixed.red).arg(mixed.green).arg(mixed.blue)};
        for (std::size_t i = 0; i < squares.size(); ++i) {
            QCOMPARE(formstest::accessibleText(squares[i], QAccessible::Name), names[i]);
            QCOMPARE(QAccessible::queryAccessibleInterface(widget(squares[i]))->role(), QAccessible::Graphic);
            QCOMPARE(formstest::describe(squares[i]->BackColor()), formstest::describe(expected[i]));
            QCOMPARE(formstest::describe(cubetest::colourAt(squares[i], QPoint(5, 5))),
                     formstest::describe(expected[i]));
        }
    }

};

QTEST_MAIN(TestSection)
#include "tst_section.moc"

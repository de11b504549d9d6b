// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmtessaro.h"

#include "commandbutton.h"
#include "cubetest.h"
#include "formstest.h"
#include "label.h"
#include "picturebox.h"
#include "rasteriser.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

using cubetest::Rgb;
using forms::Colour;
using forms::RGB;

namespace {

// Two-pixel dots 0.43 to 0.64 pixels apart on the 1024 x 768 screen: a point reads
// a colour up to four steps on.
constexpr int DotSlack = 4;

// Whether dots of the width fill their whole square of device pixels on the surface.
bool squareDots(const forms::DrawingSurface *surface, int width)
{
    const forms::DotShape dot(int(std::lround(width * surface->mapping().devicePixelRatio())));
    return std::all_of(dot.rows().begin(), dot.rows().end(),
                       [&dot](std::pair<int, int> row) { return row == std::pair(0, dot.diameter()); });
}

} // namespace

// The cube picture, read back from the cube surface.
class TestDrawCube : public cubetest::TessaroTest
{
    Q_OBJECT

private slots:
    void facesShowTheirColours_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("front, dark") << 32 << 0 << 40;
        QTest::newRow("front, middle") << 128 << 0 << 128;
        QTest::newRow("front, light") << 224 << 0 << 216;
        QTest::newRow("left, dark") << 0 << 40 << 32;
        QTest::newRow("left, middle") << 0 << 128 << 128;
        QTest::newRow("left, light") << 0 << 216 << 224;
        QTest::newRow("top, dark") << 40 << 32 << 255;
        QTest::newRow("top, middle") << 128 << 128 << 255;
        QTest::newRow("top, light") << 224 << 216 << 255;
    }
    void facesShowTheirColours()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        form->DrawCube();
        const QPointF at = cubetest::pictured(red, green, blue);
        const Rgb read = cubetest::Components(form->Picture1->Point(at.x(), at.y()));
        // The face's own component is exact.
        QCOMPARE(read.red == 0, red == 0);
        QCOMPARE(read.green == 0, green == 0);
        QCOMPARE(read.blue == 255, blue == 255);
        QVERIFY2(cubetest::within(read, {red, green, blue}, DotSlack), qPrintable(cubetest::describe(read)));
    }

    void frontFaceFavoursEvenComponents()
    {
        form->DrawCube();
        // A pixel row across the front face at blue 128, clear of the edge lines.
        const QPointF row = cubetest::pictured(0, 0, 128);
        const QPoint first = formstest::pixelOf(form->Picture1, row.x() + 4, row.y());
        const QPoint last = formstest::pixelOf(form->Picture1, cubegeometry::corner::Red.x - 4, row.y());
        const int blue = cubetest::Components(cubetest::colourAt(form->Picture1, first)).blue;
        // Dots more than three device pixels across are round: past their corners the
        // next row's dots of the same red show, a blue one higher or lower.
        const int blueSlack = squareDots(form->Picture1, 2) ? 0 : 1;
        int previous = -1;
        int even = 0;
        int odd = 0;
        QSet<int> seen;
        for (QPoint pixel = first; pixel.x() <= last.x(); pixel.rx()++) {
            const Rgb read = cubetest::Components(cubetest::colourAt(form->Picture1, pixel));
            QCOMPARE(read.green, 0);
            QVERIFY2(std::abs(read.blue - blue) <= blueSlack, qPrintable(cubetest::describe(read)));
            QVERIFY2(read.red >= previous, qPrintable(cubetest::describe(read)));
            previous = read.red;
            ++(read.red % 2 ? odd : even);
            seen.insert(read.red);
        }
        for (int red = 4; red <= 250; red += 2)
            QVERIFY2(seen.contains(red), qPrintable(QString::number(red)));
        // Three half steps round to each even component, one to each odd one.
        QVERIFY2(even > 2 * odd, qPrintable(QStringLiteral("%1 even, %2 odd").arg(even).arg(odd)));
    }

    void facesHaveNoHoles_data()
    {
        // The face's points lie at first + a * outer + b * inner, a and b 0..255.
        QTest::addColumn<QPointF>("first");
        QTest::addColumn<QPointF>("outer");
        QTest::addColumn<QPointF>("inner");
        QTest::newRow("front") << QPointF(200, 0) << QPointF(1.5, 0) << QPointF(0, 1.5);
        QTest::newRow("left") << QPointF(200, 0) << QPointF(-0.5, 0.5) << QPointF(0, 1.5);
        QTest::newRow("top") << QPointF(200, 382) << QPointF(-0.5, 0.5) << QPointF(1.5, 0);
    }
    void facesHaveNoHoles()
    {
        QFETCH(QPointF, first);
        QFETCH(QPointF, outer);
        QFETCH(QPointF, inner);
        form->DrawCube();
        const forms::PixelBuffer &cube = form->Picture1->image();
        const double determinant = outer.x() * inner.y() - outer.y() * inner.x();
        int holes = 0;
        for (int y = 0; y < cube.height(); ++y) {
            for (int x = 0; x < cube.width(); ++x) {
                const QPointF d =
                    formstest::qt(form->Picture1->mapping().fromDevice(forms::PointF(x + 0.5, y + 0.5))) - first;
                const double a = (d.x() * inner.y() - d.y() * inner.x()) / determinant;
                const double b = (outer.x() * d.y() - outer.y() * d.x()) / determinant;
                // Inside, clear of the edge lines round the face; the background is light grey.
                if (a < 4 || a > 251 || b < 4 || b > 251)
                    continue;
                holes += forms::FromPixel(cube.pixel(x, y)) == forms::RGB(192, 192, 192);
            }
        }
        QCOMPARE(holes, 0);
    }

    void edgesAndAxesAreBlack_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        // As the picture shows them, apart from how the drawing works them out.
        QTest::newRow("red axis") << QPointF(200, 0) << QPointF(600, 0);
        QTest::newRow("blue axis") << QPointF(200, 0) << QPointF(200, 500);
        QTest::newRow("green axis") << QPointF(200, 0) << QPointF(60, 140);
        QTest::newRow("front upper edge") << QPointF(200, 382.5) << QPointF(582.5, 382.5);
        QTest::newRow("front right edge") << QPointF(582.5, 0) << QPointF(582.5, 382.5);
        QTest::newRow("upper left edge") << QPointF(200, 382.5) << QPointF(72.5, 510);
        QTest::newRow("rear left edge") << QPointF(72.5, 127.5) << QPointF(72.5, 510);
        QTest::newRow("upper rear edge") << QPointF(72.5, 510) << QPointF(455, 510);
        QTest::newRow("upper right edge") << QPointF(455, 510) << QPointF(582.5, 382.5);
    }
    void edgesAndAxesAreBlack()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        form->DrawCube();
        for (const double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
            const QPointF at = from + t * (to - from);
            QCOMPARE(formstest::describe(form->Picture1->Point(at.x(), at.y())), formstest::describe(0));
        }
    }

    void hiddenCornerAndEdgesNotDrawn_data()
    {
        QTest::addColumn<QPointF>("at");
        using namespace cubegeometry::corner;
        QTest::newRow("yellow corner") << cubetest::pictured(255, 255, 0);
        QTest::newRow("edge to red") << cubetest::halfway(Yellow, Red);
        QTest::newRow("edge to green") << cubetest::halfway(Yellow, Green);
        QTest::newRow("edge to white") << cubetest::halfway(Yellow, White);
    }
    void hiddenCornerAndEdgesNotDrawn()
    {
        QFETCH(QPointF, at);
        form->DrawCube();
        // They lie behind the front face, which shows there.
        const Rgb read = cubetest::Components(form->Picture1->Point(at.x(), at.y()));
        const Rgb front{int(cubegeometry::RedOnFrontFace(at.x())), 0, int(cubegeometry::BlueOnFrontFace(at.y()))};
        QCOMPARE(read.green, 0);
        QVERIFY2(cubetest::within(read, front, DotSlack), qPrintable(cubetest::describe(read)));
    }

    void axisLabelsStayUncovered_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Colour>("background");
        QTest::newRow("Label1 r") << 0 << RGB(255, 0, 0);
        QTest::newRow("Label2 b") << 1 << RGB(128, 128, 255);
        QTest::newRow("Label3 g") << 2 << RGB(0, 255, 0);
        QTest::newRow("Label10 O") << 3 << RGB(255, 255, 255);
    }
    void axisLabelsStayUncovered()
    {
        QFETCH(int, index);
        QFETCH(Colour, background);
        const QList<forms::Label *> labels{form->Label1, form->Label2, form->Label3, form->Label10};
        const QRect box = formstest::qt(labels[index]->pixelRect());
        for (const bool drawn : {false, true}) {
            if (drawn)
                form->DrawCube();
            // The corners of the box, away from the text.
            for (const QPoint pixel : {box.topLeft() + QPoint(1, 1), box.bottomRight() - QPoint(1, 1)})
                QCOMPARE(formstest::describe(cubetest::colourAt(form->Picture1, pixel)),
                         formstest::describe(background));
        }
    }

    void countersAndPenAfterDrawing_data()
    {
        QTest::addColumn<bool>("overCut");
        QTest::newRow("first drawing") << false;
        QTest::newRow("drawing over a cut") << true;
    }
    void countersAndPenAfterDrawing()
    {
        QFETCH(bool, overCut);
        form->Picture1->setDrawWidth(7);
        formstest::click(form->cmdStart);
        const forms::PixelBuffer fresh = form->Picture1->image();
        if (overCut) {
            const QPointF middle = cubetest::pictured(127.5f, 0, 127.5f);
            const QPoint face = formstest::pixelOf(form->Picture1, middle.x(), middle.y());
            QVERIFY(cubetest::clickAt(form->Picture1, cubetest::centreOf(form->Picture1, face)));
            QVERIFY(form->Picture1->image() != fresh);
            formstest::click(form->cmdStart);
        }
        QCOMPARE(form->redValue, 256.f);
        QCOMPARE(form->greenValue, 256.f);
        QCOMPARE(form->blueValue, 256.f);
        QCOMPARE(form->Picture1->DrawWidth(), 1);
        QVERIFY(form->Picture1->image() == fresh);
    }

};

QTEST_MAIN(TestDrawCube)
#include "tst_drawcube.moc"

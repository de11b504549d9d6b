// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "devicepixels.h"
#include "form.h"
#include "formstest.h"
#include "label.h"
#include "picturebox.h"
#include "rasteriser.h"

#include <QTest>
#include <QWidget>

#include <cmath>

using forms::Colour;
using forms::FromPixel;
using forms::RGB;
using formstest::qt;
using formstest::widget;

namespace {

constexpr Colour Grey = RGB(64, 64, 64);
constexpr Colour Ink = RGB(255, 0, 128);
constexpr Colour LabelYellow = RGB(255, 255, 192);

// The colour of a logical pixel (its top left device pixel).
Colour pixelAt(const forms::DrawingSurface &surface, QPoint pixel)
{
    const QPoint device = pixel * surface.mapping().devicePixelRatio();
    return FromPixel(surface.image().pixel(device.x(), device.y()));
}

} // namespace

// A form of 400 x 300 pixels with a picture box of 217 x 163 pixels in user units.
class TestDrawingSurface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { formstest::prepare(); }

    void init()
    {
        form = new forms::Form("Form", 400 * 15, 300 * 15);
        form->setBackColor(Grey);
        picture = new forms::PictureBox(form);
        picture->Move(20 * 15, 30 * 15, 217 * 15, 163 * 15);
        picture->setBackColor(Grey);
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(widget(form)));
    }

    // A window system's position for a device pixel, its corner included, worked out
    // either way, gives that pixel at every ratio, not only at those tried here.
    void devicePixelHoldsEveryPositionWithinIt()
    {
        for (const double ratio : {1.0, 1.1, 1.2, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0})
            for (int device = 0; device < 4000; ++device)
                for (const double within : {0.0, 0.5, 0.75})
                    for (const double logical : {(device + within) * (1 / ratio), (device + within) / ratio})
                        if (forms::qt::devicePixelAt(logical, ratio) != device)
                            QFAIL(qPrintable(QStringLiteral("%1 at ratio %2").arg(device + within).arg(ratio)));
    }
    void cleanup()
    {
        delete form;
        formstest::reset();
    }

    void pointReadsWhatPSetDrew_data()
    {
        QTest::addColumn<float>("scaleLeft");
        QTest::addColumn<float>("scaleTop");
        QTest::addColumn<float>("scaleWidth");
        QTest::addColumn<float>("scaleHeight");
        QTest::newRow("twips") << 0.f << 0.f << 0.f << 0.f;
        QTest::newRow("y up, odd units") << 10.f << 570.f << 630.f << -630.f;
        QTest::newRow("origin in the middle") << -1200.f << -1200.f << 3000.f << 2400.f;
    }
    void pointReadsWhatPSetDrew()
    {
        applyScale();
        picture->setDrawWidth(1);
        const float left = picture->ScaleLeft();
        const float top = picture->ScaleTop();
        const float width = picture->ScaleWidth();
        const float height = picture->ScaleHeight();
        for (int i = 1; i < 10; ++i) {
            const float x = left + width * i / 10.3f;
            const float y = top + height * i / 9.7f;
            const Colour colour = RGB(i * 20, 255 - i * 20, i);
            picture->PSet(x, y, colour);
            QCOMPARE(formstest::describe(picture->Point(x, y)), formstest::describe(colour));
            const forms::PointF device = picture->mapping().toDevice(x, y);
            QCOMPARE(FromPixel(picture->image().pixel(int(device.x()), int(device.y()))), colour);
        }
        QCOMPARE(picture->Point(left - width, top), -1);
        QCOMPARE(picture->Point(left, top + 2 * height), -1);
    }

    void pointerPositionReadsThePixelUnderIt_data() { pointReadsWhatPSetDrew_data(); }
    void pointerPositionReadsThePixelUnderIt()
    {
        applyScale();
        // Neighbouring pixels in different colours, so an error of one pixel shows.
        picture->setDrawWidth(1);
        for (int y = 40; y < 60; ++y)
            for (int x = 90; x < 110; ++x) {
                const forms::PointF user = picture->mapping().fromLogical(forms::PointF(x + 0.5, y + 0.5));
                picture->PSet(float(user.x()), float(user.y()), RGB(x, y, (x + y) % 2 * 255));
            }
        Colour seen = -2;
        forms::Receiver reading;
        picture->MouseMove.connect(&reading, [&](int, int, float x, float y) { seen = picture->Point(x, y); });
        for (const QPoint pixel : {QPoint(90, 40), QPoint(95, 47), QPoint(109, 59), QPoint(100, 41)}) {
            QTest::mouseMove(widget(picture), pixel);
            QTRY_COMPARE(formstest::describe(seen), formstest::describe(RGB(pixel.x(), pixel.y(),
                                                                            (pixel.x() + pixel.y()) % 2 * 255)));
        }
    }

    // What a user checks: the readout against the pixel the window shows under the
    // pointer, at whole device pixels (as a window system gives them), their centres
    // and between, over every edge of a picture whose origin times the ratio is not
    // whole, in a window placed likewise.
    void pointerReadsThePixelShownUnderIt_data()
    {
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QPointF>("within");
        QTest::addColumn<formstest::Conversion>("conversion");
        for (const QPoint origin : {QPoint(20, 30), QPoint(21, 31), QPoint(22, 33), QPoint(23, 35)}) {
            const QByteArray at = QByteArray::number(origin.x()) + ',' + QByteArray::number(origin.y());
            QTest::newRow("corner, " + at) << origin << QPointF() << formstest::Conversion::Qt;
            QTest::newRow("corner by the quotient, " + at) << origin << QPointF() << formstest::Conversion::Quotient;
            QTest::newRow("centre, " + at) << origin << QPointF(0.5, 0.5) << formstest::Conversion::Qt;
            QTest::newRow("between, " + at) << origin << QPointF(0.75, 0.25) << formstest::Conversion::Qt;
        }
    }
    void pointerReadsThePixelShownUnderIt()
    {
        QFETCH(QPoint, origin);
        QFETCH(QPointF, within);
        QFETCH(formstest::Conversion, conversion);
        widget(form)->move(origin);
        picture->Move(origin.x() * 15, origin.y() * 15, 217 * 15, 163 * 15);
        // Every device pixel its own colour: dots drawn from the top left, each at its
        // pixel's top left corner, so that the next one leaves it.
        const forms::Size size = picture->image().size();
        const double corner = std::lround(picture->mapping().devicePixelRatio()) / 2.0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const forms::PointF user = picture->mapping().fromDevice(forms::PointF(x + corner, y + corner));
                picture->PSet(float(user.x()), float(user.y()), RGB(x % 256, y % 256, 128 + x / 256 * 8 + y / 256));
            }
        // The window's device pixels, painted as the backing store paints them.
        const QImage shown = widget(form)->grab().toImage();
        Colour seen = -1;
        forms::Receiver reading;
        picture->MouseMove.connect(&reading, [&](int, int, float x, float y) { seen = picture->Point(x, y); });
        const double dpr = widget(form)->devicePixelRatioF();
        const QPoint first = (QPointF(origin) * dpr).toPoint();
        const QPoint last = (QPointF(origin + QPoint(217, 163)) * dpr).toPoint();
        std::vector<QPoint> pixels;
        for (int edge = -2; edge <= 1; ++edge)
            pixels.insert(pixels.end(), {QPoint(first.x() + edge + 1, first.y() + 50), QPoint(last.x() + edge, first.y() + 50),
                                         QPoint(first.x() + 70, first.y() + edge + 1), QPoint(first.x() + 70, last.y() + edge)});
        for (const QPoint device : pixels) {
            seen = -1;
            formstest::moveWithin(widget(form), device, within, conversion);
            const Colour under = FromPixel(shown.pixel(device));
            QVERIFY2(seen == (under == Grey ? -1 : under),
                     qPrintable(QStringLiteral("at %1, %2: %3 under the pointer, %4 read").arg(device.x()).arg(device.y())
                                    .arg(formstest::describe(under), formstest::describe(seen))));
        }
    }

    void dotsAreExactColoursWithoutBlending()
    {
        picture->setScaleWidth(100);
        picture->setScaleHeight(100);
        picture->setDrawWidth(10);
        picture->PSet(50.3f, 50.6f, Ink);
        const forms::PixelBuffer &image = picture->image();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const Colour pixel = FromPixel(image.pixel(x, y));
                QVERIFY(pixel == Ink || pixel == Grey);
                inked += pixel == Ink;
            }
        int expected = 0;
        const forms::DotShape shape(int(std::lround(10 * picture->mapping().devicePixelRatio())));
        for (const auto &[begin, end] : shape.rows())
            expected += end - begin;
        QCOMPARE(inked, expected);
    }

    void labelsArePaintedCoveredAndShownAgain()
    {
        forms::Label *label = addLabel();
        const QPoint inside = qt(label->pixelRect().center());
        QCOMPARE(pixelAt(*picture, inside), LabelYellow);

        picture->setDrawWidth(6);
        const forms::PointF user = picture->mapping().fromLogical(forms::PointF(inside.x() + 0.5, inside.y() + 0.5));
        picture->PSet(float(user.x()), float(user.y()), Ink);
        QCOMPARE(pixelAt(*picture, inside), Ink);
        QCOMPARE(pixelAt(*picture, qt(label->pixelRect().topLeft())), LabelYellow);

        picture->Cls();
        QCOMPARE(pixelAt(*picture, inside), LabelYellow);
        picture->PSet(float(user.x()), float(user.y()), Ink);
        picture->setBackColor(RGB(0, 0, 0));
        QCOMPARE(pixelAt(*picture, inside), LabelYellow);
        QCOMPARE(pixelAt(*picture, QPoint(1, 1)), RGB(0, 0, 0));

        label->setVisible(false);
        QCOMPARE(pixelAt(*picture, inside), RGB(0, 0, 0));
        label->setVisible(true);
        QCOMPARE(pixelAt(*picture, inside), LabelYellow);
    }

    void labelsTakeThePointer()
    {
        forms::Label *label = addLabel();
        formstest::SignalSpy moves(picture->MouseMove);
        formstest::SignalSpy clicks(picture->Click);
        const QPoint onLabel = qt(label->pixelRect().center());
        const QPoint beside = qt(label->pixelRect().bottomRight()) + QPoint(3, 3);

        QTest::mouseMove(widget(picture), onLabel);
        QTest::mouseClick(widget(picture), Qt::LeftButton, {}, onLabel);
        QTest::mouseMove(widget(picture), beside);
        QTRY_COMPARE(moves.count(), 1);
        QCOMPARE(clicks.count(), 0);
        QTest::mouseClick(widget(picture), Qt::LeftButton, {}, beside);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(moves.count(), 1);
    }

    void hiddenLabelsLeaveThePointerToTheSurface()
    {
        forms::Label *label = addLabel();
        label->setVisible(false);
        formstest::SignalSpy moves(picture->MouseMove);
        formstest::SignalSpy clicks(picture->Click);
        QTest::mouseMove(widget(picture), qt(label->pixelRect().center()));
        QTest::mouseClick(widget(picture), Qt::LeftButton, {}, qt(label->pixelRect().center()));
        QTRY_COMPARE(moves.count(), 1);
        QCOMPARE(clicks.count(), 1);
    }

    void captionsArePaintedWhereTheyAreAligned()
    {
        forms::Label *label = addLabel();
        label->Move(10 * 15, 40 * 15, 180 * 15, 30 * 15);
        label->setCaption("xx");
        const QRect area = qt(label->pixelRect());
        // The middle of the caption's painted pixels, in logical pixels.
        const auto inkMiddle = [this, area] {
            const double dpr = picture->mapping().devicePixelRatio();
            const forms::PixelBuffer &image = picture->image();
            double sum = 0;
            int count = 0;
            for (int y = int(area.top() * dpr); y < int((area.bottom() + 1) * dpr); ++y)
                for (int x = int(area.left() * dpr); x < int((area.right() + 1) * dpr); ++x)
                    if (FromPixel(image.pixel(x, y)) != LabelYellow) {
                        sum += (x + 0.5) / dpr;
                        ++count;
                    }
            return count ? sum / count : -1.0;
        };
        label->setAlignment(forms::Label::Alignment::Left);
        QVERIFY2(inkMiddle() < area.left() + area.width() / 4.0, qPrintable(QString::number(inkMiddle())));
        label->setAlignment(forms::Label::Alignment::Centre);
        QVERIFY2(qAbs(inkMiddle() - (area.left() + area.width() / 2.0)) < 3, qPrintable(QString::number(inkMiddle())));
    }

    void formGetsNoMovesOverItsControls()
    {
        formstest::SignalSpy formMoves(form->MouseMove);
        formstest::SignalSpy pictureMoves(picture->MouseMove);
        QTest::mouseMove(widget(form), QPoint(50, 60));
        QTRY_COMPARE(pictureMoves.count(), 1);
        QTest::mouseMove(widget(form), QPoint(300, 250));
        QTRY_COMPARE(formMoves.count(), 1);
        QCOMPARE(pictureMoves.count(), 1);
    }

    void changingUnitsMovesNoControl()
    {
        const QRect before = widget(picture)->geometry();
        form->setScaleWidth(3000);
        form->setScaleHeight(-2250);
        form->setScaleTop(1000);
        QCOMPARE(widget(picture)->geometry(), before);
        QCOMPARE(double(picture->Left()), 20 * 3000.0 / 400);
        QCOMPARE(double(picture->Width()), 217 * 3000.0 / 400);
        QCOMPARE(double(picture->Top()), 1000 - 30 * 2250.0 / 300);

        picture->Move(1500, 0, 300, 150);
        QCOMPARE(widget(picture)->geometry(), QRect(200, 133, 40, 20));
    }

    void whatIsDrawnSurvivesARepaint()
    {
        picture->setDrawWidth(8);
        picture->PSet(1500, 1500, Ink);
        widget(picture)->hide();
        widget(picture)->show();
        widget(form)->repaint();
        const QPoint pixel = formstest::devicePixelOf(picture, 1500, 1500);
        const QPoint corner = formstest::devicePixelOf(form, float(picture->Left()), float(picture->Top()));
        QCOMPARE(FromPixel(widget(picture)->grab().toImage().pixel(pixel)), Ink);
        QImage grabbed = widget(picture)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        grabbed.setDevicePixelRatio(1);
        QCOMPARE(grabbed, formstest::image(picture->image()));
        QCOMPARE(FromPixel(widget(form)->grab().toImage().pixel(corner + pixel)), Ink);
    }

    void solidGridFillsOnlyItsHoles_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QPointF>("outer");
        QTest::addColumn<QPointF>("inner");
        QTest::addColumn<bool>("holes");
        QTest::newRow("steps within the dots") << 3 << QPointF(2.5, 0) << QPointF(0.75, 2) << false;
        QTest::newRow("steps wider than the dots") << 2 << QPointF(3.25, 0) << QPointF(1.125, 3.125) << true;
    }
    void solidGridFillsOnlyItsHoles()
    {
        QFETCH(int, width);
        QFETCH(QPointF, outer);
        QFETCH(QPointF, inner);
        QFETCH(bool, holes);
        // A pixel to a unit, y up.
        picture->setScaleWidth(217);
        picture->setScaleHeight(-163);
        picture->setScaleTop(163);
        const forms::DotGrid grid{20, 20, outer.x(), outer.y(), 40, inner.x(), inner.y(), 40};
        const auto drawGrid = [&] {
            for (int i = 0; i < 40; ++i)
                for (int j = 0; j < 40; ++j)
                    picture->PSet(static_cast<float>(20 + i * outer.x() + j * inner.x()),
                                  static_cast<float>(20 + i * outer.y() + j * inner.y()), RGB(i * 6, j * 6, 200));
        };
        picture->setDrawWidth(width);
        drawGrid();
        const forms::PixelBuffer designed = picture->image();
        picture->Cls();
        picture->setSolidDrawWidth(width, grid);
        drawGrid();
        const forms::PixelBuffer solid = picture->image();

        QCOMPARE(solid != designed, holes);
        const double determinant = outer.x() * inner.y() - outer.y() * inner.x();
        for (int y = 0; y < solid.height(); ++y) {
            for (int x = 0; x < solid.width(); ++x) {
                const Colour shown = FromPixel(solid.pixel(x, y));
                // What the designed dots paint stays; inside the grid nothing else shows.
                if (FromPixel(designed.pixel(x, y)) != Grey)
                    QCOMPARE(shown, FromPixel(designed.pixel(x, y)));
                const forms::PointF d = picture->mapping().fromDevice(forms::PointF(x + 0.5, y + 0.5)) - forms::PointF(20, 20);
                const double a = (d.x() * inner.y() - d.y() * inner.x()) / determinant;
                const double b = (outer.x() * d.y() - outer.y() * d.x()) / determinant;
                if (a >= 0 && a <= 39 && b >= 0 && b <= 39)
                    QVERIFY2(shown != Grey, qPrintable(QStringLiteral("hole at %1, %2").arg(x).arg(y)));
            }
        }
    }

private:
    void applyScale()
    {
        QFETCH(float, scaleLeft);
        QFETCH(float, scaleTop);
        QFETCH(float, scaleWidth);
        QFETCH(float, scaleHeight);
        if (scaleWidth == 0)
            return;
        picture->setScaleWidth(scaleWidth);
        picture->setScaleHeight(scaleHeight);
        picture->setScaleLeft(scaleLeft);
        picture->setScaleTop(scaleTop);
    }

    forms::Label *addLabel()
    {
        auto *label = new forms::Label(picture);
        label->setBackColor(LabelYellow);
        label->setCaption("x");
        label->Move(30 * 15, 40 * 15, 50 * 15, 30 * 15);
        return label;
    }

    forms::Form *form = nullptr;
    forms::PictureBox *picture = nullptr;
};

QTEST_MAIN(TestDrawingSurface)
#include "tst_drawingsurface.moc"

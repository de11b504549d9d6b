// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rasteriser.h"

#include <QTest>

#include <vector>

using forms::DotShape;
using forms::Rasteriser;

namespace {

constexpr std::uint32_t Background = 0xFF404040;
constexpr std::uint32_t Ink = 0xFFFF0080;

struct Canvas
{
    Canvas(int width, int height) : width(width), height(height), pixels(width * height, Background) {}
    Rasteriser rasteriser() { return Rasteriser(pixels.data(), width, height, width); }
    bool inked(int x, int y) const { return pixels[y * width + x] == Ink; }
    int count() const { return static_cast<int>(std::count(pixels.begin(), pixels.end(), Ink)); }
    QRect inkedBounds() const
    {
        QRect bounds;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (inked(x, y))
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    }
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

} // namespace

class TestRasteriser : public QObject
{
    Q_OBJECT

private slots:
    void dotIsExactlyItsDiameterAcross_data()
    {
        QTest::addColumn<int>("diameter");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<int>("pixels");
        QTest::newRow("1 px: the pixel holding the point") << 1 << 10.7 << 12.2 << QRect(10, 12, 1, 1) << 1;
        QTest::newRow("2 px: square round the nearest corner") << 2 << 10.7 << 12.2 << QRect(10, 11, 2, 2) << 4;
        QTest::newRow("3 px: square round the pixel") << 3 << 10.7 << 12.2 << QRect(9, 11, 3, 3) << 9;
        QTest::newRow("4 px: corners cut") << 4 << 10.0 << 10.0 << QRect(8, 8, 4, 4) << 12;
        QTest::newRow("10 px disc") << 10 << 20.4 << 20.6 << QRect(15, 16, 10, 10) << 80;
        QTest::newRow("20 px disc") << 20 << 20.0 << 20.0 << QRect(10, 10, 20, 20) << 316;
    }
    void dotIsExactlyItsDiameterAcross()
    {
        QFETCH(int, diameter);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QRect, bounds);
        QFETCH(int, pixels);
        Canvas canvas(40, 40);
        Rasteriser rasteriser = canvas.rasteriser();
        rasteriser.dot(x, y, DotShape(diameter), Ink);
        QCOMPARE(canvas.inkedBounds(), bounds);
        QCOMPARE(canvas.count(), pixels);
        QCOMPARE(rasteriser.takeTouched(), bounds);
        QCOMPARE(rasteriser.takeTouched(), QRect());
    }

    void dotIsRoundAndSymmetric()
    {
        const DotShape shape(10);
        const auto &rows = shape.rows();
        QCOMPARE(int(rows.size()), 10);
        for (int row = 0; row < 10; ++row) {
            QCOMPARE(rows[row].first, 10 - rows[row].second);        // left-right symmetric
            QCOMPARE(rows[row], rows[9 - row]);                         // top-bottom symmetric
        }
        QCOMPARE(rows[0], std::make_pair(3, 7));
        QCOMPARE(rows[4], std::make_pair(0, 10));
    }

    void dotsAreClippedAtEveryEdge_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("pixels");
        QTest::newRow("top left corner") << 0.0 << 0.0 << 13;
        QTest::newRow("bottom right corner") << 30.0 << 20.0 << 13;
        QTest::newRow("just outside left") << -5.0 << 10.0 << 0;
        QTest::newRow("far outside") << -1e9 << 1e9 << 0;
        QTest::newRow("not a number") << qQNaN() << 5.0 << 0;
    }
    void dotsAreClippedAtEveryEdge()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, pixels);
        Canvas canvas(30, 20);
        canvas.rasteriser().dot(x, y, DotShape(8), Ink);
        QCOMPARE(canvas.count(), pixels);
    }

    void thinLineIsConnected_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::newRow("horizontal") << QPointF(2.5, 5.5) << QPointF(35.5, 5.5);
        QTest::newRow("steep") << QPointF(3.2, 1.1) << QPointF(9.7, 38.3);
        QTest::newRow("shallow backwards") << QPointF(38.0, 30.0) << QPointF(1.0, 21.0);
        QTest::newRow("45 degrees") << QPointF(0.5, 0.5) << QPointF(30.5, 30.5);
    }
    void thinLineIsConnected()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        Canvas canvas(40, 40);
        canvas.rasteriser().line(from.x(), from.y(), to.x(), to.y(), DotShape(1), Ink);
        QVERIFY(canvas.inked(int(from.x()), int(from.y())));
        QVERIFY(canvas.inked(int(to.x()), int(to.y())));
        // One pixel in each step of the major axis, each touching the one before.
        const bool steep = std::abs(to.y() - from.y()) > std::abs(to.x() - from.x());
        const int first = steep ? int(std::min(from.y(), to.y())) : int(std::min(from.x(), to.x()));
        const int last = steep ? int(std::max(from.y(), to.y())) : int(std::max(from.x(), to.x()));
        int previousMinor = -1;
        for (int major = first; major <= last; ++major) {
            int minor = -1;
            int found = 0;
            for (int other = 0; other < 40; ++other)
                if (steep ? canvas.inked(other, major) : canvas.inked(major, other)) {
                    minor = other;
                    ++found;
                }
            QVERIFY2(found >= 1 && found <= 2, qPrintable(QStringLiteral("step %1 has %2 pixels").arg(major).arg(found)));
            if (previousMinor >= 0)
                QVERIFY(std::abs(minor - previousMinor) <= 2);
            previousMinor = minor;
        }
    }

    void wideLineCoversItsWidth()
    {
        Canvas canvas(40, 20);
        canvas.rasteriser().line(5.0, 10.0, 30.0, 10.0, DotShape(3), Ink);
        for (int x = 5; x <= 30; ++x)
            for (int y = 9; y <= 11; ++y)
                QVERIFY(canvas.inked(x, y));
        QVERIFY(!canvas.inked(17, 8));
        QVERIFY(!canvas.inked(17, 12));
    }
};

QTEST_GUILESS_MAIN(TestRasteriser)
#include "tst_rasteriser.moc"

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourrules.h"

#include "colour.h"
#include "numericrules.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>

using colourrules::SinglePi;

namespace {

using Rgb = forms::ColourComponents;

char *toString(const Rgb &rgb)
{
    return QTest::toString(QStringLiteral("(%1, %2, %3)").arg(rgb.red).arg(rgb.green).arg(rgb.blue));
}

float hueAngle(int pointIndex)
{
    return static_cast<std::int16_t>(pointIndex) * colourrules::AngleStep(SinglePi());
}

Rgb saturated(int pointIndex)
{
    const colourrules::HueComponents hue = colourrules::HueColour(hueAngle(pointIndex), SinglePi());
    return {forms::CInt(hue.red), forms::CInt(hue.green), forms::CInt(hue.blue)};
}

Rgb mixed(int pointIndex, float radius)
{
    const float whiteShare = colourrules::WhiteShare(radius);
    const colourrules::HueComponents hue = colourrules::HueColour(hueAngle(pointIndex), SinglePi());
    return {colourrules::MixWithWhite(hue.red, whiteShare), colourrules::MixWithWhite(hue.green, whiteShare),
            colourrules::MixWithWhite(hue.blue, whiteShare)};
}

} // namespace

class tst_ColourRules : public QObject
{
    Q_OBJECT

private slots:
    void singlePrecisionConstants();
    void componentRule_data();
    void componentRule();
    void componentRuleSevenRadians();
    void clockFace_data();
    void clockFace();
    void oppositeHuesAreComplementary();
    void noHueReaches255();
    void whiteMixing_data();
    void whiteMixing();
    void halfWhiteRoundsToEven();
    void sliceBrightness();
    void darkening_data();
    void darkening();
};

void tst_ColourRules::singlePrecisionConstants()
{
    QCOMPARE(static_cast<double>(SinglePi()), 3.1415927410125732);
    QCOMPARE(static_cast<double>(colourrules::AngleStep(SinglePi())), 0.012566370889544487);
    QCOMPARE(static_cast<double>(colourrules::ThirdOfTurn(SinglePi())), 2.094395160675049);
}

void tst_ColourRules::componentRule_data()
{
    QTest::addColumn<float>("angle");
    QTest::addColumn<float>("value");

    const float pi = SinglePi();
    QTest::newRow("zero") << 0.0f << 254.0f;
    QTest::newRow("quarter turn") << pi / 2 << 0.0f;
    QTest::newRow("small negative") << -0.001f << 254.0f;
    QTest::newRow("large negative") << -100.0f << 254.0f;
    QTest::newRow("full turn, not reduced") << 2 * pi << 127.0f;
    QTest::newRow("two turns, reduced once") << 4 * pi << 127.0f;
    QTest::newRow("twenty, above a turn after two reductions") << 20.0f << 127.0f;
    QTest::newRow("flat zero at 180 degrees") << pi << 0.0f;
    QTest::newRow("flat 254 at 300 degrees") << 5 * pi / 3 << 254.0f;
    QTest::newRow("flat 254 over a turn") << 2 * pi + 0.1f << 254.0f;
}

void tst_ColourRules::componentRule()
{
    QFETCH(float, angle);
    QFETCH(float, value);
    QCOMPARE(colourrules::F(angle, SinglePi()), value);
}

void tst_ColourRules::componentRuleSevenRadians()
{
    // 7 comes down to about 0.7168, on the falling ramp.
    QVERIFY(std::fabs(colourrules::F(7, SinglePi()) - 207.135f) < 0.001f);
}

void tst_ColourRules::clockFace_data()
{
    QTest::addColumn<int>("pointIndex");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    QTest::newRow("11 o'clock, rose") << 0 << 254 << 0 << 127;
    QTest::newRow("12 o'clock, magenta") << 42 << 253 << 0 << 254;
    QTest::newRow("1 o'clock") << 83 << 128 << 0 << 254;
    QTest::newRow("2 o'clock, blue") << 125 << 0 << 0 << 254;
    QTest::newRow("3 o'clock") << 167 << 0 << 128 << 254;
    QTest::newRow("4 o'clock, cyan") << 208 << 0 << 253 << 254;
    QTest::newRow("5 o'clock") << 250 << 0 << 254 << 127;
    QTest::newRow("6 o'clock, green") << 292 << 1 << 254 << 0;
    QTest::newRow("7 o'clock") << 333 << 126 << 254 << 0;
    QTest::newRow("8 o'clock, yellow") << 375 << 254 << 254 << 0;
    QTest::newRow("9 o'clock") << 417 << 254 << 126 << 0;
    QTest::newRow("10 o'clock, red") << 458 << 254 << 1 << 0;
}

void tst_ColourRules::clockFace()
{
    QFETCH(int, pointIndex);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QCOMPARE(saturated(pointIndex), (Rgb{red, green, blue}));
}

void tst_ColourRules::oppositeHuesAreComplementary()
{
    for (const int point : {0, 42, 83, 125, 167, 208}) {
        const Rgb one = saturated(point);
        const Rgb other = saturated(point + 250);
        QCOMPARE((Rgb{one.red + other.red, one.green + other.green, one.blue + other.blue}), (Rgb{254, 254, 254}));
    }
}

void tst_ColourRules::noHueReaches255()
{
    for (int point = 0; point <= colourrules::LastPoint; ++point) {
        const Rgb rgb = saturated(point);
        QVERIFY2(std::max({rgb.red, rgb.green, rgb.blue}) <= 254, toString(rgb));
        QVERIFY2(std::min({rgb.red, rgb.green, rgb.blue}) == 0, toString(rgb));
    }
}

void tst_ColourRules::whiteMixing_data()
{
    QTest::addColumn<float>("radius");
    QTest::addColumn<int>("pointIndex");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    struct Row
    {
        float radius;
        std::array<Rgb, 4> colours;
    };
    const Row rows[] = {
        {1000, {{{254, 0, 127}, {0, 0, 254}, {0, 254, 127}, {254, 254, 0}}}},
        {995, {{{254, 1, 128}, {1, 1, 254}, {1, 254, 128}, {254, 254, 1}}}},
        {750, {{{254, 64, 159}, {64, 64, 254}, {64, 254, 159}, {254, 254, 64}}}},
        {500, {{{254, 128, 191}, {128, 128, 254}, {128, 254, 191}, {254, 254, 128}}}},
        {250, {{{255, 191, 223}, {191, 191, 255}, {191, 255, 223}, {255, 255, 191}}}},
        {5, {{{255, 254, 254}, {254, 254, 255}, {254, 255, 254}, {255, 255, 254}}}},
    };
    const int points[] = {0, 125, 250, 375};
    for (const Row &row : rows) {
        for (int i = 0; i < 4; ++i) {
            const Rgb &c = row.colours[i];
            QTest::addRow("radius %g, point %d", row.radius, points[i])
                << row.radius << points[i] << c.red << c.green << c.blue;
        }
    }
}

void tst_ColourRules::whiteMixing()
{
    QFETCH(float, radius);
    QFETCH(int, pointIndex);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QCOMPARE(mixed(pointIndex, radius), (Rgb{red, green, blue}));
}

void tst_ColourRules::halfWhiteRoundsToEven()
{
    // 127.5 + 127 = 254.5 goes down to the even 254; 127.5 + 0 goes up to 128.
    QCOMPARE(colourrules::MixWithWhite(254, 0.5f), std::int16_t(254));
    QCOMPARE(colourrules::MixWithWhite(0, 0.5f), std::int16_t(128));
    QCOMPARE(colourrules::MixWithWhite(127, 0.5f), std::int16_t(191));
}

void tst_ColourRules::sliceBrightness()
{
    const std::array<double, 10> expected = {1,
                                             0.8999999761581421,
                                             0.7999999523162842,
                                             0.6999999284744263,
                                             0.5999999046325684,
                                             0.49999991059303284,
                                             0.3999999165534973,
                                             0.2999999225139618,
                                             0.19999992847442627,
                                             0.09999992698431015};
    const std::vector<float> slices = colourrules::SliceBrightnesses();
    QCOMPARE(slices.size(), expected.size());
    for (std::size_t i = 0; i < slices.size(); ++i)
        QCOMPARE(static_cast<double>(slices[i]), expected[i]);
    // The counter as the cylinder's loop leaves it.
    QCOMPARE(static_cast<double>(slices.back() + colourrules::SliceStep), -7.450580596923828e-8);

    QCOMPARE(colourrules::Darken(255, slices[9]), std::int16_t(25));
    QCOMPARE(colourrules::Darken(254, slices[9]), std::int16_t(25));
    QCOMPARE(colourrules::Darken(127, slices[5]), std::int16_t(63));
    QCOMPARE(colourrules::Darken(255, slices[5]), std::int16_t(127));
}

void tst_ColourRules::darkening_data()
{
    QTest::addColumn<int>("slice");
    QTest::addColumn<float>("radius");
    QTest::addColumn<int>("pointIndex");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    // Per slice: rim point 0, rim point 125, radius 500 point 125, radius 10 points 125 and 375.
    const std::array<std::array<Rgb, 5>, 10> table = {{
        {{{254, 0, 127}, {0, 0, 254}, {128, 128, 254}, {252, 252, 255}, {255, 255, 252}}},
        {{{229, 0, 114}, {0, 0, 229}, {115, 115, 229}, {227, 227, 229}, {229, 229, 227}}},
        {{{203, 0, 102}, {0, 0, 203}, {102, 102, 203}, {202, 202, 204}, {204, 204, 202}}},
        {{{178, 0, 89}, {0, 0, 178}, {90, 90, 178}, {176, 176, 178}, {178, 178, 176}}},
        {{{152, 0, 76}, {0, 0, 152}, {77, 77, 152}, {151, 151, 153}, {153, 153, 151}}},
        {{{127, 0, 63}, {0, 0, 127}, {64, 64, 127}, {126, 126, 127}, {127, 127, 126}}},
        {{{102, 0, 51}, {0, 0, 102}, {51, 51, 102}, {101, 101, 102}, {102, 102, 101}}},
        {{{76, 0, 38}, {0, 0, 76}, {38, 38, 76}, {76, 76, 76}, {76, 76, 76}}},
        {{{51, 0, 25}, {0, 0, 51}, {26, 26, 51}, {50, 50, 51}, {51, 51, 50}}},
        {{{25, 0, 13}, {0, 0, 25}, {13, 13, 25}, {25, 25, 25}, {25, 25, 25}}},
    }};
    const float radii[] = {1000, 1000, 500, 10, 10};
    const int points[] = {0, 125, 125, 125, 375};
    for (int slice = 0; slice < 10; ++slice) {
        for (int column = 0; column < 5; ++column) {
            const Rgb &c = table[slice][column];
            QTest::addRow("slice %d, radius %g, point %d", slice + 1, radii[column], points[column])
                << slice << radii[column] << points[column] << c.red << c.green << c.blue;
        }
    }
}

void tst_ColourRules::darkening()
{
    QFETCH(int, slice);
    QFETCH(float, radius);
    QFETCH(int, pointIndex);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);

    const float brightness = colourrules::SliceBrightnesses()[slice];
    const Rgb white = mixed(pointIndex, radius);
    const Rgb dark{colourrules::Darken(white.red, brightness), colourrules::Darken(white.green, brightness),
                   colourrules::Darken(white.blue, brightness)};
    QCOMPARE(dark, (Rgb{red, green, blue}));
}

QTEST_GUILESS_MAIN(tst_ColourRules)
#include "tst_colourrules.moc"

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numericrules.h"

#include "colour.h"

#include "runtimeerrorraised.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace forms;

class TestNumericRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { formstest::throwRuntimeErrors(); }

    void integerConversion_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("0.5 to even 0") << 0.5 << 0;
        QTest::newRow("1.5 to even 2") << 1.5 << 2;
        QTest::newRow("2.5 to even 2") << 2.5 << 2;
        QTest::newRow("3.5 to even 4") << 3.5 << 4;
        QTest::newRow("127.5 to even 128") << 127.5 << 128;
        QTest::newRow("254.5 to even 254") << 254.5 << 254;
        QTest::newRow("255.5 to even 256") << 255.5 << 256;
        QTest::newRow("256.5 to even 256") << 256.5 << 256;
        QTest::newRow("just under a half") << 2.4999999 << 2;
        QTest::newRow("just over a half") << 2.5000001 << 3;
        QTest::newRow("-0.5 to even 0") << -0.5 << 0;
        QTest::newRow("-1.5 to even -2") << -1.5 << -2;
        QTest::newRow("top of range") << 32767.4 << 32767;
        QTest::newRow("bottom of range, half to even") << -32768.5 << -32768;
    }
    void integerConversion()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(int(CInt(value)), expected);
    }

    void integerConversionOverflows_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("32767.5 rounds to 32768") << 32767.5;
        QTest::newRow("-32769") << -32769.0;
        QTest::newRow("huge") << 1e300;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    }
    void integerConversionOverflows()
    {
        QFETCH(double, value);
        try {
            CInt(value);
            QFAIL("no runtime error");
        } catch (const formstest::RuntimeErrorRaised &error) {
            QCOMPARE(QString::fromStdString(error.what()), QStringLiteral("Overflow"));
        }
    }

    void countedLoops_data()
    {
        QTest::addColumn<float>("start");
        QTest::addColumn<float>("limit");
        QTest::addColumn<float>("step");
        QTest::addColumn<int>("passes");
        QTest::addColumn<float>("last");
        QTest::addColumn<float>("after");
        QTest::newRow("0 to 255 step 0.5") << 0.f << 255.f << 0.5f << 511 << 255.f << 255.5f;
        QTest::newRow("0 to 255 step 1") << 0.f << 255.f << 1.f << 256 << 255.f << 256.f;
        QTest::newRow("1000 to 3 step -8") << 1000.f << 3.f << -8.f << 125 << 8.f << 0.f;
        QTest::newRow("1000 to 3 step -5") << 1000.f << 3.f << -5.f << 200 << 5.f << 0.f;
        QTest::newRow("1000 to 3 step -10") << 1000.f << 3.f << -10.f << 100 << 10.f << 0.f;
        QTest::newRow("1 to 0 step -0.1") << 1.f << 0.f << -0.1f << 10 << 0.09999992698431015f
                                          << -7.450580596923828e-8f;
    }
    void countedLoops()
    {
        QFETCH(float, start);
        QFETCH(float, limit);
        QFETCH(float, step);
        QFETCH(int, passes);
        QFETCH(float, last);
        QFETCH(float, after);
        int count = 0;
        float visited = std::numeric_limits<float>::quiet_NaN();
        float counter = start;
        for (; LoopGoesOn(counter, limit, step); counter += step) {
            visited = counter;
            ++count;
        }
        QCOMPARE(count, passes);
        // Compared as doubles: float comparisons in QtTest are fuzzy.
        QCOMPARE(double(visited), double(last));
        QCOMPARE(double(counter), double(after));
    }

    void halfStepLoopVisitsEveryHalf()
    {
        float expected = 0;
        for (float counter = 0; LoopGoesOn(counter, 255, 0.5f); counter += 0.5f) {
            QCOMPARE(double(counter), double(expected));
            expected += 0.5f;
        }
        QCOMPARE(double(expected), 255.5);
    }

    void hex_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("255") << qint64(255) << QStringLiteral("FF");
        QTest::newRow("65536") << qint64(65536) << QStringLiteral("10000");
        QTest::newRow("0") << qint64(0) << QStringLiteral("0");
        QTest::newRow("dark grey") << qint64(4210752) << QStringLiteral("404040");
        QTest::newRow("white") << qint64(16777215) << QStringLiteral("FFFFFF");
        QTest::newRow("-1, two's complement") << qint64(-1) << QStringLiteral("FFFFFFFF");
    }
    void hex()
    {
        QFETCH(qint64, value);
        QFETCH(QString, expected);
        QCOMPARE(Hex(static_cast<std::int32_t>(value)), expected);
        QCOMPARE(Hex(static_cast<double>(value)), expected);
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("&HFF") << QStringLiteral("&HFF") << 255.0;
        QTest::newRow("&H00") << QStringLiteral("&H00") << 0.0;
        QTest::newRow("&H1f lower case") << QStringLiteral("&H1f") << 31.0;
        QTest::newRow("&H80") << QStringLiteral("&H80") << 128.0;
        QTest::newRow("decimal") << QStringLiteral("64") << 64.0;
        QTest::newRow("not a number") << QStringLiteral("Text1") << 0.0;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(Val(text), expected);
    }

    void hexSplit_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("padded");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("pure red pads to six digits") << 255 << QStringLiteral("0000FF") << 255 << 0 << 0;
        QTest::newRow("pure green") << 65280 << QStringLiteral("00FF00") << 0 << 255 << 0;
        QTest::newRow("blue 1") << 65536 << QStringLiteral("010000") << 0 << 0 << 1;
        QTest::newRow("black") << 0 << QStringLiteral("000000") << 0 << 0 << 0;
        QTest::newRow("mixed") << RGB(255, 0, 128) << QStringLiteral("8000FF") << 255 << 0 << 128;
    }
    void hexSplit()
    {
        QFETCH(int, colour);
        QFETCH(QString, padded);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        const HexSplit split = SplitHex(Hex(colour));
        QCOMPARE(split.text, padded);
        QCOMPARE(Val(QStringLiteral("&H") + split.redHex), double(red));
        QCOMPARE(Val(QStringLiteral("&H") + split.greenHex), double(green));
        QCOMPARE(Val(QStringLiteral("&H") + split.blueHex), double(blue));
    }

    void numberToText()
    {
        QCOMPARE(NumberToText(0), QStringLiteral("0"));
        QCOMPARE(NumberToText(64), QStringLiteral("64"));
        QCOMPARE(NumberToText(255), QStringLiteral("255"));
        QCOMPARE(NumberToText(2.5), QStringLiteral("2.5"));
    }
};

QTEST_GUILESS_MAIN(TestNumericRules)
#include "tst_numericrules.moc"

// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frminfotessaro.h"

#include "commandbutton.h"
#include "cubetest.h"
#include "font.h"
#include "formregistry.h"
#include "label.h"
#include "textfit.h"

#include <QRegularExpression>
#include <QWheelEvent>
#include <QWidget>

using forms::Colour;
using forms::RGB;
using formstest::qs;
using formstest::qt;
using formstest::widget;

// The info window: five panels of text, word-wrapped in two columns.
class TestFrmInfoTessaro : public cubetest::TessaroTest
{
    Q_OBJECT

private slots:
    void init()
    {
        TessaroTest::init();
        if (QTest::currentTestFailed())
            return;
        // Opened as a user opens it, from the main window.
        formstest::click(form->cmdInfo);
        info = forms::FormRegistry::find<frmInfoTessaro>();
        QVERIFY(info && QTest::qWaitForWindowExposed(widget(info)));
    }

    void window()
    {
        QCOMPARE(qs(info->Caption()), QStringLiteral("Information zum Tessaro"));
        if (formstest::designFits(widget(info), Designed))
            QCOMPARE(widget(info)->size(), Designed);
        QVERIFY(formstest::withinScreen(widget(info)));
        QVERIFY(formstest::placedOver(widget(info), widget(form), widget(form->cmdInfo)));
        QCOMPARE(info->BackColor(), RGB(255, 255, 255));
    }

    void scrollsWhenTooSmallToRead()
    {
        QWidget *window = widget(info);
        window->resize(410, 242);
        QWheelEvent down(QPointF(100, 100), window->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, -12000),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window, &down);
        // At the end: the first panel scrolled away, the lowest in view, every text readable.
        QVERIFY(info->Label1->pixelRect().top() < 0);
        QVERIFY(info->Label2->pixelRect().bottom() < window->height());
        for (const forms::Label *panel : {info->Label1, info->Label3, info->Label2, info->Label4, info->Label5})
            QVERIFY(forms::TextReadable(panel->font(), panel->Caption(), panel->pixelRect().size(),
                                        forms::TextFlow::WordWrap));
    }

    void panels_data()
    {
        QTest::addColumn<QString>("name");
        // Its place in the reading order.
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<Colour>("background");
        QTest::addColumn<int>("tabIndex");
        QTest::addColumn<int>("doubleSpaces");
        QTest::newRow("Label1 colours") << QStringLiteral("Label1") << 0
            << QStringLiteral("Im sog. TRUE-COLOR-Modus kann der Computer 256x256x256=16 777 216 verschiedene Farben "
                              "dar- stellen. Sie werden durch additive Mischung der Grund- farben Rot, Grün und Blau, "
                              "die in jeweils  256 verschiedenen Helligkeitsstufen (r,g,b) zur Verfügung stehen, "
                              "mischen.")
            << QRect(8, 8, 393, 137) << RGB(255, 192, 192) << 0 << 1;
        QTest::newRow("Label3 cube") << QStringLiteral("Label3") << 1
            << QStringLiteral("Man kann diese dreidimensionale Farbmannigfaltigkeit als Würfel darstellen. Drei von "
                              "einer Ecke des Würfels  ausgehende Kanten werden als Achsen eines kartesischen "
                              "Koordinatensystems (ganzzahlige Koordinaten 0...255)  verwendet und jedem Würfelpunkt "
                              "wird die seinen Koordinaten entsprechende Farbe gegeben.")
            << QRect(8, 160, 393, 145) << RGB(255, 224, 192) << 2 << 2;
        QTest::newRow("Label2 inside") << QStringLiteral("Label2") << 2
            << QStringLiteral("Von dem hier durch das Programm berechneten und perspektivisch gezeichneten Tessaro "
                              "sind zunächst nur die Außenflächen zu sehen. Um einen Überblick über alle "
                              "darstellbaren Farben zu bekommen, muss man aber auch in das Innere des Würfels "
                              "hineinsehen.")
            << QRect(8, 320, 393, 121) << RGB(255, 255, 192) << 1 << 0;
        QTest::newRow("Label4 cuts") << QStringLiteral("Label4") << 3
            << QStringLiteral("Durch Klicken mit der Maus auf die sichtbaren Würfelflächen kann man ebene, zu den "
                              "Würfelseiten parallele Schnitte durch den Würfel legen, welche dann in dem Quadrat "
                              "rechts oben sichtbar werden.")
            << QRect(408, 8, 393, 105) << RGB(192, 255, 192) << 3 << 0;
        QTest::newRow("Label5 equation") << QStringLiteral("Label5") << 4
            << QStringLiteral("Setzt man den Mauszeiger an eine beliebige Stelle dieses Quadrates, so wird die an der "
                              "Spitze des Zeigers befindliche Farbe analysiert. Man erkennt in der Zeile darunter in "
                              "Form einer symbolischen Gleichung, wie sich die Farbe aus den drei Grundfarben in ihren "
                              "verschiedenen Helligkeitsstufen zusammensetzt.")
            << QRect(408, 120, 393, 177) << RGB(192, 255, 255) << 4 << 0;
    }
    void panels()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QRect, place);
        QFETCH(Colour, background);
        QFETCH(int, tabIndex);
        QFETCH(int, doubleSpaces);
        const forms::Label *panel = formstest::labelNamed(info, name);
        QVERIFY(panel);

        QCOMPARE(qs(panel->Caption()), text);
        QCOMPARE(qs(panel->Caption()).count(QStringLiteral("  ")), doubleSpaces);
        const bool designFits = formstest::designFits(widget(info), Designed);
        if (designFits)
            QCOMPARE(qt(panel->pixelRect()), place);
        QCOMPARE(panel->TabIndex(), tabIndex);
        QCOMPARE(panel->alignment(), forms::Label::Alignment::Left);
        // The bottom right corner, below the last line of text.
        QCOMPARE(formstest::describe(cubetest::colourAt(info, qt(panel->pixelRect().bottomRight()) - QPoint(1, 1))),
                 formstest::describe(background));

        const forms::Font font = panel->paintedFont();
        QVERIFY(formstest::readable(panel));
        // Regular 12 point at 96 dots per inch, not shrunk.
        if (designFits)
            QCOMPARE(font.pixelSize(), 16);
        QVERIFY(!font.bold());

        // Painted, yet read out as static text, column by column, after the window's
        // own controls (its scroll bar).
        const QAccessibleInterface *window = QAccessible::queryAccessibleInterface(widget(info));
        const QAccessibleInterface *read = window->child(window->childCount() - 5 + index);
        QCOMPARE(read->role(), QAccessible::StaticText);
        QCOMPARE(read->text(QAccessible::Name), text);
        // Its text reads the words broken at a line end whole.
        const QString whole = const_cast<QAccessibleInterface *>(read)->textInterface()->text(0, -1);
        QVERIFY(!whole.contains(QRegularExpression(QStringLiteral("\\p{L}- \\p{Ll}"))));
        QCOMPARE(whole.size(), text.size() - 2 * text.count(QRegularExpression(QStringLiteral("\\p{L}- \\p{Ll}"))));
        if (index == 0)
            QVERIFY(whole.contains(QStringLiteral("darstellen")) && whole.contains(QStringLiteral("Grundfarben")));
    }

private:
    static constexpr QSize Designed{821, 484};
    frmInfoTessaro *info = nullptr;
};

QTEST_MAIN(TestFrmInfoTessaro)
#include "tst_frminfotessaro.moc"
